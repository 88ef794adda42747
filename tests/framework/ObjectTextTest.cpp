#include <gtest/gtest.h>

#include "framework/objects/ObjectStream.h"
#include "framework/objects/Reader.h"
#include "framework/objects/Writer.h"
#include "framework/objects/ObjectText.h"
#include "framework/objects/Streams.h"
#include "tests/framework/TestClasses.h"

using namespace fwtest;

namespace {
std::string WriteRoot(TComponent* Root)
{
  TMemoryStream stream;
  WriteComponentToStream(stream, Root);
  return stream.DataString();
}

std::string Bmp()
{
  return std::string("BM\x22\0\0\0\0\0\0\0\x1a\0\0\0\x0c\0\0\0\x02\0\x01\0\x01\0\x18\0\1\2\3\4\5\6\0\0", 34);
}
}  // namespace

TEST(ObjectText, WritesReadableLines)
{
  TPanelForm form(nullptr);
  form.SetName("Main");
  form.FCaption = "It's\r\nhere";
  form.FLeft = -282;
  auto* g = new TGadget(&form);
  g->SetName("Box");
  g->FColor = clNavy;
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
                               "    Color = clNavy\r\n"
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

TEST(ObjectText, EveryValueTagSurvivesBinaryTextBinary)
{
  TPanelForm form(nullptr);
  form.SetName("F");
  auto* g = new TGadget(&form);
  g->SetName("G");
  g->FNumber = -100000;
  g->FSmall = 1000;
  g->FColor = 0x0102;
  g->FCursor = crHourGlass;
  g->FLetter = '\'';
  g->FWide = 300;
  g->FEnabled = false;
  g->FVisible = true;
  g->FShade = shMedium;
  g->FFlags = {flOne, flTwo, flThree};
  g->FRatio = 1e300;
  g->FCaption = std::string(200, 'x') + "\t" + std::string(100, 'y');
  g->FShort = "";
  g->FBanner = "b";
  g->FLines->Add(std::string(300, 'L'));
  g->FLines->Add("");
  g->FPicture->Bitmap()->SetImage(Bmp());
  static_cast<TItem*>(g->FItems->Add())->FCaption = "c";
  g->FItems->Add();
  g->SetBuddy(g);
  SetMethodProp(*g, FindPropInfo(*g, "OnClick"), MethodByName(form, "ButtonClick"));
  const std::string binary = WriteRoot(&form);
  for (uint8_t tag = vaList; tag <= vaCollection; ++tag) {
    if (tag != vaInt8 && tag != vaInt16) {
      EXPECT_NE(std::string::npos, binary.find(static_cast<char>(tag))) << int(tag);
    }
  }
  const std::string text = ObjectBinaryToText(binary);
  EXPECT_EQ(binary, ObjectTextToBinary(text));

  TPanelForm copy(nullptr);
  TReadOnlyMemoryStream in(binary.data(), static_cast<int64_t>(binary.size()));
  ReadComponentFromStream(in, &copy);
  auto* h = dynamic_cast<TGadget*>(copy.FindComponent("G"));
  ASSERT_NE(nullptr, h);
  EXPECT_EQ(h, h->FBuddy);
  EXPECT_EQ(1e300, h->FRatio);
  EXPECT_EQ(g->FCaption, h->FCaption);
  EXPECT_EQ(binary, WriteRoot(&copy));
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
  const std::string binary = ObjectTextToBinary(text);
  TGadget g(nullptr);
  TReadOnlyMemoryStream in(binary.data(), static_cast<int64_t>(binary.size()));
  ReadComponentFromStream(in, &g);
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
  for (const auto& [text, message] : cases) {
    try {
      ObjectTextToBinary(text);
      ADD_FAILURE() << text;
    } catch (const EParserError& e) {
      EXPECT_EQ(0u, std::string(e.what()).find(message)) << text << " gave " << e.what();
    }
  }
}

TEST(ObjectText, DeepNestingIsRefused)
{
  std::string text = "object A: T\n  X = " + std::string(1000, '(') + std::string(1000, ')') + "\nend\n";
  EXPECT_THROW(ObjectTextToBinary(text), EParserError);
  std::string binary = "TPF0\x01T\x00\x01X" + std::string(1000, '\x01');
  binary[5] = 'T';
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
