// Quorvik's commands failing as they do on real disks: each failure is shown
// in the application's error box, owned by the main window, and the program
// goes on with its window and its list.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/app/SessionDriving.h"

using namespace qvsession;

class QuorvikFailures : public ::testing::Test, protected TSession {
protected:
  std::vector<HWND> BoxOwners;

  void SetUp() override
  {
    Put("a.txt", 100);
    ASSERT_TRUE(ScanSaved(Collection));
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
  // A copy of the collection, cut to Keep bytes when Keep is given, and of
  // its directory list when WithDirList.
  std::string CopyCollection(const std::string& Name, bool WithDirList, size_t Keep = std::string::npos)
  {
    std::ofstream(Dir + "\\" + Name + ".qv", std::ios::binary) << ReadAll(Collection).substr(0, Keep);
    if (WithDirList) CopyFileA((Dir + "\\scan.qd").c_str(), (Dir + "\\" + Name + ".qd").c_str(), FALSE);
    return Dir + "\\" + Name + ".qv";
  }
};

TEST_F(QuorvikFailures, ScanSaveDeleteAndOpenFailuresEndTheCommandAndTheProgramGoesOn)
{
  Put("new.txt", 3);
  ASSERT_TRUE(CompareDone(Collection));
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

  // Delete File of a file held open by another program: file and line stay.
  HANDLE held = CreateFileA((Root + "\\new.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  PostDelete(1);
  ExpectErrorBox();
  ASSERT_TRUE(Drain());
  CloseHandle(held);
  EXPECT_EQ(Answers.Texts().back().rfind("Cannot delete file \"" + Root + "\\new.txt\".", 0), 0u)
      << Answers.Texts().back();
  ExpectCarriedOn(Answers.Texts().back(), report);
  EXPECT_TRUE(Exists(Root + "\\new.txt"));

  // Open File with no program for the extension.
  ExpectErrorBox();
  PostCommand(QVMain, "mnuOpenFile");
  ExpectCarriedOn("File Extension not registered.", report);

  // The next scan works, and saves.
  DeleteFileA(Collection.c_str());
  EXPECT_TRUE(ScanSaved(Collection));
}

TEST_F(QuorvikFailures, CompareOfMissingDamagedOrTruncatedCollectionsEndsTheCompareOnly)
{
  // No directory list beside the collection.
  Compare(CopyCollection("nodirs", false));
  ExpectErrorBox();
  ExpectCarriedOn("Cannot open file " + Dir + "\\nodirs.qd.", Strings{});

  // A directory list that names no directories.
  const std::string dirs = ReadAll(Dir + "\\scan.qd");
  std::ofstream(Dir + "\\fewdirs.qd", std::ios::binary) << dirs.substr(0, dirs.find("\r\n") + 2);
  Compare(CopyCollection("fewdirs", false));
  ExpectErrorBox();
  ExpectCarriedOn("List index out of bounds (0).", Strings{});

  // A collection cut off inside a record.
  const size_t size = ReadAll(Collection).size();
  ASSERT_GT(size, 3u);
  Compare(CopyCollection("cut", true, size - 3));
  ExpectErrorBox();
  ExpectCarriedOn("Collection file " + Dir + "\\cut.qv is damaged.", Strings{});

  // The next compare works.
  ASSERT_TRUE(CompareDone(Collection));
  EXPECT_EQ(Lines().size(), 2u);
}
