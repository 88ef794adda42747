#include "persist/PersistItem.h"

#include <gtest/gtest.h>

#include "persist/ObjMgrItem.h"

using Strings = std::vector<std::string>;

namespace {

// Every field of an item, in order.
Strings Fields(const ToxPersistItem& I)
{
  return {I.Component, I.Property, I.IconCode, I.ValueName,   I.Reserved4,
          I.Reserved5, I.LoadOnly, I.InSetup,  I.Description, I.Reserved9};
}
Strings Fields(const TObjMgrItem& I) { return {I.Target, I.Property, I.Key, I.ValueName, I.Default, I.Reserved5}; }

}  // namespace

TEST(PersistItem, ParsesTrimmedFieldsAndFormatsTheTen)
{
  ToxPersistItem Item = ToxPersistItem::Parse("Changes;Font;104;Font;;1;0;1;;");
  EXPECT_EQ((Strings{"Changes", "Font", "104", "Font", "", "1", "0", "1", "", ""}), Fields(Item));
  EXPECT_FALSE(Item.IsLoadOnly());
  EXPECT_TRUE(Item.IsInSetup());
  EXPECT_EQ("Changes;Font;104;Font;;1;0;1;;", Item.Format());
  Item = ToxPersistItem::Parse("  dlgBrowse\t; Root ;3; Browser Root \r");  // missing fields read empty
  EXPECT_EQ((Strings{"dlgBrowse", "Root", "3", "Browser Root", "", "", "", "", "", ""}), Fields(Item));
  EXPECT_EQ("", ItemField("a;b", 5));
}

TEST(PersistItem, InUseFlagsAndIconNames)
{
  const std::pair<const char*, bool> InUse[] = {
      {";;104;;x;1;0;1;description;", false}, {"", false}, {";;;Value", true}, {";Prop", true}};
  for (const auto& [Line, Expected] : InUse) EXPECT_EQ(Expected, ToxPersistItem::Parse(Line).InUse()) << Line;
  EXPECT_TRUE(ToxPersistItem::Parse("a;b;3;c;;1; 1 ;0;;").IsLoadOnly());  // trimmed first
  EXPECT_FALSE(ToxPersistItem::Parse("a;b;3;c;;1;01;0;;").IsLoadOnly());  // "1" exactly
  EXPECT_FALSE(ToxPersistItem::Parse("a;b;3;c;;1;0;true;;").IsInSetup());
  const std::pair<const char*, const char*> Icons[] = {
      {"a;b;0;c", ""}, {"a;b;-3;c", ""}, {"a;b;x;c", ""}, {"a;b;3;c", "PROP_3"}, {"a;b;104;c", "PROP_104"}};
  for (const auto& [Line, Name] : Icons) EXPECT_EQ(Name, ToxPersistItem::Parse(Line).IconResourceName()) << Line;
}

TEST(PersistItem, ReplacingAFieldKeepsTheRestAndFixUpRewritesTheExactFormNameOnly)
{
  EXPECT_EQ("(TForm);Caption; 3 ;x", ReplaceItemField(" QVMain ;Caption; 3 ;x", 0, "(TForm)"));
  EXPECT_EQ("a;B;c", ReplaceItemField("a;b;c", 1, "B"));
  EXPECT_EQ("a;b;c;;X", ReplaceItemField("a;b;c", 4, "X"));
  EXPECT_EQ("X", ReplaceItemField("", 0, "X"));

  Strings Items = {
      "QVMain;WindowState;3;WindowState;;1;0;0;;",
      "qvmain;Caption;10;Caption;;1;0;0;;",
      "(TForm);Left;1;Left;;1;0;0;;",
      " QVMain ",
  };
  EXPECT_TRUE(FixUpFormItems(Items, "QVMain"));
  EXPECT_EQ((Strings{"(TForm);WindowState;3;WindowState;;1;0;0;;", "qvmain;Caption;10;Caption;;1;0;0;;",
                     "(TForm);Left;1;Left;;1;0;0;;", "(TForm)"}),
            Items);
  EXPECT_FALSE(FixUpFormItems(Items, "QVMain"));
  Items = {";Caption;10;Caption"};
  EXPECT_FALSE(FixUpFormItems(Items, ""));  // an unnamed form's items stay as they are
  EXPECT_EQ(";Caption;10;Caption", Items[0]);
}

TEST(PersistItem, KeyAndFileNames)
{
  EXPECT_EQ("dlgOptions", FormItemName("", "TdlgOptions"));  // unnamed: the class name without "T"
  EXPECT_EQ("QVMain", FormItemName("QVMain", "TQVMain"));
  EXPECT_EQ("", FormItemName("", ""));
  EXPECT_EQ("Software\\Halbrand\\QV5", AssignRegistryKey("Software\\", "\\Software\\\\Halbrand\\QV5\\"));
  // The initial "Software\" keeps its backslash until a different text is set.
  EXPECT_EQ("Software\\", AssignRegistryKey("Software\\", "Software\\"));
  EXPECT_EQ("Software", AssignRegistryKey("Other", "Software\\"));
  EXPECT_EQ("QVMain\\oxPersist", AutoKeyName("QVMain", "oxPersist"));
  EXPECT_EQ("Software\\quorvik.exe\\QVMain\\oxPersist",
            AutoRegistryKey("C:\\Program Files\\Quorvik\\quorvik.exe", "QVMain\\oxPersist"));
  EXPECT_EQ("C:\\Prog\\prog.oxp", AutoSettingsFileName("C:\\Prog\\prog.exe"));
  EXPECT_EQ("C:\\my.dir\\prog.oxp", AutoSettingsFileName("C:\\my.dir\\prog"));
  EXPECT_EQ("C:\\my.dir\\prog.tar.oxp", AutoSettingsFileName("C:\\my.dir\\prog.tar.gz"));
}

TEST(ObjMgrItem, ParsesWindowPositionItemAndIsInUseWhenAnyOfTheFirstFourFieldsIsSet)
{
  TObjMgrItem Item = TObjMgrItem::Parse("QVMain;Left;Software\\Halbrand\\QV5;FormLeft;;1");
  EXPECT_EQ((Strings{"QVMain", "Left", "Software\\Halbrand\\QV5", "FormLeft", "", "1"}), Fields(Item));
  EXPECT_TRUE(Item.InUse());
  EXPECT_TRUE(Item.TargetsForm("QVMain"));
  EXPECT_FALSE(Item.TargetsForm("qvmain"));
  EXPECT_FALSE(TObjMgrItem::Parse(" ; ; ; ;Default;1").InUse());
  EXPECT_TRUE(TObjMgrItem::Parse(";;Key").InUse());
  EXPECT_EQ("My caption", TObjMgrItem::Parse("F;Caption;K;V; My caption ").Default);
}
