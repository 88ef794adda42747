// What only the Win32 side of the file-system seam does, on a real tree under
// Wine: its paths, file attributes, reparse points, and files that other
// programs hold open.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/Win32DirEnum.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/platform/NativeTree.h"

namespace {

// Another program's handle on a file, with the sharing it chose.
using THeldOpen = std::unique_ptr<void, decltype(&CloseHandle)>;
THeldOpen HoldOpen(const std::string& Path, DWORD Access, DWORD Share)
{
  HANDLE file = CreateFileA(Path.c_str(), Access, Share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return THeldOpen(file == INVALID_HANDLE_VALUE ? nullptr : file, &CloseHandle);
}

// The error a plain read-only open of Path gets while others hold it.
DWORD OpenError(const std::string& Path, DWORD Share)
{
  HANDLE file = CreateFileA(Path.c_str(), GENERIC_READ, Share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return NO_ERROR;
}

class Win32FileSystemTest : public TNativeTreeTest {};

}  // namespace

TEST(Win32Paths, BackslashSlashAndColonEndADirectoryPartAndNoEntryNameHoldsOne)
{
  TWin32FileSystem fs;
  for (char c : {'\\', '/', ':'}) EXPECT_TRUE(fs.IsPathDelimiter(c)) << c;
  for (char c : {'.', 'a'}) EXPECT_FALSE(fs.IsPathDelimiter(c)) << c;
  for (const char* name : {"a.txt", "...hidden", "na\xefve r\xe9sum\xe9.doc"})
    EXPECT_TRUE(fs.ValidEntryName(name)) << name;
  for (const char* name : {"", ".", "..", "..\\..\\boot.ini", "sub/a.txt", "C:a.txt"})
    EXPECT_FALSE(fs.ValidEntryName(name)) << name;
  EXPECT_EQ(fs.FullPath("C:/Data/Sub/"), "C:\\Data\\Sub\\");
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

TEST_F(Win32FileSystemTest, HiddenSystemAndReadOnlyFilesAreFoundButWildcardsAndAMissingDriveFindNothing)
{
  for (DWORD attributes : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY}) {
    const std::string name = "f" + std::to_string(attributes);
    const TEntryState state = FFs.Examine(FTree.AddFile(name, "1234", attributes));
    EXPECT_EQ(state.Kind, TEntryState::Present) << attributes;
    EXPECT_EQ(state.Size, 4) << attributes;
    const TFindData found = List().at(name);
    EXPECT_EQ(found.Size, 4) << attributes;
    EXPECT_FALSE(found.Directory || found.Link) << attributes;
  }
  FTree.AddFile("ab.txt", "x");
  for (const std::string& path : {FTree.Path("a*.txt"), FTree.Path("a?.txt"), std::string("Q:\\no\\such\\drive.txt")})
    EXPECT_EQ(FFs.Examine(path).Kind, TEntryState::Missing) << path;
  EXPECT_EQ(FFs.Examine(FTree.Path("ab.txt")).Kind, TEntryState::Present);
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst("Q:\\no\\such\\drive\\*.*", false)->Next(entry));
}

// Junctions and symbolic links are recorded, never entered; sizes are the
// low 32 bits; a time that cannot be converted is 0.
TEST(Win32FindData, AttributesSizesAndTimesAreTranslated)
{
  const struct {
    DWORD Attributes, SizeHigh, SizeLow;
    bool Directory, Link;
    int32_t Size;
  } cases[] = {
      {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_HIDDEN, 0, 4096, false, true, 0},
      {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT, 0, 17, false, true, 17},
      {FILE_ATTRIBUTE_DIRECTORY, 0, 4096, true, false, 0},
      {FILE_ATTRIBUTE_ARCHIVE, 1, 5, false, false, 5},
      {FILE_ATTRIBUTE_ARCHIVE, 0, 0xFFFFFFFF, false, false, -1},
      {FILE_ATTRIBUTE_ARCHIVE, 0, 0x80000000, false, false, INT32_MIN}};
  for (const auto& c : cases) {
    WIN32_FIND_DATAA found{};
    strcpy(found.cFileName, "Application Data");
    found.dwFileAttributes = c.Attributes;
    found.nFileSizeHigh = c.SizeHigh;
    found.nFileSizeLow = c.SizeLow;
    found.ftLastWriteTime = {0, 0};  // 1601
    const TFindData entry = FindDataFromWin32(found);
    EXPECT_EQ(entry.Name, "Application Data");
    EXPECT_EQ(entry.Directory, c.Directory) << c.Attributes;
    EXPECT_EQ(entry.Link, c.Link) << c.Attributes;
    EXPECT_EQ(entry.Size, c.Size) << c.SizeLow;
    EXPECT_EQ(entry.Time, 0u);
  }
}

// A file another program holds open is examined and read while that program
// shares it, also when it holds it for deletion (which a plain open without
// FILE_SHARE_DELETE is refused), and denied when it does not share it.
TEST_F(Win32FileSystemTest, FileOthersHoldOpenIsExaminedWhenSharedAndDeniedWhenNot)
{
  const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  const struct {
    DWORD Access, Share, CheckShare, CheckError;
    bool Readable;
  } cases[] = {{GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, all, NO_ERROR, true},
               {GENERIC_READ | DELETE, all, FILE_SHARE_READ | FILE_SHARE_WRITE, ERROR_SHARING_VIOLATION, true},
               {GENERIC_READ, 0, all, ERROR_SHARING_VIOLATION, false}};
  for (const auto& c : cases) {
    const std::string path = FTree.AddFile("held" + std::to_string(c.Access) + ".txt", "0123456789");
    const THeldOpen other = HoldOpen(path, c.Access, c.Share);
    ASSERT_TRUE(other);
    ASSERT_EQ(OpenError(path, c.CheckShare), c.CheckError) << c.Access;
    const TEntryState state = FFs.Examine(path);
    EXPECT_EQ(state.Kind, c.Readable ? TEntryState::Present : TEntryState::Denied) << c.Access;
    EXPECT_EQ(state.Size, c.Readable ? 10 : 0) << c.Access;
    EXPECT_EQ(FFs.OpenRead(path) != nullptr, c.Readable) << c.Access;
  }
}

TEST_F(Win32FileSystemTest, FileBeingWrittenIsNotSharedAndReplacingAFileHeldOpenKeepsBothFiles)
{
  const std::string path = FTree.Path("busy.qv");
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(OpenError(path, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE),
            static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(out->Close());
  const std::string temp = FTree.AddFile("scan.qv.tmp", "new");
  const std::string locked = FTree.AddFile("locked.qv", "old");
  bool replaced;
  {
    const THeldOpen holder = HoldOpen(locked, GENERIC_READ, 0);
    ASSERT_TRUE(holder);
    replaced = FFs.Replace(temp, locked);
  }
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReadWholeFile(locked), "old");
  EXPECT_EQ(ReadWholeFile(temp), "new");
}
