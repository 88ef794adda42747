// The program's settings across a restart: the forms are created, changed
// and destroyed as at exit, then created again in a new application.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/BrowseDr.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "persist/oxPerst.h"
#include "tests/persist/RegTestKey.h"
#include "tests/support/WineTestSupport.h"

using namespace persisttest;
using Strings = std::vector<std::string>;

namespace {

const std::string QV5 = "Software\\Halbrand\\QV5";

std::string Field(const std::string& Name) { return Name + std::string(32 - Name.size(), '\0'); }
std::string Str(const std::string& S) { return static_cast<char>(S.size()) + S; }

// Runs an action inside the options dialog's modal loop once it shows.
std::function<void()>& InDialogAction()
{
  static std::function<void()> Action;
  return Action;
}

void CALLBACK InDialogTick(HWND, UINT, UINT_PTR Id, DWORD)
{
  if (!dlgOptions->HandleAllocated() || !IsWindowVisible(dlgOptions->Handle())) return;
  KillTimer(nullptr, Id);
  std::function<void()> Action = std::move(InDialogAction());
  InDialogAction() = nullptr;
  Action();
}

void RunOptions(std::function<void()> Action)
{
  InDialogAction() = std::move(Action);
  SetTimer(nullptr, 0, 30, InDialogTick);
  QVMain->mnuFileOptionsClick(nullptr);
}

void Press(TButton* Button) { PostMessageA(Button->Handle(), BM_CLICK, 0, 0); }

bool AppPumpUntil(const std::function<bool()>& Condition)
{
  const DWORD Start = GetTickCount();
  while (!Condition()) {
    if (GetTickCount() - Start > 5000) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

std::unique_ptr<TApplicationScope> StartProgram()
{
  auto Scope = std::make_unique<TApplicationScope>();
  Application->SetTitle("Quorvik V5.0");
  Application->CreateForm(QVMain);
  Application->CreateForm(dlgOptions);
  // The main window stays hidden: hiding a shown top-level window costs
  // about two seconds under the test display.
  qvtest::PumpMessagesFor(100);
  return Scope;
}

class Persistence : public ::testing::Test {
protected:
  void SetUp() override { DeleteTestKey(QV5); }
  void TearDown() override { DeleteTestKey(QV5); }
};

}  // namespace

TEST_F(Persistence, FirstRunHasNoExclusionsBeepsOffAndRecursionOn)
{
  auto Scope = StartProgram();
  EXPECT_EQ(0, dlgOptions->ExcludedDirs->Items()->Count());
  EXPECT_FALSE(dlgOptions->EnableBeeps->Checked());
  EXPECT_TRUE(dlgOptions->RecurseDirs->Checked());
  EXPECT_EQ(282, QVMain->Left());
  EXPECT_EQ(449, QVMain->Width());
}

TEST_F(Persistence, OkStoresAtOnceAndCancelRevertsToTheStoredValues)
{
  auto Scope = StartProgram();
  RunOptions([] {
    dlgOptions->RecurseDirs->SetChecked(false);
    Press(dlgOptions->btnCancel);
  });
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->RecurseDirs->Checked(); }));

  RunOptions([] {
    dlgOptions->AddDirectory("C:\\Temp\\");
    dlgOptions->EnableBeeps->SetChecked(true);
    Press(dlgOptions->btnOK);
  });
  EXPECT_EQ("True", ReadRaw(QV5, "EnableBeeps").Data);
  EXPECT_EQ("True", ReadRaw(QV5, "RecurseDirs").Data);
  EXPECT_EQ(Field("TStringList") + "03" + "TPF0" + Str("TCarrier") + Str("") + Str("Persistent.Strings") + "\x01" +
                "\x06" + Str("C:\\Temp") + std::string(3, '\0'),
            ReadRaw(QV5, "ExcludedDirs").Data);

  // Cancel goes back to what OK stored, not to the first run's values.
  RunOptions([] {
    dlgOptions->ExcludedDirs->Items()->Clear();
    dlgOptions->EnableBeeps->SetChecked(false);
    Press(dlgOptions->btnCancel);
  });
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->EnableBeeps->Checked(); }));
  EXPECT_EQ(Strings{"C:\\Temp"}, dlgOptions->ExcludedDirs->Items()->ToVector());
}

TEST_F(Persistence, SettingsAndWindowBoundsComeBackAfterARestart)
{
  auto Scope = StartProgram();
  RunOptions([] {
    dlgOptions->AddDirectory("C:\\Windows");
    dlgOptions->AddDirectory("D:\\Backup\\");
    dlgOptions->EnableBeeps->SetChecked(true);
    dlgOptions->RecurseDirs->SetChecked(false);
    Press(dlgOptions->btnOK);
  });
  QVMain->SetBounds(100, 120, 500, 400);
  QVMain->Changes->Font()->SetName("Arial");
  SetStrProp(*QVMain->dlgOpen, "FileName", "C:\\Data\\compare.qv");
  SetStrProp(*QVMain->dlgSave, "FileName", "C:\\Data\\scan.qv");
  QVMain->dlgBrowse->SetRoot(idPersonal);
  Scope.reset();  // the program ends: the forms save

  EXPECT_EQ("100", ReadRaw(QV5, "FormLeft").Data);
  EXPECT_EQ("120", ReadRaw(QV5, "FormTop").Data);
  EXPECT_EQ("500", ReadRaw(QV5, "FormWidth").Data);
  EXPECT_EQ("400", ReadRaw(QV5, "FormHeight").Data);
  EXPECT_EQ("C:\\Data\\compare.qv", ReadRaw(QV5, "OpenFileName").Data);
  EXPECT_EQ("C:\\Data\\scan.qv", ReadRaw(QV5, "SaveFileName").Data);
  EXPECT_EQ("idPersonal", ReadRaw(QV5, "Browser Root").Data);
  EXPECT_EQ("wsNormal", ReadRaw(QV5, "WindowState").Data);
  const TRawValue Font = ReadRaw(QV5, "Font");
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), Font.Type);
  EXPECT_EQ(Field("TFont") + "03", Font.Data.substr(0, 34));
  EXPECT_NE(std::string::npos, Font.Data.find(Str("Persistent.Name") + '\x06' + Str("Arial")));

  Scope = StartProgram();
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->ExcludedDirs->Items()->Count() == 2; }));
  EXPECT_EQ((Strings{"C:\\Windows", "D:\\Backup"}), dlgOptions->ExcludedDirs->Items()->ToVector());
  EXPECT_TRUE(dlgOptions->EnableBeeps->Checked());
  EXPECT_FALSE(dlgOptions->RecurseDirs->Checked());
  EXPECT_EQ(100, QVMain->Left());
  EXPECT_EQ(120, QVMain->Top());
  EXPECT_EQ(500, QVMain->Width());
  EXPECT_EQ(400, QVMain->Height());
  EXPECT_EQ("Arial", QVMain->Changes->Font()->Name());
  EXPECT_EQ("C:\\Data\\compare.qv", GetStrProp(*QVMain->dlgOpen, "FileName"));
  EXPECT_EQ("C:\\Data\\scan.qv", GetStrProp(*QVMain->dlgSave, "FileName"));
  EXPECT_EQ(idPersonal, QVMain->dlgBrowse->Root());
  EXPECT_EQ(wsNormal, QVMain->WindowState());
}
