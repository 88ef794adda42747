// The engine on the Win32 seam, end to end on a real tree: a scan, its two
// files, then a compare after the tree has changed.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/QVEngine.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/engine/RecordingHost.h"
#include "tests/support/Win32TempTree.h"

TEST(Win32Engine, ScanSaveAndCompareOnARealTree)
{
  TWin32TempTree tree, saves;
  TWin32FileSystem fs;
  TRecordingHost host;
  const std::string root = tree.Path();
  tree.AddFile("a.txt", std::string(100, 'a'));
  tree.AddFile("gone.txt", "x", FILE_ATTRIBUTE_HIDDEN);
  const std::string locked = tree.AddFile("locked.txt", "0123");
  tree.AddDir("Sub");
  SetLocalWriteTime(tree.AddFile("Sub\\b.txt", "bbbb"), MakeSystemTime(2001, 1, 1, 10, 0, 0));
  tree.AddDir("Skip");
  tree.AddFile("Skip\\c.txt", "c");
  // Exclusions compare ignoring case, as the options dialog's list is typed.
  host.Excluded = {root + "\\Skip"};
  CharUpperBuffA(host.Excluded[0].data(), static_cast<DWORD>(host.Excluded[0].size()));

  TQVEngine engine(fs, host);
  engine.Scan(root + "\\");
  EXPECT_EQ(engine.DirList(), (std::vector<std::string>{root + "\\", root, root + "\\Sub"}));
  EXPECT_EQ(engine.Count(), 4);
  const std::string collection = saves.Path("scan.qv");
  engine.SaveCollection(collection);
  EXPECT_EQ(ReadWholeFile(saves.Path("scan.qd")),
            std::string(TQVEngine::Banner) + "\r\n" + root + "\\\r\n" + root + "\r\n" + root + "\\Sub\r\n");

  tree.AddFile("a.txt", std::string(150, 'a'));
  SetFileAttributesA(tree.Path("gone.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(tree.Path("gone.txt").c_str());
  SetLocalWriteTime(tree.Path("Sub\\b.txt"), MakeSystemTime(2002, 2, 2, 12, 30, 0));
  tree.AddFile("new.txt", "n");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(engine.Compare(collection), 5u);
  CloseHandle(holder);

  const uint32_t savedAt = fs.Examine(collection).Time;
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{
                              "COLLECTION FOR " + root + "\\ (" + fs.DateTimeText(savedAt) + ")",
                              root + "\\a.txt - Size: 50",
                              root + "\\gone.txt - Missing",
                              locked + " - File Access Denied",
                              root + "\\Sub\\b.txt - " + fs.DateTimeText(DosDateTime(2002, 2, 2, 12, 30, 0)),
                              root + "\\new.txt - New",
                              "DONE, 00:00",
                          }));
}
