#include <gtest/gtest.h>

#include "engine/CompareState.h"
#include "tests/engine/EngineTestSupport.h"

using Strings = std::vector<std::string>;
using Line = TRecordingHost::TLine;

class CompareTest : public ::testing::Test, public TEngineFixture {
protected:
  const uint32_t T = DosDateTime(1998, 12, 5, 14, 3, 22);
  const uint32_t Later = DosDateTime(2001, 1, 2, 3, 4, 6);

  void SetUp() override
  {
    Fs.AddDir("C:\\Out");
    Fs.AddFile("D:\\Data\\a.txt", 100, T);
    Fs.AddFile("D:\\Data\\b.txt", 5, T);
    Fs.AddFile("D:\\Data\\Sub\\c.txt", 7, T);
  }
  void ScanAndSave()
  {
    Engine.Scan("D:\\Data\\");
    Engine.SaveCollection("C:\\Out\\s.qv");
    Fs.SetTime("C:\\Out\\s.qv", T);
  }
  Strings Compare()
  {
    const uint32_t differences = Engine.Compare("C:\\Out\\s.qv");
    Strings body(Host.Texts());
    // Every line between the header and the end line is one difference.
    EXPECT_EQ(body.size() - 2, size_t{differences});
    return body;
  }
};

// Nothing changed gives the header and the end line only. Then checks come in
// catalogue order, then the walk's new entries. A shrunk file gives a
// negative difference, and the size line wins over a new date; sizes differ
// as 32-bit numbers; a midnight date has no time; a link is judged by its own
// size; a name changed only in letter case passes the check and the walk
// lists it new.
TEST_F(CompareTest, NothingChangedGivesHeaderAndEndLineAndEveryChangeItsLineInOrder)
{
  Fs.AddFile("D:\\Data\\huge.bin", 0x7FFFFFFF, T);
  Fs.AddLink("D:\\Data\\link", 12, T);
  for (const char* Name : {"d.txt", "e.txt", "locked.txt", "case.txt"})
    Fs.AddFile(std::string("D:\\Data\\") + Name, 100, T);
  ScanAndSave();
  Fs.SetTickStep(1000);
  EXPECT_EQ(Compare(), (Strings{"COLLECTION FOR D:\\Data\\ (05.12.1998 14:03:22)", "DONE, 00:01"}));
  Fs.SetTickStep(0);
  Fs.SetSize("D:\\Data\\a.txt", 150);
  Fs.SetTime("D:\\Data\\b.txt", Later);
  Fs.Delete("D:\\Data\\Sub\\c.txt");
  Fs.SetSize("D:\\Data\\huge.bin", INT32_MIN);
  Fs.SetSize("D:\\Data\\link", 20);
  Fs.SetSize("D:\\Data\\d.txt", 40);
  Fs.SetTime("D:\\Data\\d.txt", Later);
  Fs.SetTime("D:\\Data\\e.txt", DosDateTime(2001, 1, 2));
  Fs.SetUnreadable("D:\\Data\\locked.txt");
  Fs.Delete("D:\\Data\\case.txt");
  Fs.AddFile("D:\\Data\\CASE.TXT", 100, T);
  Fs.AddFile("D:\\Data\\new.txt", 1, Later);
  Compare();
  EXPECT_EQ(Host.Lines, (std::vector<Line>{{"COLLECTION FOR D:\\Data\\ (05.12.1998 14:03:22)", true},
                                           {"D:\\Data\\a.txt - Size: 50", false},
                                           {"D:\\Data\\b.txt - 02.01.2001 03:04:06", false},
                                           {"D:\\Data\\Sub\\c.txt - Missing", true},
                                           {"D:\\Data\\huge.bin - Size: 1", false},
                                           {"D:\\Data\\link - Size: 8", false},
                                           {"D:\\Data\\d.txt - Size: -60", false},
                                           {"D:\\Data\\e.txt - 02.01.2001", false},
                                           {"D:\\Data\\locked.txt - File Access Denied", true},
                                           {"D:\\Data\\CASE.TXT - New", false},
                                           {"D:\\Data\\new.txt - New", false},
                                           {"DONE, 00:00", true}}));
}

// A drive root's files are recorded under the drive without a separator.
TEST_F(CompareTest, DriveRootCollectionBuildsPathsWithOneSeparator)
{
  Fs.AddFile("E:\\a.txt", 1, T);
  Engine.Scan("E:\\");
  EXPECT_EQ(Engine.DirList(), (Strings{"E:\\", "E:"}));
  Engine.SaveCollection("C:\\Out\\s.qv");
  Fs.SetTime("C:\\Out\\s.qv", T);
  Fs.SetSize("E:\\a.txt", 2);
  EXPECT_EQ(Compare(), (Strings{"COLLECTION FOR E:\\ (05.12.1998 14:03:22)", "E:\\a.txt - Size: 1", "DONE, 00:00"}));
}

TEST_F(CompareTest, OptionsAtCompareTimeDecideWhatIsCheckedAndWalked)
{
  ScanAndSave();
  Fs.Delete("D:\\Data\\Sub\\c.txt");
  Fs.AddFile("D:\\Data\\Sub\\d.txt", 1, T);
  Host.Excluded = {"D:\\DATA\\SUB"};
  EXPECT_EQ(Compare().size(), 2u);
  // With recursion off at compare time, a subdirectory is listed new, its files only checked.
  Host.Excluded.clear();
  ScanAndSave();
  Host.Recurse = false;
  EXPECT_EQ(Compare(),
            (Strings{"COLLECTION FOR D:\\Data\\ (05.12.1998 14:03:22)", "D:\\Data\\Sub - New", "DONE, 00:00"}));
}

TEST_F(CompareTest, DirectoryEntriesAreCheckedByTheirOwnSizeAndTime)
{
  Fs.AddDir("D:\\Data\\Other", T);
  Host.Recurse = false;
  Fs.SetTime("D:\\Data\\Sub", T);
  ScanAndSave();
  Fs.AddFile("D:\\Data\\Sub\\more.txt", 1, T);
  Fs.SetTime("D:\\Data\\Sub", Later);
  Fs.Delete("D:\\Data\\Other");
  EXPECT_EQ(Compare(), (Strings{"COLLECTION FOR D:\\Data\\ (05.12.1998 14:03:22)",
                                "D:\\Data\\Sub - 02.01.2001 03:04:06", "D:\\Data\\Other - Missing", "DONE, 00:00"}));
}

// The check shows each entry's directory, the walk the directory being
// listed when it meets a subdirectory; an excluded entry shows nothing and
// pumps nothing, while the walk pumps after every entry, dots included.
TEST_F(CompareTest, StatusAndMessagePumpFollowTheCheckAndTheWalk)
{
  Fs.AddFile("D:\\Data\\Skip\\s.txt", 1, T);
  ScanAndSave();
  Host.Excluded = {"D:\\Data\\Skip"};
  Host.Statuses.clear();
  Host.Pumped = 0;
  Compare();
  EXPECT_EQ(Host.Statuses, (Strings{"Loading File Structure...", "D:\\Data", "D:\\Data", "D:\\Data\\Sub", "D:\\Data",
                                    "D:\\Data", ""}));
  EXPECT_EQ(Host.Pumped, 1 + 3 + 6 + 3);
}

TEST_F(CompareTest, BeepsOnlyWhenEnabledAndOnlyAfterSuccess)
{
  ScanAndSave();
  Compare();
  EXPECT_EQ(Host.Beeped, 0);
  Host.Beeps = true;
  Compare();
  EXPECT_EQ(Host.Beeped, 1);
  Fs.Delete("C:\\Out\\s.qd");
  EXPECT_THROW(Compare(), ECollectionOpenError);
  EXPECT_EQ(Host.Beeped, 1);
  EXPECT_FALSE(Host.HourGlass);
  EXPECT_EQ(Host.Statuses.back(), "");
}

TEST_F(CompareTest, DirectoryPositionOutsideTheListStopsWithTheLinesSoFar)
{
  ScanAndSave();
  Fs.SetContents("C:\\Out\\s.qd", std::string(TQVEngine::Banner) + "\r\nD:\\Data\\\r\nD:\\Data\r\n", T);
  Fs.SetSize("D:\\Data\\a.txt", 101);
  ExpectFailure<EDirIndexError>([&] { Compare(); }, "List index out of bounds (2)");
  EXPECT_EQ(Host.Texts(), (Strings{"COLLECTION FOR D:\\Data\\ (05.12.1998 14:03:22)", "D:\\Data\\a.txt - Size: 1"}));
  // A directory list with its banner only fails at the header.
  ScanAndSave();
  Fs.SetContents("C:\\Out\\s.qd", std::string(TQVEngine::Banner) + "\r\n", T);
  ExpectFailure<EDirIndexError>([&] { Compare(); }, "List index out of bounds (0)");
  EXPECT_TRUE(Host.Lines.empty());
}

TEST_F(CompareTest, EmptyRootLineNeverStartsAWalk)
{
  Fs.SetContents("C:\\Out\\e.qv", "", T);
  Fs.SetContents("C:\\Out\\e.qd", std::string(TQVEngine::Banner) + "\r\n\r\n", T);
  Engine.Compare("C:\\Out\\e.qv");
  EXPECT_EQ(Host.Texts(), (Strings{"COLLECTION FOR  (05.12.1998 14:03:22)", "DONE, 00:00"}));
}

TEST_F(CompareTest, WalkConsumesMatchesSoTheCatalogueKeepsOnlyUnmetEntries)
{
  ScanAndSave();
  Fs.Delete("D:\\Data\\b.txt");
  Compare();
  EXPECT_EQ(Engine.Entries(), (Recs{{"b.txt", 1, T, 5}}));
  // A walk stopped after meeting a.txt (the loading pump, three checks, then
  // ".", ".." and a.txt) still leaves the unmet entries in the catalogue.
  Host.OnPump = [&] {
    if (Host.Pumped == 7) Engine.RequestStop();
  };
  Host.Pumped = 0;
  EXPECT_THROW(Engine.Compare("C:\\Out\\s.qv"), EWalkStopped);
  EXPECT_EQ(Engine.Entries(), (Recs{{"b.txt", 1, T, 5}, {"c.txt", 2, T, 7}}));
  EXPECT_FALSE(Engine.Busy());
}

// Two records of one path: the walk meets it once, so one of them stays, and
// the entries handed back keep their order.
TEST(CompareState, IsNewFileMatchesExactlyAndConsumesTheFirstUnmetMatchOnly)
{
  Recs entries{{"x.txt", 1, 0, 1}, {"y.txt", 1, 0, 2}, {"x.txt", 1, 0, 3}, {"z.txt", 1, 0, 4}};
  TCompareState state(entries, [](const TQVRec& Rec) { return "D:\\Data\\" + Rec.Name; });
  EXPECT_EQ(state.Entries().size(), 4u);
  EXPECT_TRUE(state.IsNewFile("D:\\Data\\X.TXT"));
  EXPECT_FALSE(state.IsNewFile("D:\\Data\\x.txt"));
  EXPECT_FALSE(state.IsNewFile("D:\\Data\\z.txt"));
  EXPECT_FALSE(state.IsNewFile("D:\\Data\\x.txt"));
  EXPECT_TRUE(state.IsNewFile("D:\\Data\\x.txt"));
  EXPECT_EQ(state.TakeRemaining(), (Recs{{"y.txt", 1, 0, 2}}));
  EXPECT_TRUE(state.Entries().empty());
}

// A Linux-like fake: slashes, letter case significant.
struct CompareLinux : ::testing::Test, TEngineFixture {
  CompareLinux() : TEngineFixture('/', false) { Fs.AddDir("/out"); }
};

TEST_F(CompareLinux, PathsCompareExactlySoCaseVariantsAreDifferentFiles)
{
  Fs.AddFile("/data/a.txt", 1, 0);
  Fs.AddFile("/data/A.txt", 2, 0);
  Engine.Scan("/data/");
  Engine.SaveCollection("/out/s.qv");
  Fs.Delete("/data/A.txt");
  Engine.Compare("/out/s.qv");
  EXPECT_EQ(Host.Texts()[1], "/data/A.txt - Missing");
  EXPECT_EQ(Host.Texts().size(), 3u);
}

TEST_F(CompareLinux, FileSystemRootWalksWithoutDoubleSeparators)
{
  Fs.AddFile("/a.txt", 1, 0);
  Engine.Scan("/");
  EXPECT_EQ(Engine.DirList(), (Strings{"/", ""}));
  Engine.SaveCollection("/out/s.qv");
  Fs.AddFile("/b.txt", 1, 0);
  Engine.Compare("/out/s.qv");
  EXPECT_EQ(Host.Texts()[1], "/out/s.qv - New");
  EXPECT_EQ(Host.Texts()[2], "/out/s.qd - New");
  EXPECT_EQ(Host.Texts()[3], "/b.txt - New");
}
