// The balloon hint window under Wine: the class swap, the window region per
// position and shadow, the screen-edge flips, styles, the dismiss hook and
// what the composed picture shows.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/forms/Forms.h"
#include "tests/support/WineTestSupport.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/hints/Balloon.h"

namespace {

class BalloonTest : public ::testing::Test {
protected:
  TApplicationScope Scope;
  TForm* Form = nullptr;
  TBalloonHint* Balloon = nullptr;
  int ScreenW = GetSystemMetrics(SM_CXSCREEN), ScreenH = GetSystemMetrics(SM_CYSCREEN);

  void SetUp() override
  {
    Form = TForm::Create<TForm>(Application);
    Form->SetBounds(100, 100, 500, 400);
    Form->SetColor(clWhite);
    Form->Show();
    Balloon = new TBalloonHint(Form);
    Balloon->SetShadowDepth(5);
    qvtest::PumpMessagesFor(100);
  }

  TBalloonHintWindow* Window() { return dynamic_cast<TBalloonHintWindow*>(Application->HintWindow()); }

  // Shows Text with the cursor at P and returns the window's rectangle.
  RECT ShowAt(POINT P, const std::string& Text = "Recurse all directories under selected folder")
  {
    qvtest::MovePointerTo(P);
    // The move the warp makes arrives before the balloon shows, as a user's would.
    qvtest::PumpMessagesFor(30);
    Window()->ActivateHint(RECT{}, Text);
    RECT r;
    GetWindowRect(Window()->Handle(), &r);
    return r;
  }
  bool Shown() { return Window()->HandleAllocated() && IsWindowVisible(Window()->Handle()); }
  // Whether the window region holds the client point (x, y).
  bool InRegion(int X, int Y)
  {
    const qv::RegionHandle rgn(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(Window()->Handle(), rgn.get()) == ERROR) return false;
    return PtInRegion(rgn.get(), X, Y) != FALSE;
  }
};

TEST_F(BalloonTest, AnActiveBalloonHintReplacesTheHintWindowClassUntilItGoes)
{
  ASSERT_NE(Window(), nullptr);
  Balloon->SetActive(false);
  EXPECT_EQ(Window(), nullptr);
  ASSERT_NE(Application->HintWindow(), nullptr);
  Balloon->SetActive(true);
  ASSERT_NE(Window(), nullptr);
  // With hints switched off, switching stays off.
  Application->SetShowHint(false);
  Balloon->SetActive(true);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  Application->SetShowHint(true);
  delete Balloon;
  Balloon = nullptr;
  EXPECT_EQ(CurrentBalloonSettings(), nullptr);
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Window(), nullptr);
}

TEST_F(BalloonTest, SizeFollowsTheTextLimitKeepsTheMinimumWidthAndFitsTheText)
{
  RECT r = ShowAt({400, 400}, "Add");
  EXPECT_EQ(r.right - r.left, 59);
  // A long hint wraps within a quarter of the screen less the margin.
  r = ShowAt({400, 400}, std::string(40, 'x') + " " + std::string(40, 'y') + " " + std::string(40, 'z'));
  EXPECT_LE(r.right - r.left, ScreenW / 4);
  EXPECT_GT(r.bottom - r.top, 38 + 5 + 13);  // more than one line
  // The text fits: the body less the pointer and the shadow, less 9 on each side.
  const char* text = "Recurse all directories under selected folder";
  r = ShowAt({400, 400}, text);
  const qv::MemoryDC dc(CreateCompatibleDC(nullptr));
  const TCanvasDC attached(Window()->Canvas(), dc.get());
  EXPECT_GE(r.right - r.left - 5 - 15 - 18, Window()->Canvas().TextExtent(text).cx);
}

TEST_F(BalloonTest, RegionIsBodyPointerAndShadowForEachPositionAndWithoutShadowBodyAndPointerAlone)
{
  const POINT p{500, 500};
  for (auto pos : {bpAboveLeft, bpAboveRight, bpBelowLeft, bpBelowRight}) {
    SCOPED_TRACE(pos);
    Balloon->SetPosition(pos);
    const RECT r = ShowAt(p);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const bool right = pos & 1, below = pos & 2;
    // Tip and the shadow beside the body are in; the rounded corner and the
    // window corner beside the pointer are out. (Where the window goes is
    // checked with the flips below.)
    // Middle of the pointer triangle, outside the body.
    EXPECT_TRUE(InRegion(right ? 20 : w - 5 - 20, below ? 13 : h - 5 - 14));
    const int bodyLeft = right ? 15 : 0, bodyTop = below ? 19 : 0;
    const int bodyRight = bodyLeft + w - 5 - 15, bodyBottom = bodyTop + h - 5 - 19;
    EXPECT_TRUE(InRegion(bodyRight + 2, (bodyTop + bodyBottom) / 2));  // shadow beside the body
    EXPECT_FALSE(InRegion(bodyRight + 6, (bodyTop + bodyBottom) / 2));
    EXPECT_FALSE(InRegion(bodyLeft, bodyTop));                     // rounded corner
    EXPECT_FALSE(InRegion(right ? w - 1 : 0, below ? 0 : h - 1));  // beside the pointer
  }
  Balloon->SetShadowDepth(0);
  Balloon->SetShape(bsRectangle);
  Balloon->SetPosition(bpAboveRight);
  const RECT r = ShowAt({500, 500});
  const int w = r.right - r.left, h = r.bottom - r.top;
  EXPECT_TRUE(InRegion(15, 0));  // square corner
  EXPECT_TRUE(InRegion(w - 1, h - 20));
  EXPECT_FALSE(InRegion(w - 1, h - 19));
  EXPECT_TRUE(InRegion(20, h - 14));  // pointer
  EXPECT_FALSE(InRegion(5, h - 14));
}

// Which edge flips which side is worked out natively; here the real screen's
// size reaches the placement, on one side and on both.
TEST_F(BalloonTest, ScreenEdgesFlipThePosition)
{
  Balloon->SetPosition(bpAboveRight);
  RECT r = ShowAt({ScreenW - 10, 500});
  EXPECT_EQ(Window()->CurrentPosition(), bpAboveLeft);
  EXPECT_EQ(r.right, ScreenW - 10);
  Balloon->SetPosition(bpBelowLeft);
  r = ShowAt({5, ScreenH - 5});
  EXPECT_EQ(Window()->CurrentPosition(), bpAboveRight);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.bottom, ScreenH - 5);
  // The flipped placement is kept for painting and the region.
  EXPECT_TRUE(InRegion(20, r.bottom - r.top - 5 - 14));
}

TEST_F(BalloonTest, DefaultStyleIgnoresTheComponentsFontAndColours)
{
  TFont font;
  font.SetName("Courier New");
  Balloon->SetFont(&font);
  Balloon->SetColor(clLime);
  Balloon->SetBorderColor(clRed);
  ShowAt({400, 400});
  EXPECT_EQ(Window()->Canvas().Font().Name(), "MS Sans Serif");
  EXPECT_EQ(Window()->Canvas().Font().Size(), 8);
  EXPECT_EQ(Window()->FillColor(), Application->HintColor());
  EXPECT_EQ(Window()->FrameColor(), clWindowFrame);
  Balloon->SetStyle(hsCustom);
  ShowAt({400, 400});
  EXPECT_EQ(Window()->Canvas().Font().Name(), "Courier New");
  EXPECT_EQ(Window()->FillColor(), clLime);
  EXPECT_EQ(Window()->FrameColor(), clRed);
  Balloon->SetStyle(hsSystem);
  ShowAt({400, 400});
  EXPECT_EQ(static_cast<COLORREF>(Window()->FillColor()), GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(static_cast<COLORREF>(Window()->Canvas().Font().Color()), GetSysColor(COLOR_INFOTEXT));
}

TEST_F(BalloonTest, PictureShowsFillFrameAndACheckeredOrSolidShadow)
{
  Balloon->SetStyle(hsCustom);
  Balloon->SetColor(clYellow);
  Balloon->SetBorderColor(clBlue);
  Balloon->SetShape(bsRectangle);
  Balloon->SetPosition(bpBelowRight);
  const RECT r = ShowAt({200, 200}, "Shadow");
  qvtest::PumpMessagesFor(150);
  qvtest::Pixels px = qvtest::CaptureClient(Window()->Handle());
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int bodyRight = w - 5, bodyBottom = h - 5;
  EXPECT_EQ(px.at(15, 19), RGB(0, 0, 255));                // frame
  EXPECT_EQ(px.at(20, bodyBottom - 3), RGB(255, 255, 0));  // fill
  // Beside the body, the white form behind is darkened every other pixel.
  const int y = (19 + bodyBottom) / 2;
  const COLORREF a = px.at(bodyRight + 1, y), b = px.at(bodyRight + 2, y);
  EXPECT_TRUE(a == RGB(0, 0, 0) || b == RGB(0, 0, 0));
  EXPECT_TRUE(a == RGB(255, 255, 255) || b == RGB(255, 255, 255));
  Application->CancelHint();
  qvtest::PumpMessagesFor(100);
  Balloon->SetShadowStyle(ssSolid);
  ShowAt({200, 200}, "Shadow");
  qvtest::PumpMessagesFor(150);
  px = qvtest::CaptureClient(Window()->Handle());
  EXPECT_EQ(px.at(bodyRight + 1, y), RGB(0, 0, 0));
  EXPECT_EQ(px.at(bodyRight + 2, y), RGB(0, 0, 0));
}

TEST_F(BalloonTest, WithoutRegionsAHookDismissesOnTheSecondMoveOnClicksAndOnARepaintUnderneath)
{
  ShowAt({400, 400});  // with regions: no hook
  EXPECT_EQ(BalloonDismissHook(), nullptr);
  Balloon->SetBehavior({bbHideOnPaint});
  ShowAt({400, 400});
  ASSERT_NE(BalloonDismissHook(), nullptr);
  EXPECT_EQ(GetWindowRgn(Window()->Handle(), qv::RegionHandle(CreateRectRgn(0, 0, 0, 0)).get()), ERROR);
  HWND form = Form->Handle();
  PostMessageA(form, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  qvtest::PumpMessagesFor(50);
  EXPECT_TRUE(Shown());
  PostMessageA(form, WM_MOUSEMOVE, 0, MAKELPARAM(11, 10));
  qvtest::PumpMessagesFor(50);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(BalloonDismissHook(), nullptr);

  for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_NCMBUTTONDOWN}) {
    SCOPED_TRACE(msg);
    ShowAt({400, 400});
    ASSERT_NE(BalloonDismissHook(), nullptr);
    PostMessageA(form, msg, 0, 0);
    qvtest::PumpMessagesFor(50);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(BalloonDismissHook(), nullptr);
  }
  Balloon->SetBehavior({bbHideOnPaint});
  Balloon->SetPosition(bpBelowRight);
  const RECT r = ShowAt({300, 300});
  qvtest::PumpMessagesFor(50);
  // A repaint of the form away from the balloon leaves it.
  RECT away{0, 0, 20, 20};
  InvalidateRect(Form->Handle(), &away, FALSE);
  qvtest::PumpMessagesFor(50);
  EXPECT_TRUE(Shown());
  POINT under{r.left + 20, r.top + 30};
  ScreenToClient(Form->Handle(), &under);
  RECT beneath{under.x, under.y, under.x + 10, under.y + 10};
  InvalidateRect(Form->Handle(), &beneath, FALSE);
  qvtest::PumpMessagesFor(50);
  EXPECT_FALSE(Shown());
  // Without the flag the same repaint leaves it.
  Balloon->SetBehavior({});
  ShowAt({300, 300});
  InvalidateRect(Form->Handle(), &beneath, FALSE);
  qvtest::PumpMessagesFor(50);
  EXPECT_TRUE(Shown());
  Application->CancelHint();
  EXPECT_EQ(BalloonDismissHook(), nullptr);
}

TEST_F(BalloonTest, NoBalloonWhileAMouseButtonIsHeld)
{
  qvtest::MovePointerTo({300, 300});
  for (const bool down : {true, false}) {
    qvtest::MouseButton(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(qvtest::PumpUntil([&] { return ((GetKeyState(VK_LBUTTON) & 0x8000) != 0) == down; }, 2000));
    Window()->ActivateHint(RECT{}, "Add");
    EXPECT_EQ(Shown(), !down);
  }
}

TEST_F(BalloonTest, TwoHundredShowsLeaveNoHandlesBehind)
{
  auto cycle = [&](int i) {
    Balloon->SetBehavior(i % 2 ? TBalloonBehaviors{bbUseRegions} : TBalloonBehaviors{});
    Balloon->SetShadowStyle(i % 3 ? ssShaded : ssSolid);
    Balloon->SetStyle(static_cast<THintStyle>(i % 3));
    ShowAt({300 + i, 300}, "Hint number " + std::to_string(i));
    qvtest::PumpMessagesFor(5);
    Application->CancelHint();
  };
  // 204 shows end in the same state as the warm-up's six.
  qvtest::ExpectFlatHandleCounts(cycle, 6, 204, 0);
  EXPECT_EQ(BalloonDismissHook(), nullptr);
}

}  // namespace
