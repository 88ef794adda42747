// quorvik_window_bench COLLECTION.qv REPORT.txt [SHOT.bmp]: drives Quorvik's
// real main window through a compare of COLLECTION (F3, the open dialog
// answered from a CBT hook), then Save Changes to File into REPORT, deleting
// one listed file and Clear List, and prints the seconds each took, the
// report's lines and how the window kept up while the report grew: the
// longest time between two turns of the message loop and how many status
// texts it showed. With SHOT, saves the window scrolled to the report's end.
#include <windows.h>

#include <cstdio>
#include <set>

#include "app/Options.h"
#include "app/QVMain.h"
#include "tests/app/SessionDriving.h"

using namespace qvsession;
using qvtest::CbtDialogAnswerer;

namespace {

double Now()
{
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// A thread timer is only dispatched when the message loop turns, so its
// ticks show how responsive the window stays during the compare.
struct TLoopWatch {
  static inline double Last = 0, LongestGap = 0;
  static inline std::set<std::string> Statuses;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
  {
    const double now = Now();
    if (Last > 0 && now - Last > LongestGap) LongestGap = now - Last;
    Last = now;
    if (QVMain && QVMain->StatusBar) Statuses.insert(QVMain->StatusBar->Caption());
  }
};

// When the last dialog or message box window went: what a command does
// after that is its own work, not the dialog's.
struct TDialogGone {
  static inline double At = 0;
  static LRESULT CALLBACK Hook(int Code, WPARAM WParam, LPARAM LParam)
  {
    if (Code == HCBT_DESTROYWND && qvtest::ClassName(reinterpret_cast<HWND>(WParam)) == "#32770") {
      At = Now();
      TLoopWatch::Last = TLoopWatch::LongestGap = 0;
    }
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }
};

}  // namespace

int main(int argc, char** argv)
{
  if (argc < 3) {
    std::fprintf(stderr, "usage: quorvik_window_bench COLLECTION.qv REPORT.txt [SHOT.bmp]\n");
    return 2;
  }
  const std::string collection = argv[1], report = argv[2];
  TApplicationScope scope;
  CbtDialogAnswerer answers;
  HHOOK gone = SetWindowsHookExA(WH_CBT, TDialogGone::Hook, nullptr, GetCurrentThreadId());
  StartProgram();
  auto lines = [] { return QVMain->Changes->Items(); };

  answers.Push(CbtDialogAnswerer::ChooseFile(collection));
  const UINT_PTR timer = SetTimer(nullptr, 0, 10, TLoopWatch::Tick);
  PostKey(QVMain->Handle(), VK_F3);
  const bool done = AppPumpUntil(
      [&] { return lines()->Count() > 0 && lines()->Get(lines()->Count() - 1).rfind("DONE, ", 0) == 0; }, 3600000);
  const double compared = Now(), opened = TDialogGone::At;
  KillTimer(nullptr, timer);
  const double longestGap = TLoopWatch::LongestGap;
  if (!done) {
    std::fprintf(stderr, "quorvik_window_bench: the compare did not finish\n");
    return 1;
  }
  const int count = lines()->Count();

  if (argc > 3) {
    QVMain->Changes->SetItemIndex(count - 1);
    qvtest::PumpMessagesFor(500);
    SaveScreenshot(QVMain->Handle(), argv[3]);
  }

  answers.Push(CbtDialogAnswerer::ChooseFile(report));
  QVMain->mnuSaveChangestoFileClick(nullptr);
  const double saved = Now(), saveAsked = TDialogGone::At;

  QVMain->Changes->SetItemIndex(count / 2);
  answers.Push(CbtDialogAnswerer::Press(IDOK));
  QVMain->mnuDeleteFileClick(nullptr);
  const double deleted = Now(), deleteAsked = TDialogGone::At;
  const int afterDelete = lines()->Count();

  // A new window of the list takes every line again.
  const double recreating = Now();
  QVMain->Changes->RecreateWnd();
  const double recreated = Now();
  const int windowLines = static_cast<int>(SendMessageA(QVMain->Changes->Handle(), LB_GETCOUNT, 0, 0));

  const double clearing = Now();
  QVMain->mnuClearClick(nullptr);
  const double cleared = Now();

  std::printf("lines %d compare %.3f save %.3f delete %.3f deleted %d recreate %.3f window_lines %d clear %.3f "
              "longest_loop_gap %.3f statuses %zu\n",
              count, compared - opened, saved - saveAsked, deleted - deleteAsked, count - afterDelete,
              recreated - recreating, windowLines, cleared - clearing, longestGap, TLoopWatch::Statuses.size());
  UnhookWindowsHookEx(gone);
  return 0;
}
