// A component that hooks a form's window procedure sees the non-client
// messages, and can act on each before or after the form's own handling.
#include "framework/forms/Forms.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include "tests/support/WineTestSupport.h"

namespace {

std::vector<std::string>& Trace()
{
  static std::vector<std::string> trace;
  return trace;
}

const UINT Watched[] = {WM_NCPAINT, WM_NCACTIVATE, WM_NCHITTEST, WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_GETMINMAXINFO};

bool IsWatched(UINT Msg)
{
  for (UINT m : Watched)
    if (m == Msg) return true;
  return false;
}

class TNcForm : public TForm {
  QV_CLASS(TNcForm, TForm)
public:
  explicit TNcForm(TComponent* AOwner) : TForm(AOwner) { SetBounds(100, 100, 300, 200); }
  void WndProc(TMessage& Message) override
  {
    if (IsWatched(Message.Msg)) Trace().push_back("form " + std::to_string(Message.Msg));
    inherited::WndProc(Message);
    // The form's own answer, which a hook after it must be able to see.
    if (Message.Msg == WM_GETMINMAXINFO) reinterpret_cast<MINMAXINFO*>(Message.LParam)->ptMinTrackSize.x = 111;
  }
};

WNDPROC previous = nullptr;
int hookMinWidthSeen = 0;

LRESULT CALLBACK Hook(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
  if (IsWatched(Msg)) Trace().push_back("before " + std::to_string(Msg));
  LRESULT result = CallWindowProcA(previous, Window, Msg, WParam, LParam);
  if (IsWatched(Msg)) Trace().push_back("after " + std::to_string(Msg));
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
    Trace().clear();
  }
  void TearDown() override { SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous)); }
  // Each watched message passed the hook, then the form, then the hook again.
  void ExpectWrapped(UINT Msg)
  {
    std::string m = std::to_string(Msg);
    std::vector<std::string> own;
    for (const std::string& t : Trace())
      if (t.size() > m.size() && t.compare(t.size() - m.size(), m.size(), m) == 0 && t[t.size() - m.size() - 1] == ' ')
        own.push_back(t.substr(0, t.size() - m.size() - 1));
    ASSERT_GE(own.size(), 3u) << "message " << Msg;
    EXPECT_EQ((std::vector<std::string>{"before", "form", "after"}),
              (std::vector<std::string>(own.begin(), own.begin() + 3)))
        << "message " << Msg;
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

  Trace().clear();
  qvtest::MovePointerTo(POINT{caption.x + 5, caption.y});
  qvtest::PumpUntil(
      [] {
        for (const std::string& t : Trace())
          if (t == "after " + std::to_string(WM_NCMOUSEMOVE)) return true;
        return false;
      },
      2000);
  ExpectWrapped(WM_NCMOUSEMOVE);

  Trace().clear();
  SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(caption.x, caption.y));
  ExpectWrapped(WM_NCLBUTTONDOWN);
}
