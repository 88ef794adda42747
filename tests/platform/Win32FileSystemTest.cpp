// The Win32 side of the file-system seam on a real tree under Wine: paths,
// enumeration and what a compare finds at a recorded path.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "platform/PlatformFileSystem.h"
#include "platform/win32/Win32DirEnum.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/support/Win32TempTree.h"

namespace {

std::map<std::string, TFindData> ListAll(TFileSystem& Fs, const std::string& Pattern, bool WantAttributes = true)
{
  std::map<std::string, TFindData> entries;
  auto found = Fs.FindFirst(Pattern, WantAttributes);
  TFindData entry;
  while (found->Next(entry)) entries[entry.Name] = entry;
  return entries;
}

// Another program's handle on a file, with the sharing it chose.
class THeldOpen {
public:
  THeldOpen(const std::string& Path, DWORD Access, DWORD Share)
      : FHandle(CreateFileA(Path.c_str(), Access, Share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
  {}
  ~THeldOpen()
  {
    if (FHandle != INVALID_HANDLE_VALUE) CloseHandle(FHandle);
  }
  THeldOpen(const THeldOpen&) = delete;
  THeldOpen& operator=(const THeldOpen&) = delete;
  bool Held() const { return FHandle != INVALID_HANDLE_VALUE; }

private:
  HANDLE FHandle;
};

// The error a plain read-only open of Path gets while others hold it.
DWORD OpenError(const std::string& Path, DWORD Share)
{
  HANDLE file = CreateFileA(Path.c_str(), GENERIC_READ, Share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return NO_ERROR;
}

class Win32FileSystemTest : public ::testing::Test {
protected:
  TWin32TempTree FTree;
  TWin32FileSystem FFs;
};

}  // namespace

TEST(Win32Paths, FactoryMakesTheWin32FileSystem)
{
  auto fs = CreatePlatformFileSystem();
  ASSERT_NE(dynamic_cast<TWin32FileSystem*>(fs.get()), nullptr);
  EXPECT_EQ(fs->Separator(), '\\');
}

TEST(Win32Paths, BackslashSlashAndColonEndADirectoryPart)
{
  TWin32FileSystem fs;
  EXPECT_TRUE(fs.IsPathDelimiter('\\'));
  EXPECT_TRUE(fs.IsPathDelimiter('/'));
  EXPECT_TRUE(fs.IsPathDelimiter(':'));
  EXPECT_FALSE(fs.IsPathDelimiter('.'));
  EXPECT_FALSE(fs.IsPathDelimiter('a'));
}

TEST(Win32Paths, EntryNamesCarryNoDirectoryPart)
{
  TWin32FileSystem fs;
  EXPECT_TRUE(fs.ValidEntryName("a.txt"));
  EXPECT_TRUE(fs.ValidEntryName("...hidden"));
  EXPECT_TRUE(fs.ValidEntryName("na\xefve r\xe9sum\xe9.doc"));
  EXPECT_FALSE(fs.ValidEntryName(""));
  EXPECT_FALSE(fs.ValidEntryName("."));
  EXPECT_FALSE(fs.ValidEntryName(".."));
  EXPECT_FALSE(fs.ValidEntryName("..\\..\\boot.ini"));
  EXPECT_FALSE(fs.ValidEntryName("sub/a.txt"));
  EXPECT_FALSE(fs.ValidEntryName("C:a.txt"));
}

TEST(Win32Paths, FullPathResolvesDotsSlashesAndTheCurrentDirectory)
{
  TWin32FileSystem fs;
  EXPECT_EQ(fs.FullPath("C:\\Data\\Old\\..\\New\\.\\a.txt"), "C:\\Data\\New\\a.txt");
  EXPECT_EQ(fs.FullPath("C:/Data/Sub/"), "C:\\Data\\Sub\\");
  TWin32TempTree tree;
  char previous[MAX_PATH];
  ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(tree.Path().c_str()));
  const std::string full = fs.FullPath("sub\\a.txt");
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(full, tree.Path("sub\\a.txt"));
}

// The browse-dialog tests need trees in the root of a drive, each under a
// name never used before, and gone again with read-only files in them.
TEST(Win32TempTree, TreesInAGivenFolderGetFreshNamesAndAreRemovedWhole)
{
  std::string first, second;
  {
    TWin32TempTree a("C:\\"), b("C:");
    first = a.Path();
    second = b.Path();
    EXPECT_EQ(first.rfind("C:\\", 0), 0u);
    EXPECT_EQ(first.find('\\', 3), std::string::npos);
    EXPECT_NE(first, second);
    a.AddDir("sub");
    a.AddFile("sub\\locked.txt", "x", FILE_ATTRIBUTE_READONLY);
  }
  EXPECT_FALSE(FileExists(first));
  EXPECT_FALSE(FileExists(second));
  EXPECT_THROW(TWin32TempTree("C:\\no such folder"), std::runtime_error);
}

TEST_F(Win32FileSystemTest, EnumerationListsDotEntriesAndEveryFileWhateverItsAttributes)
{
  FTree.AddFile("normal.txt", "0123456789");
  FTree.AddFile("hidden.txt", "abc", FILE_ATTRIBUTE_HIDDEN);
  FTree.AddFile("system.sys", "abcd", FILE_ATTRIBUTE_SYSTEM);
  FTree.AddFile("readonly.txt", "abcde", FILE_ATTRIBUTE_READONLY);
  FTree.AddFile("empty.dat", "");
  FTree.AddDir("Sub");
  const auto entries = ListAll(FFs, FTree.Path("*.*"));
  std::string names;
  for (const auto& [name, entry] : entries) names += name + "|";
  EXPECT_EQ(names, ".|..|Sub|empty.dat|hidden.txt|normal.txt|readonly.txt|system.sys|");
  EXPECT_EQ(entries.at("normal.txt").Size, 10);
  EXPECT_EQ(entries.at("hidden.txt").Size, 3);
  EXPECT_EQ(entries.at("system.sys").Size, 4);
  EXPECT_EQ(entries.at("readonly.txt").Size, 5);
  EXPECT_EQ(entries.at("empty.dat").Size, 0);
  EXPECT_FALSE(entries.at("hidden.txt").Directory);
  EXPECT_FALSE(entries.at("readonly.txt").Link);
}

TEST_F(Win32FileSystemTest, SubdirectoryIsADirectoryOfSizeZeroAndNotALink)
{
  FTree.AddDir("Sub");
  FTree.AddFile("Sub\\inner.txt", "12345");
  SetLocalWriteTime(FTree.Path("Sub"), MakeSystemTime(2003, 7, 8, 9, 10, 12));
  for (bool wantAttributes : {true, false}) {
    const TFindData sub = ListAll(FFs, FTree.Path("*.*"), wantAttributes).at("Sub");
    EXPECT_TRUE(sub.Directory);
    EXPECT_FALSE(sub.Link);
    EXPECT_EQ(sub.Size, 0);
  }
  EXPECT_EQ(ListAll(FFs, FTree.Path("*.*")).at("Sub").Time, DosDateTime(2003, 7, 8, 9, 10, 12));
  EXPECT_EQ(ListAll(FFs, FTree.Path("Sub\\*.*")).at("inner.txt").Size, 5);
}

TEST_F(Win32FileSystemTest, EnumeratedTimesAreLocalDosTimesWithOddSecondsRoundedDown)
{
  SetLocalWriteTime(FTree.AddFile("odd.txt", "x"), MakeSystemTime(2021, 3, 4, 5, 6, 7));
  SetLocalWriteTime(FTree.AddFile("even.txt", "x"), MakeSystemTime(1999, 12, 31, 23, 59, 58));
  SetLocalWriteTime(FTree.AddFile("first.txt", "x"), MakeSystemTime(1980, 1, 1, 0, 0, 0));
  const auto entries = ListAll(FFs, FTree.Path("*.*"));
  EXPECT_EQ(entries.at("odd.txt").Time, DosDateTime(2021, 3, 4, 5, 6, 6));
  EXPECT_EQ(entries.at("even.txt").Time, DosDateTime(1999, 12, 31, 23, 59, 58));
  EXPECT_EQ(entries.at("first.txt").Time, DosDateTime(1980, 1, 1, 0, 0, 0));
}

TEST_F(Win32FileSystemTest, TimeBefore1980IsZero)
{
  SetLocalWriteTime(FTree.AddFile("old.txt", "x"), MakeSystemTime(1975, 6, 1, 12, 0, 0));
  EXPECT_EQ(ListAll(FFs, FTree.Path("*.*")).at("old.txt").Time, 0u);
  EXPECT_EQ(FFs.Examine(FTree.Path("old.txt")).Time, 0u);
}

TEST_F(Win32FileSystemTest, DirectoryThatCannotBeListedYieldsNothing)
{
  FTree.AddFile("plain.txt", "x");
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("gone\\*.*"), true)->Next(entry));
  EXPECT_FALSE(FFs.FindFirst(FTree.Path("plain.txt\\*.*"), true)->Next(entry));
  EXPECT_FALSE(FFs.FindFirst("Q:\\no\\such\\drive\\*.*", false)->Next(entry));
}

TEST_F(Win32FileSystemTest, EnumerationEndsForGoodAfterTheLastEntry)
{
  FTree.AddFile("only.txt", "x");
  auto found = FFs.FindFirst(FTree.Path("*.*"), true);
  TFindData entry;
  int count = 0;
  while (found->Next(entry)) ++count;
  EXPECT_EQ(count, 3);
  EXPECT_FALSE(found->Next(entry));
}

TEST(Win32FindData, JunctionIsALinkNotADirectory)
{
  WIN32_FIND_DATAA found{};
  strcpy(found.cFileName, "Application Data");
  found.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_HIDDEN;
  found.nFileSizeLow = 4096;
  const TFindData entry = FindDataFromWin32(found);
  EXPECT_EQ(entry.Name, "Application Data");
  EXPECT_FALSE(entry.Directory);
  EXPECT_TRUE(entry.Link);
  EXPECT_EQ(entry.Size, 0);
}

TEST(Win32FindData, FileSymlinkIsALinkWithItsOwnSize)
{
  WIN32_FIND_DATAA found{};
  strcpy(found.cFileName, "link.txt");
  found.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT;
  found.nFileSizeLow = 17;
  const TFindData entry = FindDataFromWin32(found);
  EXPECT_FALSE(entry.Directory);
  EXPECT_TRUE(entry.Link);
  EXPECT_EQ(entry.Size, 17);
}

TEST(Win32FindData, SizeIsTheLow32Bits)
{
  WIN32_FIND_DATAA found{};
  found.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
  found.nFileSizeHigh = 1;
  found.nFileSizeLow = 5;
  EXPECT_EQ(FindDataFromWin32(found).Size, 5);
  found.nFileSizeLow = 0xFFFFFFFF;
  EXPECT_EQ(FindDataFromWin32(found).Size, -1);
  found.nFileSizeLow = 0x80000000;
  EXPECT_EQ(FindDataFromWin32(found).Size, INT32_MIN);
}

TEST(Win32FindData, TimeThatCannotBeConvertedIsZero)
{
  WIN32_FIND_DATAA found{};
  found.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
  found.ftLastWriteTime = {0, 0};  // 1601
  EXPECT_EQ(FindDataFromWin32(found).Time, 0u);
}

TEST_F(Win32FileSystemTest, NothingAtThePathIsMissing)
{
  FTree.AddFile("here.txt", "x");
  EXPECT_EQ(FFs.Examine(FTree.Path("gone.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("gone\\a.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("here.txt\\a.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine("Q:\\no\\such\\drive.txt").Kind, TEntryState::Missing);
}

TEST_F(Win32FileSystemTest, WildcardsInARecordedNameAreNotPatterns)
{
  FTree.AddFile("ab.txt", "x");
  EXPECT_EQ(FFs.Examine(FTree.Path("a*.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("a?.txt")).Kind, TEntryState::Missing);
  EXPECT_EQ(FFs.Examine(FTree.Path("ab.txt")).Kind, TEntryState::Present);
}

TEST_F(Win32FileSystemTest, PresentFileHasItsSizeAndLocalDosTime)
{
  const std::string path = FTree.AddFile("a.txt", std::string(150, 'x'));
  SetLocalWriteTime(path, MakeSystemTime(1998, 12, 5, 14, 3, 23));
  const TEntryState state = FFs.Examine(path);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 150);
  EXPECT_EQ(state.Time, DosDateTime(1998, 12, 5, 14, 3, 22));
}

TEST_F(Win32FileSystemTest, HiddenSystemAndReadOnlyFilesAreExaminedLikeOthers)
{
  for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY}) {
    const std::string path = FTree.AddFile("f" + std::to_string(attributes), "1234", attributes);
    const TEntryState state = FFs.Examine(path);
    EXPECT_EQ(state.Kind, TEntryState::Present) << attributes;
    EXPECT_EQ(state.Size, 4) << attributes;
  }
}

TEST_F(Win32FileSystemTest, DirectoryIsPresentWithSizeZeroAndItsOwnTime)
{
  const std::string dir = FTree.AddDir("Sub");
  FTree.AddFile("Sub\\inner.txt", "12345");
  SetLocalWriteTime(dir, MakeSystemTime(2010, 2, 3, 4, 5, 6));
  const TEntryState state = FFs.Examine(dir);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(state.Time, DosDateTime(2010, 2, 3, 4, 5, 6));
}

TEST_F(Win32FileSystemTest, FileOthersHoldOpenWithSharingIsStillExamined)
{
  const std::string path = FTree.AddFile("log.txt", "0123456789");
  THeldOpen writer(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  ASSERT_TRUE(writer.Held());
  const TEntryState state = FFs.Examine(path);
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 10);
}

TEST_F(Win32FileSystemTest, FileOthersHoldOpenForDeletionIsStillExamined)
{
  const std::string path = FTree.AddFile("doomed.txt", "0123");
  THeldOpen deleter(path, GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
  ASSERT_TRUE(deleter.Held());
  // Without FILE_SHARE_DELETE of our own, this open would be refused.
  ASSERT_EQ(OpenError(path, FILE_SHARE_READ | FILE_SHARE_WRITE), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(FFs.Examine(path).Kind, TEntryState::Present);
  EXPECT_NE(FFs.OpenRead(path), nullptr);
}

TEST_F(Win32FileSystemTest, FileHeldOpenWithoutSharingIsDenied)
{
  const std::string path = FTree.AddFile("locked.txt", "0123456789");
  THeldOpen locker(path, GENERIC_READ, 0);
  ASSERT_TRUE(locker.Held());
  ASSERT_EQ(OpenError(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE),
            static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  const TEntryState state = FFs.Examine(path);
  EXPECT_EQ(state.Kind, TEntryState::Denied);
  EXPECT_EQ(state.Size, 0);
  EXPECT_EQ(FFs.OpenRead(path), nullptr);
}
