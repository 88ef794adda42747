// What both sides of the engine's file-system seam must do alike, each on a
// real temporary tree: this file is built into the POSIX and the Win32 tests.
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "engine/Errors.h"
#include "platform/PlatformFileSystem.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/platform/NativeTree.h"

namespace {

class FileSystemContract : public TNativeTreeTest {
protected:
  std::string ReadAll(const std::string& Relative)
  {
    auto in = FFs.OpenRead(FTree.Path(Relative));
    if (!in) return "(cannot open)";
    std::string bytes;
    char buffer[7];  // small on purpose: several reads per file
    while (size_t got = in->Read(buffer, sizeof buffer)) bytes.append(buffer, got);
    return bytes;
  }
};

// Files and directories that Unix permissions close to us: a mode 000 file
// and directory and a read-only file. Root ignores permissions, so these
// run as an ordinary user (run-unprivileged*.sh start one). The POSIX run
// makes the tree itself; a program under Wine cannot set Unix modes, so the
// Win32 run uses the tree its script made, passed in QV_DENIED_DIR.
class FileSystemPermissions : public TNativeTreeTest {
protected:
  void SetUp() override
  {
#ifdef _WIN32
    const char* dir = std::getenv("QV_DENIED_DIR");
    if (!dir || !*dir) GTEST_SKIP() << "needs the tree of run-unprivileged.sh (the platform_win32_unprivileged test)";
    FDir = dir;
#else
    if (geteuid() == 0) GTEST_SKIP() << "root reads files whatever their mode";
    FDir = FTree.Path();
    FTree.AddFile("unreadable.txt", "hello");
    FTree.AddFile("readonly.txt", "keep");
    FTree.AddDir("closed");
    FTree.AddFile("closed/inner.txt", "inner");
    ASSERT_EQ(chmod(Path("unreadable.txt").c_str(), 0), 0);
    ASSERT_EQ(chmod(Path("readonly.txt").c_str(), 0444), 0);
    ASSERT_EQ(chmod(Path("closed").c_str(), 0), 0);
#endif
  }
  std::string Path(const std::string& Name) const { return FDir + NativeSeparator + Name; }

  std::string FDir;
};

}  // namespace

TEST_F(FileSystemPermissions, UnreadableFileIsDeniedAndCannotBeOpenedButIsListed)
{
  const TEntryState state = FFs.Examine(Path("unreadable.txt"));
  EXPECT_EQ(state.Kind, TEntryState::Denied);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(FFs.OpenRead(Path("unreadable.txt")), nullptr);
  auto found = FFs.FindFirst(Path("*.*"), true);
  TFindData entry;
  while (found->Next(entry) && entry.Name != "unreadable.txt") {}
  EXPECT_EQ(entry.Name, "unreadable.txt");
  EXPECT_EQ(entry.Size, 5);
  EXPECT_EQ(FFs.Create(Path("readonly.txt")), nullptr);
}

// A closed directory is there but lists nothing, and what is inside it is
// denied, not missing.
TEST_F(FileSystemPermissions, ClosedDirectoryIsPresentButYieldsNothing)
{
  const TEntryState state = FFs.Examine(Path("closed"));
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 0);
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(Path("closed") + NativeSeparator + "*.*", true)->Next(entry));
  EXPECT_EQ(FFs.Examine(Path("closed") + NativeSeparator + "inner.txt").Kind, TEntryState::Denied);
}

// The factory makes the native file system, whose full paths resolve dots
// and the current directory.
TEST_F(FileSystemContract, FactoryAndFullPaths)
{
  EXPECT_EQ(FFs.FullPath(FTree.Path("old/../new/./a.txt")), FTree.Path("new/a.txt"));
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(FTree.Path());
  const std::string full = FFs.FullPath(std::string("sub") + NativeSeparator + "a.txt");
  std::filesystem::current_path(previous);
  EXPECT_EQ(full, FTree.Path("sub/a.txt"));
  auto fs = CreatePlatformFileSystem();
  ASSERT_NE(dynamic_cast<TNativeFileSystem*>(fs.get()), nullptr);
  EXPECT_EQ(fs->Separator(), NativeSeparator);
}

TEST_F(FileSystemContract, EnumerationListsDotEntriesFilesAndDirectoriesAndAnUnlistableDirectoryNothing)
{
  FTree.AddFile("a.txt", "0123456789");
  FTree.AddFile(".hidden", "abc");
  FTree.AddFile("empty.dat", "");
  FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  SetWallClockTime(FTree.Path("Sub"), 2003, 7, 8, 9, 10, 12);
  for (bool wantAttributes : {true, false}) {
    const auto entries = List("", wantAttributes);
    std::string names;
    for (const auto& [name, entry] : entries) names += name + (entry.Directory ? "/|" : "|");
    EXPECT_EQ(names, "./|../|.hidden|Sub/|a.txt|empty.dat|");
    EXPECT_FALSE(entries.at("Sub").Link);
    EXPECT_FALSE(entries.at("a.txt").Link);
  }
  const auto entries = List("");
  EXPECT_EQ(entries.at("a.txt").Size, 10);
  EXPECT_EQ(entries.at(".hidden").Size, 3);
  EXPECT_EQ(entries.at("empty.dat").Size, 0);
  EXPECT_EQ(entries.at("Sub").Size, 0);
  EXPECT_EQ(entries.at("Sub").Time, DosDateTime(2003, 7, 8, 9, 10, 12));
  EXPECT_EQ(List("Sub").at("inner.txt").Size, 5);
  // A directory that cannot be listed yields nothing, and an end is for good.
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("gone/*.*"), true)->Next(entry));
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("a.txt/*.*"), false)->Next(entry));
  auto found = FFs.FindFirst(FTree.Path("Sub/*.*"), true);
  int count = 0;
  while (found->Next(entry)) ++count;
  EXPECT_EQ(count, 3);
  EXPECT_FALSE(found->Next(entry));
}

// Enumeration, Examine and an open file all give the same local DOS time.
TEST_F(FileSystemContract, TimesAreLocalDosTimesWithOddSecondsRoundedDownAndNoneBefore1980)
{
  const struct {
    const char* Name;
    int Year, Month, Day, Hour, Minute, Second;
    uint32_t Expected;
  } cases[] = {{"odd.txt", 2021, 3, 4, 5, 6, 7, DosDateTime(2021, 3, 4, 5, 6, 6)},
               {"even.txt", 1999, 12, 31, 23, 59, 58, DosDateTime(1999, 12, 31, 23, 59, 58)},
               {"first.txt", 1980, 1, 1, 0, 0, 0, DosDateTime(1980, 1, 1)},
               {"old.txt", 1975, 6, 1, 12, 0, 0, 0}};
  for (const auto& c : cases)
    SetWallClockTime(FTree.AddFile(c.Name, "x"), c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second);
  const auto entries = List("");
  for (const auto& c : cases) {
    EXPECT_EQ(entries.at(c.Name).Time, c.Expected) << c.Name;
    EXPECT_EQ(FFs.Examine(FTree.Path(c.Name)).Time, c.Expected) << c.Name;
    EXPECT_EQ(FFs.OpenRead(FTree.Path(c.Name))->Time(), c.Expected) << c.Name;
  }
}

TEST_F(FileSystemContract, ExamineTellsMissingFilesFromPresentFilesAndDirectories)
{
  const std::string file = FTree.AddFile("a.txt", std::string(150, 'x'));
  SetWallClockTime(file, 1998, 12, 5, 14, 3, 23);
  const std::string dir = FTree.AddDir("Sub");
  FTree.AddFile("Sub/inner.txt", "12345");
  SetWallClockTime(dir, 2010, 2, 3, 4, 5, 6);
  for (const char* gone : {"gone.txt", "gone/a.txt", "a.txt/a.txt"})
    EXPECT_EQ(FFs.Examine(FTree.Path(gone)).Kind, TEntryState::Missing) << gone;
  TEntryState state = FFs.Examine(file);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_FALSE(state.Directory);
  EXPECT_EQ(state.Size, 150);
  EXPECT_EQ(state.Time, DosDateTime(1998, 12, 5, 14, 3, 22));
  state = FFs.Examine(dir);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_TRUE(state.Directory);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(state.Time, DosDateTime(2010, 2, 3, 4, 5, 6));
  EXPECT_EQ(FFs.OpenRead(dir), nullptr);
  EXPECT_EQ(FFs.OpenRead(FTree.Path("gone.txt")), nullptr);
}

TEST_F(FileSystemContract, WrittenBytesReadBackExactlyAndCreateTruncates)
{
  const std::string path = FTree.AddFile("out.qv", "a much longer old text than the new one");
  const std::string bytes("a.txt\0\1\0\0\0\x21\x43\x65\x27\x0a\0\0\0\r\n\xff", 22);
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write(bytes.data(), bytes.size()));
  EXPECT_TRUE(out->Write("", 0));
  EXPECT_TRUE(out->Close());
  // A closed file takes no more bytes and no second close.
  EXPECT_FALSE(out->Write("x", 1));
  EXPECT_FALSE(out->Close());
  EXPECT_EQ(ReadWholeFile(path), bytes);
  EXPECT_EQ(ReadAll("out.qv"), bytes);
  EXPECT_EQ(FFs.OpenRead(path)->Size(), 22);
  EXPECT_EQ(FFs.Create(FTree.Path("gone/out.qv")), nullptr);
}

// /dev/full takes no byte: the case of a full disk.
TEST_F(FileSystemContract, WriteToAFullDeviceAndAReadErrorFail)
{
  const std::string device = UnixFile("/dev/full");
  if (device.empty()) GTEST_SKIP() << "no device that is always full";
  auto out = FFs.Create(device);
  ASSERT_NE(out, nullptr);
  const std::string block(4096, 'x');
  EXPECT_FALSE(out->Write(block.data(), block.size()));
  out->Close();
  const std::string path = UnixFile("/proc/self/mem");
  auto in = path.empty() ? nullptr : FFs.OpenRead(path);
  if (!in) GTEST_SKIP() << "no file that opens but cannot be read";
  char buffer[16];
  ExpectFailure<EQVError>([&] { in->Read(buffer, sizeof buffer); }, "Cannot read file " + path);
}

TEST_F(FileSystemContract, ReplaceMovesOverOrCreatesTheTargetAndRemoveIgnoresAMissingFile)
{
  const std::string target = FTree.AddFile("scan.qv", "old");
  const std::string temp = FTree.AddFile("scan.qv.tmp", "new contents");
  EXPECT_TRUE(FFs.Replace(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "new contents");
  EXPECT_EQ(FFs.Examine(temp).Kind, TEntryState::Missing);
  EXPECT_FALSE(FFs.Replace(temp, target));
  EXPECT_TRUE(FFs.Replace(FTree.AddFile("scan.qd.tmp", "dirs"), FTree.Path("scan.qd")));
  EXPECT_EQ(ReadWholeFile(FTree.Path("scan.qd")), "dirs");
  const std::string kept = FTree.AddFile("keep.tmp", "new");
  EXPECT_FALSE(FFs.Replace(kept, FTree.Path("gone/scan.qv")));
  EXPECT_EQ(ReadWholeFile(kept), "new");
  FFs.Remove(target);
  EXPECT_EQ(FFs.Examine(target).Kind, TEntryState::Missing);
  FFs.Remove(target);
}

TEST(FileSystemContractClock, TicksCountMilliseconds)
{
  TNativeFileSystem fs;
  const uint32_t before = fs.Ticks();
  std::this_thread::sleep_for(std::chrono::milliseconds(120));
  const uint32_t elapsed = fs.Ticks() - before;
  EXPECT_GE(elapsed, 100u);
  EXPECT_LT(elapsed, 10000u);
}
