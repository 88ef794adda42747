// The main window and the options dialog with their caption decoration:
// size limits, caption buttons, screenshots of the looks, and the main
// window's drag by its client area beside the caption buttons.
#include <gtest/gtest.h>

#include <thread>

#include "app/About.h"
#include "tests/app/SessionDriving.h"
#include "ui/caption/oxForm.h"

using namespace qvsession;

namespace {

COLORREF ScreenPixel(HWND Window, int X, int Y)
{
  RECT r;
  GetWindowRect(Window, &r);
  HDC screen = GetDC(nullptr);
  COLORREF c = GetPixel(screen, r.left + X, r.top + Y);
  ReleaseDC(nullptr, screen);
  return c;
}

RECT WindowRect(HWND Window)
{
  RECT r;
  GetWindowRect(Window, &r);
  return r;
}

}  // namespace

class CaptionWindowTest : public ::testing::Test, protected TSession {
protected:
  void SetUp() override
  {
    SetForegroundWindow(QVMain->Handle());
    qvtest::PumpUntil([] { return QVMain->oxForm->DrawnActive(); }, 3000);
    qvtest::PumpMessagesFor(300);
  }
};

TEST_F(CaptionWindowTest, MainWindowHasItsButtonsLimitsAndLooks)
{
  ToxForm* ox = QVMain->oxForm;
  ASSERT_NE(nullptr, ox);
  EXPECT_TRUE(ox->RollUpButton()->Shown());
  EXPECT_TRUE(ox->OnTopButton()->Shown());
  EXPECT_FALSE(ox->HelpButton()->Shown());
  EXPECT_FALSE(ox->StartButton()->Shown());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), ox->MaxWidth());
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), ox->MaxHeight());
  SetWindowPos(QVMain->Handle(), nullptr, 0, 0, 60, 30, SWP_NOMOVE | SWP_NOZORDER);
  RECT r = WindowRect(QVMain->Handle());
  EXPECT_EQ(204, r.right - r.left);
  EXPECT_EQ(102, r.bottom - r.top);
  SetWindowPos(QVMain->Handle(), nullptr, 0, 0, 449, 387, SWP_NOMOVE | SWP_NOZORDER);
  // The caption bar starts in the end colour (black) left of the icon's column.
  const TCaptionMetrics& m = ox->Metrics();
  qvtest::PumpMessagesFor(200);
  EXPECT_EQ(RGB(0, 0, 0), ScreenPixel(QVMain->Handle(), m.FrameWidth, m.FrameHeight + m.CaptionHeight - 1));

  // Screenshots: active, inactive, rolled up and on top.
  Screenshot(QVMain->Handle(), "caption-main-active");
  dlgOptions->Show();
  qvtest::PumpUntil([] { return !QVMain->oxForm->DrawnActive(); }, 3000);
  qvtest::PumpMessagesFor(300);
  Screenshot(QVMain->Handle(), "caption-main-inactive");
  Screenshot(dlgOptions->Handle(), "caption-options-active");
  const TCaptionMetrics& dm = dlgOptions->oxForm->Metrics();
  // A dialog shows no icon: the bar's left edge is the end colour (black).
  EXPECT_EQ(RGB(0, 0, 0), ScreenPixel(dlgOptions->Handle(), dm.FrameWidth, dm.FrameHeight + 3));
  dlgOptions->Hide();
  SetForegroundWindow(QVMain->Handle());
  qvtest::PumpUntil([] { return QVMain->oxForm->DrawnActive(); }, 3000);
  ox->SetRollUp(true);
  qvtest::PumpMessagesFor(300);
  Screenshot(QVMain->Handle(), "caption-main-rolled-up");
  ox->SetRollUp(false);
  ox->SetOnTop(true);
  qvtest::PumpMessagesFor(300);
  Screenshot(QVMain->Handle(), "caption-main-on-top");
  EXPECT_TRUE(GetWindowLongA(QVMain->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  ox->SetOnTop(false);
}

TEST_F(CaptionWindowTest, MainWindowStillDragsByItsClientArea)
{
  HWND window = QVMain->Handle();
  RECT before = WindowRect(window);
  POINT client{3, 150};  // the margin left of the change list
  ClientToScreen(window, &client);
  EXPECT_EQ(HTCAPTION, SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y)));
  // The press starts the system's modal move loop: the input comes from a second thread.
  std::thread drag([client] {
    SetCursorPos(client.x, client.y);
    Sleep(200);
    qvtest::MouseButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(200);
    for (int i = 1; i <= 8; ++i) {
      SetCursorPos(client.x + 10 * i, client.y + 5 * i);
      Sleep(50);
    }
    Sleep(200);
    qvtest::MouseButton(MOUSEEVENTF_LEFTUP);
  });
  qvtest::PumpUntil([&] { return WindowRect(window).left == before.left + 80; }, 5000);
  drag.join();
  qvtest::PumpMessagesFor(200);
  RECT after = WindowRect(window);
  EXPECT_EQ(before.left + 80, after.left);
  EXPECT_EQ(before.top + 40, after.top);
  EXPECT_FALSE(QVMain->oxForm->RollUp());
}

TEST_F(CaptionWindowTest, AboutBoxCarriesTheDecorationWithoutExtraButtons)
{
  TAboutBox* about = TCustomForm::Create<TAboutBox>(Application);
  auto* ox = dynamic_cast<ToxForm*>(about->FindComponent("oxForm"));
  ASSERT_NE(nullptr, ox);
  EXPECT_FALSE(ox->RollUpButton()->Shown());
  EXPECT_FALSE(ox->OnTopButton()->Shown());
  about->Show();
  SetForegroundWindow(about->Handle());
  qvtest::PumpUntil([&] { return ox->DrawnActive(); }, 3000);
  qvtest::PumpMessagesFor(300);
  Screenshot(about->Handle(), "caption-about-active");
  // A single border with an icon: black end colour in the column left of the icon.
  const TCaptionMetrics& m = ox->Metrics();
  EXPECT_EQ(RGB(0, 0, 0), ScreenPixel(about->Handle(), m.FrameWidth, m.FrameHeight + m.CaptionHeight - 1));
  about->Hide();
  delete about;
}
