// A report of tens of thousands of lines in the real main window: the
// compare fills it while the window keeps pumping and showing the directory,
// the list box and the items stay in step, and the commands on the report
// work on all of it. (Timing is bench/window.sh's business.)
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/app/SessionDriving.h"

using namespace qvsession;

namespace {

constexpr int Dirs = 100, FilesPerDir = 200, NewFiles = Dirs * FilesPerDir;

// Status texts seen while the compare runs; a thread timer is only
// dispatched when the message loop turns.
std::set<std::string>& StatusSeen()
{
  static std::set<std::string> seen;
  return seen;
}
void CALLBACK SampleStatus(HWND, UINT, UINT_PTR, DWORD) { StatusSeen().insert(QVMain->StatusBar->Caption()); }

std::string WindowLine(HWND List, int Index)
{
  std::string text(static_cast<size_t>(SendMessageA(List, LB_GETTEXTLEN, static_cast<WPARAM>(Index), 0)), '\0');
  SendMessageA(List, LB_GETTEXT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.data()));
  return text;
}

}  // namespace

class LargeReport : public ::testing::Test, protected TSession {};

TEST_F(LargeReport, TwentyThousandNewFilesFillTheListAndTheCommandsTakeAllOfIt)
{
  // The collection is made of the empty tree, so that every file is new.
  ASSERT_TRUE(ScanSaved(Collection));
  // Ten directories of ten: the status bar names the directory whose
  // subdirectories the walk enumerates.
  for (int d = 0; d < Dirs; ++d) {
    const std::string top = "d" + std::to_string(d / 10), sub = top + "\\e" + std::to_string(d % 10);
    if (d % 10 == 0) Files.AddDir("tree\\" + top);
    Files.AddDir("tree\\" + sub);
    for (int f = 0; f < FilesPerDir; ++f) Put(sub + "\\f" + std::to_string(f), 1);
  }

  TStrings* items = QVMain->Changes->Items();
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, SampleStatus);
  const bool done = CompareDone(Collection, 600000);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(done);

  const HWND list = QVMain->Changes->Handle();
  ASSERT_EQ(items->Count(), NewFiles + 2);
  ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), NewFiles + 2);
  EXPECT_EQ(items->Get(0).rfind("COLLECTION FOR " + Root + "\\ (", 0), 0u) << items->Get(0);
  int newLines = 0;
  for (int i = 1; i <= NewFiles; ++i)
    newLines += items->Get(i).size() > 6 && items->Get(i).compare(items->Get(i).size() - 6, 6, " - New") == 0 &&
                items->Objects(i) == nullptr;
  EXPECT_EQ(newLines, NewFiles);
  for (int i : {0, 1, NewFiles / 2, NewFiles + 1}) EXPECT_EQ(WindowLine(list, i), items->Get(i));
  // The window went on showing the directory being worked on.
  const auto named = std::count_if(StatusSeen().begin(), StatusSeen().end(),
                                   [&](const std::string& S) { return S.rfind(Root + "\\d", 0) == 0; });
  EXPECT_GT(named, 0) << ::testing::PrintToString(StatusSeen());

  // Save Changes to File writes every line.
  const std::vector<std::string> report = items->ToVector();
  ASSERT_TRUE(SaveReport(Dir + "\\report.txt", 60000));
  EXPECT_EQ(ReadAll(Dir + "\\report.txt"), ReportText(report));

  // Deleting a file in the middle takes its line out of list and window.
  const int middle = NewFiles / 2;
  const std::string path = report[middle].substr(0, report[middle].size() - 6);
  PostDelete(middle);
  ASSERT_TRUE(Drain(60000));
  ASSERT_TRUE(AppPumpUntil([&] { return items->Count() == NewFiles + 1; }));
  EXPECT_FALSE(Exists(path));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), NewFiles + 1);
  EXPECT_EQ(WindowLine(list, middle), report[middle + 1]);

  // Clear List empties both.
  PostCommand(QVMain, "mnuClear");
  ASSERT_TRUE(AppPumpUntil([&] { return items->Count() == 0; }));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
}
