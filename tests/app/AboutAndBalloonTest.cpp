// The about box and the options dialog's balloons in the real program under
// Wine: figures, keyboard, dragging, the home-page link, handle counts and
// screenshots of both.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/About.h"
#include "app/AboutText.h"
#include "app/HomePage.h"
#include "app/Options.h"
#include "app/QVMain.h"
#include "tests/app/SessionDriving.h"
#include "ui/hints/Balloon.h"
#include "ui/hints/HBLabel.h"

using namespace qvsession;

namespace {

constexpr DWORD Timeout = 10000;

// Runs Action from inside the about box's modal loop once the box shows.
class TWhenAboutShows {
public:
  explicit TWhenAboutShows(std::function<void(TAboutBox*)> Action)
  {
    Pending() = std::move(Action);
    KillTimer(nullptr, RescueTimer());
    RescueTimer() = 0;
    SetTimer(nullptr, 0, 50, Tick);
  }

private:
  static std::function<void(TAboutBox*)>& Pending()
  {
    static std::function<void(TAboutBox*)> action;
    return action;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR Id, DWORD)
  {
    TAboutBox* box = ShownBox();
    if (!box || !Pending()) return;
    KillTimer(nullptr, Id);
    auto action = std::move(Pending());
    Pending() = nullptr;
    Rescued() = false;
    action(box);
    // The modal loop looks at the result only when its next message arrives.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    RescueTimer() = SetTimer(nullptr, 0, 3000, Rescue);
  }
  // A box the action failed to close is closed here, so the test goes on.
  static void CALLBACK Rescue(HWND, UINT, UINT_PTR Id, DWORD)
  {
    KillTimer(nullptr, Id);
    RescueTimer() = 0;
    if (TAboutBox* box = ShownBox()) {
      Rescued() = true;
      box->SetModalResult(mrCancel);
    }
  }

public:
  static TAboutBox* ShownBox()
  {
    for (int i = 0; i < Screen->FormCount(); ++i) {
      auto* box = dynamic_cast<TAboutBox*>(Screen->Forms(i));
      if (box && box->HandleAllocated() && IsWindowVisible(box->Handle())) return box;
    }
    return nullptr;
  }
  static UINT_PTR& RescueTimer()
  {
    static UINT_PTR id = 0;
    return id;
  }
  static bool& Rescued()
  {
    static bool rescued = false;
    return rescued;
  }
};

uint64_t Figure(const std::string& Text)
{
  std::string digits;
  for (char c : Text)
    if (c >= '0' && c <= '9') digits += c;
  return std::strtoull(digits.c_str(), nullptr, 10);
}

std::string ShotPath(const std::string& Name)
{
  CreateDirectoryA(QV_SCREENSHOT_DIR, nullptr);
  return std::string(QV_SCREENSHOT_DIR) + "\\" + Name + ".bmp";
}

std::function<void()>& InOptionsDialog()
{
  static std::function<void()> step;
  return step;
}

void CALLBACK OptionsTick(HWND, UINT, UINT_PTR Id, DWORD)
{
  if (!InOptionsDialog() || !dlgOptions->HandleAllocated() || !IsWindowVisible(dlgOptions->Handle())) return;
  KillTimer(nullptr, Id);
  auto step = std::move(InOptionsDialog());
  InOptionsDialog() = nullptr;
  step();
}

class AboutAndBalloon : public ::testing::Test {
protected:
  TApplicationScope Scope;

  void SetUp() override
  {
    Application->SetTitle("Quorvik V5.0");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halbrand\\QV5");
    Application->CreateForm(QVMain);
    Application->CreateForm(dlgOptions);
    QVMain->Show();
    qvtest::PumpMessagesFor(200);
  }
  bool AboutGone()
  {
    return AppPumpUntil([] { return !TWhenAboutShows::ShownBox() && Screen->FormCount() == 2; }, Timeout);
  }
  // Opens the about box from the menu, runs InBox in it and waits until it is gone.
  void OpenAbout(std::function<void(TAboutBox*)> InBox)
  {
    bool ran = false;
    TWhenAboutShows when([&](TAboutBox* box) {
      InBox(box);
      ran = true;
    });
    PostCommand(QVMain, "mnuHelpAbout");
    ASSERT_TRUE(AppPumpUntil([&] { return ran; }, Timeout));
    ASSERT_TRUE(AboutGone());
    EXPECT_FALSE(TWhenAboutShows::Rescued()) << "the about box stayed open";
  }
};

TEST_F(AboutAndBalloon, AboutBoxShowsTheTrueFiguresAndTheEmbossedName)
{
  std::string os, mem, disk, allocated, web;
  TTextStyle style = tsNone;
  int webWidth = 0, webExtent = 0;
  int clientW = 0, clientH = 0;
  uint64_t freeNow = 0;
  OpenAbout([&](TAboutBox* box) {
    qvtest::PumpMessagesFor(300);
    SaveScreenshot(box->Handle(), ShotPath("about-box"));
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
    box->OKButton->Click();
  });
  EXPECT_EQ(clientW, 298);
  EXPECT_EQ(clientH, 369);
  EXPECT_EQ(style, tsRaised);
  EXPECT_EQ(web, QuorvikHomePage);
  // Room for the whole address (the last slash of this font reaches past its advance).
  EXPECT_GT(webWidth, webExtent);
  OSVERSIONINFOA v{sizeof v};
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&v);
  EXPECT_EQ(os, OsVersionText(v.dwPlatformId, v.dwMajorVersion, v.dwMinorVersion, v.dwBuildNumber, v.szCSDVersion));
  MEMORYSTATUSEX m{sizeof m};
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

TEST_F(AboutAndBalloon, AboutBoxDragsByItsFreeClientArea)
{
  LRESULT free = 0, onButton = 0;
  OpenAbout([&](TAboutBox* box) {
    RECT r;
    GetWindowRect(box->Handle(), &r);
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
  EXPECT_TRUE(
      AppPumpUntil([] { return ReadFile(QV_FAKE_BROWSER_LOG).find(QuorvikHomePage) != std::string::npos; }, Timeout))
      << ReadFile(QV_FAKE_BROWSER_LOG);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser");
}

TEST_F(AboutAndBalloon, FiftyAboutBoxesLeaveNoHandlesBehind)
{
  auto open = [&] { OpenAbout([](TAboutBox* box) { PostMessageA(box->OKButton->Handle(), BM_CLICK, 0, 0); }); };
  open();
  open();
  const qvtest::GuiCounts before = qvtest::CurrentGuiCounts();
  for (int i = 0; i < 50; ++i) open();
  const qvtest::GuiCounts after = qvtest::CurrentGuiCounts();
  EXPECT_EQ(before.gdi, after.gdi);
  EXPECT_EQ(before.user, after.user);
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
  bool ran = false;
  // Runs in the dialog's own loop: point at the check box and wait for the hint.
  InOptionsDialog() = [&] {
    // The left check box, so that the balloon lies over the dialog.
    POINT p{30, 8};
    ClientToScreen(dlgOptions->EnableBeeps->Handle(), &p);
    qvtest::MovePointerTo(p);
    cursor = p;
    AppPumpUntil([&] { return IsWindowVisible(window->Handle()) != FALSE; }, Timeout);
    qvtest::PumpMessagesFor(200);
    caption = window->Caption();
    GetWindowRect(window->Handle(), &balloon);
    regioned = GetWindowRgn(window->Handle(), qv::RegionHandle(CreateRectRgn(0, 0, 0, 0)).get()) != ERROR;
    SaveScreenshot(dlgOptions->Handle(), ShotPath("options-balloon"));
    qvtest::MovePointerTo({5, 5});
    PostMessageA(dlgOptions->btnCancel->Handle(), BM_CLICK, 0, 0);
    ran = true;
  };
  SetTimer(nullptr, 0, 100, OptionsTick);
  PostCommand(QVMain, "mnuFileOptions");
  ASSERT_TRUE(AppPumpUntil([&] { return ran && !IsWindowVisible(dlgOptions->Handle()); }, Timeout));
  EXPECT_EQ(caption, "Beep when jobs are done");
  EXPECT_TRUE(regioned);
  // Above right of the pointer: its bottom-left corner is the cursor.
  EXPECT_EQ(balloon.left, cursor.x);
  EXPECT_EQ(balloon.bottom, cursor.y);
}

}  // namespace
