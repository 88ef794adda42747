#include <gtest/gtest.h>

#include "framework/objects/FormFile.h"
#include "framework/objects/ObjectText.h"
#include "framework/objects/Streams.h"
#include "tests/support/TestClasses.h"
#include "tests/support/TempDir.h"

using namespace fwtest;

namespace {
const char* const PanelText = "object Panel: TPanelForm\r\n"
                              "  Caption = 'Quorvik V5.0'\r\n"
                              "  Left = 282\r\n"
                              "  object First: TGadget\r\n"
                              "    Buddy = Second\r\n"
                              "    Probe = 1\r\n"
                              "    Font.Name = 'Courier New'\r\n"
                              "    Lines.Strings = (\r\n"
                              "      'dlgOpen;FileName;10;OpenFileName;;1;0;0;;')\r\n"
                              "  end\r\n"
                              "  object Second: TGadget\r\n"
                              "    OnClick = ButtonClick\r\n"
                              "  end\r\n"
                              "end\r\n";
}

TEST(FormFile, TextFormBuildsTheFormAndItsComponents)
{
  LoadedOrder().clear();
  TPanelForm form(nullptr);
  ReadFormText(&form, PanelText);
  EXPECT_EQ("Panel", form.Name());
  EXPECT_EQ("Quorvik V5.0", form.FCaption);
  EXPECT_EQ(282, form.FLeft);
  ASSERT_EQ(2, form.ComponentCount());
  auto* first = dynamic_cast<TGadget*>(form.Components(0));
  auto* second = dynamic_cast<TGadget*>(form.Components(1));
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ("First", first->Name());
  EXPECT_EQ(second, first->FBuddy);
  EXPECT_EQ("Courier New", first->FFont->Name());
  EXPECT_EQ((std::vector<std::string>{"dlgOpen;FileName;10;OpenFileName;;1;0;0;;"}), first->FLines->ToVector());
  EXPECT_EQ((std::vector<std::string>{"Probe loading reading", "Loaded loading"}), first->Log);
  EXPECT_FALSE(first->ComponentState().Contains(csLoading) || first->ComponentState().Contains(csReading));
  EXPECT_EQ((std::vector<std::string>{"Panel", "First", "Second"}), LoadedOrder());
  second->FOnClick(second);
  EXPECT_EQ(1, form.Clicks);
  EXPECT_EQ("ButtonClick", second->FOnClick.MethodName());
}

TEST(FormFile, ResourcesAreFoundByClassNameAndBinaryFormIsAccepted)
{
  RegisterFormResource("tpanelform", PanelText);
  TPanelForm form(nullptr);
  EXPECT_TRUE(InitComponentFromResources(&form, TComponent::StaticClass()));
  EXPECT_EQ(2, form.ComponentCount());

  TGadget gadget(nullptr);
  EXPECT_FALSE(InitComponentFromResources(&gadget, TComponent::StaticClass()));

  SetFormResourceFinder([](const std::string& name, std::string& out) {
    out = "object G: TGadget\r\n  Number = 7\r\nend\r\n";
    return name == "TGADGET";
  });
  EXPECT_TRUE(InitComponentFromResources(&gadget, TComponent::StaticClass()));
  EXPECT_EQ(7, gadget.FNumber);
  SetFormResourceFinder(nullptr);
}

TEST(FormFile, FileOnDiskInTextOrBinaryForm)
{
  TTempDir dir;
  WriteFileBytes(dir.Path("text.dfm"), PanelText);
  WriteFileBytes(dir.Path("binary.dfm"), ObjectTextToBinary(PanelText));
  for (const char* name : {"text.dfm", "binary.dfm"}) {
    TPanelForm form(nullptr);
    ReadFormFile(&form, dir.Path(name));
    EXPECT_EQ(282, form.FLeft) << name;
    EXPECT_EQ(2, form.ComponentCount()) << name;
  }
}

TEST(FormFile, ErrorsLeaveNoComponentLoading)
{
  TPanelForm form(nullptr);
  EXPECT_THROW(ReadFormText(&form, "object P: TPanelForm\n  object A: TGadget\n    Shade = shNone\n  end\nend\n"),
               EReadError);
  EXPECT_EQ(0, form.ComponentCount());
  EXPECT_FALSE(form.ComponentState().Contains(csLoading));
  EXPECT_THROW(ReadFormText(&form, "object P: TGadget\nend\n"), EReadError);
  EXPECT_THROW(ReadFormText(&form, "object P: TPanelForm\n"), EParserError);
}
