// A component that hooks a form's window procedure sees the non-client
// messages, and can act on each before or after the form's own handling.
#include "framework/forms/Forms.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <algorithm>

#include "tests/support/WineTestSupport.h"

namespace {

// Who saw which watched message, in order: "before", "form" or "after".
std::vector<std::pair<std::string, UINT>> trace;

const UINT Watched[] = {WM_NCPAINT, WM_NCACTIVATE, WM_NCHITTEST, WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_GETMINMAXINFO};

bool IsWatched(UINT Msg) { return std::find(std::begin(Watched), std::end(Watched), Msg) != std::end(Watched); }

class TNcForm : public TForm {
  QV_CLASS(TNcForm, TForm)
public:
  explicit TNcForm(TComponent* AOwner) : TForm(AOwner) { SetBounds(100, 100, 300, 200); }
  void WndProc(TMessage& Message) override
  {
    if (IsWatched(Message.Msg)) trace.emplace_back("form", Message.Msg);
    inherited::WndProc(Message);
    // The form's own answer, which a hook after it must be able to see.
    if (Message.Msg == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(Message.LParam)->ptMinTrackSize.x = 111;
  }
};

WNDPROC previous = nullptr;
int hookMinWidthSeen = 0;

LRESULT CALLBACK Hook(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  if (IsWatched(Msg)) trace.emplace_back("before", Msg);
  LRESULT result = CallWindowProcA(previous, Window, Msg, WParam, LParam);
  if (IsWatched(Msg)) trace.emplace_back("after", Msg);
  if (Msg == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(LParam);
    hookMinWidthSeen = info->ptMinTrackSize.x;
    info->ptMinTrackSize.x = 222;
  }
  if (Msg == WM_NCHITTEST && result == HTCAPTION) result = HTSYSMENU;
  return result;
}

}  // namespace

QV_IMPLEMENT_CLASS_NOPROPS(TNcForm)

class NonClientHookTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    form = TCustomForm::Create<TNcForm>(Application);
    form->Show();
    qvtest::PumpMessagesFor(100);
    previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Hook)));
    trace.clear();
  }
  void TearDown() override { SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)); }
  // Each watched message passed the hook, then the form, then the hook again.
  void ExpectWrapped(UINT Msg)
  {
    std::vector<std::string> seen;
    for (const auto& [who, msg] : trace)
      if (msg == Msg && seen.size() < 3) seen.push_back(who);
    EXPECT_EQ((std::vector<std::string>{"before", "form", "after"}), seen) << "message " << Msg;
  }
  TApplicationScope scope;
  TNcForm* form = nullptr;
};

TEST_F(NonClientHookTest, FramePaintActivationAndSizeLimitsPassTheHookAroundTheForm)
{
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ExpectWrapped(WM_NCPAINT);
  SendMessageA(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  ExpectWrapped(WM_NCACTIVATE);

  MINMAXINFO info{};
  SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  ExpectWrapped(WM_GETMINMAXINFO);
  EXPECT_EQ(111, hookMinWidthSeen);
  EXPECT_EQ(222, info.ptMinTrackSize.x);
}

TEST_F(NonClientHookTest, RealPointerOverTheCaptionReachesTheHookWhichMayChangeTheAnswer)
{
  RECT r;
  GetWindowRect(form->Handle(), &r);
  POINT caption{r.left + 60, r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  EXPECT_EQ(HTSYSMENU, SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)));
  ExpectWrapped(WM_NCHITTEST);

  trace.clear();
  qvtest::MovePointerTo(POINT{caption.x + 5, caption.y});
  const std::pair<std::string, UINT> moved("after", WM_NCMOUSEMOVE);
  qvtest::PumpUntil([&] { return std::find(trace.begin(), trace.end(), moved) != trace.end(); }, 2000);
  ExpectWrapped(WM_NCMOUSEMOVE);

  trace.clear();
  SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(caption.x, caption.y));
  ExpectWrapped(WM_NCLBUTTONDOWN);
}
