// The about box and the options dialog's balloons in the real program under
// Wine: figures, keyboard, dragging, the home-page link, handle counts and
// screenshots of both.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/About.h"
#include "app/AboutText.h"
#include "app/HomePage.h"
#include "tests/app/SessionDriving.h"
#include "ui/hints/Balloon.h"
#include "ui/hints/HBLabel.h"

using namespace qvsession;

namespace {

TAboutBox* ShownAbout()
{
  for (int i = 0; i < Screen->FormCount(); ++i) {
    auto* box = dynamic_cast<TAboutBox*>(Screen->Forms(i));
    if (box && box->HandleAllocated() && IsWindowVisible(box->Handle())) return box;
  }
  return nullptr;
}

uint64_t Figure(const std::string& Text)
{
  std::string digits;
  for (char c : Text)
    if (c >= '0' && c <= '9') digits += c;
  return std::strtoull(digits.c_str(), nullptr, 10);
}

class AboutAndBalloon : public ::testing::Test, protected TSession {
protected:
  // Opens the about box from the menu, runs InBox in its modal loop and
  // waits until it is gone. A box InBox failed to close is closed after a
  // while, so that the test goes on, and fails.
  void OpenAbout(std::function<void(TAboutBox*)> InBox)
  {
    bool ran = false, rescued = false;
    TWhen::Schedule([] { return ShownAbout() != nullptr; },
                    [&] {
                      InBox(ShownAbout());
                      ran = true;
                      const DWORD at = GetTickCount();
                      TWhen::Schedule([at] { return !ShownAbout() || GetTickCount() - at > 3000; },
                                      [&] {
                                        if (TAboutBox* box = ShownAbout()) {
                                          rescued = true;
                                          box->SetModalResult(mrCancel);
                                        }
                                      });
                    });
    PostCommand(QVMain, "mnuHelpAbout");
    ASSERT_TRUE(AppPumpUntil([&] { return ran && TWhen::Idle(); }));
    ASSERT_TRUE(AppPumpUntil([] { return !ShownAbout() && Screen->FormCount() == 2; }));
    EXPECT_FALSE(rescued) << "the about box stayed open";
  }
};

TEST_F(AboutAndBalloon, AboutBoxShowsTheTrueFiguresAndTheEmbossedNameAndDragsByItsFreeClientArea)
{
  std::string os, mem, disk, allocated, web;
  TTextStyle style = tsNone;
  int webWidth = 0, webExtent = 0;
  int clientW = 0, clientH = 0;
  uint64_t freeNow = 0;
  LRESULT free = 0, onButton = 0;
  OpenAbout([&](TAboutBox* box) {
    qvtest::PumpMessagesFor(300);
    Screenshot(box->Handle(), "about-box");
    os = box->OS->Caption(), mem = box->PhysMem->Caption(), disk = box->DiskSpace->Caption();
    allocated = box->AllocatedMemory->Caption(), web = box->Web->Caption();
    style = box->ProductName->Style();
    {
      const qv::MemoryDC dc(CreateCompatibleDC(nullptr));
      TCanvas canvas;
      canvas.SetHandle(dc.get());
      canvas.Font().Assign(box->Web->Font());
      webWidth = box->Web->Width(), webExtent = canvas.TextWidth(box->Web->Caption());
      canvas.SetHandle(nullptr);
    }
    clientW = box->ClientWidth(), clientH = box->ClientHeight();
    ULARGE_INTEGER a{}, t{}, f{};
    GetDiskFreeSpaceExA("C:\\", &a, &t, &f);
    freeNow = f.QuadPart / 1024;
    POINT margin{3, box->ClientHeight() - 5};  // below the panel, beside the button
    ClientToScreen(box->Handle(), &margin);
    free = SendMessageA(box->Handle(), WM_NCHITTEST, 0, MAKELPARAM(margin.x, margin.y));
    POINT button{5, 5};
    ClientToScreen(box->OKButton->Handle(), &button);
    onButton = SendMessageA(box->OKButton->Handle(), WM_NCHITTEST, 0, MAKELPARAM(button.x, button.y));
    box->OKButton->Click();
  });
  EXPECT_EQ(free, HTCAPTION);
  EXPECT_EQ(onButton, HTCLIENT);
  EXPECT_EQ(clientW, 298);
  EXPECT_EQ(clientH, 369);
  EXPECT_EQ(style, tsRaised);
  EXPECT_EQ(web, QuorvikHomePage);
  // Room for the whole address (the last slash of this font reaches past its advance).
  EXPECT_GT(webWidth, webExtent);
  OSVERSIONINFOA v = {};
  v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&v);
  EXPECT_EQ(os, OsVersionText(v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, v.szCSDVersion));
  MEMORYSTATUSEX m = {};
  m.dwLength = sizeof m;
  GlobalMemoryStatusEx(&m);
  EXPECT_EQ(mem, KilobyteText(m.ullTotalPhys, ",") + " KB");
  // Past 4 GB the figures are the true ones, not their low 32 bits.
  EXPECT_EQ(Figure(mem), m.ullTotalPhys / 1024);
  ASSERT_EQ(disk.rfind("C: ", 0), 0u);
  ASSERT_EQ(disk.substr(disk.size() - 8), " KB Free");
  EXPECT_NEAR(static_cast<double>(Figure(disk)), static_cast<double>(freeNow), 1024.0 * 1024);
  EXPECT_GT(Figure(allocated), 100u);  // the program's own heap, in KB
  EXPECT_EQ(allocated.substr(allocated.size() - 3), " KB");
}

TEST_F(AboutAndBalloon, AboutBoxClosesOnEnterAndOnEscape)
{
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    SCOPED_TRACE(key);
    OpenAbout([&](TAboutBox* box) {
      HWND focus = GetFocus();
      PostKey(focus ? focus : box->Handle(), key);
    });
  }
}

TEST_F(AboutAndBalloon, WebLabelOpensTheHomePageWithTheShell)
{
  // The shell hands web addresses to winebrowser, which runs the browsers
  // listed here: a script that records its arguments.
  HKEY key;
  ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", &key), ERROR_SUCCESS);
  const std::string browser = QV_FAKE_BROWSER;
  RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(browser.c_str()),
                 static_cast<DWORD>(browser.size() + 1));
  RegCloseKey(key);
  DeleteFileA(QV_FAKE_BROWSER_LOG);
  OpenAbout([&](TAboutBox* box) {
    box->Web->Click();
    box->OKButton->Click();
  });
  const auto log = [] { return ReadAll(QV_FAKE_BROWSER_LOG); };
  EXPECT_TRUE(AppPumpUntil([&] { return log().find(QuorvikHomePage) != std::string::npos; })) << log();
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser");
}

TEST_F(AboutAndBalloon, FiftyAboutBoxesLeaveNoHandlesBehind)
{
  qvtest::ExpectFlatHandleCounts(
      [&](int) { OpenAbout([](TAboutBox* box) { PostMessageA(box->OKButton->Handle(), BM_CLICK, 0, 0); }); }, 2, 50);
}

TEST_F(AboutAndBalloon, OptionsDialogHintsAreBalloons)
{
  ASSERT_NE(dlgOptions->BalloonHint, nullptr);
  EXPECT_EQ(dlgOptions->BalloonHint->ShadowDepth(), 5);
  EXPECT_EQ(dlgOptions->BalloonHint->Behavior(), (TBalloonBehaviors{bbNoShowMouseDown, bbUseRegions, bbHideOnPaint}));
  auto* window = dynamic_cast<TBalloonHintWindow*>(Application->HintWindow());
  ASSERT_NE(window, nullptr);
  std::string caption;
  RECT balloon{};
  POINT cursor{};
  bool regioned = false;
  // Runs in the dialog's own loop: point at the check box and wait for the hint.
  ASSERT_TRUE(OpenOptions([&] {
    // The left check box, so that the balloon lies over the dialog.
    POINT p{30, 8};
    ClientToScreen(dlgOptions->EnableBeeps->Handle(), &p);
    qvtest::MovePointerTo(p);
    cursor = p;
    AppPumpUntil([&] { return IsWindowVisible(window->Handle()) != FALSE; });
    qvtest::PumpMessagesFor(200);
    caption = window->Caption();
    GetWindowRect(window->Handle(), &balloon);
    regioned = GetWindowRgn(window->Handle(), qv::RegionHandle(CreateRectRgn(0, 0, 0, 0)).get()) != ERROR;
    Screenshot(dlgOptions->Handle(), "options-balloon");
    qvtest::MovePointerTo({5, 5});
    PostMessageA(dlgOptions->btnCancel->Handle(), BM_CLICK, 0, 0);
  }));
  EXPECT_EQ(caption, "Beep when jobs are done");
  EXPECT_TRUE(regioned);
  // Above right of the pointer: its bottom-left corner is the cursor.
  EXPECT_EQ(balloon.left, cursor.x);
  EXPECT_EQ(balloon.bottom, cursor.y);
}

}  // namespace
