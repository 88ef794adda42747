#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/objects/StringList.h"
#include "framework/objects/Streams.h"
#include "tests/support/TempDir.h"

TEST(MemoryStream, ReadsWritesSeeksAndGrows)
{
  TMemoryStream s;
  s.WriteBuffer("hello", 5);
  EXPECT_EQ(5, s.Size());
  s.SetPosition(8);
  s.WriteBuffer("!", 1);
  EXPECT_EQ(9, s.Size());
  EXPECT_EQ(std::string("hello\0\0\0!", 9), s.DataString());
  s.SetPosition(3);
  char buf[10] = {};
  EXPECT_EQ(6, s.Read(buf, 10));
  EXPECT_EQ(0, s.Read(buf, 10));
  s.SetPosition(7);
  EXPECT_THROW(s.ReadBuffer(buf, 3), EReadError);
  EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
  EXPECT_EQ(2, s.Seek(-7, soEnd));
  EXPECT_EQ(7, s.Remaining());
  s.SetSize(4);
  EXPECT_EQ(4, s.Size());
  EXPECT_EQ(2, s.Position());
  s.Clear();
  EXPECT_EQ(0, s.Size());
}

TEST(ReadOnlyMemoryStream, NeverWritesAndStopsAtTheEnd)
{
  const char data[] = "abc";
  TReadOnlyMemoryStream s(data, 3);
  EXPECT_THROW(s.WriteBuffer("x", 1), EWriteError);
  char buf[4] = {};
  s.SetPosition(10);
  EXPECT_EQ(0, s.Read(buf, 1));
  EXPECT_EQ(0, s.Remaining());
  s.SetPosition(1);
  s.ReadBuffer(buf, 2);
  EXPECT_EQ("bc", std::string(buf, 2));
}

TEST(FileStream, CreateWriteReopenAndRead)
{
  TTempDir dir;
  const std::string name = dir.Path("data.bin");
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("0123456789", 10);
    f.SetSize(6);
  }
  EXPECT_TRUE(FileExists(name));
  TFileStream f(name, fmOpenRead | fmShareDenyNone);
  EXPECT_EQ(6, f.Size());
  char buf[6];
  f.ReadBuffer(buf, 6);
  EXPECT_EQ("012345", std::string(buf, 6));
  EXPECT_THROW(f.ReadBuffer(buf, 1), EReadError);
  EXPECT_EQ(0, f.Write("x", 1));  // opened for reading only
}

TEST(FileStream, FailuresNameTheFile)
{
  TTempDir dir;
  const std::string missing = dir.Path("missing.txt");
  EXPECT_THAT([&] { TFileStream f(missing, fmOpenRead); },
              testing::ThrowsMessage<EFOpenError>(testing::StrEq("Cannot open file " + missing)));
  const std::string bad = dir.Path("no/such/dir/file.txt");
  EXPECT_THAT([&] { TFileStream f(bad, fmCreate); },
              testing::ThrowsMessage<EFCreateError>(testing::StrEq("Cannot create file " + bad)));
  EXPECT_FALSE(FileExists(missing));
  // A directory is no file, whichever way it is opened.
  const std::string folder = dir.Path("folder");
  MakeDirectory(folder);
  EXPECT_FALSE(FileExists(folder));
  EXPECT_THROW(TFileStream(folder, fmOpenRead), EFOpenError);
}

TEST(FileStream, ExclusiveOpenShutsOutOtherOpens)
{
  TTempDir dir;
  const std::string name = dir.Path("locked.txt");
  WriteFileBytes(name, "");
  {
    TFileStream first(name, fmOpenReadWrite | fmShareExclusive);
    EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareDenyWrite), EFOpenError);
    EXPECT_THROW(TFileStream(name, fmOpenRead | fmShareExclusive), EFOpenError);
  }
  TFileStream a(name, fmOpenRead | fmShareDenyWrite);
  TFileStream b(name, fmOpenRead | fmShareDenyWrite);  // two readers may share
  EXPECT_THROW(TFileStream(name, fmOpenReadWrite | fmShareExclusive), EFOpenError);
}

TEST(StringList, SavesAndLoadsFiles)
{
  TTempDir dir;
  const std::string name = dir.Path("dirs.qd");
  TStringList list;
  list.Add("C:\\");
  list.Add("C:\\Windows");
  list.SaveToFile(name);
  TStringList back;
  back.LoadFromFile(name);
  EXPECT_EQ(list.ToVector(), back.ToVector());
  TMemoryStream s;
  list.SaveToStream(s);
  EXPECT_EQ("C:\\\r\nC:\\Windows\r\n", s.DataString());
}
