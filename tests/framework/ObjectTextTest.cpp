#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/objects/ObjectText.h"
#include "tests/framework/StreamTestSupport.h"

using namespace fwtest;

TEST(ObjectText, WritesReadableLines)
{
  TPanelForm form(nullptr);
  form.SetName("Main");
  form.FCaption = "It's\r\nhere";
  form.FLeft = -282;
  auto* g = new TGadget(&form);
  g->SetName("Box");
  g->FVisible = true;
  g->FFlags = {flTwo};
  g->FRatio = 0.5;
  g->FLines->Add("one");
  static_cast<TItem*>(g->FItems->Add())->FWidth = 3;
  g->FFont->SetStyle({fsBold, fsItalic});
  const std::string expected = "object Main: TPanelForm\r\n"
                               "  Caption = 'It''s'#13#10'here'\r\n"
                               "  Left = -282\r\n"
                               "  object Box: TGadget\r\n"
                               "    Number = 0\r\n"
                               "    Letter = 'A'\r\n"
                               "    Visible = True\r\n"
                               "    Shade = shLight\r\n"
                               "    Flags = [flTwo]\r\n"
                               "    Ratio = 0.5\r\n"
                               "    Font.Charset = DEFAULT_CHARSET\r\n"
                               "    Font.Color = clWindowText\r\n"
                               "    Font.Height = -11\r\n"
                               "    Font.Name = 'MS Sans Serif'\r\n"
                               "    Font.Style = [fsBold, fsItalic]\r\n"
                               "    Lines.Strings = (\r\n"
                               "      'one')\r\n"
                               "    Items = <\r\n"
                               "      item\r\n"
                               "        Width = 3\r\n"
                               "      end>\r\n"
                               "    Buddy = nil\r\n"
                               "  end\r\n"
                               "end\r\n";
  EXPECT_EQ(expected, ObjectBinaryToText(WriteRoot(&form)));
}

TEST(ObjectText, SpecialFloatsAndFlagsRoundTrip)
{
  const std::string text = "inherited Main: TPanelForm [2]\r\n"
                           "  A = +INF\r\n"
                           "  B = -INF\r\n"
                           "  C = +NAN\r\n"
                           "  D = 1e-300\r\n"
                           "  E = {\r\n"
                           "    00FF10}\r\n"
                           "  F = ()\r\n"
                           "  G = <>\r\n"
                           "  H = <\r\n"
                           "    item [4]\r\n"
                           "    end>\r\n"
                           "  I = []\r\n"
                           "  J = Other.Thing\r\n"
                           "  inline Sub: TGadget\r\n"
                           "  end\r\n"
                           "end\r\n";
  const std::string binary = ObjectTextToBinary(text);
  EXPECT_EQ(static_cast<char>(0xF0 | ffInherited | ffChildPos), binary[4]);
  EXPECT_EQ(text, ObjectBinaryToText(binary));
}

TEST(ObjectText, AcceptsHexLowerCaseKeywordsAndContinuedStrings)
{
  const std::string text = "OBJECT x: TGadget\n  Number = $7FFFFFFF\n  Caption = 'ab' +\n   'cd'#33\nEND\n";
  TGadget g(nullptr);
  ReadRoot(ObjectTextToBinary(text), &g);
  EXPECT_EQ(0x7FFFFFFF, g.FNumber);
  EXPECT_EQ("abcd!", g.FCaption);
  EXPECT_EQ("x", g.Name());
}

TEST(ObjectText, MalformedTextRaisesParserErrorWithLine)
{
  const std::pair<const char*, const char*> cases[] = {
      {"object A: T\n  X = \nend\n", "Line 3: Property value expected"},
      {"object A: T\n  X = 'open\nend\n", "Line 2: Unterminated string"},
      {"object A: T\n  X = 4294967296\nend\n", "Line 2: Integer out of range"},
      {"object A: T\n  X = {0F1}\nend\n", "Line 2: Invalid binary value"},
      {"object A: T\n  X = #256\nend\n", "Line 2: Invalid character code"},
      {"object A: T\n  X = (1 2\n", "Line 3: ')' expected"},
      {"object A: T\n", "Line 2: Identifier expected"},
      {"thing A: T\nend\n", "Line 1: 'object' expected"},
      {"object A: T\nend\nextra", "Line 3: End of text expected"},
      {"object A: T\n  X = <\n    thing\n  >\nend", "Line 3: 'item' expected"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_THAT([text = text] { ObjectTextToBinary(text); },
                testing::ThrowsMessage<EParserError>(testing::StartsWith(message)))
        << text;
}

TEST(ObjectText, DeepNestingIsRefused)
{
  std::string text = "object A: T\n  X = " + std::string(1000, '(') + std::string(1000, ')') + "\nend\n";
  EXPECT_THROW(ObjectTextToBinary(text), EParserError);
  EXPECT_THROW(ObjectBinaryToText(std::string("TPF0\x01T\x00\x01X", 9) + std::string(1000, '\x01')), EReadError);
}

TEST(ObjectText, DamagedBinaryRaisesReadError)
{
  const std::string good = ObjectTextToBinary("object A: TGadget\n  Caption = 'x'\n  Flags = [flOne]\nend\n");
  for (size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_THROW(ObjectBinaryToText(good.substr(0, cut)), EReadError) << cut;
  std::string badName = good;
  badName[good.find("Caption")] = ' ';
  EXPECT_THROW(ObjectBinaryToText(badName), EReadError);
  std::string badTag = good;
  badTag[good.find("Caption") + 7] = 42;
  EXPECT_THROW(ObjectBinaryToText(badTag), EReadError);
}
