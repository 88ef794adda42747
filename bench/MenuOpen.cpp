// quorvik_menu_bench [LINES] [CYCLES]: opens the File drop-down of Quorvik's
// real main window and the change list's pop-up menu CYCLES times each, over
// a change list of LINES lines, and prints how long each took until the menu
// loop went idle (the menu shown and drawn): the first opening, which builds
// the banner and background caches, and the median and slowest of the rest.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Options.h"
#include "app/QVMain.h"
#include "tests/support/WineTestSupport.h"

namespace {

double Now()
{
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Notes when the menu loop first goes idle after an opening, then closes
// the menu (Escape twice: the drop-down, then the bar).
class TIdleWatch : public ToxBaseSubClass {
public:
  using ToxBaseSubClass::ToxBaseSubClass;
  double Opened = 0, Idle = 0;
  void WndProc(TMessage& Message) override
  {
    ToxBaseSubClass::WndProc(Message);
    if (Message.Msg != WM_ENTERIDLE || Message.WParam != MSGF_MENU) return;
    if (Idle == 0) Idle = Now();
    HWND menu = FindWindowA("#32768", nullptr);
    PostMessageA(menu && IsWindowVisible(menu) ? menu : GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
  }
};

struct TTimes {
  double First = 0, Median = 0, Slowest = 0;
};

template <class Open> TTimes Measure(TIdleWatch& Watch, int Cycles, Open OpenMenu)
{
  std::vector<double> times;
  for (int i = 0; i <= Cycles; ++i) {
    Watch.Idle = 0;
    Watch.Opened = Now();
    OpenMenu();
    qvtest::PumpMessagesFor(20);
    times.push_back(Watch.Idle > 0 ? Watch.Idle - Watch.Opened : -1);
  }
  TTimes t;
  t.First = times.front();
  std::vector<double> rest(times.begin() + 1, times.end());
  std::sort(rest.begin(), rest.end());
  t.Median = rest[rest.size() / 2];
  t.Slowest = rest.back();
  return t;
}

}  // namespace

int main(int argc, char** argv)
{
  const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;
  const int cycles = std::max(argc > 2 ? std::atoi(argv[2]) : 30, 1);
  TApplicationScope scope;
  Application->SetTitle("Quorvik V5.0");
  Application->CreateForm(QVMain);
  Application->CreateForm(dlgOptions);
  QVMain->Show();
  TStrings* items = QVMain->Changes->Items();
  items->BeginUpdate();
  for (int i = 0; i < lines; ++i)
    items->Add("C:\\Data\\dir" + std::to_string(i / 100) + "\\file" + std::to_string(i) + ".txt - New");
  items->EndUpdate();
  QVMain->Changes->SetItemIndex(lines / 2);
  qvtest::PumpMessagesFor(300);

  TIdleWatch barWatch(nullptr);
  barWatch.SetForm(QVMain);
  barWatch.SetEnabled(true);
  const TTimes bar = Measure(barWatch, cycles, [] { SendMessageA(QVMain->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'); });
  // A pop-up menu's loop reports to the window named in TrackPopupMenu.
  TIdleWatch popupWatch(nullptr);
  popupWatch.SetWindow(PopupList().Window());
  popupWatch.SetEnabled(true);
  const TTimes popup = Measure(popupWatch, cycles, [] {
    RECT r;
    GetWindowRect(QVMain->Changes->Handle(), &r);
    QVMain->oxPopupMenu->Popup(r.left + 40, r.top + 40);
  });
  std::printf("%-8s %-12s %10s %10s %10s\n", "lines", "menu", "first_ms", "median_ms", "slowest_ms");
  std::printf("%-8d %-12s %10.1f %10.1f %10.1f\n", lines, "File", bar.First * 1000, bar.Median * 1000,
              bar.Slowest * 1000);
  std::printf("%-8d %-12s %10.1f %10.1f %10.1f\n", lines, "pop-up", popup.First * 1000, popup.Median * 1000,
              popup.Slowest * 1000);
  popupWatch.SetEnabled(false);
  barWatch.SetEnabled(false);
  return bar.Median < 0 || popup.Median < 0 ? 1 : 0;
}
