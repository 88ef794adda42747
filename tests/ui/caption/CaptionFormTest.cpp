// The caption component on a real window under Wine: painting read back from
// the screen, caption buttons driven by the real pointer, roll-up, stay on
// top, size limits, the notification-area icon and handle counts.
#include "ui/caption/oxForm.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/controls/Button.h"
#include "framework/controls/Panel.h"
#include "tests/support/DialogAnswering.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/common/Gradient.h"

namespace {

class TCaptionForm : public TForm {
  QV_CLASS(TCaptionForm, TForm)
public:
  explicit TCaptionForm(TComponent* AOwner) : TForm(AOwner)
  {
    SetBounds(120, 100, 449, 387);
    SetCaption("Quorvik V5.0");
  }
  int NcPaints = 0;
  void WndProc(TMessage& Message) override
  {
    if (Message.Msg == WM_NCPAINT) ++NcPaints;
    inherited::WndProc(Message);
  }
};

using uitest::Shot;

// The first pixel of the caption bar's bottom row, left of the icon's column.
COLORREF BarStart(HWND Window, const TCaptionMetrics& M)
{
  return Shot(Window).at(M.FrameWidth, M.FrameHeight + M.CaptionHeight - 1);
}

bool TrayIconShown(HWND Window)
{
  NOTIFYICONDATAA probe{};
  probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
  probe.hWnd = Window;
  probe.uID = 2423;
  return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

// Pixels of one colour in the caption text's first 80 columns.
int CountColour(const qvtest::Pixels& P, COLORREF Colour, const TCaptionMetrics& M)
{
  int n = 0;
  for (int y = M.FrameHeight; y < M.FrameHeight + M.CaptionHeight; ++y)
    for (int x = M.FrameWidth + M.IconWidth; x < M.FrameWidth + M.IconWidth + 80; ++x)
      if (P.at(x, y) == Colour) ++n;
  return n;
}

// Frames and caption only, unless the system's own minimum tracking height is more.
int RolledUpHeight(const TCaptionMetrics& M)
{
  return std::max(2 * M.FrameHeight + M.CaptionHeight, GetSystemMetrics(SM_CYMINTRACK));
}

POINT ScreenCentre(TNCButton* B)
{
  RECT w;
  GetWindowRect(B->Parent()->Handle(), &w);
  return POINT{w.left + B->Left() + B->Width() / 2, w.top + B->Top() + B->Height() / 2};
}

}  // namespace

QV_IMPLEMENT_CLASS_NOPROPS(TCaptionForm)

class CaptionFormTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    form = TCustomForm::Create<TCaptionForm>(Application);
    ox = new ToxForm(form);
    Application->OnException = [this](TObject*, const std::exception& e) { errors.push_back(e.what()); };
  }
  void ShowActive()
  {
    form->Show();
    SetForegroundWindow(form->Handle());
    qvtest::PumpUntil([&] { return GetActiveWindow() == form->Handle() && ox->DrawnActive(); }, 3000);
    qvtest::PumpMessagesFor(150);
  }
  int Height() const
  {
    RECT r;
    GetWindowRect(form->Handle(), &r);
    return r.bottom - r.top;
  }
  TApplicationScope scope;
  TCaptionForm* form = nullptr;
  ToxForm* ox = nullptr;
  std::vector<std::string> errors;
};

TEST_F(CaptionFormTest, CaptionGradientRunsFromTheEndColourTowardTheCaptionColourAlsoOnAWindowMadeAnew)
{
  ox->SetActiveGradient(0x0000FF);  // red
  ox->SetCaptionButtons(TCaptionButtons{});
  ShowActive();
  const TCaptionMetrics& m = ox->Metrics();
  qvtest::Pixels p = Shot(form->Handle());
  int bottom = m.FrameHeight + m.CaptionHeight - 1;
  // Left of the icon's column and below it, the first band: the end colour.
  EXPECT_EQ(RGB(255, 0, 0), p.at(m.FrameWidth, bottom));
  // The right end of the bar is the last band, one step short of the caption colour.
  TGradient ramp;
  ramp.SetEndColor(0x0000FF);
  ramp.SetStartColor(clActiveCaption);
  EXPECT_EQ(static_cast<COLORREF>(ramp.GetColor(127)), p.at(ox->ButtonsLeft() + 1, bottom));
  // The text is drawn in the inverse of the end colour.
  EXPECT_GT(CountColour(p, RGB(0, 255, 255), m), 10);

  // A window made anew gets its caption and its tray icon back.
  ox->SetTrayEnabled(true);
  form->RecreateWnd();
  HWND window = form->Handle();
  qvtest::PumpUntil([&] { return ox->Handle() == window && ox->Enabled(); }, 3000);
  ShowActive();
  EXPECT_EQ(window, ox->Handle());
  EXPECT_EQ(RGB(255, 0, 0), BarStart(window, ox->Metrics()));
  EXPECT_TRUE(TrayIconShown(window));
  ox->SetTrayEnabled(false);
}

TEST_F(CaptionFormTest, InactiveCaptionUsesTheInactiveRampOrSolidColourWithoutGradient)
{
  ox->SetInactiveGradient(0x00FF00);
  ox->SetOptions(ToxfOptions{oxfActiveGradient});
  ShowActive();
  TCaptionForm* other = TCustomForm::Create<TCaptionForm>(Application);
  other->SetBounds(700, 600, 200, 100);
  other->Show();
  SetForegroundWindow(other->Handle());
  qvtest::PumpUntil([&] { return !ox->DrawnActive(); }, 3000);
  qvtest::PumpMessagesFor(150);
  EXPECT_FALSE(ox->DrawnActive());
  const TCaptionMetrics& m = ox->Metrics();
  EXPECT_EQ(GetSysColor(COLOR_INACTIVECAPTION), BarStart(form->Handle(), m));
  // Even on the solid bar the text takes the inverse of the inactive end colour.
  EXPECT_GT(CountColour(Shot(form->Handle()), RGB(255, 0, 255), m), 10);
  ox->SetOptions(ToxfOptions{oxfInactiveGradient});
  qvtest::PumpMessagesFor(150);
  EXPECT_EQ(RGB(0, 255, 0), BarStart(form->Handle(), m));
}

TEST_F(CaptionFormTest, BorderAndCaptionBarEffectsReplaceTheSystemFrameAndTheFormNeverSeesTheFramePaint)
{
  ox->SetCaptionButtons(TCaptionButtons{});
  ox->SetActiveBorder(ox3Raised);
  ox->SetActiveCaption(ox3Inset);
  ox->SetActiveText(ox3Shadow);
  ShowActive();
  const TCaptionMetrics& m = ox->Metrics();
  qvtest::Pixels p = Shot(form->Handle());
  const int w = p.width, h = p.height;
  // Raised border: face and frame outside, then two rings of highlight and
  // shadow (the rings themselves are worked out natively).
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), p.at(1, 1));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), p.at(w - 3, h - 3));
  // Inset caption bar: shadow on its top-left, highlight on its bottom-right.
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), p.at(m.FrameWidth, m.FrameHeight));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), p.at(w - m.FrameWidth - 1, m.FrameHeight + m.CaptionHeight - 1));
  // Shadowed text: the shadow colour shows inside the bar (its bevel rows left out), as well as white.
  TCaptionMetrics inside = m;
  inside.FrameHeight += 1;
  inside.CaptionHeight -= 2;
  EXPECT_GT(CountColour(p, GetSysColor(COLOR_BTNSHADOW), inside), 10);
  EXPECT_GT(CountColour(p, RGB(255, 255, 255), inside), 10);
  EXPECT_EQ(0, form->NcPaints);
}

TEST_F(CaptionFormTest, RealPressesClickOnlyWhenReleasedInsideAndStayOnTopTogglesTheTopmostBandShowingLatched)
{
  ox->SetCaptionButtons(TCaptionButtons{oxbRollUp, oxbOnTop});
  ShowActive();
  TNCButton* rollUp = ox->RollUpButton();
  const int height = Height();
  const POINT inside = ScreenCentre(rollUp), outside{inside.x - 60, inside.y + 120};
  auto press = [&] {
    qvtest::MovePointerTo(inside);
    qvtest::PumpMessagesFor(100);
    qvtest::MouseButton(MOUSEEVENTF_LEFTDOWN);
    qvtest::PumpUntil([&] { return rollUp->Tracking(); }, 2000);
    EXPECT_TRUE(rollUp->Tracking());
  };
  // The button shows pressed only while the pointer is over it.
  auto moveTo = [&](POINT P, TButtonState Shows) {
    qvtest::MovePointerTo(P);
    qvtest::PumpUntil([&] { return rollUp->State() == Shows; }, 2000);
    EXPECT_EQ(Shows, rollUp->State());
  };
  // Press, leave and come back; released outside that is no click, inside it is.
  for (const bool releasedInside : {false, true}) {
    SCOPED_TRACE(releasedInside);
    press();
    EXPECT_EQ(bsDown, rollUp->State());
    moveTo(outside, bsUp);
    moveTo(inside, bsDown);
    if (!releasedInside) moveTo(outside, bsUp);
    qvtest::MouseButton(MOUSEEVENTF_LEFTUP);
    qvtest::PumpUntil([&] { return !rollUp->Tracking() && ox->RollUp() == releasedInside; }, 2000);
    EXPECT_EQ(releasedInside, ox->RollUp());
    EXPECT_EQ(releasedInside ? RolledUpHeight(ox->Metrics()) : height, Height());
    EXPECT_EQ(nullptr, GetCapture());
  }

  // The same button, clicked again, gives the exact height back.
  qvtest::LeftClickAt(ScreenCentre(rollUp));
  qvtest::PumpUntil([&] { return !ox->RollUp(); }, 2000);
  EXPECT_FALSE(ox->RollUp());
  EXPECT_EQ(height, Height());

  // The stay-on-top button beside it: a click latches it and makes the window topmost.
  TNCButton* onTop = ox->OnTopButton();
  EXPECT_EQ(onTop->Left() - ox->RollUpButton()->Width(), ox->RollUpButton()->Left());  // side by side, no gap
  const RECT b = onTop->BoundsRect();
  qvtest::Pixels p = Shot(form->Handle());
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), p.at(b.left, b.top));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWFRAME), p.at(b.right - 1, b.bottom - 1));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), p.at(b.right - 2, b.bottom - 2));
  auto topmost = [&] { return (GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  qvtest::LeftClickAt(ScreenCentre(onTop));
  qvtest::PumpUntil([&] { return ox->OnTop(); }, 2000);
  EXPECT_TRUE(ox->OnTop());
  EXPECT_TRUE(topmost());
  qvtest::PumpMessagesFor(100);
  p = Shot(form->Handle());
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), p.at(b.left, b.top));
  EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), p.at(b.right - 1, b.bottom - 1));
  qvtest::LeftClickAt(ScreenCentre(onTop));
  qvtest::PumpUntil([&] { return !ox->OnTop(); }, 2000);
  EXPECT_FALSE(ox->OnTop());
  EXPECT_FALSE(topmost());
  EXPECT_FALSE(onTop->Down());
  EXPECT_TRUE(errors.empty());
}

TEST_F(CaptionFormTest, TrackingSizeIsLimitedUnlessRolledUpAndAStretchUnrolls)
{
  ox->SetOptions(ToxfOptions{oxfActiveGradient, oxfInactiveGradient, oxfMinMax});
  ox->SetMinWidth(204);
  ox->SetMinHeight(102);
  ox->SetMaxWidth(static_cast<uint16_t>(GetSystemMetrics(SM_CXSCREEN)));
  ox->SetMaxHeight(static_cast<uint16_t>(GetSystemMetrics(SM_CYSCREEN)));
  ShowActive();
  MINMAXINFO info{};
  SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(204, info.ptMinTrackSize.x);
  EXPECT_EQ(102, info.ptMinTrackSize.y);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), info.ptMaxTrackSize.x);
  // Rolled up, the window is below the minimum height and gets its own back after.
  ox->SetRollUp(true);
  EXPECT_LT(Height(), 102);
  ox->SetRollUp(false);
  EXPECT_EQ(387, Height());
  // Stretching a rolled-up window unrolls it without a height change of its own.
  ox->SetRollUp(true);
  form->SetHeight(300);
  EXPECT_FALSE(ox->RollUp());
  EXPECT_EQ(300, Height());
  ox->SetRollUp(true);
  ox->SetRollUp(false);
  EXPECT_EQ(300, Height());
}

TEST_F(CaptionFormTest, TrayIconIsAddedModifiedAndRemoved)
{
  ShowActive();
  HWND window = form->Handle();
  EXPECT_FALSE(TrayIconShown(window));
  ox->SetTrayHint(std::string(80, 'h'));
  ox->SetTrayEnabled(true);
  EXPECT_TRUE(TrayIconShown(window));
  ox->SetTrayHint("Quorvik");
  EXPECT_TRUE(TrayIconShown(window));
  int clicks = 0, doubles = 0;
  ox->OnTrayClick = [&](TObject*) { ++clicks; };
  ox->OnTrayDblClk = [&](TObject*) { ++doubles; };
  for (LPARAM event : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE})
    SendMessageA(window, WM_OXTRAYNOTIFY, 2423, event);
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(1, doubles);
  // A right click brings up the tray menu at the pointer.
  auto* menu = new TPopupMenu(form);
  auto* item = new TMenuItem(menu);
  item->SetCaption("Restore");
  menu->Items()->Add(item);
  int popups = 0;
  menu->OnPopup = [&](TObject*) { ++popups; };
  ox->SetTrayMenu(menu);
  uitest::SendKeysWhenOpen({VK_ESCAPE}, 100);
  SendMessageA(window, WM_OXTRAYNOTIFY, 2423, WM_RBUTTONUP);
  EXPECT_EQ(1, popups);
  ox->SetTrayEnabled(false);
  EXPECT_FALSE(TrayIconShown(window));
  ox->SetTrayEnabled(true);
  form->DestroyHandle();
  EXPECT_FALSE(TrayIconShown(window));
}

TEST_F(CaptionFormTest, CustomButtonsFollowTheLinesAndReportTheWholeLine)
{
  ox->SetCaptionButtons(TCaptionButtons{});
  TStringList lines;
  lines.Add("Alpha");
  lines.Add("Beta");
  ox->SetCustomButtons(&lines);
  ASSERT_EQ(2, ox->CustomButtonCount());
  std::string clicked;
  ox->OnButtonClick = [&](TObject*, const std::string& caption) { clicked = caption; };
  ShowActive();
  EXPECT_EQ(ox->CustomButton(0)->Left() - ox->CustomButton(1)->Width(), ox->CustomButton(1)->Left());
  qvtest::LeftClickAt(ScreenCentre(ox->CustomButton(1)));
  qvtest::PumpUntil([&] { return !clicked.empty(); }, 2000);
  EXPECT_EQ("Beta", clicked);
  lines.Delete(1);
  ox->SetCustomButtons(&lines);
  EXPECT_EQ(1, ox->CustomButtonCount());
}

TEST_F(CaptionFormTest, FailureDuringACaptionButtonPressIsReportedAndTheWindowGoesOn)
{
  Application->OnException = nullptr;
  qvtest::CbtDialogAnswerer answerer;
  answerer.Push(qvtest::CbtDialogAnswerer::Press(IDOK));
  ox->SetCaptionButtons(TCaptionButtons{oxbRollUp});
  // The press reaches the button through the caption hook itself.
  ox->RollUpButton()->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw Exception("press failed");
  };
  ShowActive();
  qvtest::LeftClickAt(ScreenCentre(ox->RollUpButton()));
  qvtest::PumpUntil([&] { return !answerer.Texts().empty(); }, 3000);
  qvtest::PumpMessagesFor(200);
  ASSERT_EQ(1u, answerer.Texts().size());
  EXPECT_EQ("press failed.", answerer.Texts()[0]);
  EXPECT_FALSE(ox->RollUp());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(CaptionFormTest, HandleCountsStayFlatOverActivationRollUpAndResizeCycles)
{
  ox->SetCaptionButtons(TCaptionButtons{oxbRollUp, oxbOnTop});
  ShowActive();
  auto cycle = [&](int i) {
    SendMessageA(form->Handle(), WM_NCACTIVATE, i % 2, 0);
    ox->SetRollUp(true);
    ox->SetRollUp(false);
    form->SetWidth(449 + (i % 7));
  };
  qvtest::ExpectFlatHandleCounts(cycle, 10, 200, 2);
}

// An old-style system (before the 4.x generation), as the injected version
// reports it, and a button on a panel with a help context.
class OldStyleCaptionTest : public CaptionFormTest {
protected:
  void SetUp() override
  {
    ToxForm::SetVersionSource([] { return 0x00000A03u; });
    Application->OnHelp = [this](UINT Command, ULONG_PTR Data) {
      helpCalls.push_back({Command, Data});
      return true;
    };
    CaptionFormTest::SetUp();
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(20, 20, 200, 100);
    panel->SetHelpContext(55);
    button = new TButton(panel);
    button->SetParent(panel);
    button->SetBounds(10, 10, 80, 25);
    ox->SetCaptionButtons(TCaptionButtons{oxbHelp});
  }
  void TearDown() override { ToxForm::SetVersionSource(nullptr); }
  TPanel* panel = nullptr;
  TButton* button = nullptr;
  std::vector<std::pair<UINT, ULONG_PTR>> helpCalls;
};

TEST_F(OldStyleCaptionTest, ClassicMetricsSystemFontAndLargerButtons)
{
  const TCaptionMetrics& m = ox->Metrics();
  EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), m.FrameWidth);
  EXPECT_EQ(GetSystemMetrics(SM_CYSIZE), m.CaptionHeight);
  EXPECT_EQ(GetSystemMetrics(SM_CXSIZE), m.ButtonWidth);
  LOGFONTA system{};
  GetObjectA(GetStockObject(SYSTEM_FONT), sizeof system, &system);
  EXPECT_EQ(std::string(system.lfFaceName), ox->CaptionFont().Name());
  // Old-style buttons are larger (their layout is worked out natively).
  EXPECT_EQ(m.CaptionHeight + 1, ox->HelpButton()->Height());
  // The help-select cursor was loaded into the screen's table at creation.
  EXPECT_NE(Screen->Cursors(crDefault), Screen->Cursors(crHelpSelect));
}

TEST_F(OldStyleCaptionTest, HelpButtonThenAClickOnAControlShowsTheFirstParentContextAsPopup)
{
  ShowActive();
  qvtest::LeftClickAt(ScreenCentre(ox->HelpButton()));
  qvtest::PumpUntil([&] { return Screen->Cursor() == crHelpSelect; }, 2000);
  EXPECT_EQ(crHelpSelect, Screen->Cursor());
  EXPECT_EQ(form->Handle(), GetCapture());

  TControl* selected = nullptr;
  ox->OnHelpSelect = [&](TObject*, TControl* control, int, bool&) { selected = control; };
  POINT p = button->ClientToScreen(POINT{20, 10});
  qvtest::LeftClickAt(p);
  qvtest::PumpUntil([&] { return !helpCalls.empty(); }, 2000);
  EXPECT_EQ(button, selected);
  ASSERT_EQ(1u, helpCalls.size());
  EXPECT_EQ(static_cast<UINT>(HELP_CONTEXTPOPUP), helpCalls[0].first);
  EXPECT_EQ(55u, helpCalls[0].second);
  EXPECT_EQ(crDefault, Screen->Cursor());

  // Cancelled by the event: no help at all.
  ox->OnHelpSelect = [&](TObject*, TControl*, int, bool& cancel) { cancel = true; };
  qvtest::LeftClickAt(ScreenCentre(ox->HelpButton()));
  qvtest::PumpUntil([&] { return Screen->Cursor() == crHelpSelect; }, 2000);
  qvtest::LeftClickAt(p);
  qvtest::PumpUntil([&] { return Screen->Cursor() == crDefault; }, 2000);
  qvtest::PumpMessagesFor(100);
  EXPECT_EQ(1u, helpCalls.size());
}

TEST_F(CaptionFormTest, SizeLimitsAreCheckedOnlyWhileDesigning)
{
  ox->SetMinWidth(500);  // run time: stored unchecked
  EXPECT_EQ(500, ox->MinWidth());
  ox->SetMinWidth(0);
  ox->SetDesigning(true);
  uitest::ExpectFailure<EMinSizeError>([&] { ox->SetMinHeight(300); },
                                       "The Minimum Height must not be\rgreater than the Maximum Height");
  EXPECT_EQ(0, ox->MinHeight());
  ox->SetMinWidth(100);
  EXPECT_THROW(ox->SetMaxWidth(99), EMinSizeError);
  ox->SetMaxWidth(100);  // equal is fine from this side
  EXPECT_EQ(100, ox->MaxWidth());
  EXPECT_THROW(ox->SetMinWidth(100), EMinSizeError);
  ox->SetDesigning(false);
  TForm* notAForm = nullptr;
  EXPECT_THROW(new ToxForm(notAForm), ENotOwnerError);
}
