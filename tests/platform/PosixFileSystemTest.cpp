// The POSIX side of the file-system seam on real temporary trees.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <map>
#include <memory>
#include <thread>

#include "engine/Errors.h"
#include "platform/PlatformFileSystem.h"
#include "platform/posix/PosixFileSystem.h"
#include "tests/platform/PosixTempTree.h"

namespace {

std::map<std::string, TFindData> ListAll(TFileSystem& Fs, const std::string& Dir, bool WantAttributes = true)
{
  std::map<std::string, TFindData> entries;
  auto found = Fs.FindFirst(Dir + "/*.*", WantAttributes);
  TFindData entry;
  while (found->Next(entry)) entries[entry.Name] = entry;
  return entries;
}

bool RunningAsRoot() { return geteuid() == 0; }

class PosixFileSystemTest : public ::testing::Test {
protected:
  TPosixTempTree FTree;
  TPosixFileSystem FFs;
};

}  // namespace

TEST(PosixPaths, FactoryMakesThePosixFileSystem)
{
  auto fs = CreatePlatformFileSystem();
  ASSERT_NE(dynamic_cast<TPosixFileSystem*>(fs.get()), nullptr);
  EXPECT_EQ(fs->Separator(), '/');
}

TEST(PosixPaths, OnlySlashEndsADirectoryPart)
{
  TPosixFileSystem fs;
  EXPECT_TRUE(fs.IsPathDelimiter('/'));
  EXPECT_FALSE(fs.IsPathDelimiter('\\'));
  EXPECT_FALSE(fs.IsPathDelimiter(':'));
  EXPECT_TRUE(fs.ValidEntryName("a\\b"));
  EXPECT_TRUE(fs.ValidEntryName("C:a"));
  EXPECT_FALSE(fs.ValidEntryName(""));
  EXPECT_FALSE(fs.ValidEntryName("."));
  EXPECT_FALSE(fs.ValidEntryName(".."));
  EXPECT_FALSE(fs.ValidEntryName("../etc"));
}

TEST(PosixPaths, ComparisonIsExactIncludingLetterCase)
{
  TPosixFileSystem fs;
  EXPECT_TRUE(fs.SamePath("/data/Sub", "/data/Sub"));
  EXPECT_FALSE(fs.SamePath("/data/Sub", "/data/sub"));
  EXPECT_FALSE(fs.SamePath("/data/\xc9t\xe9", "/data/\xe9t\xe9"));
  EXPECT_NE(fs.PathKey("/data/Sub"), fs.PathKey("/data/sub"));
  EXPECT_EQ(fs.PathKey("/data/Sub"), "/data/Sub");
}

TEST(PosixPaths, FullPathResolvesDotsAndTheCurrentDirectory)
{
  TPosixFileSystem fs;
  EXPECT_EQ(fs.FullPath("/data/old/../new/./a.txt"), "/data/new/a.txt");
  TPosixTempTree tree;
  char previous[4096];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(tree.Path().c_str()), 0);
  const std::string full = fs.FullPath("sub/a.txt");
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(full, tree.Path("sub/a.txt"));
}

TEST_F(PosixFileSystemTest, EnumerationListsFilesDirectoriesAndDotEntries)
{
  FTree.AddFile("a.txt", "0123456789");
  FTree.AddFile(".hidden", "abc");
  FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  for (bool wantAttributes : {true, false}) {
    const auto entries = ListAll(FFs, FTree.Path(), wantAttributes);
    std::string names;
    for (const auto& [name, entry] : entries) names += name + "|";
    EXPECT_EQ(names, ".|..|.hidden|Sub|a.txt|");
    EXPECT_TRUE(entries.at("Sub").Directory);
    EXPECT_FALSE(entries.at("Sub").Link);
    EXPECT_FALSE(entries.at("a.txt").Directory);
    EXPECT_TRUE(entries.at(".").Directory);
  }
  const auto entries = ListAll(FFs, FTree.Path());
  EXPECT_EQ(entries.at("a.txt").Size, 10);
  EXPECT_EQ(entries.at(".hidden").Size, 3);
  EXPECT_EQ(entries.at("Sub").Size, 0);
}

TEST_F(PosixFileSystemTest, SymbolicLinksAreRecordedNotFollowed)
{
  FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  FTree.AddFile("target.txt", "0123456789");
  ASSERT_EQ(symlink("Sub", FTree.Path("loop").c_str()), 0);
  ASSERT_EQ(symlink("target.txt", FTree.Path("file-link").c_str()), 0);
  for (bool wantAttributes : {true, false}) {
    const auto entries = ListAll(FFs, FTree.Path(), wantAttributes);
    EXPECT_TRUE(entries.at("loop").Link);
    EXPECT_FALSE(entries.at("loop").Directory);
    EXPECT_TRUE(entries.at("file-link").Link);
    EXPECT_FALSE(entries.at("file-link").Directory);
  }
  // A link's own size is the length of what it points to.
  EXPECT_EQ(ListAll(FFs, FTree.Path()).at("file-link").Size, 10);
  EXPECT_EQ(ListAll(FFs, FTree.Path()).at("loop").Size, 3);
}

TEST_F(PosixFileSystemTest, DanglingLinkIsListedAndPresent)
{
  ASSERT_EQ(symlink("nowhere/at/all", FTree.Path("dangling").c_str()), 0);
  const auto entries = ListAll(FFs, FTree.Path());
  ASSERT_EQ(entries.count("dangling"), 1u);
  EXPECT_TRUE(entries.at("dangling").Link);
  EXPECT_EQ(entries.at("dangling").Size, 14);
  const TEntryState state = FFs.Examine(FTree.Path("dangling"));
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 14);
}

TEST_F(PosixFileSystemTest, DirectoryThatCannotBeListedYieldsNothing)
{
  FTree.AddFile("plain.txt", "x");
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("gone/*.*"), true)->Next(entry));
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("plain.txt/*.*"), true)->Next(entry));
}

TEST_F(PosixFileSystemTest, TimesAreLocalDosTimesInTheZoneOfTZ)
{
  TZoneOverride zone("Asia/Kolkata");
  const std::string path = FTree.AddFile("zone.txt", "x");
  SetModTime(path, UtcTime(2021, 6, 15, 20, 0, 1));
  const uint32_t expected = DosDateTime(2021, 6, 16, 1, 30, 0);
  EXPECT_EQ(ListAll(FFs, FTree.Path()).at("zone.txt").Time, expected);
  EXPECT_EQ(FFs.Examine(path).Time, expected);
  EXPECT_EQ(FFs.OpenRead(path)->Time(), expected);
}

TEST_F(PosixFileSystemTest, ZoneChangesMoveTheDosTime)
{
  const std::string path = FTree.AddFile("zone.txt", "x");
  SetModTime(path, UtcTime(2021, 1, 15, 12, 0, 0));
  TZoneOverride utc("UTC");
  EXPECT_EQ(FFs.Examine(path).Time, DosDateTime(2021, 1, 15, 12, 0, 0));
  TZoneOverride berlin("Europe/Berlin");
  EXPECT_EQ(FFs.Examine(path).Time, DosDateTime(2021, 1, 15, 13, 0, 0));
}

TEST_F(PosixFileSystemTest, TimeBefore1980IsZero)
{
  TZoneOverride zone("UTC");
  const std::string path = FTree.AddFile("old.txt", "x");
  SetModTime(path, UtcTime(1975, 6, 1, 12, 0, 0));
  EXPECT_EQ(FFs.Examine(path).Time, 0u);
  SetModTime(path, UtcTime(1980, 1, 1, 0, 0, 0));
  EXPECT_EQ(FFs.Examine(path).Time, DosDateTime(1980, 1, 1, 0, 0, 0));
}

TEST_F(PosixFileSystemTest, NothingAtThePathIsMissing)
{
  FTree.AddFile("here.txt", "x");
  EXPECT_EQ(FFs.Examine(FTree.Path("gone.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("gone/a.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("here.txt/a.txt")).Kind, TEntryState::Missing);
}

TEST_F(PosixFileSystemTest, DirectoryIsPresentWithSizeZeroAndItsOwnTime)
{
  TZoneOverride zone("UTC");
  const std::string dir = FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  SetModTime(dir, UtcTime(2010, 2, 3, 4, 5, 6));
  const TEntryState state = FFs.Examine(dir);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(state.Time, DosDateTime(2010, 2, 3, 4, 5, 6));
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

TEST_F(PosixFileSystemTest, UnreadableFileIsDeniedButListed)
{
  if (RunningAsRoot()) GTEST_SKIP() << "root reads files whatever their mode";
  const std::string path = FTree.AddFile("locked.txt", "hello");
  ASSERT_EQ(chmod(path.c_str(), 0), 0);
  EXPECT_EQ(FFs.Examine(path).Kind, TEntryState::Denied);
  EXPECT_EQ(FFs.OpenRead(path), nullptr);
  EXPECT_EQ(ListAll(FFs, FTree.Path()).at("locked.txt").Size, 5);
}

TEST_F(PosixFileSystemTest, ClosedDirectoryIsPresentButYieldsNothing)
{
  if (RunningAsRoot()) GTEST_SKIP() << "root lists directories whatever their mode";
  const std::string dir = FTree.AddDir("closed");
  FTree.AddFile("closed/inner.txt", "x");
  ASSERT_EQ(chmod(dir.c_str(), 0), 0);
  EXPECT_EQ(FFs.Examine(dir).Kind, TEntryState::Present);
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(dir + "/*.*", true)->Next(entry));
  EXPECT_EQ(FFs.Examine(dir + "/inner.txt").Kind, TEntryState::Denied);
}

TEST_F(PosixFileSystemTest, WrittenBytesReadBackExactly)
{
  const std::string path = FTree.Path("out.qv");
  const std::string bytes("a.txt\0\1\0\0\0\x21\x43\x65\x27\x0a\0\0\0\r\n\xff", 22);
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write(bytes.data(), bytes.size()));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(ReadWholeFile(path), bytes);
  auto in = FFs.OpenRead(path);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->Size(), 22);
  std::string back(30, '?');
  EXPECT_EQ(in->Read(back.data(), back.size()), 22u);
  EXPECT_EQ(back.substr(0, 22), bytes);
  EXPECT_EQ(in->Read(back.data(), back.size()), 0u);
}

TEST_F(PosixFileSystemTest, CreateTruncatesAndFailsInAMissingDirectory)
{
  const std::string path = FTree.AddFile("old.txt", "a much longer old text");
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write("new", 3));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(ReadWholeFile(path), "new");
  EXPECT_EQ(FFs.Create(FTree.Path("gone/out.qv")), nullptr);
}

TEST_F(PosixFileSystemTest, WriteOnAFullDeviceReportsFailure)
{
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full";
  auto out = FFs.Create("/dev/full");
  ASSERT_NE(out, nullptr);
  const std::string block(4096, 'x');
  EXPECT_FALSE(out->Write(block.data(), block.size()));
  out->Close();
}

TEST_F(PosixFileSystemTest, ReadErrorThrowsNamingTheFile)
{
  auto in = FFs.OpenRead("/proc/self/mem");
  if (!in) GTEST_SKIP() << "no /proc/self/mem";
  char buffer[16];
  try {
    in->Read(buffer, sizeof buffer);
    FAIL() << "no read error";
  } catch (const EQVError& error) {
    EXPECT_STREQ(error.what(), "Cannot read file /proc/self/mem");
  }
}

TEST_F(PosixFileSystemTest, OpenReadOfADirectoryOrMissingFileFails)
{
  FTree.AddDir("Sub");
  EXPECT_EQ(FFs.OpenRead(FTree.Path("Sub")), nullptr);
  EXPECT_EQ(FFs.OpenRead(FTree.Path("gone")), nullptr);
}

TEST_F(PosixFileSystemTest, ReplaceMovesOverTheOldFileAndRemoveDeletes)
{
  const std::string target = FTree.AddFile("scan.qv", "old");
  const std::string temp = FTree.AddFile("scan.qv.tmp", "new contents");
  EXPECT_TRUE(FFs.Replace(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "new contents");
  EXPECT_NE(access(temp.c_str(), F_OK), 0);
  EXPECT_FALSE(FFs.Replace(temp, target));
  FFs.Remove(target);
  EXPECT_NE(access(target.c_str(), F_OK), 0);
}

TEST(PosixDateText, ShortDateSpaceTimeAndNoTimeAtMidnight)
{
  // The tests never call setlocale, so the C locale's formats apply.
  TPosixFileSystem fs;
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 14, 3, 22)), "12/05/98 14:03:22");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(1998, 12, 5, 0, 0, 0)), "12/05/98");
  EXPECT_EQ(fs.DateTimeText(DosDateTime(2001, 2, 3, 0, 0, 2)), "02/03/01 00:00:02");
}

TEST(PosixClock, TicksCountMilliseconds)
{
  TPosixFileSystem fs;
  const uint32_t before = fs.Ticks();
  std::this_thread::sleep_for(std::chrono::milliseconds(120));
  const uint32_t elapsed = fs.Ticks() - before;
  EXPECT_GE(elapsed, 100u);
  EXPECT_LT(elapsed, 10000u);
}
