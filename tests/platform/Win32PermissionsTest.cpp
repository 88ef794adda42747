// Files and directories that Unix permissions close to us. Root ignores
// permissions, so these run only when run-unprivileged.sh has built the tree
// (mode 000 file and directory, a read-only file) and started this program
// as an ordinary user; it passes the tree's Windows path in QV_DENIED_DIR.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/win32/Win32FileSystem.h"

namespace {

class Win32UnixPermissions : public ::testing::Test {
protected:
  void SetUp() override
  {
    const char* dir = std::getenv("QV_DENIED_DIR");
    if (!dir || !*dir) GTEST_SKIP() << "needs the tree of run-unprivileged.sh (the platform_win32_unprivileged test)";
    FDir = dir;
  }
  std::string Path(const std::string& Name) const { return FDir + "\\" + Name; }

  std::string FDir;
  TWin32FileSystem FFs;
};

}  // namespace

TEST_F(Win32UnixPermissions, UnreadableFileIsDeniedAndCannotBeOpenedButIsListed)
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
TEST_F(Win32UnixPermissions, UnlistableDirectoryIsPresentButYieldsNothing)
{
  const TEntryState state = FFs.Examine(Path("closed"));
  EXPECT_EQ(state.Kind, TEntryState::Present);
  EXPECT_EQ(state.Size, 0);
  TFindData entry;
  EXPECT_FALSE(FFs.FindFirst(Path("closed\\*.*"), true)->Next(entry));
  EXPECT_EQ(FFs.Examine(Path("closed\\inner.txt")).Kind, TEntryState::Denied);
}
