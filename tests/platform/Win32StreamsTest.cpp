// Reading, writing, replacing and removing files through the Win32 seam.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/Errors.h"
#include "platform/win32/Win32FileSystem.h"
#include "tests/support/Win32TempTree.h"

namespace {

class Win32StreamsTest : public ::testing::Test {
protected:
  TWin32TempTree FTree;
  TWin32FileSystem FFs;
};

std::string ReadAll(TInFile& In)
{
  std::string bytes;
  char buffer[7];  // small on purpose: several reads per file
  while (size_t got = In.Read(buffer, sizeof buffer)) bytes.append(buffer, got);
  return bytes;
}

}  // namespace

TEST_F(Win32StreamsTest, WrittenBytesReadBackExactly)
{
  const std::string path = FTree.Path("out.qv");
  const std::string bytes("a.txt\0\1\0\0\0\x21\x43\x65\x27\x0a\0\0\0\r\n\xff", 22);
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write(bytes.data(), bytes.size()));
  EXPECT_TRUE(out->Write("", 0));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(ReadWholeFile(path), bytes);
  auto in = FFs.OpenRead(path);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->Size(), 22);
  EXPECT_EQ(ReadAll(*in), bytes);
  EXPECT_EQ(in->Read(nullptr, 0), 0u);
}

TEST_F(Win32StreamsTest, CreateReplacesTheOldContents)
{
  const std::string path = FTree.AddFile("old.txt", "a much longer old text");
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Write("new", 3));
  EXPECT_TRUE(out->Close());
  EXPECT_EQ(ReadWholeFile(path), "new");
}

TEST_F(Win32StreamsTest, FileBeingWrittenIsNotSharedWithOthers)
{
  const std::string path = FTree.Path("busy.qv");
  auto out = FFs.Create(path);
  ASSERT_NE(out, nullptr);
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  const DWORD error = GetLastError();
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
  EXPECT_EQ(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
  EXPECT_TRUE(out->Close());
}

TEST_F(Win32StreamsTest, CreateInAMissingDirectoryFails) { EXPECT_EQ(FFs.Create(FTree.Path("gone\\out.qv")), nullptr); }

TEST_F(Win32StreamsTest, ClosedFileRefusesFurtherWritesAndASecondClose)
{
  auto out = FFs.Create(FTree.Path("once.txt"));
  ASSERT_NE(out, nullptr);
  EXPECT_TRUE(out->Close());
  EXPECT_FALSE(out->Write("x", 1));
  EXPECT_FALSE(out->Close());
}

// Z:\ is the Unix root under Wine, so /dev/full is a device that takes no
// byte: the case of a full disk.
TEST_F(Win32StreamsTest, WriteOnAFullDeviceReportsFailure)
{
  if (!RunningUnderWine() || !Listed("Z:\\dev\\full")) GTEST_SKIP() << "needs Wine's Z: drive and /dev/full";
  auto out = FFs.Create("Z:\\dev\\full");
  ASSERT_NE(out, nullptr);
  const std::string block(4096, 'x');
  EXPECT_FALSE(out->Write(block.data(), block.size()));
  out->Close();
}

TEST_F(Win32StreamsTest, OpenReadTakesSizeAndLocalTimeFromTheFile)
{
  const std::string path = FTree.AddFile("a.qv", std::string(37, 'r'));
  SetLocalWriteTime(path, MakeSystemTime(1998, 12, 5, 14, 3, 22));
  auto in = FFs.OpenRead(path);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->Size(), 37);
  EXPECT_EQ(in->Time(), DosDateTime(1998, 12, 5, 14, 3, 22));
}

TEST_F(Win32StreamsTest, OpenReadOfAMissingFileOrADirectoryFails)
{
  FTree.AddDir("Sub");
  EXPECT_EQ(FFs.OpenRead(FTree.Path("gone.qv")), nullptr);
  EXPECT_EQ(FFs.OpenRead(FTree.Path("Sub")), nullptr);
}

// Reading /proc/self/mem at offset 0 fails on Linux, which Wine passes on
// as a failed ReadFile: a real read error on a file that did open.
TEST_F(Win32StreamsTest, ReadErrorThrowsNamingTheFile)
{
  const std::string path = "Z:\\proc\\self\\mem";
  if (!RunningUnderWine() || !Listed(path)) GTEST_SKIP() << "needs Wine's Z: drive and /proc";
  auto in = FFs.OpenRead(path);
  ASSERT_NE(in, nullptr);
  char buffer[16];
  try {
    in->Read(buffer, sizeof buffer);
    FAIL() << "no read error";
  } catch (const EQVError& error) {
    EXPECT_STREQ(error.what(), "Cannot read file Z:\\proc\\self\\mem");
  }
}

TEST_F(Win32StreamsTest, ReplaceMovesTheNewFileOverTheOld)
{
  const std::string target = FTree.AddFile("scan.qv", "old");
  const std::string temp = FTree.AddFile("scan.qv.tmp", "new contents");
  EXPECT_TRUE(FFs.Replace(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "new contents");
  EXPECT_FALSE(FileExists(temp));
}

TEST_F(Win32StreamsTest, ReplaceOntoAMissingTargetCreatesIt)
{
  const std::string temp = FTree.AddFile("scan.qd.tmp", "dirs");
  EXPECT_TRUE(FFs.Replace(temp, FTree.Path("scan.qd")));
  EXPECT_EQ(ReadWholeFile(FTree.Path("scan.qd")), "dirs");
}

TEST_F(Win32StreamsTest, FailedReplaceKeepsBothFiles)
{
  const std::string temp = FTree.AddFile("scan.qv.tmp", "new");
  EXPECT_FALSE(FFs.Replace(temp, FTree.Path("gone\\scan.qv")));
  EXPECT_EQ(ReadWholeFile(temp), "new");
  const std::string locked = FTree.AddFile("locked.qv", "old");
  HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const bool replaced = FFs.Replace(temp, locked);
  CloseHandle(holder);
  EXPECT_FALSE(replaced);
  EXPECT_EQ(ReadWholeFile(locked), "old");
  EXPECT_EQ(ReadWholeFile(temp), "new");
}

TEST_F(Win32StreamsTest, RemoveDeletesAFileAndIgnoresAMissingOne)
{
  const std::string path = FTree.AddFile("scan.qv.tmp", "x");
  FFs.Remove(path);
  EXPECT_FALSE(FileExists(path));
  FFs.Remove(path);
  EXPECT_FALSE(FileExists(path));
}
