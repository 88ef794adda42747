#include <gtest/gtest.h>

#include "engine/CollectionFile.h"
#include "tests/engine/EngineTestSupport.h"

using Strings = std::vector<std::string>;

namespace {
const uint32_t T = DosDateTime(1998, 12, 5, 14, 3, 22);
const std::string BannerLine = std::string(TQVEngine::Banner) + "\r\n";

std::string Record(const std::string& Name, int32_t Dir, uint32_t Time, int32_t Size)
{
  std::string out;
  AppendRecord(out, TQVRec{Name, Dir, Time, Size});
  return out;
}
}  // namespace

class CollectionTest : public ::testing::Test, public TEngineFixture {
protected:
  void SetUp() override { Fs.AddDir("C:\\Out"); }
  uint32_t FTime = 0;
  void Read(const std::string& FileName) { Engine.ReadCollection(FileName, FTime); }
};

TEST_F(CollectionTest, TwoEntriesMakeA37ByteFileOfExactRecords)
{
  Fs.AddFile("D:\\Data\\a.txt", 10, T);
  Fs.AddFile("D:\\Data\\Sub\\bb.dat", 0x01020304, 0x11223344);
  Engine.Scan("D:\\Data\\");
  Engine.SaveCollection("C:\\Out\\scan1.qv");
  const std::string bytes = Fs.Contents("C:\\Out\\scan1.qv");
  const std::string expected = std::string("a.txt\0\x01\0\0\0", 10) + std::string("\x6B\x70\x85\x25", 4) +
                               std::string("\x0A\0\0\0", 4) + std::string("bb.dat\0\x02\0\0\0", 11) +
                               std::string("\x44\x33\x22\x11\x04\x03\x02\x01", 8);
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(Fs.Contents("C:\\Out\\scan1.qd"), BannerLine + "D:\\Data\\\r\nD:\\Data\r\nD:\\Data\\Sub\r\n");
}

TEST_F(CollectionTest, DirectoryListNameReplacesTheExtensionOfTheLastPart)
{
  EXPECT_EQ(Engine.DirListFileName("C:\\Out\\scan1.qv"), "C:\\Out\\scan1.qd");
  EXPECT_EQ(Engine.DirListFileName("C:\\Out\\scan1.txt"), "C:\\Out\\scan1.qd");
  EXPECT_EQ(Engine.DirListFileName("C:\\Out\\scan1"), "C:\\Out\\scan1.qd");
  EXPECT_EQ(Engine.DirListFileName("C:\\Out.d\\scan1"), "C:\\Out.d\\scan1.qd");
  EXPECT_EQ(Engine.DirListFileName("C:scan1"), "C:scan1.qd");
  EXPECT_EQ(Engine.DirListFileName("a.b.qv"), "a.b.qd");
}

// Every field survives, and an empty catalogue is an empty file that still
// reads back with its directory list.
TEST_F(CollectionTest, RoundTripKeepsEveryFieldAndTheDirectoryList)
{
  Fs.AddFile("D:\\Data\\a.txt", -5, T);
  Fs.AddFile("D:\\Data\\Sub\\b", 7, 0);
  Fs.AddDir("D:\\Empty");
  for (const char* Root : {"D:\\Data\\", "D:\\Empty\\"}) {
    Engine.Scan(Root);
    const std::vector<TQVRec> entries = Engine.Entries();
    const Strings dirs = Engine.DirList();
    Engine.SaveCollection("C:\\Out\\r.qv");
    Engine.Clear();
    Read("C:\\Out\\r.qv");
    EXPECT_EQ(Engine.Entries(), entries) << Root;
    EXPECT_EQ(Engine.DirList(), dirs) << Root;
  }
  EXPECT_EQ(Fs.Contents("C:\\Out\\r.qv"), "");
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Empty\\"}));
}

TEST_F(CollectionTest, DirectoryListWithLfOnlyOrWithoutBannerLosesItsFirstLine)
{
  Fs.SetContents("C:\\Out\\a.qv", "");
  Fs.SetContents("C:\\Out\\a.qd", "banner\nD:\\Data\\\nD:\\Data\n");
  Read("C:\\Out\\a.qv");
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Data\\", "D:\\Data"}));
  Fs.SetContents("C:\\Out\\a.qd", "D:\\Data\\\r\nD:\\Data\r\n");
  Read("C:\\Out\\a.qv");
  EXPECT_EQ(Engine.DirList(), (Strings{"D:\\Data"}));
}

TEST_F(CollectionTest, FailedCreateOrShortWriteKeepsTheOldCollectionAndLeavesNoHalfFile)
{
  Fs.SetContents("C:\\Out\\s.qv", "old");
  Fs.SetContents("C:\\Out\\s.qd", "old list");
  Fs.AddFile("D:\\Data\\a.txt", 1, T);
  Engine.Scan("D:\\Data\\");
  Fs.FailCreate("C:\\Out\\s.qd.tmp");
  ExpectFailure<ECollectionCreateError>([&] { Engine.SaveCollection("C:\\Out\\s.qv"); },
                                        "Cannot create file C:\\Out\\s.qd");
  EXPECT_EQ(Fs.Contents("C:\\Out\\s.qv"), "old");
  EXPECT_EQ(Fs.Contents("C:\\Out\\s.qd"), "old list");
  EXPECT_EQ(Fs.Children("C:\\Out"), (Strings{"s.qv", "s.qd"}));
  // A short write is reported the same way.
  Fs.FailCreate("");
  Fs.FailWritesAfter(5);
  ExpectFailure<ECollectionWriteError>([&] { Engine.SaveCollection("C:\\Out\\s.qv"); },
                                       "Cannot write file C:\\Out\\s.qv");
  EXPECT_EQ(Fs.Contents("C:\\Out\\s.qv"), "old");
  EXPECT_EQ(Fs.Contents("C:\\Out\\s.qd"), "old list");
  EXPECT_EQ(Fs.Children("C:\\Out"), (Strings{"s.qv", "s.qd"}));
}

TEST_F(CollectionTest, MissingFilesAreNamedInTheMessage)
{
  ExpectFailure<ECollectionOpenError>([&] { Read("C:\\Out\\none.qv"); }, "Cannot open file C:\\Out\\none.qv");
  Fs.SetContents("C:\\Out\\x.qv", Record("a", 1, 0, 0));
  ExpectFailure<ECollectionOpenError>([&] { Read("C:\\Out\\x.qv"); }, "Cannot open file C:\\Out\\x.qd");
}

class DamagedCollectionTest : public CollectionTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(DamagedCollectionTest, StopsWithAMessageNamingTheFile)
{
  Fs.SetContents("C:\\Out\\d.qv", Record("ok.txt", 1, T, 1) + GetParam());
  Fs.SetContents("C:\\Out\\d.qd", BannerLine + "D:\\Data\\\r\nD:\\Data\r\n");
  ExpectFailure<EDamagedCollection>([&] { Read("C:\\Out\\d.qv"); }, "Collection file C:\\Out\\d.qv is damaged.");
}

INSTANTIATE_TEST_SUITE_P(Inputs, DamagedCollectionTest,
                         ::testing::Values(std::string("abc"),                             // cut inside the name
                                           std::string("abc\0\1\0", 6),                    // cut inside DirIndex
                                           Record("abc", 1, T, 1).substr(0, 15),           // cut inside Size
                                           std::string(1001, 'n') + std::string("\0", 1),  // name over 1000 bytes
                                           std::string(5000, 'n'),                         // no end at all
                                           Record("", 1, T, 1), Record(".", 1, T, 1), Record("..", 1, T, 1),
                                           Record("..\\..\\Windows\\x.dll", 1, T, 1), Record("C:x", 1, T, 1),
                                           Record("a/b", 1, T, 1)));

TEST_F(CollectionTest, NameOfExactly1000BytesIsAccepted)
{
  Fs.SetContents("C:\\Out\\l.qv", Record(std::string(1000, 'n'), 1, T, 1));
  Fs.SetContents("C:\\Out\\l.qd", BannerLine + "D:\\Data\\\r\nD:\\Data\r\n");
  Read("C:\\Out\\l.qv");
  ASSERT_EQ(Engine.Entries().size(), 1u);
  EXPECT_EQ(Engine.Entries()[0].Name.size(), 1000u);
}

TEST(RecordReader, ReadsRecordsSpanningBufferBoundaries)
{
  TFakeFileSystem fs;
  std::string data;
  for (int i = 0; i < 20000; ++i)
    AppendRecord(data, TQVRec{"file" + std::to_string(i), i, static_cast<uint32_t>(i), -i});
  fs.SetContents("x", data);
  auto in = fs.OpenRead("x");
  TRecordReader reader(*in);
  TQVRec rec;
  int n = 0;
  while (reader.Next(rec)) {
    ASSERT_EQ(rec.Name, "file" + std::to_string(n));
    ASSERT_EQ(rec.Size, -n);
    ++n;
  }
  EXPECT_EQ(n, 20000);
  EXPECT_EQ(reader.Damage(), TRecordReader::None);
}
