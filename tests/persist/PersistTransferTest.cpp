#include "persist/PersistTransfer.h"

#include <gtest/gtest.h>

#include "tests/persist/PersistFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {

const std::string Key = "Software\\Halbrand\\QV5";

struct TFormFixture : TMainForm {
  TFakeRegistry Registry;
  TFormFixture() { Browse->FCaption = "caption"; }
};

const std::vector<std::string> MainItems = {
    "dlgBrowse;Caption;3;Browser Root;;1;0;1;;",
    "Changes;Font;104;Font;;1;0;1;;",
    "(TForm);Shade;3;WindowState;;1;0;0;;",
    "Changes;Lines;101;ExcludedDirs;;1;0;0;;",
};

}  // namespace

TEST(PersistTransfer, SaveWritesStringValuesAndBlobsThatLoadIntoAFreshForm)
{
  TFormFixture Source;
  Source.Browse->FCaption = "D:\\";
  Source.Form.FShade = shDark;
  Source.Changes->FFont->SetStyle({fsBold});
  SaveItems(Source.Form, MainItems, Source.Registry, Key);
  const TFakeRegistry& R = Source.Registry;
  ASSERT_NE(nullptr, R.Value(Key, "Browser Root"));
  EXPECT_EQ("D:\\", R.Value(Key, "Browser Root")->Data);
  EXPECT_EQ("shDark", R.Value(Key, "WindowState")->Data);
  EXPECT_FALSE(R.Value(Key, "WindowState")->Binary);
  EXPECT_TRUE(R.Value(Key, "Font")->Binary);
  EXPECT_EQ(BlobOf(*Source.Changes, "Font"), R.Value(Key, "Font")->Data);
  EXPECT_EQ(std::string("EMPTY") + std::string(27, '\0') + "03", R.Value(Key, "ExcludedDirs")->Data);

  Source.Changes->FLines->Add("C:\\Temp");
  SaveItems(Source.Form, MainItems, Source.Registry, Key);
  TFormFixture Target;
  LoadItems(Target.Form, MainItems, Source.Registry, Key);
  EXPECT_EQ("D:\\", Target.Browse->FCaption);
  EXPECT_EQ(shDark, Target.Form.FShade);
  EXPECT_EQ(TFontStyles{fsBold}, Target.Changes->FFont->Style());
  EXPECT_EQ(std::vector<std::string>{"C:\\Temp"}, Target.Changes->FLines->ToVector());
}

TEST(PersistTransfer, ItemsNotInUseMissingTargetsAndLoadOnlyItemsAreNotWritten)
{
  TFormFixture F;
  const std::vector<std::string> Items = {
      ";;3;;;1;0;0;;",
      "NoSuchComponent;Caption;3;A",
      "dlgBrowse;NoSuchProperty;3;B",
      "dlgbrowse;caption;3;C",                      // short item, names in other letter case
      "dlgBrowse;Caption;3;Browser Root;;1;1;1;;",  // loaded, never saved
  };
  SaveItems(F.Form, Items, F.Registry, Key);
  for (const char* Name : {"A", "B", "Browser Root"}) EXPECT_EQ(nullptr, F.Registry.Value(Key, Name)) << Name;
  ASSERT_NE(nullptr, F.Registry.Value(Key, "C"));
  EXPECT_EQ("caption", F.Registry.Value(Key, "C")->Data);
  EXPECT_EQ(1, F.Registry.OpenCount);
  F.Registry.Put(Key, "Browser Root", {false, "E:\\"});
  LoadItems(F.Form, Items, F.Registry, Key);
  EXPECT_EQ("E:\\", F.Browse->FCaption);
}

TEST(PersistTransfer, ValueOfWrongTypeOrUnknownNameSkipsOnlyItsItemAndLoadNeverCreatesTheKey)
{
  TFormFixture F;
  LoadItems(F.Form, MainItems, F.Registry, Key);
  EXPECT_FALSE(F.Registry.HasKey(Key));
  EXPECT_EQ("caption", F.Browse->FCaption);

  F.Registry.Put(Key, "Browser Root", {true, "bin"});
  F.Registry.Put(Key, "Font", {false, "text"});
  F.Registry.Put(Key, "WindowState", {false, "shMedium"});
  F.Registry.Put(Key, "EnableBeeps", {false, "yes"});
  std::vector<std::string> Items = MainItems;
  Items.push_back("dlgBrowse;Visible;3;EnableBeeps;;1;0;0;;");
  LoadItems(F.Form, Items, F.Registry, Key);
  EXPECT_EQ("caption", F.Browse->FCaption);
  EXPECT_EQ(TFont::DefaultName, F.Changes->FFont->Name());
  EXPECT_EQ(shMedium, F.Form.FShade);
  EXPECT_FALSE(F.Browse->FVisible);  // no element named "yes"
}

TEST(PersistTransfer, SettingsFileKeepsOtherFormsEntriesAndSkipsEntriesOfTheOtherKind)
{
  TTempDir Dir;
  const std::string FileName = Dir.Path("prog.oxp");
  ToxRegFile Other;
  Other.SetCurrentKey("dlgOptions\\oxPersist");
  Other.WriteString("EnableBeeps", "True");
  Other.SetCurrentKey("K");
  Other.WriteBinaryData("Browser Root", "bin", 3);
  Other.SaveToFile(FileName);

  TFormFixture Source;
  Source.Browse->FCaption = "F:\\";
  Source.Changes->FLines->Add("x");
  SaveItemsToFile(Source.Form, MainItems, FileName, "QVMain\\oxPersist");
  ToxRegFile Saved;
  Saved.LoadFromFile(FileName);
  Saved.SetCurrentKey("dlgOptions\\oxPersist");
  EXPECT_EQ("True", Saved.ReadString("EnableBeeps"));
  Saved.SetCurrentKey("QVMain\\oxPersist");
  EXPECT_EQ("F:\\", Saved.ReadString("Browser Root"));
  EXPECT_EQ(BlobOf(*Source.Changes, "Lines").size(), Saved.GetDataSize("ExcludedDirs"));

  TFormFixture Target;
  LoadItemsFromFile(Target.Form, MainItems, FileName, "\\QVMain\\\\oxPersist\\");
  EXPECT_EQ("F:\\", Target.Browse->FCaption);
  EXPECT_EQ(std::vector<std::string>{"x"}, Target.Changes->FLines->ToVector());
  TFormFixture Skipped;
  LoadItemsFromFile(Skipped.Form, MainItems, FileName, "K");
  EXPECT_EQ("caption", Skipped.Browse->FCaption);
}
