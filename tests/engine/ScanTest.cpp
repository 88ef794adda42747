#include <gtest/gtest.h>

#include "tests/engine/EngineTestSupport.h"

using Strings = std::vector<std::string>;

class ScanTest : public ::testing::Test, public TEngineFixture {
protected:
  const uint32_t T = DosDateTime(1998, 12, 5, 14, 3, 22);
};

// Positions go in the order directories are met, not the root's own first
// (the root met first is in the collection's byte test).
TEST_F(ScanTest, TheDirectoryMetFirstTakesThePositionAfterTheRoot)
{
  Fs.AddFile("D:\\Data\\Sub\\b.txt", 20, T);
  Fs.AddFile("D:\\Data\\a.txt", 10, T);
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Data\\", "D:\\Data\\Sub", "D:\\Data"}));
  EXPECT_EQ(Engine.Entries(), (Recs{{"b.txt", 1, T, 20}, {"a.txt", 2, T, 10}}));
}

TEST_F(ScanTest, WithoutRecursionSubdirectoriesAreEntriesOfTheRoot)
{
  Fs.AddFile("D:\\Data\\a.txt", 10, T);
  Fs.AddDir("D:\\Data\\Sub", T);
  Fs.AddFile("D:\\Data\\Sub\\b.txt", 20, T);
  Host.Recurse = false;
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Data\\", "D:\\Data"}));
  EXPECT_EQ(Engine.Entries(), (Recs{{"a.txt", 1, T, 10}, {"Sub", 1, T, 0}}));
  EXPECT_EQ(Engine.Count(), 2);
}

TEST_F(ScanTest, ExcludedDirectoryInAnotherLetterCaseIsSkippedWithItsSubtree)
{
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Fs.AddFile("D:\\Data\\Sub\\b.txt", 1, T);
  Fs.AddFile("D:\\Data\\Sub\\Deep\\c.txt", 1, T);
  Host.Excluded = {"d:\\data\\sub"};
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Engine.Entries(), (Recs{{"a.txt", 1, T, 1}}));
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Data\\", "D:\\Data"}));
  // A line with a trailing separator never matches.
  Host.Excluded = {"D:\\Data\\Sub\\"};
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Engine.Entries().size(), 3u);
}

TEST_F(ScanTest, DirectoriesDifferingInCaseShareOnePosition)
{
  // The directory list compares the platform's way: one position for both spellings.
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Engine.Scan("D:\\Data\\");
  Engine.AddFile("d:\\DATA", TFindData{"x", false, false, T, 1});
  EXPECT_EQ(Engine.DirList().size(), 2u);
  EXPECT_EQ(Engine.Entries()[1].DirIndex, 1);
}

// A scan counts from zero, whatever the scan before it found.
TEST_F(ScanTest, EmptyRootRecordsNothingAndTitlesFormatMinutesAndSeconds)
{
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Fs.AddDir("D:\\Empty");
  Engine.Scan("D:\\Data\\");
  const uint32_t seconds = Engine.Scan("D:\\Empty\\");
  EXPECT_EQ(TQVEngine::ScanTitle(Engine.Count(), seconds), "0 files processed - 00:00 - Save As");
  EXPECT_EQ(TQVEngine::ScanTitle(1532, 127), "1532 files processed - 02:07 - Save As");
}

TEST_F(ScanTest, UnlistableDirectoryContributesNothingAndTheWalkGoesOn)
{
  Fs.AddFile("D:\\Data\\Locked\\secret.txt", 1, T);
  Fs.AddFile("D:\\Data\\z.txt", 1, T);
  Fs.SetUnlistable("D:\\Data\\Locked");
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Engine.Entries(), (Recs{{"z.txt", 1, T, 1}}));
}

TEST_F(ScanTest, EmptyRootIsRefusedBeforeAnythingIsCleared)
{
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Engine.Scan("D:\\Data\\");
  EXPECT_THROW(Engine.Scan(""), EQVError);
  EXPECT_EQ(Engine.Entries().size(), 1u);
  EXPECT_EQ(Host.Pumped, 3);  // ".", "..", "a.txt" of the first scan only
}

TEST_F(ScanTest, StatusShowsSubdirectoriesExcludedOnesTooAndIsEmptiedAfterwards)
{
  Fs.AddFile("D:\\Data\\Skip\\a.txt", 1, T);
  Fs.AddFile("D:\\Data\\Sub\\b.txt", 1, T);
  Host.Excluded = {"D:\\Data\\Skip"};
  Engine.Scan("D:\\Data\\");
  EXPECT_EQ(Host.Statuses, (Strings{"D:\\Data\\Skip", "D:\\Data\\Sub", ""}));
  EXPECT_EQ(Host.Pumped, 4 + 3);
  EXPECT_FALSE(Host.HourGlass);
}

TEST_F(ScanTest, SecondCommandDuringAWalkIsRefusedAndAStopRequestEndsIt)
{
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Fs.AddFile("D:\\Data\\b.txt", 1, T);
  bool refused = false;
  Host.OnPump = [&] {
    try {
      Engine.Scan("D:\\Data\\");
    } catch (const EQVError&) {
      refused = true;
    }
  };
  Engine.Scan("D:\\Data\\");
  EXPECT_TRUE(refused);
  EXPECT_EQ(Engine.Entries().size(), 2u);

  Fs.AddFile("D:\\Data\\Sub\\a.txt", 1, T);
  Host.OnPump = [&] { Engine.RequestStop(); };
  EXPECT_THROW(Engine.Scan("D:\\Data\\"), EWalkStopped);
  EXPECT_FALSE(Host.HourGlass);
  EXPECT_EQ(Host.Statuses.back(), "");
  EXPECT_FALSE(Engine.Busy());
}
