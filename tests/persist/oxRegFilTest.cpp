#include "persist/oxRegFil.h"

#include <gtest/gtest.h>

#include "framework/objects/Exceptions.h"
#include "framework/objects/Streams.h"
#include "tests/support/TempDir.h"

namespace {

std::string Header() { return std::string("03") + std::string(14, '\0'); }

std::string Field(const std::string& Text, size_t Size) { return Text + std::string(Size - Text.size(), '\0'); }

std::string LE32(uint32_t V)
{
  std::string S;
  for (int I = 0; I < 4; ++I) S += static_cast<char>((V >> (8 * I)) & 0xFF);
  return S;
}

// One entry of a settings file, built by hand from the documented layout.
std::string EntryBytes(const std::string& Name, const std::string& Key, char Kind, const std::string& Data,
                       uint32_t Size)
{
  return "||++" + Field(Name, 24) + Field(Key, 64) + std::string(1, Kind) + LE32(Size) + "||->" + Data;
}

std::string EntryBytes(const std::string& Name, const std::string& Key, char Kind, const std::string& Data)
{
  return EntryBytes(Name, Key, Kind, Data, static_cast<uint32_t>(Data.size()));
}

std::vector<std::string> Names(const ToxRegFile& Store)
{
  std::vector<std::string> Result;
  for (const auto& Entry : Store.Entries()) Result.push_back(Entry.Name);
  return Result;
}

}  // namespace

TEST(ToxRegFile, EmptyStoreIsHeaderAndTrailerOnly)
{
  ToxRegFile Store;
  EXPECT_EQ(Header() + Header(), Store.SaveToBytes());
  EXPECT_EQ(32u, Store.SaveToBytes().size());
}

TEST(ToxRegFile, EmptyStringIsStoredAsSingleNul)
{
  ToxRegFile Store;
  Store.WriteString("Caption", "");
  EXPECT_EQ(1u, Store.GetDataSize("Caption"));
  EXPECT_EQ("", Store.ReadString("Caption"));
  EXPECT_TRUE(Store.ValueExists("Caption"));
  EXPECT_EQ(Header() + EntryBytes("Caption", "", 1, std::string(1, '\0')) + Header(), Store.SaveToBytes());
}

TEST(ToxRegFile, FileLayoutMatchesFieldOffsets)
{
  ToxRegFile Store;
  Store.SetCurrentKey("QVMain\\oxPersist");
  Store.WriteString("OpenFileName", "C:\\a.qv");
  const char Blob[] = {1, 0, 2};
  Store.WriteBinaryData("Font", Blob, sizeof Blob);
  const std::string Expected = Header() +
                               EntryBytes("OpenFileName", "QVMain\\oxPersist", 1, std::string("C:\\a.qv") + '\0') +
                               EntryBytes("Font", "QVMain\\oxPersist", 2, std::string(Blob, 3)) + Header();
  const std::string Bytes = Store.SaveToBytes();
  EXPECT_EQ(Expected, Bytes);
  EXPECT_EQ(16u + 4 + 93 + 4 + 8 + 4 + 93 + 4 + 3 + 16, Bytes.size());
  EXPECT_EQ('\x08', Bytes[16 + 4 + 89]);  // size field of the first entry
}

TEST(ToxRegFile, RewriteMovesEntryToEnd)
{
  ToxRegFile Store;
  Store.WriteString("A", "1");
  Store.WriteString("B", "2");
  Store.WriteString("a", "3");
  EXPECT_EQ((std::vector<std::string>{"B", "a"}), Names(Store));
  EXPECT_EQ("3", Store.ReadString("A"));
}

TEST(ToxRegFile, NamesIgnoreCaseButKeysSeparate)
{
  ToxRegFile Store;
  Store.SetCurrentKey("Form1\\oxPersist");
  Store.WriteBinaryData("Font", "x", 1);
  EXPECT_TRUE(Store.ValueExists("FONT"));
  Store.SetCurrentKey("FORM1\\OXPERSIST");
  EXPECT_TRUE(Store.ValueExists("font"));
  Store.SetCurrentKey("Form2\\oxPersist");
  EXPECT_FALSE(Store.ValueExists("Font"));
  Store.WriteString("Font", "other");
  EXPECT_EQ(2u, Store.Entries().size());
}

TEST(ToxRegFile, NamesAgreeingInFirst23CharactersAreTheSame)
{
  ToxRegFile Store;
  Store.WriteString("ABCDEFGHIJKLMNOPQRSTUVW-first", "1");
  EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVW", Store.Entries()[0].Name);
  EXPECT_EQ("1", Store.ReadString("abcdefghijklmnopqrstuvw-second"));
  EXPECT_FALSE(Store.ValueExists("ABCDEFGHIJKLMNOPQRSTUV"));
}

TEST(ToxRegFile, KeyIsNormalisedAndCutTo63Characters)
{
  ToxRegFile Store;
  Store.SetCurrentKey("\\Software\\\\Halbrand\\QV5\\");
  EXPECT_EQ("Software\\Halbrand\\QV5", Store.CurrentKey());
  Store.WriteString("X", "1");
  Store.SetCurrentKey("Software\\Halbrand\\QV5");
  EXPECT_EQ("1", Store.ReadString("X"));

  Store.SetCurrentKey(std::string(70, 'k'));
  EXPECT_EQ(std::string(63, 'k'), Store.CurrentKey());
}

TEST(ToxRegFile, LongKeyCutAtBackslashSurvivesReload)
{
  const std::string LongKey = std::string(62, 'k') + "\\sub";
  ToxRegFile Store;
  Store.SetCurrentKey(LongKey);
  EXPECT_EQ(std::string(62, 'k'), Store.CurrentKey());
  Store.WriteString("V", "1");
  ToxRegFile Loaded;
  Loaded.LoadFromBytes(Store.SaveToBytes());
  Loaded.SetCurrentKey(LongKey);
  EXPECT_EQ("1", Loaded.ReadString("V"));
}

TEST(ToxRegFile, ShortReadBufferCopiesPrefixAndReturnsFullSize)
{
  ToxRegFile Store;
  Store.WriteBinaryData("Blob", "abcdef", 6);
  char Buffer[4] = {'-', '-', '-', '-'};
  EXPECT_EQ(6u, Store.ReadBinaryData("Blob", Buffer, 3));
  EXPECT_EQ(std::string("abc-"), std::string(Buffer, 4));
}

TEST(ToxRegFile, KindsDoNotCrossRead)
{
  ToxRegFile Store;
  Store.WriteString("S", "text");
  Store.WriteBinaryData("B", "bin", 3);
  char Buffer[8] = {};
  EXPECT_EQ(0u, Store.ReadBinaryData("S", Buffer, sizeof Buffer));
  EXPECT_EQ(0, Buffer[0]);
  EXPECT_EQ("", Store.ReadString("B"));
  EXPECT_EQ(0u, Store.ReadBinaryData("Missing", Buffer, sizeof Buffer));
}

TEST(ToxRegFile, EmptyBinaryEntryExistsWithoutData)
{
  ToxRegFile Store;
  Store.WriteBinaryData("Empty", nullptr, 0);
  char Buffer[4] = {};
  EXPECT_TRUE(Store.ValueExists("Empty"));
  EXPECT_EQ(0u, Store.GetDataSize("Empty"));
  EXPECT_EQ(0u, Store.ReadBinaryData("Empty", Buffer, sizeof Buffer));
}

TEST(ToxRegFile, DeleteValueReportsWhetherOneWasRemoved)
{
  ToxRegFile Store;
  Store.WriteString("A", "1");
  EXPECT_TRUE(Store.DeleteValue("a"));
  EXPECT_FALSE(Store.DeleteValue("A"));
  EXPECT_TRUE(Store.Entries().empty());
}

TEST(ToxRegFile, SaveAndLoadRoundTripKeepsOrderAndLeavesLastKeyCurrent)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("prog.oxp");
  ToxRegFile Store;
  Store.SetCurrentKey("QVMain\\oxPersist");
  Store.WriteString("Browser Root", "C:\\");
  Store.SetCurrentKey("dlgOptions\\oxPersist");
  Store.WriteBinaryData("ExcludedDirs", std::string("EMPTY\0", 6).data(), 6);
  Store.WriteString("EnableBeeps", "False");
  Store.SaveToFile(FileName);

  ToxRegFile Loaded;
  Loaded.SetCurrentKey("elsewhere");
  Loaded.LoadFromFile(FileName);
  EXPECT_EQ("dlgOptions\\oxPersist", Loaded.CurrentKey());
  EXPECT_EQ(Store.SaveToBytes(), Loaded.SaveToBytes());
  EXPECT_EQ("False", Loaded.ReadString("EnableBeeps"));
  Loaded.SetCurrentKey("QVMain\\oxPersist");
  EXPECT_EQ("C:\\", Loaded.ReadString("browser root"));
}

TEST(ToxRegFile, KeyInFileIsNormalisedOnLoading)
{
  ToxRegFile Store;
  Store.LoadFromBytes(Header() + EntryBytes("V", "\\A\\\\B\\", 1, std::string("x") + '\0') + Header());
  Store.SetCurrentKey("A\\B");
  EXPECT_EQ("x", Store.ReadString("V"));
}

TEST(ToxRegFile, WrongHeaderLoadsEmptyAndSavingOverwrites)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("bad.oxp");
  WriteFileBytes(FileName, "04" + std::string(14, '\0') + EntryBytes("V", "", 1, "x") + Header());
  ToxRegFile Store;
  Store.WriteString("Stale", "1");
  Store.LoadFromFile(FileName);
  EXPECT_TRUE(Store.Entries().empty());
  Store.SaveToFile(FileName);
  EXPECT_EQ(Header() + Header(), ReadFileBytes(FileName));
}

TEST(ToxRegFile, EmptyFileLoadsAsEmptyStore)
{
  TTempDir Dir;
  WriteFileBytes(Dir.File("empty.oxp"), "");
  ToxRegFile Store;
  Store.WriteString("Stale", "1");
  Store.LoadFromFile(Dir.File("empty.oxp"));
  EXPECT_TRUE(Store.Entries().empty());
}

TEST(ToxRegFile, MissingFileFailsToLoad)
{
  TTempDir Dir;
  ToxRegFile Store;
  EXPECT_THROW(Store.LoadFromFile(Dir.File("none.oxp")), EFOpenError);
}

TEST(ToxRegFile, FailedSaveLeavesPreviousFileIntact)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("keep.oxp");
  ToxRegFile Store;
  Store.WriteString("Old", "1");
  Store.SaveToFile(FileName);
  const std::string Before = ReadFileBytes(FileName);
  // A directory where the temporary file would go makes the write fail.
  MakeDirectory(FileName + ".new");
  Store.WriteString("New", "2");
  EXPECT_THROW(Store.SaveToFile(FileName), EFCreateError);
  EXPECT_EQ(Before, ReadFileBytes(FileName));
}

TEST(ToxRegFile, SaveReplacesExistingFileAndLeavesNoTemporary)
{
  TTempDir Dir;
  const std::string FileName = Dir.File("prog.oxp");
  WriteFileBytes(FileName, std::string(100, 'z'));
  ToxRegFile Store;
  Store.SaveToFile(FileName);
  EXPECT_EQ(32u, ReadFileBytes(FileName).size());
  EXPECT_FALSE(FileExists(FileName + ".new"));
}

TEST(ToxRegFile, SaveIntoMissingDirectoryFails)
{
  TTempDir Dir;
  ToxRegFile Store;
  EXPECT_THROW(Store.SaveToFile(Dir.File("no-such-dir/prog.oxp")), EFCreateError);
}

class ToxRegFileDamage : public ::testing::Test {
protected:
  std::string Good = EntryBytes("First", "K", 1, std::string("1") + '\0');

  std::vector<std::string> LoadNames(const std::string& Damaged)
  {
    ToxRegFile Store;
    Store.LoadFromBytes(Header() + Good + Damaged);
    return Names(Store);
  }
};

TEST_F(ToxRegFileDamage, SizePastEndKeepsEarlierEntries)
{
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(EntryBytes("Second", "K", 2, "abc", 4)));
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(EntryBytes("Huge", "K", 2, "abc", 0xFFFFFFFFu) + Header()));
}

TEST_F(ToxRegFileDamage, BrokenMarkersEndLoading)
{
  std::string BadData = EntryBytes("Second", "K", 1, "x");
  BadData[4 + 93 + 2] = '<';
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(BadData + Good));
  std::string BadEntry = EntryBytes("Second", "K", 1, "x");
  BadEntry[0] = '|' + 1;
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(BadEntry));
}

TEST_F(ToxRegFileDamage, NameOrKeyWithoutNulEndsLoading)
{
  std::string LongName = EntryBytes("", "K", 1, "x");
  LongName.replace(4, 24, std::string(24, 'n'));
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(LongName));
  std::string LongKey = EntryBytes("Second", "", 1, "x");
  LongKey.replace(4 + 24, 64, std::string(64, 'k'));
  EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(LongKey));
}

TEST_F(ToxRegFileDamage, CutInsideAnEntryKeepsEarlierEntries)
{
  const std::string Second = EntryBytes("Second", "K", 1, "abc");
  for (size_t Cut = 0; Cut < Second.size(); ++Cut)
    EXPECT_EQ(std::vector<std::string>{"First"}, LoadNames(Second.substr(0, Cut))) << Cut;
  EXPECT_EQ((std::vector<std::string>{"First", "Second"}), LoadNames(Second));
}

TEST_F(ToxRegFileDamage, StringWithoutNulReadsUpToItsSize)
{
  ToxRegFile Store;
  Store.LoadFromBytes(Header() + EntryBytes("S", "", 1, "abc") + Header());
  EXPECT_EQ("abc", Store.ReadString("S"));
}

TEST_F(ToxRegFileDamage, RepeatedEntryKeepsFirstAndStaysWritable)
{
  ToxRegFile Store;
  Store.LoadFromBytes(Header() + Good + EntryBytes("first", "k", 1, std::string("2") + '\0'));
  Store.SetCurrentKey("K");
  EXPECT_EQ("1", Store.ReadString("First"));
  Store.WriteString("First", "3");
  EXPECT_EQ("3", Store.ReadString("First"));
  EXPECT_EQ(1u, Store.Entries().size());
}
