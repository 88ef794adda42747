#include "persist/PersistTransfer.h"

#include <gtest/gtest.h>

#include "framework/objects/Streams.h"
#include "persist/ObjectBlob.h"
#include "tests/persist/FakeRegistry.h"
#include "tests/persist/PropHolder.h"
#include "tests/persist/TempDir.h"

using namespace persisttest;

namespace {

const std::string Key = "Software\\Halbrand\\QV5";

// A form named QVMain owning the components its items name.
struct TFormFixture {
  TPropHolder Form{nullptr};
  TPropHolder* Changes;
  TPropHolder* Browse;

  TFormFixture()
  {
    Form.SetName("QVMain");
    Changes = new TPropHolder(&Form);
    Changes->SetName("Changes");
    Browse = new TPropHolder(&Form);
    Browse->SetName("dlgBrowse");
  }
};

std::string BlobOf(TPropHolder& Holder, const char* Name)
{
  TMemoryStream Stream;
  WriteObjectProp(Holder, Prop(Holder, Name), Stream);
  return Stream.DataString();
}

const std::vector<std::string> MainItems = {
    "dlgBrowse;Caption;3;Browser Root;;1;0;1;;",
    "Changes;Font;104;Font;;1;0;1;;",
    "(TForm);Alignment;3;WindowState;;1;0;0;;",
    "Changes;Lines;101;ExcludedDirs;;1;0;0;;",
};

}  // namespace

TEST(PersistTransfer, SaveWritesStringValuesAndBlobs)
{
  TFormFixture F;
  F.Browse->FCaption = "C:\\Data";
  F.Form.FAlign = 2;
  F.Changes->FFont->SetName("Arial");
  TFakeRegistry Registry;
  SaveItems(F.Form, MainItems, Registry, Key);

  ASSERT_NE(nullptr, Registry.Value(Key, "Browser Root"));
  EXPECT_EQ("C:\\Data", Registry.Value(Key, "Browser Root")->Data);
  EXPECT_EQ("taCenter", Registry.Value(Key, "WindowState")->Data);
  EXPECT_FALSE(Registry.Value(Key, "WindowState")->Binary);
  EXPECT_TRUE(Registry.Value(Key, "Font")->Binary);
  EXPECT_EQ(BlobOf(*F.Changes, "Font"), Registry.Value(Key, "Font")->Data);
  EXPECT_EQ(std::string("EMPTY") + std::string(27, '\0') + "03", Registry.Value(Key, "ExcludedDirs")->Data);
}

TEST(PersistTransfer, SavedValuesLoadIntoAFreshForm)
{
  TFormFixture Source;
  Source.Browse->FCaption = "D:\\";
  Source.Form.FAlign = 1;
  Source.Changes->FFont->SetStyle({fsBold});
  Source.Changes->FLines->Add("C:\\Temp");
  TFakeRegistry Registry;
  SaveItems(Source.Form, MainItems, Registry, Key);

  TFormFixture Target;
  LoadItems(Target.Form, MainItems, Registry, Key);
  EXPECT_EQ("D:\\", Target.Browse->FCaption);
  EXPECT_EQ(1, Target.Form.FAlign);
  EXPECT_EQ(TFontStyles{fsBold}, Target.Changes->FFont->Style());
  EXPECT_EQ(std::vector<std::string>{"C:\\Temp"}, Target.Changes->FLines->ToVector());
}

TEST(PersistTransfer, LoadOnlyItemIsLoadedButNeverWritten)
{
  TFormFixture F;
  const std::vector<std::string> Items = {"dlgBrowse;Caption;3;Browser Root;;1;1;1;;"};
  TFakeRegistry Registry;
  SaveItems(F.Form, Items, Registry, Key);
  EXPECT_EQ(nullptr, Registry.Value(Key, "Browser Root"));
  Registry.Put(Key, "Browser Root", {false, "E:\\"});
  LoadItems(F.Form, Items, Registry, Key);
  EXPECT_EQ("E:\\", F.Browse->FCaption);
}

TEST(PersistTransfer, ItemsNotInUseAndMissingTargetsAreSkipped)
{
  TFormFixture F;
  const std::vector<std::string> Items = {
      ";;3;;;1;0;0;;", "NoSuchComponent;Caption;3;A", "dlgBrowse;NoSuchProperty;3;B",
      "dlgbrowse;caption;3;C",  // short item, names in other letter case
  };
  TFakeRegistry Registry;
  SaveItems(F.Form, Items, Registry, Key);
  EXPECT_EQ(nullptr, Registry.Value(Key, "A"));
  EXPECT_EQ(nullptr, Registry.Value(Key, "B"));
  ASSERT_NE(nullptr, Registry.Value(Key, "C"));
  EXPECT_EQ("caption", Registry.Value(Key, "C")->Data);
  EXPECT_EQ(1, Registry.OpenCount);
}

TEST(PersistTransfer, ValueOfWrongTypeSkipsOnlyItsItem)
{
  TFormFixture F;
  TFakeRegistry Registry;
  Registry.Put(Key, "Browser Root", {true, "bin"});
  Registry.Put(Key, "Font", {false, "text"});
  Registry.Put(Key, "WindowState", {false, "taRightJustify"});
  LoadItems(F.Form, MainItems, Registry, Key);
  EXPECT_EQ("caption", F.Browse->FCaption);
  EXPECT_EQ(TFont::DefaultName, F.Changes->FFont->Name());
  EXPECT_EQ(1, F.Form.FAlign);
}

TEST(PersistTransfer, UnknownEnumerationTextLeavesCheckBoxUnchanged)
{
  TFormFixture F;
  F.Browse->FChecked = true;
  TFakeRegistry Registry;
  Registry.Put(Key, "EnableBeeps", {false, "yes"});
  LoadItems(F.Form, {"dlgBrowse;Checked;3;EnableBeeps;;1;0;0;;"}, Registry, Key);
  EXPECT_TRUE(F.Browse->FChecked);
}

TEST(PersistTransfer, LoadNeverCreatesTheKey)
{
  TFormFixture F;
  TFakeRegistry Registry;
  LoadItems(F.Form, MainItems, Registry, Key);
  EXPECT_FALSE(Registry.HasKey(Key));
  EXPECT_EQ("caption", F.Browse->FCaption);
}

TEST(PersistTransfer, SettingsFileKeepsOtherFormsEntries)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("prog.oxp");
  ToxRegFile Other;
  Other.SetCurrentKey("dlgOptions\\oxPersist");
  Other.WriteString("EnableBeeps", "True");
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
}

TEST(PersistTransfer, SettingsFileEntryOfOtherKindIsSkipped)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("prog.oxp");
  ToxRegFile File;
  File.SetCurrentKey("K");
  File.WriteBinaryData("Browser Root", "bin", 3);
  File.SaveToFile(FileName);
  TFormFixture F;
  LoadItemsFromFile(F.Form, MainItems, FileName, "K");
  EXPECT_EQ("caption", F.Browse->FCaption);
}
