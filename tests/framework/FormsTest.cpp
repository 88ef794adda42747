#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"
#include "framework/controls/Button.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/SpeedButton.h"
#include "framework/controls/StatusBar.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/DialogAnswering.h"
#include "tests/support/WineTestSupport.h"

class TTestMainForm : public TForm {
  QV_CLASS(TTestMainForm, TForm)
public:
  explicit TTestMainForm(TComponent* AOwner) : TForm(AOwner) {}
  TListBox* Changes = nullptr;
  TStatusBar* StatusBar = nullptr;
  TCheckBox* Beeps = nullptr;
  TButton* btnOK = nullptr;
  TSpeedButton* AddButton = nullptr;
  int Scans = 0, Clears = 0, Popups = 0, Adds = 0, Resizes = 0, TextChanges = 0;
  std::vector<std::string> Events;
  void Loaded() override
  {
    inherited::Loaded();
    Events.push_back("Loaded");
    Changes = dynamic_cast<TListBox*>(FindComponent("Changes"));
    StatusBar = dynamic_cast<TStatusBar*>(FindComponent("StatusBar"));
    Beeps = dynamic_cast<TCheckBox*>(FindComponent("Beeps"));
    btnOK = dynamic_cast<TButton*>(FindComponent("btnOK"));
    AddButton = dynamic_cast<TSpeedButton*>(FindComponent("Add"));
  }
  void WndProc(TMessage& Message) override
  {
    if (Message.Msg == CM_TEXTCHANGED) ++TextChanges;
    inherited::WndProc(Message);
  }
  void FormCreate(TObject*) { Events.push_back("FormCreate"); }
  void FormResize(TObject*) { ++Resizes; }
  void ScanClick(TObject*) { ++Scans; }
  void ClearClick(TObject*) { ++Clears; }
  void PopupPopup(TObject*) { ++Popups; }
  void AddClick(TObject*) { ++Adds; }
};

QV_IMPLEMENT_CLASS(TTestMainForm)
void TTestMainForm::DeclareProperties(TClassBuilder<TTestMainForm>& c)
{
  c.Method("FormCreate", &TTestMainForm::FormCreate);
  c.Method("FormResize", &TTestMainForm::FormResize);
  c.Method("ScanClick", &TTestMainForm::ScanClick);
  c.Method("ClearClick", &TTestMainForm::ClearClick);
  c.Method("PopupPopup", &TTestMainForm::PopupPopup);
  c.Method("AddClick", &TTestMainForm::AddClick);
}

namespace {

// The test form, shown and on top, so that nothing else lies under the points tests click or look up.
class FormsTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    Application->CreateForm(form);
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  TApplicationScope scope;
  TTestMainForm* form = nullptr;
};

TEST(FormLoading, FormFileBuildsControlsOfAnyStandardClassWithTheirPropertiesBeforeOnCreateAndCaptionChangesNotify)
{
  TApplicationScope scope;
  TTestMainForm* form = nullptr;
  Application->CreateForm(form);
  EXPECT_EQ((std::vector<std::string>{"Loaded", "FormCreate"}), form->Events);
  ASSERT_NE(nullptr, form->Changes);
  EXPECT_EQ(form, Application->MainForm());
  EXPECT_EQ("Quorvik V5.0", form->Caption());
  EXPECT_EQ(425, form->Changes->Width());
  EXPECT_EQ(15, form->Changes->ItemHeight());
  EXPECT_EQ(2, form->Changes->Items()->Count());
  EXPECT_TRUE(form->Beeps->Checked());
  EXPECT_EQ(1, form->btnOK->ModalResult());
  form->Show();
  EXPECT_EQ("Quorvik V5.0", qvtest::WindowText(form->Handle()));
  // Each change of the caption, and only a change, notifies the form.
  const int loaded = form->TextChanges;
  form->SetCaption("One");
  form->SetCaption("Two");
  form->SetCaption("Two");
  EXPECT_EQ(loaded + 2, form->TextChanges);
  EXPECT_EQ(2, SendMessageA(form->Changes->Handle(), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(BST_CHECKED, SendMessageA(form->Beeps->Handle(), BM_GETCHECK, 0, 0));
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(449, r.right - r.left);
  EXPECT_EQ(form->Handle(), GetParent(form->Changes->Handle()));
  EXPECT_EQ(form->ClientHeight() - 19, form->StatusBar->Top());
  // No code of this test names these classes; a form file may.
  for (const char* name :
       {"TBevel", "TImage", "TMemo", "TEdit", "TPanel", "TTimer", "TOpenDialog", "TSaveDialog", "TFontDialog"})
    EXPECT_NE(nullptr, FindClassInfo(name)) << name;
}

TEST_F(FormsTest, MenuCommandDispatchedByIdAndByShortcutSelectionSetsTheHintAndExceptionsAreReported)
{
  EXPECT_EQ(nullptr, form->Menu()->FindItem(0, fkCommand));
  auto* item = dynamic_cast<TMenuItem*>(form->FindComponent("mnuFileScan"));
  ASSERT_NE(nullptr, item);
  SendMessageA(form->Handle(), WM_MENUSELECT, MAKEWPARAM(item->Command(), 0),
               reinterpret_cast<LPARAM>(item->Parent()->Handle()));
  EXPECT_EQ("Scan a tree", Application->Hint());
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  EXPECT_EQ(1, form->Scans);
  EXPECT_EQ("&Scan\tF2", [&] {
    char text[64] = {};
    GetMenuStringA(item->Parent()->Handle(), item->Command(), text, sizeof(text), MF_BYCOMMAND);
    return std::string(text);
  }());
  PostMessageA(form->Changes->Handle(), WM_KEYDOWN, VK_F2, 0);
  // Shortcuts are found by the application's loop, before dispatching.
  for (int i = 0; i < 50 && form->Scans < 2; ++i) {
    Application->ProcessMessages();
    Sleep(10);
  }
  EXPECT_EQ(2, form->Scans);

  // A handler's exception is shown in a box, and the program goes on.
  qvtest::CbtDialogAnswerer answerer;
  answerer.Push(qvtest::CbtDialogAnswerer::Press(IDOK));
  Application->SetTitle("Quorvik V5.0");
  item->OnClick = [](TObject*) { throw EFOpenError("Cannot open file Z:\\x.qv"); };
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  ASSERT_EQ(1u, answerer.Texts().size());
  EXPECT_EQ("Cannot open file Z:\\x.qv.", answerer.Texts()[0]);
  EXPECT_EQ("Quorvik V5.0", answerer.Captions()[0]);
  EXPECT_TRUE(IsWindow(form->Handle()));
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(FormsTest, PopupMenuDispatchThroughPopupList)
{
  auto* popup = dynamic_cast<TPopupMenu*>(form->FindComponent("Popup"));
  ASSERT_NE(nullptr, popup);
  auto* clear = dynamic_cast<TMenuItem*>(form->FindComponent("mnuClear"));
  HWND list = PopupList().Window();
  ASSERT_NE(nullptr, list);
  SendMessageA(list, WM_COMMAND, MAKEWPARAM(clear->Command(), 0), 0);
  EXPECT_EQ(1, form->Clears);
  // A real TrackPopupMenu: its loop takes the Escape waiting in the queue.
  PostMessageA(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  popup->Popup(50, 50);
  EXPECT_EQ(1, form->Popups);
}

TEST_F(FormsTest, ButtonModalResultEndsShowModal)
{
  // Owned by nobody: a second component named TestMain cannot join the application.
  std::unique_ptr<TTestMainForm> dialog(TCustomForm::Create<TTestMainForm>(nullptr));
  // The button's click, as the system reports it, waits for the modal loop.
  PostMessageA(dialog->Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
               reinterpret_cast<LPARAM>(dialog->btnOK->Handle()));
  EXPECT_EQ(mrOk, dialog->ShowModal());
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST_F(FormsTest, RecreatedWindowKeepsChildrenAndState)
{
  form->Changes->Items()->Add("third");
  form->Changes->SetItemIndex(2);
  form->Beeps->SetChecked(false);
  HWND before = form->Handle();
  form->SetBorderStyle(bsDialog);
  HWND after = form->Handle();
  EXPECT_NE(before, after);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(after, GetParent(form->Changes->Handle()));
  EXPECT_EQ(3, SendMessageA(form->Changes->Handle(), LB_GETCOUNT, 0, 0));
  EXPECT_EQ(2, form->Changes->ItemIndex());
  EXPECT_FALSE(form->Beeps->Checked());
  EXPECT_EQ("Quorvik V5.0", qvtest::WindowText(after));
  EXPECT_TRUE(form->Menu()->Handle() == GetMenu(after));
}

// Points of the test form's client area, on the bare form (nothing windowed on top).
constexpr POINT kOnAdd{391, 291}, kOnTitle{305, 285}, kOnBeeps{20, 288}, kOnOk{237, 292}, kOnNothing{150, 300};

POINT OnScreen(TCustomForm* form, POINT client)
{
  ClientToScreen(form->Handle(), &client);
  return client;
}

class SpeedButtonTest : public FormsTest {
protected:
  // A mouse message as the form gets it; the button is held except on release.
  void Mouse(UINT Msg, POINT At, WPARAM Keys = MK_LBUTTON)
  {
    SendMessageA(form->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : Keys, MAKELPARAM(At.x, At.y));
  }
};

TEST_F(SpeedButtonTest, ClicksOnlyWhenReleasedOverItAndFreesTheMouse)
{
  Mouse(WM_LBUTTONDOWN, kOnAdd);
  EXPECT_EQ(form->AddButton, GetCaptureControl());
  EXPECT_EQ(form->Handle(), GetCapture());
  EXPECT_EQ(bsDown, form->AddButton->State());
  // While the form holds the capture, moves far outside the button still reach it.
  Mouse(WM_MOUSEMOVE, POINT{-40, -30});
  EXPECT_EQ(bsUp, form->AddButton->State());
  Mouse(WM_MOUSEMOVE, kOnAdd);
  EXPECT_EQ(bsDown, form->AddButton->State());
  Mouse(WM_LBUTTONUP, kOnAdd);
  EXPECT_EQ(1, form->Adds);
  EXPECT_EQ(bsUp, form->AddButton->State());
  EXPECT_EQ(nullptr, GetCaptureControl());
  EXPECT_EQ(nullptr, GetCapture());
  // A move and a release after the release are no longer held by the button.
  Mouse(WM_MOUSEMOVE, kOnNothing, 0);
  Mouse(WM_LBUTTONUP, kOnAdd);
  EXPECT_EQ(1, form->Adds);

  Mouse(WM_LBUTTONDOWN, kOnAdd);
  Mouse(WM_MOUSEMOVE, POINT{-40, -30});
  Mouse(WM_LBUTTONUP, POINT{-40, -30});
  EXPECT_EQ(1, form->Adds);
  EXPECT_EQ(bsUp, form->AddButton->State());
  EXPECT_EQ(nullptr, GetCaptureControl());
  EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(SpeedButtonTest, DoubleClickCountsAsTwoClicksAndADisabledButtonIgnoresPresses)
{
  int doubleClicks = 0;
  form->AddButton->OnDblClick = [&](TObject*) { ++doubleClicks; };
  // A quick second click arrives as WM_LBUTTONDBLCLK in place of its press (CS_DBLCLKS).
  Mouse(WM_LBUTTONDOWN, kOnAdd);
  Mouse(WM_LBUTTONUP, kOnAdd);
  Mouse(WM_LBUTTONDBLCLK, kOnAdd);
  EXPECT_EQ(form->AddButton, GetCaptureControl());
  EXPECT_EQ(bsDown, form->AddButton->State());
  Mouse(WM_LBUTTONUP, kOnAdd);
  EXPECT_EQ(2, form->Adds);
  EXPECT_EQ(1, doubleClicks);
  EXPECT_EQ(nullptr, GetCaptureControl());

  form->AddButton->SetEnabled(false);
  Mouse(WM_LBUTTONDOWN, kOnAdd);
  EXPECT_EQ(nullptr, GetCaptureControl());
  EXPECT_EQ(bsUp, form->AddButton->State());
  Mouse(WM_LBUTTONUP, kOnAdd);
  // Delivered to the button itself (as caption buttons deliver), a press is ignored too.
  form->AddButton->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(nullptr, GetCaptureControl());
  form->AddButton->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(2, form->Adds);
  form->AddButton->SetEnabled(true);
  Mouse(WM_LBUTTONDOWN, kOnAdd);
  Mouse(WM_LBUTTONUP, kOnAdd);
  EXPECT_EQ(3, form->Adds);
}

TEST_F(FormsTest, RealMouseClicksOnButtonControlsAndSpeedButtonClickOnce)
{
  int okClicks = 0, beepClicks = 0;
  form->btnOK->OnClick = [&](TObject*) { ++okClicks; };
  form->Beeps->OnClick = [&](TObject*) { ++beepClicks; };
  // Far apart in place, so no click is taken for the second of a double click.
  const std::pair<POINT, int*> targets[] = {{kOnOk, &okClicks}, {kOnBeeps, &beepClicks}, {kOnAdd, &form->Adds}};
  for (const auto& [at, clicks] : targets) {
    qvtest::LeftClickAt(OnScreen(form, at));
    EXPECT_TRUE(qvtest::PumpUntil([clicks = clicks] { return *clicks > 0; }, 2000)) << at.x;
  }
  qvtest::PumpMessagesFor(100);
  for (const auto& [at, clicks] : targets) EXPECT_EQ(1, *clicks) << at.x;
  EXPECT_FALSE(form->Beeps->Checked());
  EXPECT_EQ(nullptr, GetCaptureControl());
}

TEST_F(FormsTest, OwnerDrawnListsFocusEventsAndFreeingListsWithWindows)
{
  auto* list = new TListBox(form);
  list->SetParent(form);
  list->SetBounds(0, 0, 80, 60);
  list->SetStyle(lbOwnerDrawFixed);
  int drawn = 0;
  list->OnDrawItem = [&](TObject*, int, RECT, UINT) { ++drawn; };
  list->Items()->Add("one");
  auto* combo = new TComboBox(form);
  combo->SetParent(form);
  combo->SetStyle(csDropDown);
  combo->Items()->Add("red");
  std::vector<std::string> focus;
  list->OnEnter = [&](TObject*) { focus.push_back("enter list"); };
  list->OnExit = [&](TObject*) { focus.push_back("exit list"); };
  std::string changed;
  combo->OnChange = [&](TObject*) { changed = combo->Text(); };
  UpdateWindow(list->Handle());
  EXPECT_GT(drawn, 0);  // the drawn control is found without a control id
  list->SetFocus();
  combo->SetFocus();
  EXPECT_EQ((std::vector<std::string>{"enter list", "exit list"}), focus);
  SendMessageA(combo->Handle(), CB_SETCURSEL, 0, 0);
  SendMessageA(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo->Handle()));
  EXPECT_EQ("red", changed);  // the chosen line, not the edit box's old text
  delete list;                // with its window: the list's messages were pure calls in the base destructor
  delete combo;
}

class RecordingHint : public THintWindow {
public:
  using THintWindow::THintWindow;
  static inline std::string lastHint;
  void ActivateHint(RECT Rect, const std::string& Hint) override
  {
    lastHint = Hint;
    THintWindow::ActivateHint(Rect, Hint);
  }
};

class HintTest : public FormsTest {
protected:
  void SetUp() override
  {
    FormsTest::SetUp();
    // As a balloon hint component replaces the class at run time.
    Application->SetShowHint(false);
    Application->SetHintWindowClass([](TComponent* owner) { return new RecordingHint(owner); });
    Application->SetShowHint(true);
  }
  bool HintShown() { return IsWindowVisible(Application->HintWindow()->Handle()) != FALSE; }
};

TEST_F(HintTest, ReplacedHintWindowShowsTheWholeHintOfTheControlUnderThePoint)
{
  dynamic_cast<TLabel*>(form->FindComponent("Title"))->SetHint("Scan & compare | both");
  const std::pair<POINT, std::string> cases[] = {{kOnTitle, "Scan & compare | both"},
                                                 {kOnAdd, "Add a directory"},
                                                 {kOnBeeps, "Beep when jobs are done"},
                                                 {kOnOk, ""},
                                                 {kOnNothing, ""}};
  for (const auto& [at, hint] : cases) {
    SCOPED_TRACE(hint);
    RecordingHint::lastHint.clear();
    Application->ActivateHint(OnScreen(form, at));
    EXPECT_EQ(hint, RecordingHint::lastHint);
    EXPECT_EQ(!hint.empty(), HintShown());
    if (!hint.empty()) {
      EXPECT_EQ(hint, Application->HintWindow()->Caption());
    }
    Application->CancelHint();
    EXPECT_FALSE(HintShown());
  }
  // A disabled window gets no mouse, so the form's own look-up finds it.
  form->Beeps->SetEnabled(false);
  ASSERT_EQ(form->Handle(), WindowFromPoint(OnScreen(form, kOnBeeps)));
  Application->ActivateHint(OnScreen(form, kOnBeeps));
  EXPECT_EQ("Beep when jobs are done", RecordingHint::lastHint);
  Application->CancelHint();
  // ShowHint off on the control: its hint text alone shows nothing.
  form->Beeps->SetShowHint(false);
  Application->ActivateHint(OnScreen(form, kOnBeeps));
  EXPECT_FALSE(HintShown());
}

TEST_F(HintTest, PointerRestingOnAControlShowsItsHint)
{
  Application->SetHintPause(50);
  for (const auto& [at, hint] :
       {std::pair{kOnAdd, "Add a directory"}, std::pair{kOnBeeps, "Beep when jobs are done"}}) {
    // Onto the point from elsewhere, so that the window sees a move even when
    // the pointer was left there by an earlier test.
    qvtest::MovePointerTo(OnScreen(form, kOnNothing));
    qvtest::PumpMessagesFor(100);
    RecordingHint::lastHint.clear();
    qvtest::MovePointerTo(OnScreen(form, at));
    EXPECT_TRUE(qvtest::PumpUntil([] { return !RecordingHint::lastHint.empty(); }, 2000)) << hint;
    EXPECT_EQ(hint, RecordingHint::lastHint);
    EXPECT_TRUE(HintShown());
  }
}

TEST_F(FormsTest, ScreenCursorTableHasTheHourGlassAndACustomEntryAndHelpGoesThroughOnHelp)
{
  HCURSOR custom = LoadCursorA(nullptr, IDC_CROSS);
  Screen->SetCursors(18, custom);
  EXPECT_EQ(custom, Screen->Cursors(18));
  EXPECT_EQ(LoadCursorA(nullptr, IDC_WAIT), Screen->Cursors(crHourGlass));
  UINT command = 0;
  Application->OnHelp = [&](UINT c, ULONG_PTR) {
    command = c;
    return true;
  };
  EXPECT_TRUE(Application->HelpContext(0));
  EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), command);
}

TEST(FormsLeakTest, CreatePaintDestroyKeepsHandleCountsFlat)
{
  auto cycle = [](int) {
    TApplicationScope scope;
    TTestMainForm* f = nullptr;
    Application->CreateForm(f);
    f->Show();
    UpdateWindow(f->Handle());
    RedrawWindow(f->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Application->ProcessMessages();
  };
  qvtest::ExpectFlatHandleCounts(cycle, 1, 10);  // the first run registers classes and loads fonts
}

}  // namespace
