// Quorvik's commands failing as they do on real disks: each failure is shown
// in the application's error box, owned by the main window, and the program
// goes on with its window and its list.
#include <gtest/gtest.h>

#include "app/Options.h"
#include "app/QVMain.h"
#include "tests/app/SessionDriving.h"

using namespace qvsession;
using qvtest::CbtDialogAnswerer;
using Strings = std::vector<std::string>;

namespace {
constexpr DWORD Timeout = 20000;
}

class QuorvikFailures : public ::testing::Test {
protected:
  TApplicationScope Scope;
  CbtDialogAnswerer Answers;
  std::string Dir = "C:\\QvFailures" + std::to_string(GetCurrentProcessId());
  std::string Root = Dir + "\\tree";
  std::string Collection = Dir + "\\scan.qv";
  std::vector<HWND> BoxOwners;

  void SetUp() override
  {
    RemoveTree(Dir);
    CreateDirectoryA(Dir.c_str(), nullptr);
    CreateDirectoryA(Root.c_str(), nullptr);
    WriteFile(Root + "\\a.txt", 100);
    StartProgram();
  }
  void TearDown() override { RemoveTree(Dir); }

  Strings Lines() { return QVMain->Changes->Items()->ToVector(); }
  bool Drain()
  {
    return AppPumpUntil([&] { return Answers.Pending() == 0; }, Timeout);
  }
  // Answers the error box with OK, noting which window owns it.
  void ExpectErrorBox()
  {
    Answers.Push([this](HWND Box) {
      BoxOwners.push_back(GetWindow(Box, GW_OWNER));
      CbtDialogAnswerer::Press(IDOK)(Box);
    });
  }
  // After a failure: the box said Text, the main window owned it and is
  // still there with the lines it had, and the program runs on.
  void ExpectCarriedOn(const std::string& Text, const Strings& LinesBefore)
  {
    ASSERT_TRUE(Drain());
    qvtest::PumpMessagesFor(100);
    EXPECT_EQ(Answers.Texts().back(), Text);
    ASSERT_FALSE(BoxOwners.empty());
    EXPECT_EQ(BoxOwners.back(), QVMain->Handle());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_TRUE(IsWindowVisible(QVMain->Handle()));
    EXPECT_TRUE(IsWindowEnabled(QVMain->Handle()));
    EXPECT_EQ(Lines(), LinesBefore);
    EXPECT_EQ(QVMain->StatusBar->SimpleText(), "");
    EXPECT_FALSE(QVMain->Walking());
  }
  void Scan(const std::string& File)
  {
    Answers.Push(ChooseFolder(Root + "\\"));
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    PostKey(QVMain->Handle(), VK_F2);
  }
  void Compare(const std::string& File)
  {
    Answers.Push(CbtDialogAnswerer::ChooseFile(File));
    PostKey(QVMain->Handle(), VK_F3);
  }
  void CompareDone(const std::string& File)
  {
    Compare(File);
    ASSERT_TRUE(Drain());
    ASSERT_TRUE(AppPumpUntil([&] { return !Lines().empty() && Lines().back().rfind("DONE, ", 0) == 0; }, Timeout));
  }
  void CopyCollection(const std::string& To, bool WithDirList)
  {
    CopyFileA(Collection.c_str(), (To + ".qv").c_str(), FALSE);
    if (WithDirList) CopyFileA((Dir + "\\scan.qd").c_str(), (To + ".qd").c_str(), FALSE);
  }
};

TEST_F(QuorvikFailures, ScanAndSaveFailuresEndTheCommandAndTheProgramGoesOn)
{
  Scan(Collection);
  ASSERT_TRUE(Drain());
  ASSERT_TRUE(AppPumpUntil([&] { return Exists(Collection); }, Timeout));
  WriteFile(Root + "\\new.txt", 3);
  CompareDone(Collection);
  const Strings report = Lines();
  ASSERT_EQ(report.size(), 3u);

  // A scan saved into a folder that does not exist.
  const std::string lost = Dir + "\\missing\\x.qv";
  Scan(lost);
  ExpectErrorBox();
  ExpectCarriedOn("Cannot create file " + lost + ".", report);

  // The report saved into a folder that does not exist.
  Answers.Push(CbtDialogAnswerer::ChooseFile(Dir + "\\missing\\r.txt"));
  ExpectErrorBox();
  PostCommand(QVMain, "mnuSaveChangestoFile");
  ExpectCarriedOn("Cannot create file " + Dir + "\\missing\\r.txt.", report);
  EXPECT_EQ(QVMain->dlgSave->FileName(), Collection);

  // Delete File of a file held open by another program: the line stays.
  HANDLE held = CreateFileA((Root + "\\new.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  QVMain->Changes->SetItemIndex(1);
  Answers.Push(CbtDialogAnswerer::Press(IDOK));
  ExpectErrorBox();
  PostCommand(QVMain, "mnuDeleteFile");
  ASSERT_TRUE(Drain());
  CloseHandle(held);
  EXPECT_EQ(Answers.Texts().back().rfind("Cannot delete file \"" + Root + "\\new.txt\".", 0), 0u);
  ExpectCarriedOn(Answers.Texts().back(), report);

  // Open File with no program for the extension.
  Answers.Push([this](HWND Box) {
    BoxOwners.push_back(GetWindow(Box, GW_OWNER));
    CbtDialogAnswerer::Press(IDOK)(Box);
  });
  PostCommand(QVMain, "mnuOpenFile");
  ExpectCarriedOn("File Extension not registered.", report);

  // The next scan works, and saves.
  DeleteFileA(Collection.c_str());
  Scan(Collection);
  ASSERT_TRUE(Drain());
  EXPECT_TRUE(AppPumpUntil([&] { return Exists(Collection); }, Timeout));
}

TEST_F(QuorvikFailures, CompareOfMissingDamagedOrTruncatedCollectionsEndsTheCompareOnly)
{
  Scan(Collection);
  ASSERT_TRUE(Drain());
  ASSERT_TRUE(AppPumpUntil([&] { return Exists(Collection); }, Timeout));

  // No directory list beside the collection.
  CopyCollection(Dir + "\\nodirs", false);
  Compare(Dir + "\\nodirs.qv");
  ExpectErrorBox();
  ExpectCarriedOn("Cannot open file " + Dir + "\\nodirs.qd.", Strings{});

  // A directory list that names no directories.
  CopyCollection(Dir + "\\fewdirs", false);
  std::ofstream(Dir + "\\fewdirs.qd", std::ios::binary)
      << ReadFile(Dir + "\\scan.qd").substr(0, ReadFile(Dir + "\\scan.qd").find("\r\n") + 2);
  Compare(Dir + "\\fewdirs.qv");
  ExpectErrorBox();
  ExpectCarriedOn("List index out of bounds (0).", Strings{});

  // A collection cut off inside a record.
  CopyCollection(Dir + "\\cut", true);
  const std::string records = ReadFile(Dir + "\\cut.qv");
  ASSERT_GT(records.size(), 3u);
  std::ofstream(Dir + "\\cut.qv", std::ios::binary | std::ios::trunc) << records.substr(0, records.size() - 3);
  Compare(Dir + "\\cut.qv");
  ExpectErrorBox();
  ExpectCarriedOn("Collection file " + Dir + "\\cut.qv is damaged.", Strings{});

  // The next compare works.
  CompareDone(Collection);
  EXPECT_EQ(Lines().size(), 2u);
}
