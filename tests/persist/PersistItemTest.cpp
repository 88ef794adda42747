#include "persist/PersistItem.h"

#include <gtest/gtest.h>

#include "persist/ObjMgrItem.h"

TEST(PersistItem, ParsesTheMainWindowFontItem)
{
  ToxPersistItem Item = ToxPersistItem::Parse("Changes;Font;104;Font;;1;0;1;;");
  EXPECT_EQ("Changes", Item.Component);
  EXPECT_EQ("Font", Item.Property);
  EXPECT_EQ("104", Item.IconCode);
  EXPECT_EQ("Font", Item.ValueName);
  EXPECT_EQ("1", Item.Reserved5);
  EXPECT_FALSE(Item.IsLoadOnly());
  EXPECT_TRUE(Item.IsInSetup());
  EXPECT_TRUE(Item.InUse());
  EXPECT_EQ("PROP_104", Item.IconResourceName());
  EXPECT_EQ("Changes;Font;104;Font;;1;0;1;;", Item.Format());
}

TEST(PersistItem, FieldsAreTrimmedOfBlanksAndControls)
{
  ToxPersistItem Item = ToxPersistItem::Parse("  dlgBrowse\t; Root ;3; Browser Root ;;1;0;1;;\r");
  EXPECT_EQ("dlgBrowse", Item.Component);
  EXPECT_EQ("Root", Item.Property);
  EXPECT_EQ("Browser Root", Item.ValueName);
}

TEST(PersistItem, MissingTrailingFieldsReadEmpty)
{
  ToxPersistItem Item = ToxPersistItem::Parse("EnableBeeps;Checked;3;EnableBeeps");
  EXPECT_TRUE(Item.InUse());
  EXPECT_EQ("EnableBeeps", Item.ValueName);
  EXPECT_EQ("", Item.LoadOnly);
  EXPECT_FALSE(Item.IsLoadOnly());
  EXPECT_EQ("", ItemField("a;b", 5));
}

TEST(PersistItem, ItemWithoutComponentPropertyAndValueNameIsNotInUse)
{
  EXPECT_FALSE(ToxPersistItem::Parse(";;104;;x;1;0;1;description;").InUse());
  EXPECT_FALSE(ToxPersistItem::Parse("").InUse());
  EXPECT_TRUE(ToxPersistItem::Parse(";;;Value").InUse());
  EXPECT_TRUE(ToxPersistItem::Parse(";Prop").InUse());
}

TEST(PersistItem, FlagsCompareWithOneExactly)
{
  EXPECT_TRUE(ToxPersistItem::Parse("a;b;3;c;;1; 1 ;0;;").IsLoadOnly());  // trimmed first
  EXPECT_FALSE(ToxPersistItem::Parse("a;b;3;c;;1;01;0;;").IsLoadOnly());
  EXPECT_FALSE(ToxPersistItem::Parse("a;b;3;c;;1;0;true;;").IsInSetup());
}

TEST(PersistItem, IconNameOnlyForPositiveNumbers)
{
  EXPECT_EQ("", ToxPersistItem::Parse("a;b;0;c").IconResourceName());
  EXPECT_EQ("", ToxPersistItem::Parse("a;b;-3;c").IconResourceName());
  EXPECT_EQ("", ToxPersistItem::Parse("a;b;x;c").IconResourceName());
  EXPECT_EQ("PROP_3", ToxPersistItem::Parse("a;b;3;c").IconResourceName());
}

TEST(PersistItem, ReplaceFieldKeepsTheRestOfTheLine)
{
  EXPECT_EQ("(TForm);Caption; 3 ;x", ReplaceItemField(" QVMain ;Caption; 3 ;x", 0, "(TForm)"));
  EXPECT_EQ("a;B;c", ReplaceItemField("a;b;c", 1, "B"));
  EXPECT_EQ("a;b;c;;X", ReplaceItemField("a;b;c", 4, "X"));
  EXPECT_EQ("X", ReplaceItemField("", 0, "X"));
}

TEST(PersistItem, FixUpRewritesExactFormNameOnly)
{
  std::vector<std::string> Items = {
      "QVMain;WindowState;3;WindowState;;1;0;0;;",
      "qvmain;Caption;10;Caption;;1;0;0;;",
      "(TForm);Left;1;Left;;1;0;0;;",
      "Changes;Font;104;Font;;1;0;1;;",
      " QVMain ",
  };
  EXPECT_TRUE(FixUpFormItems(Items, "QVMain"));
  EXPECT_EQ("(TForm);WindowState;3;WindowState;;1;0;0;;", Items[0]);
  EXPECT_EQ("qvmain;Caption;10;Caption;;1;0;0;;", Items[1]);
  EXPECT_EQ("(TForm);Left;1;Left;;1;0;0;;", Items[2]);
  EXPECT_EQ("Changes;Font;104;Font;;1;0;1;;", Items[3]);
  EXPECT_EQ("(TForm)", Items[4]);
  EXPECT_FALSE(FixUpFormItems(Items, "QVMain"));
}

TEST(PersistItem, FixUpLeavesItemsAloneForEmptyFormName)
{
  std::vector<std::string> Items = {";Caption;10;Caption"};
  EXPECT_FALSE(FixUpFormItems(Items, ""));
  EXPECT_EQ(";Caption;10;Caption", Items[0]);
}

TEST(PersistItem, UnnamedFormContributesClassNameWithoutPrefix)
{
  EXPECT_EQ("dlgOptions", FormItemName("", "TdlgOptions"));
  EXPECT_EQ("QVMain", FormItemName("QVMain", "TQVMain"));
  EXPECT_EQ("", FormItemName("", ""));
}

TEST(PersistItem, RegistryKeyIsNormalisedWhenChanged)
{
  EXPECT_EQ("Software\\Halbrand\\QV5", AssignRegistryKey("Software\\", "\\Software\\\\Halbrand\\QV5\\"));
  // The initial "Software\" keeps its backslash until a different text is set.
  EXPECT_EQ("Software\\", AssignRegistryKey("Software\\", "Software\\"));
  EXPECT_EQ("Software", AssignRegistryKey("Other", "Software\\"));
}

TEST(PersistItem, AutomaticKeyAndFileNames)
{
  const std::string Key = AutoKeyName(FormItemName("QVMain", "TQVMain"), "oxPersist");
  EXPECT_EQ("QVMain\\oxPersist", Key);
  EXPECT_EQ("Software\\quorvik.exe\\QVMain\\oxPersist",
            AutoRegistryKey("C:\\Program Files\\Quorvik\\quorvik.exe", Key));
  EXPECT_EQ("dlgOptions\\oxPersist", AutoKeyName(FormItemName("", "TdlgOptions"), "oxPersist"));
  EXPECT_EQ("C:\\Prog\\prog.oxp", AutoSettingsFileName("C:\\Prog\\prog.exe"));
  EXPECT_EQ("C:\\my.dir\\prog.oxp", AutoSettingsFileName("C:\\my.dir\\prog"));
  EXPECT_EQ("C:\\my.dir\\prog.tar.oxp", AutoSettingsFileName("C:\\my.dir\\prog.tar.gz"));
}

TEST(ObjMgrItem, ParsesWindowPositionItem)
{
  TObjMgrItem Item = TObjMgrItem::Parse("QVMain;Left;Software\\Halbrand\\QV5;FormLeft;;1");
  EXPECT_EQ("QVMain", Item.Target);
  EXPECT_EQ("Left", Item.Property);
  EXPECT_EQ("Software\\Halbrand\\QV5", Item.Key);
  EXPECT_EQ("FormLeft", Item.ValueName);
  EXPECT_EQ("", Item.Default);
  EXPECT_EQ("1", Item.Reserved5);
  EXPECT_TRUE(Item.InUse());
  EXPECT_TRUE(Item.TargetsForm("QVMain"));
  EXPECT_FALSE(Item.TargetsForm("qvmain"));
}

TEST(ObjMgrItem, InUseWhenAnyOfFirstFourFieldsIsSet)
{
  EXPECT_FALSE(TObjMgrItem::Parse(" ; ; ; ;Default;1").InUse());
  EXPECT_TRUE(TObjMgrItem::Parse(";;Key").InUse());
  EXPECT_EQ("My caption", TObjMgrItem::Parse("F;Caption;K;V; My caption ").Default);
}
