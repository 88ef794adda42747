#include "persist/oxPerst.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/win32/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/controls/Button.h"
#include "framework/controls/CommonDialogs.h"
#include "framework/controls/ListBox.h"
#include "tests/persist/PersistFixtures.h"
#include "tests/persist/RegTestKey.h"
#include "tests/support/TempDir.h"
#include "tests/support/WineTestSupport.h"

using namespace persisttest;

namespace {

const std::string TestKey = "Software\\QvPersistTest\\Persist";

// A form built in code with the kinds of properties the program persists.
struct TTestForm {
  TForm* Form;
  TListBox* Changes;
  TListBox* ExcludedDirs;
  TCheckBox* EnableBeeps;
  TCheckBox* RecurseDirs;
  TOpenDialog* dlgOpen;
  ToxPersist* Persist;

  explicit TTestForm(const char* Name)
  {
    Form = TCustomForm::Create<TForm>(Application);
    Form->SetName(Name);
    Changes = Make<TListBox>("Changes");
    ExcludedDirs = Make<TListBox>("ExcludedDirs");
    EnableBeeps = Make<TCheckBox>("EnableBeeps");
    RecurseDirs = Make<TCheckBox>("RecurseDirs");
    dlgOpen = Make<TOpenDialog>("dlgOpen");
    Persist = Make<ToxPersist>("oxPersist");
    Persist->SetStorageType(oxpRegistry);
    Persist->SetOptions({oxpAutoFileName});
    Persist->SetRegistryKey(TestKey);
    for (const char* Item :
         {"dlgOpen;FileName;10;OpenFileName;;1;0;0;;", "Changes;Font;104;Font;;1;0;1;;",
          "(TForm);WindowState;3;WindowState;;1;0;0;;", "ExcludedDirs;Items;101;ExcludedDirs;;1;0;0;;",
          "EnableBeeps;Checked;3;EnableBeeps;;1;0;0;;", "RecurseDirs;Checked;3;RecurseDirs;;1;0;0;;"})
      Persist->Items()->Add(Item);
  }
  ~TTestForm() { delete Form; }
  TTestForm(const TTestForm&) = delete;
  TTestForm& operator=(const TTestForm&) = delete;

  template <class T> T* Make(const char* Name)
  {
    T* Component = new T(Form);
    Component->SetName(Name);
    return Component;
  }
};

class PersistComponent : public ::testing::Test {
protected:
  void SetUp() override { DeleteTestKey("Software\\QvPersistTest"); }
  void TearDown() override { DeleteTestKey("Software\\QvPersistTest"); }
  TApplicationScope Scope;
};

}  // namespace

TEST_F(PersistComponent, SavedStringsBooleansEnumerationsFontsAndListsLoadIntoAnotherForm)
{
  TTestForm A("SaveForm");
  SetStrProp(*A.dlgOpen, "FileName", "C:\\Data\\last.qv");
  A.EnableBeeps->SetChecked(true);
  A.Form->SetWindowState(wsMinimized);
  A.Changes->Font()->SetName("Arial");
  A.Changes->Font()->SetHeight(-16);
  A.ExcludedDirs->Items()->Add("C:\\Temp");
  A.ExcludedDirs->Items()->Add("D:");
  A.Persist->Save();
  EXPECT_EQ("wsMinimized", ReadRaw(TestKey, "WindowState").Data);

  TTestForm B("LoadForm");
  B.RecurseDirs->SetChecked(true);
  B.Persist->Load();
  EXPECT_EQ("C:\\Data\\last.qv", GetStrProp(*B.dlgOpen, "FileName"));
  EXPECT_TRUE(B.EnableBeeps->Checked());
  EXPECT_FALSE(B.RecurseDirs->Checked());
  EXPECT_EQ(wsMinimized, B.Form->WindowState());
  EXPECT_EQ("Arial", B.Changes->Font()->Name());
  EXPECT_EQ(-16, B.Changes->Font()->Height());
  EXPECT_EQ((std::vector<std::string>{"C:\\Temp", "D:"}), B.ExcludedDirs->Items()->ToVector());

  A.ExcludedDirs->Items()->Clear();
  A.Persist->Save();
  B.Persist->Load();
  EXPECT_EQ(0, B.ExcludedDirs->Items()->Count());
}

TEST_F(PersistComponent, BeforeEventsCancelAndAfterEventsFollowOnlyADoneTransfer)
{
  WriteRaw(TestKey, "EnableBeeps", REG_SZ, "True");
  TTestForm A("CancelForm");
  int Afters = 0;
  A.Persist->BeforeLoad = [](TObject*, bool& Cancel) { Cancel = true; };
  A.Persist->AfterLoad = [&](TObject*) { ++Afters; };
  A.Persist->Load();
  EXPECT_FALSE(A.EnableBeeps->Checked());
  A.Persist->BeforeSave = [](TObject*, bool& Cancel) { Cancel = true; };
  A.Persist->AfterSave = [&](TObject*) { ++Afters; };
  A.Persist->Save();
  EXPECT_EQ("True", ReadRaw(TestKey, "EnableBeeps").Data);
  EXPECT_EQ(0, Afters);

  A.Persist->BeforeSave = [](TObject*, bool&) {};
  A.Persist->Save();
  EXPECT_EQ("False", ReadRaw(TestKey, "EnableBeeps").Data);
  EXPECT_EQ(1, Afters);
}

TEST_F(PersistComponent, LoadedFixesFormItemsAndLoadsFromTheMessageLoop)
{
  WriteRaw(TestKey, "EnableBeeps", REG_SZ, "True");
  TTestForm A("AutoForm");
  A.Persist->Items()->Clear();
  A.Persist->Items()->Add("AutoForm ;WindowState;3;WindowState;;1;0;0;;");
  A.Persist->Items()->Add("EnableBeeps;Checked;3;EnableBeeps;;1;0;0;;");
  A.Persist->SetOptions({oxpAutoLoad, oxpAutoFileName});
  A.Persist->Loaded();
  EXPECT_EQ("(TForm);WindowState;3;WindowState;;1;0;0;;", A.Persist->Items()->Get(0));
  EXPECT_FALSE(A.EnableBeeps->Checked());
  EXPECT_TRUE(qvtest::PumpUntil([&] { return A.EnableBeeps->Checked(); }, 2000));
  A.EnableBeeps->SetChecked(false);
  A.Persist->PostLoad();  // loads again from the message loop
  EXPECT_FALSE(A.EnableBeeps->Checked());
  EXPECT_TRUE(qvtest::PumpUntil([&] { return A.EnableBeeps->Checked(); }, 2000));
}

TEST_F(PersistComponent, AutomaticSaveRunsBeforeTheFormsOwnDestroyCodeOnlyWhileItIsOn)
{
  struct TCase {
    ToxpOptions AtLoading, Later;
    bool FreePersist;
    const char* Seen;  // what the form's own destroy code finds stored
  };
  const TCase Cases[] = {
      {{oxpAutoFileName}, {oxpAutoSave, oxpAutoFileName}, false, "True"},          // switched on after loading
      {{oxpAutoSave, oxpAutoFileName}, {oxpAutoFileName}, false, ""},              // switched off again
      {{oxpAutoSave, oxpAutoFileName}, {oxpAutoSave, oxpAutoFileName}, true, ""},  // component freed first
  };
  for (const TCase& C : Cases) {
    DeleteTestKey("Software\\QvPersistTest");
    auto A = std::make_unique<TTestForm>("DestroyForm");
    std::string Seen = "not run";
    int Runs = 0;
    A->Form->OnDestroy = [&](TObject*) {
      Seen = ReadRaw(TestKey, "EnableBeeps").Data;
      ++Runs;
    };
    A->Persist->SetOptions(C.AtLoading);
    A->Persist->Loaded();
    A->Persist->SetOptions(C.Later);
    A->EnableBeeps->SetChecked(true);
    if (C.FreePersist) delete A->Persist;
    A.reset();
    EXPECT_EQ(C.Seen, Seen);
    EXPECT_EQ(1, Runs);
  }
}

TEST_F(PersistComponent, RegistryKeyIsNormalisedAndAutomaticKeysNameFormAndComponent)
{
  TTestForm A("QVMain");
  A.Persist->SetRegistryKey("\\Software\\\\Halbrand\\QV5\\");
  EXPECT_EQ("Software\\Halbrand\\QV5", A.Persist->RegistryKey());
  EXPECT_EQ("Software\\Halbrand\\QV5", A.Persist->RegistryKeyName());

  char Exe[MAX_PATH] = {};
  const std::string ExePath(Exe, GetModuleFileNameA(nullptr, Exe, MAX_PATH));
  const std::string ExeName = ExePath.substr(ExePath.find_last_of('\\') + 1);
  A.Persist->SetOptions({oxpAutoRegKey, oxpAutoFileName});
  EXPECT_EQ("Software\\" + ExeName + "\\QVMain\\oxPersist", A.Persist->RegistryKeyName());
  EXPECT_EQ("QVMain\\oxPersist", A.Persist->FileKeyName());
  EXPECT_EQ(ExePath.substr(0, ExePath.size() - 4) + ".oxp", A.Persist->SettingsFileName());
}

TEST_F(PersistComponent, FileStorageRoundTripsThroughTheSettingsFile)
{
  TTempDir Dir;
  const std::string File = Dir.Path("prog.oxp");
  TTestForm A("FileForm"), B("FileForm2");
  for (ToxPersist* Persist : {A.Persist, B.Persist}) {
    Persist->SetStorageType(oxpFile);
    Persist->SetOptions({});
    Persist->SetFileName(File);
  }
  A.Persist->Load();  // no file yet: nothing happens
  A.EnableBeeps->SetChecked(true);
  A.ExcludedDirs->Items()->Add("C:\\Temp");
  A.Persist->Save();
  EXPECT_FALSE(ReadRaw(TestKey, "EnableBeeps").Exists);
  B.Persist->Load();
  EXPECT_TRUE(B.EnableBeeps->Checked());
  EXPECT_EQ(std::vector<std::string>{"C:\\Temp"}, B.ExcludedDirs->Items()->ToVector());
}
