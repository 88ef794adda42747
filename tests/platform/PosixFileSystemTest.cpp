// What only the POSIX side of the file-system seam does: exact path
// comparison, symbolic links, the zone of TZ and FIFOs.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "platform/posix/PosixFileSystem.h"
#include "tests/platform/NativeTree.h"

namespace {

class PosixFileSystemTest : public TNativeTreeTest {};

}  // namespace

TEST(PosixPaths, OnlySlashEndsADirectoryPartAndComparisonIsExactIncludingLetterCase)
{
  TPosixFileSystem fs;
  EXPECT_TRUE(fs.IsPathDelimiter('/'));
  for (char c : {'\\', ':'}) EXPECT_FALSE(fs.IsPathDelimiter(c)) << c;
  for (const char* name : {"a\\b", "C:a"}) EXPECT_TRUE(fs.ValidEntryName(name)) << name;
  for (const char* name : {"", ".", "..", "../etc"}) EXPECT_FALSE(fs.ValidEntryName(name)) << name;
  EXPECT_TRUE(fs.SamePath("/data/Sub", "/data/Sub"));
  EXPECT_FALSE(fs.SamePath("/data/Sub", "/data/sub"));
  EXPECT_FALSE(fs.SamePath("/data/\xc9t\xe9", "/data/\xe9t\xe9"));
  EXPECT_NE(fs.PathKey("/data/Sub"), fs.PathKey("/data/sub"));
  EXPECT_EQ(fs.PathKey("/data/Sub"), "/data/Sub");
}

TEST_F(PosixFileSystemTest, SymbolicLinksAreRecordedNotFollowedDanglingOnesToo)
{
  FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  FTree.AddFile("target.txt", "0123456789");
  ASSERT_EQ(symlink("Sub", FTree.Path("loop").c_str()), 0);
  ASSERT_EQ(symlink("target.txt", FTree.Path("file-link").c_str()), 0);
  ASSERT_EQ(symlink("nowhere/at/all", FTree.Path("dangling").c_str()), 0);
  for (bool wantAttributes : {true, false}) {
    const auto entries = List("", wantAttributes);
    for (const char* link : {"loop", "file-link", "dangling"}) {
      EXPECT_TRUE(entries.at(link).Link) << link;
      EXPECT_FALSE(entries.at(link).Directory) << link;
    }
  }
  // A link's own size is the length of what it points to; a dangling one is there too.
  const auto entries = List();
  EXPECT_EQ(entries.at("file-link").Size, 10);
  EXPECT_EQ(entries.at("loop").Size, 3);
  EXPECT_EQ(entries.at("dangling").Size, 14);
  const TEntryState state = FFs.Examine(FTree.Path("dangling"));
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 14);
}

// Local DOS times follow TZ, whatever zone was in force when the file was written.
TEST_F(PosixFileSystemTest, TimesAreLocalDosTimesInTheZoneOfTZ)
{
  const std::string path = FTree.AddFile("zone.txt", "x");
  SetModTime(path, UtcTime(2021, 6, 15, 20, 0, 1));
  for (const auto& [zone, expected] : {std::pair{"Asia/Kolkata", DosDateTime(2021, 6, 16, 1, 30, 0)},
                                       std::pair{"UTC", DosDateTime(2021, 6, 15, 20, 0, 0)},
                                       std::pair{"Europe/Berlin", DosDateTime(2021, 6, 15, 22, 0, 0)}}) {
    TZoneOverride override(zone);
    EXPECT_EQ(List().at("zone.txt").Time, expected) << zone;
    EXPECT_EQ(FFs.Examine(path).Time, expected) << zone;
    EXPECT_EQ(FFs.OpenRead(path)->Time(), expected) << zone;
  }
}

TEST_F(PosixFileSystemTest, FifoIsExaminedWithoutWaitingForAWriter)
{
  const std::string path = FTree.Path("pipe");
  ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
  auto done = std::make_shared<std::promise<TEntryState>>();
  auto result = done->get_future();
  // On its own thread and file system, so that a hang fails the test
  // instead of stopping the whole run.
  std::thread([path, done] { done->set_value(TPosixFileSystem().Examine(path)); }).detach();
  if (result.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    close(open(path.c_str(), O_WRONLY | O_NONBLOCK));  // lets a blocked open go
    FAIL() << "Examine waited for a writer on a FIFO";
  }
  const TEntryState state = result.get();
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 0);
}

TEST(PosixDateText, ShortDateSpaceTimeAndNoTimeAtMidnight)
{
  // The tests never call setlocale, so the C locale's formats apply.
  TPosixFileSystem fs;
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 14, 3, 22)), "12/05/98 14:03:22");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 0, 0, 0)), "12/05/98");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(2001, 2, 3, 0, 0, 2)), "02/03/01 00:00:02");
}
