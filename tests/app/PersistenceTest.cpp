// The program's settings under Wine: kept across a restart (the forms are
// created, changed and destroyed as at exit, then created again in a new
// application), and edited in the persistence setup dialog, opened from the
// options dialog's hidden Settings button for the main window and for a form
// of the test's own holding the harder cases.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>

#include "app/BrowseDr.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "persist/oxPerEdt.h"
#include "persist/oxPerst.h"
#include "tests/app/SessionDriving.h"
#include "tests/persist/PersistFixtures.h"
#include "tests/persist/RegTestKey.h"
#include "tests/support/DialogAnswering.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestClasses.h"
#include "tests/support/WineTestSupport.h"

using namespace persisttest;
using qvsession::AppPumpUntil;
using qvsession::TSession;
using qvsession::TWhen;
using qvtest::CbtDialogAnswerer;
using qvtest::TapKey;
using Strings = std::vector<std::string>;

namespace {

const std::string QV5 = "Software\\Halbrand\\QV5";

ToxPersistEdit* ShownDialog()
{
  for (int I = 0; I < Application->ComponentCount(); ++I)
    if (auto* Dialog = dynamic_cast<ToxPersistEdit*>(Application->Components(I)))
      if (Dialog->HandleAllocated() && IsWindowVisible(Dialog->Handle())) return Dialog;
  return nullptr;
}

// A real click on a line of a list box.
void ClickLine(TListBox* List, int Index)
{
  const RECT R = List->ItemRect(Index);
  POINT P{(R.left + R.right) / 2, (R.top + R.bottom) / 2};
  ClientToScreen(List->Handle(), &P);
  qvtest::LeftClickAt(P);
}

// Picks a line of the combo box as the user does, with its notification.
void Choose(TComboBox* Combo, const std::string& Name)
{
  const LRESULT Index = SendMessageA(Combo->Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(Name.c_str()));
  SendMessageA(Combo->Handle(), CB_SETCURSEL, static_cast<WPARAM>(Index), 0);
  SendMessageA(GetParent(Combo->Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Combo->Handle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(Combo->Handle()));
}

bool Shown(TControl* Control) { return Control->Visible(); }

// The font dialog's answer: a face as well as the size, so the sample shows letters.
CbtDialogAnswerer::Answer ChooseFont(const std::string& Face, const std::string& Points)
{
  return [Face, Points](HWND Dialog) {
    const int FaceBox = 0x470;
    HWND Box = GetDlgItem(Dialog, FaceBox);
    SendMessageA(Box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Face.c_str()));
    SendMessageA(Dialog, WM_COMMAND, MAKEWPARAM(FaceBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Box));
    CbtDialogAnswerer::ChooseFontSize(Points)(Dialog);
  };
}

std::string FocusClass(DWORD Thread, int Up = 0)
{
  HWND W = qvtest::FocusOf(Thread);
  for (; W && Up > 0; --Up) W = GetParent(W);
  return W ? qvtest::ClassName(W) : std::string();
}

// A 4 x 1 white 24-bit bitmap file with an info header, as the open dialog loads it.
std::string WhiteBitmapFile()
{
  const int Width = 4, Row = 12;
  BITMAPINFOHEADER Info{sizeof Info, Width, 1, 1, 24, BI_RGB, static_cast<DWORD>(Row), 0, 0, 0, 0};
  BITMAPFILEHEADER File{0x4D42, static_cast<DWORD>(sizeof File + sizeof Info + Row), 0, 0,
                        static_cast<DWORD>(sizeof File + sizeof Info)};
  std::string Bytes(reinterpret_cast<const char*>(&File), sizeof File);
  Bytes.append(reinterpret_cast<const char*>(&Info), sizeof Info);
  return Bytes.append(static_cast<size_t>(Row), '\xFF');
}

std::unique_ptr<TApplicationScope> StartProgram()
{
  auto Scope = std::make_unique<TApplicationScope>();
  Application->SetTitle("Quorvik V5.0");
  Application->CreateForm(QVMain);
  Application->CreateForm(dlgOptions);
  // The main window stays hidden: hiding a shown top-level window costs
  // about two seconds under the test display.
  qvtest::PumpMessagesFor(100);  // the deferred loads
  return Scope;
}

class Persistence : public ::testing::Test {
protected:
  void SetUp() override { DeleteTestKey(QV5); }
  void TearDown() override
  {
    TWhen::Clear();
    DeleteTestKey(QV5);
  }
};

}  // namespace

TEST_F(Persistence, OkStoresAtOnceAndCancelRevertsToTheStoredValues)
{
  auto Scope = StartProgram();
  ASSERT_TRUE(TSession::OpenOptions([] {
    dlgOptions->RecurseDirs->SetChecked(false);
    TSession::Press(dlgOptions->btnCancel);
  }));
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->RecurseDirs->Checked(); }, 5000));

  ASSERT_TRUE(TSession::OpenOptions([] {
    dlgOptions->AddDirectory("C:\\Temp\\");
    dlgOptions->EnableBeeps->SetChecked(true);
    TSession::Press(dlgOptions->btnOK);
  }));
  EXPECT_EQ("True", ReadRaw(QV5, "EnableBeeps").Data);
  EXPECT_EQ("True", ReadRaw(QV5, "RecurseDirs").Data);
  EXPECT_EQ(BlobHead("TStringList") + Str("Persistent.Strings") + "\x01" + "\x06" + Str("C:\\Temp") +
                std::string(3, '\0'),
            ReadRaw(QV5, "ExcludedDirs").Data);

  // Cancel goes back to what OK stored, not to the first run's values.
  ASSERT_TRUE(TSession::OpenOptions([] {
    dlgOptions->ExcludedDirs->Items()->Clear();
    dlgOptions->EnableBeeps->SetChecked(false);
    TSession::Press(dlgOptions->btnCancel);
  }));
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->EnableBeeps->Checked(); }, 5000));
  EXPECT_EQ(Strings{"C:\\Temp"}, dlgOptions->ExcludedDirs->Items()->ToVector());
}

TEST_F(Persistence, FirstRunDefaultsThenSettingsAndWindowBoundsComeBackAfterARestart)
{
  auto Scope = StartProgram();
  EXPECT_EQ(0, dlgOptions->ExcludedDirs->Items()->Count());
  EXPECT_FALSE(dlgOptions->EnableBeeps->Checked());
  EXPECT_TRUE(dlgOptions->RecurseDirs->Checked());
  EXPECT_EQ(282, QVMain->Left());
  EXPECT_EQ(449, QVMain->Width());
  ASSERT_TRUE(TSession::OpenOptions([] {
    dlgOptions->AddDirectory("C:\\Windows");
    dlgOptions->AddDirectory("D:\\Backup\\");
    dlgOptions->EnableBeeps->SetChecked(true);
    dlgOptions->RecurseDirs->SetChecked(false);
    TSession::Press(dlgOptions->btnOK);
  }));
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
  EXPECT_EQ(NameField("TFont") + "03", Font.Data.substr(0, 34));
  EXPECT_NE(std::string::npos, Font.Data.find(Str("Persistent.Name") + '\x06' + Str("Arial")));

  Scope = StartProgram();
  EXPECT_TRUE(AppPumpUntil([] { return dlgOptions->ExcludedDirs->Items()->Count() == 2; }, 5000));
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

TEST_F(Persistence, SetupDialogSettingsButtonEditsTheMainWindowAndApplyOutlivesCancel)
{
  auto Scope = StartProgram();
  ASSERT_EQ(idDrives, QVMain->dlgBrowse->Root());
  const int ListFontHeight = QVMain->Changes->Font()->Height();
  CbtDialogAnswerer Answers;
  ToxPersistEdit* D = nullptr;
  TWhen::Schedule([&] { return (D = ShownDialog()) != nullptr; },
                  [&] {
                    EXPECT_EQ(QVMain->Caption() + " Setup Dialog", D->Caption());
                    EXPECT_EQ((Strings{"Browser Root", "Font"}), D->lbValues->Items()->ToVector());
                    EXPECT_FALSE(D->btnApply->Enabled());
                    ClickLine(D->lbValues, 0);
                  });
  TWhen::Schedule([&] { return Shown(D->ComboBox1); },
                  [&] {
                    EXPECT_EQ("idDrives", D->ComboBox1->Text());
                    EXPECT_EQ("idDrives", D->StatusValue->Text());
                    EXPECT_EQ("enum", D->Label1->Caption());
                    EXPECT_FALSE(Shown(D->Edit1) || Shown(D->Memo1) || Shown(D->FontPanel));
                    EXPECT_EQ(12, D->ComboBox1->Top());
                    Choose(D->ComboBox1, "idPersonal");
                    EXPECT_EQ("idPersonal", D->StatusValue->Text());
                    EXPECT_TRUE(D->btnApply->Enabled());
                    EXPECT_EQ(idDrives, QVMain->dlgBrowse->Root());  // not before Apply
                    TSession::Press(D->btnApply);
                  });
  TWhen::Schedule([&] { return !D->btnApply->Enabled(); },
                  [&] {
                    EXPECT_EQ(idPersonal, QVMain->dlgBrowse->Root());
                    ClickLine(D->lbValues, 1);
                  });
  TWhen::Schedule([&] { return Shown(D->FontPanel); },
                  [&] {
                    EXPECT_EQ("(TFont)", D->StatusValue->Text());
                    EXPECT_EQ("TFont", D->Label1->Caption());
                    EXPECT_FALSE(Shown(D->ComboBox1));
                    EXPECT_EQ(D->FontPanel->Top() + D->FontPanel->Height() + 8, D->lblDescription->Top());
                    Answers.Push(ChooseFont("DejaVu Sans", "20"));
                    TSession::Press(D->btnFont);
                  });
  TWhen::Schedule([&] { return D->FontPanel->Font()->Size() == 20; },
                  [&] {
                    EXPECT_EQ("DejaVu Sans", D->FontPanel->Font()->Name());
                    EXPECT_TRUE(D->btnApply->Enabled());
                    EXPECT_EQ(ListFontHeight, QVMain->Changes->Font()->Height());
                    qvtest::PumpMessagesFor(100);
                    CreateDirectoryA(QV_SCREENSHOT_DIR, nullptr);
                    qvtest::SaveScreenshot(D->Handle(), std::string(QV_SCREENSHOT_DIR) + "\\setup-dialog-font.bmp");
                    TSession::Press(D->btnCancel);
                  });
  dlgOptions->Settings->Click();  // hidden, so pressed from here
  EXPECT_TRUE(TWhen::Idle());
  EXPECT_EQ(idPersonal, QVMain->dlgBrowse->Root());              // applied before Cancel
  EXPECT_EQ(ListFontHeight, QVMain->Changes->Font()->Height());  // cancelled
  EXPECT_EQ(nullptr, ShownDialog());
  EXPECT_FALSE(ReadRaw(QV5, "Browser Root").Exists);  // the dialog never writes the store
  QVMain->oxPersist->Save();
  EXPECT_EQ("idPersonal", ReadRaw(QV5, "Browser Root").Data);
}

TEST_F(Persistence, SetupDialogSetsByContainmentEmptyListsMissingIconsAndDamagedValues)
{
  TApplicationScope Scope;
  TForm* Form = new TForm(Application);
  Form->SetCaption("Holder");
  auto* Parts = new fwtest::TGadget(Form);
  Parts->SetName("Parts");
  Parts->FParts = {fwtest::ptAB};
  auto* List = new TListBox(Form);
  List->SetName("List");
  auto* Edit = new TEdit(Form);
  Edit->SetName("Edit");
  Edit->SetText("live");
  auto* Button = new TSpeedButton(Form);
  Button->SetName("Button");
  TTempDir Dir;
  const std::string Picture = Dir.Path("glyph.bmp");
  WriteFileBytes(Picture, WhiteBitmapFile());
  auto* Persist = new ToxPersist(Form);
  TStringList Items;
  for (const char* Line :
       {"Parts;Parts;6;Parts;;1;0;1;Members A and AB;", "List;Items;101;Lines;;1;0;1;;",
        "Edit;Text;99;No icon;;1;0;1;;", "Edit;Text;10;Hidden;;1;0;0;;", "Button;Glyph;102;Glyph;;1;0;1;;"})
    Items.Add(Line);
  Persist->SetItems(&Items);

  ToxPersistEdit* D = nullptr;
  TWhen::Schedule([&] { return (D = ShownDialog()) != nullptr; },
                  [&] {
                    EXPECT_EQ("Holder Setup Dialog", D->Caption());
                    EXPECT_EQ((Strings{"Parts", "Lines", "No icon", "Glyph"}), D->lbValues->Items()->ToVector());
                    // The icon frame is drawn for "PROP_6"; "PROP_99" does not exist and leaves the line plain.
                    UpdateWindow(D->lbValues->Handle());
                    const qvtest::Pixels P = qvtest::CaptureClient(D->lbValues->Handle());
                    EXPECT_EQ(RGB(128, 128, 128), P.at(2, 2));
                    EXPECT_EQ(RGB(128, 128, 0), P.at(3, 3));
                    EXPECT_EQ(GetSysColor(COLOR_WINDOW), P.at(2, 36 + 2));
                    EXPECT_EQ(GetSysColor(COLOR_WINDOW), P.at(8, 36 + 8));
                    ClickLine(D->lbValues, 0);
                  });
  TWhen::Schedule([&] { return Shown(D->ListBox1); },
                  [&] {
                    EXPECT_EQ("Members A and AB", D->lblDescription->Caption());
                    EXPECT_EQ("[AB]", D->StatusValue->Text());
                    EXPECT_EQ((Strings{"A", "AB", "C"}), D->ListBox1->Items()->ToVector());
                    EXPECT_TRUE(D->ListBox1->Selected(0));  // "A" occurs within "[AB]"
                    EXPECT_TRUE(D->ListBox1->Selected(1));
                    EXPECT_FALSE(D->ListBox1->Selected(2));
                    EXPECT_FALSE(D->Model()->Pending());
                    ClickLine(D->ListBox1, 2);
                  });
  TWhen::Schedule([&] { return D->StatusValue->Text() == "[A,AB,C]"; },
                  [&] {
                    EXPECT_TRUE(D->Model()->Pending());
                    EXPECT_EQ(fwtest::TParts{fwtest::ptAB}, Parts->FParts);
                    ClickLine(D->lbValues, 1);
                  });
  TWhen::Schedule([&] { return Shown(D->Memo1); },
                  [&] {
                    EXPECT_EQ("", D->Memo1->Text());  // the empty list's blob is "EMPTY"
                    EXPECT_EQ("TStringList", D->Label1->Caption());
                    // Typed: a multi-line edit reports no change for a text set from outside.
                    SetFocus(D->Memo1->Handle());
                    for (char C : std::string("one\rtwo"))
                      SendMessageA(D->Memo1->Handle(), WM_CHAR, static_cast<WPARAM>(C), 1);
                    EXPECT_TRUE(D->Model()->Pending());
                    // A blob where a text belongs shows the default instead of failing.
                    D->Model()->Scratch().WriteBinaryData("No icon", "\x01\x02", 2);
                    ClickLine(D->lbValues, 2);
                  });
  TWhen::Schedule([&] { return Shown(D->Edit1); },
                  [&] {
                    EXPECT_EQ("", D->Edit1->Text());
                    EXPECT_EQ("string", D->Label1->Caption());
                    ClickLine(D->lbValues, 3);
                  });
  CbtDialogAnswerer Answers;
  TWhen::Schedule([&] { return Shown(D->GraphicPanel); },
                  [&] {
                    EXPECT_EQ("(TBitmap)", D->StatusValue->Text());
                    EXPECT_EQ(nullptr, D->Image1->Picture()->Graphic());  // the button has no glyph
                    Answers.Push(CbtDialogAnswerer::ChooseFile(Picture));
                    TSession::Press(D->btnGraphic);
                  });
  TWhen::Schedule([&] { return D->Image1->Picture()->Width() == 4; },
                  [&] {
                    EXPECT_TRUE(Button->Glyph()->Empty());
                    TSession::Press(D->btnOK);
                  });
  EXPECT_TRUE(Persist->Execute());
  EXPECT_TRUE(TWhen::Idle());
  EXPECT_EQ((fwtest::TParts{fwtest::ptA, fwtest::ptAB, fwtest::ptC}), Parts->FParts);
  EXPECT_EQ((Strings{"one", "two"}), List->Items()->ToVector());
  EXPECT_EQ("live", Edit->Text());  // the damaged value was not applied
  EXPECT_EQ(4, Button->Glyph()->Width());
}

TEST_F(Persistence, SetupDialogAnswersTheKeyboardAndMovesTheFocusOffAPendingValueBox)
{
  auto Scope = StartProgram();
  const DWORD Ui = GetCurrentThreadId();
  const std::string Caption = QVMain->Caption() + " Setup Dialog";
  std::string AfterAltS, AfterTab;
  auto Drive = [&](WORD LastKey) {
    return std::thread([&, LastKey] {
      for (int I = 0; I < 100 && !FindWindowA(nullptr, Caption.c_str()); ++I) Sleep(50);
      Sleep(300);
      TapKey('P', VK_MENU);  // the item list
      TapKey(VK_DOWN);       // its first item, "Browser Root"
      TapKey('S', VK_MENU);  // the editor that the settings panel shows
      AfterAltS = FocusClass(Ui, 1);
      TapKey(VK_DOWN);  // the next root
      TapKey(VK_TAB);   // the value box gives the focus to the list while the edit is pending
      AfterTab = FocusClass(Ui);
      TapKey(LastKey);
    });
  };
  std::thread Escape = Drive(VK_ESCAPE);
  EXPECT_FALSE(QVMain->oxPersist->Execute());
  Escape.join();
  EXPECT_EQ(idDrives, QVMain->dlgBrowse->Root());
  EXPECT_EQ("QvTComboBox", AfterAltS);  // the focus is in the combo box's edit
  EXPECT_EQ("QvTListBox", AfterTab);

  std::thread Enter = Drive(VK_RETURN);
  EXPECT_TRUE(QVMain->oxPersist->Execute());
  Enter.join();
  EXPECT_EQ(static_cast<int>(idDrives) + 1, static_cast<int>(QVMain->dlgBrowse->Root()));
}
