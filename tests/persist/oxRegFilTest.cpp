#include "persist/oxRegFil.h"

#include <gtest/gtest.h>

#include <optional>

#include "framework/objects/Exceptions.h"
#include "framework/objects/Streams.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

using Strings = std::vector<std::string>;

namespace {

std::string Header() { return std::string("03") + std::string(14, '\0'); }

std::string Field(const std::string& Text, size_t Size) { return Text + std::string(Size - Text.size(), '\0'); }

std::string LE32(uint32_t V)
{
  return {static_cast<char>(V), static_cast<char>(V >> 8), static_cast<char>(V >> 16), static_cast<char>(V >> 24)};
}

// One entry of a settings file, built by hand from the documented layout;
// its size field is the data's own size unless Size says otherwise.
std::string EntryBytes(const std::string& Name, const std::string& Key, char Kind, const std::string& Data,
                       std::optional<uint32_t> Size = std::nullopt)
{
  return "||++" + Field(Name, 24) + Field(Key, 64) + std::string(1, Kind) +
         LE32(Size.value_or(static_cast<uint32_t>(Data.size()))) + "||->" + Data;
}

Strings Names(const ToxRegFile& Store)
{
  Strings Result;
  for (const auto& Entry : Store.Entries()) Result.push_back(Entry.Name);
  return Result;
}

}  // namespace

TEST(ToxRegFile, FileLayoutMatchesFieldOffsets)
{
  ToxRegFile Store;
  EXPECT_EQ(Header() + Header(), Store.SaveToBytes());
  Store.SetCurrentKey("QVMain\\oxPersist");
  Store.WriteString("OpenFileName", "C:\\a.qv");
  const char Blob[] = {1, 0, 2};
  Store.WriteBinaryData("Font", Blob, sizeof Blob);
  Store.SetCurrentKey("");
  Store.WriteString("Caption", "");  // an empty string is a single NUL
  EXPECT_EQ(1u, Store.GetDataSize("Caption"));
  EXPECT_EQ("", Store.ReadString("Caption"));
  const std::string Expected = Header() +
                               EntryBytes("OpenFileName", "QVMain\\oxPersist", 1, std::string("C:\\a.qv") + '\0') +
                               EntryBytes("Font", "QVMain\\oxPersist", 2, std::string(Blob, 3)) +
                               EntryBytes("Caption", "", 1, std::string(1, '\0')) + Header();
  EXPECT_EQ(Expected, Store.SaveToBytes());
}

TEST(ToxRegFile, NamesIgnoreCaseAgreeInTheirFirst23CharactersAndMoveToTheEndWhenRewritten)
{
  ToxRegFile Store;
  Store.WriteString("A", "1");
  Store.WriteString("B", "2");
  Store.WriteString("a", "3");
  EXPECT_EQ((Strings{"B", "a"}), Names(Store));
  EXPECT_EQ("3", Store.ReadString("A"));
  Store.WriteString("ABCDEFGHIJKLMNOPQRSTUVW-first", "1");
  EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVW", Store.Entries().back().Name);
  EXPECT_EQ("1", Store.ReadString("abcdefghijklmnopqrstuvw-second"));
  EXPECT_FALSE(Store.ValueExists("ABCDEFGHIJKLMNOPQRSTUV"));
  EXPECT_TRUE(Store.DeleteValue("b"));
  EXPECT_FALSE(Store.DeleteValue("B"));
  EXPECT_EQ(2u, Store.Entries().size());
}

TEST(ToxRegFile, KeysAreSeparateNormalisedAndCutTo63Characters)
{
  ToxRegFile Store;
  Store.SetCurrentKey("Form1\\oxPersist");
  Store.WriteBinaryData("Font", "x", 1);
  Store.SetCurrentKey("FORM1\\OXPERSIST");
  EXPECT_TRUE(Store.ValueExists("font"));
  Store.SetCurrentKey("Form2\\oxPersist");
  EXPECT_FALSE(Store.ValueExists("Font"));
  Store.SetCurrentKey("\\Software\\\\Halbrand\\QV5\\");
  EXPECT_EQ("Software\\Halbrand\\QV5", Store.CurrentKey());
  Store.SetCurrentKey(std::string(70, 'k'));
  EXPECT_EQ(std::string(63, 'k'), Store.CurrentKey());

  // Cut at 63 characters, a key ending in a backslash is normalised the same after a reload.
  const std::string LongKey = std::string(62, 'k') + "\\sub";
  Store.SetCurrentKey(LongKey);
  EXPECT_EQ(std::string(62, 'k'), Store.CurrentKey());
  Store.WriteString("V", "1");
  ToxRegFile Loaded;
  Loaded.LoadFromBytes(Store.SaveToBytes());
  Loaded.SetCurrentKey(LongKey);
  EXPECT_EQ("1", Loaded.ReadString("V"));
}

TEST(ToxRegFile, ReadsOfTheOtherKindOrBeyondTheBufferAreSafe)
{
  ToxRegFile Store;
  Store.WriteString("S", "text");
  Store.WriteBinaryData("B", "abcdef", 6);
  Store.WriteBinaryData("Empty", nullptr, 0);
  char Buffer[8] = {'-', '-', '-', '-'};
  EXPECT_EQ(6u, Store.ReadBinaryData("B", Buffer, 3));  // a prefix, and the full size
  EXPECT_EQ(std::string("abc-"), std::string(Buffer, 4));
  EXPECT_EQ(0u, Store.ReadBinaryData("S", Buffer, sizeof Buffer));
  EXPECT_EQ("", Store.ReadString("B"));
  EXPECT_EQ(0u, Store.ReadBinaryData("Missing", Buffer, sizeof Buffer));
  EXPECT_TRUE(Store.ValueExists("Empty"));
  EXPECT_EQ(0u, Store.GetDataSize("Empty"));
  EXPECT_EQ(0u, Store.ReadBinaryData("Empty", Buffer, sizeof Buffer));
}

TEST(ToxRegFile, SaveAndLoadRoundTripKeepsOrderAndLeavesLastKeyCurrent)
{
  TTempDir Dir;
  const std::string FileName = Dir.Path("prog.oxp");
  WriteFileBytes(FileName, std::string(100, 'z'));
  ToxRegFile Store;
  Store.SetCurrentKey("QVMain\\oxPersist");
  Store.WriteString("Browser Root", "C:\\");
  Store.SetCurrentKey("dlgOptions\\oxPersist");
  Store.WriteBinaryData("ExcludedDirs", std::string("EMPTY\0", 6).data(), 6);
  Store.WriteString("EnableBeeps", "False");
  Store.SaveToFile(FileName);
  EXPECT_FALSE(FileExists(FileName + ".new"));

  ToxRegFile Loaded;
  Loaded.SetCurrentKey("elsewhere");
  Loaded.LoadFromFile(FileName);
  EXPECT_EQ("dlgOptions\\oxPersist", Loaded.CurrentKey());
  EXPECT_EQ(Store.SaveToBytes(), Loaded.SaveToBytes());
}

TEST(ToxRegFile, WrongHeaderOrEmptyFileLoadsEmptyAndAMissingFileFails)
{
  TTempDir Dir;
  for (const std::string& Bytes :
       {"04" + std::string(14, '\0') + EntryBytes("V", "", 1, "x") + Header(), std::string()}) {
    WriteFileBytes(Dir.Path("bad.oxp"), Bytes);
    ToxRegFile Store;
    Store.WriteString("Stale", "1");
    Store.LoadFromFile(Dir.Path("bad.oxp"));
    EXPECT_TRUE(Store.Entries().empty());
  }
  ToxRegFile Store;
  EXPECT_THROW(Store.LoadFromFile(Dir.Path("none.oxp")), EFOpenError);
}

TEST(ToxRegFile, FailedSaveLeavesPreviousFileIntact)
{
  TTempDir Dir;
  const std::string FileName = Dir.Path("keep.oxp");
  ToxRegFile Store;
  Store.WriteString("Old", "1");
  Store.SaveToFile(FileName);
  const std::string Before = ReadWholeFile(FileName);
  // A directory where the temporary file would go makes the write fail.
  MakeDirectory(FileName + ".new");
  Store.WriteString("New", "2");
  EXPECT_THROW(Store.SaveToFile(FileName), EFCreateError);
  EXPECT_EQ(Before, ReadWholeFile(FileName));
  EXPECT_THROW(Store.SaveToFile(Dir.Path("no-such-dir/prog.oxp")), EFCreateError);
}

TEST(ToxRegFile, DamagedFileKeepsTheEntriesBeforeTheDamage)
{
  const std::string Good = EntryBytes("First", "K", 1, std::string("1") + '\0');
  auto Changed = [](std::string Bytes, size_t At, const std::string& Text) {
    return Bytes.replace(At, Text.size(), Text);
  };
  const std::string Second = EntryBytes("Second", "K", 1, "x");
  const std::string Damaged[] = {
      EntryBytes("Second", "K", 2, "abc", 4),                     // size past the end
      EntryBytes("Huge", "K", 2, "abc", 0xFFFFFFFFu) + Header(),  // size past the end
      Changed(Second, 4 + 93 + 2, "<") + Good,                    // broken data marker
      Changed(Second, 0, "}"),                                    // broken entry marker
      Changed(Second, 4, std::string(24, 'n')),                   // name without NUL
      Changed(Second, 4 + 24, std::string(64, 'k')),              // key without NUL
  };
  for (const std::string& Bytes : Damaged) {
    ToxRegFile Store;
    Store.LoadFromBytes(Header() + Good + Bytes);
    EXPECT_EQ(Strings{"First"}, Names(Store));
  }
  const std::string Whole = EntryBytes("Second", "K", 1, "abc");
  for (size_t Cut = 0; Cut <= Whole.size(); ++Cut) {
    ToxRegFile Store;
    Store.LoadFromBytes(Header() + Good + Whole.substr(0, Cut));
    EXPECT_EQ(Cut < Whole.size() ? Strings{"First"} : (Strings{"First", "Second"}), Names(Store)) << Cut;
  }
}

TEST(ToxRegFile, LoadingNormalisesKeysReadsAStringWithoutNulUpToItsSizeAndKeepsTheFirstOfARepeatedEntry)
{
  ToxRegFile Store;
  Store.LoadFromBytes(Header() + EntryBytes("S", "\\A\\\\B\\", 1, "abc") +
                      EntryBytes("First", "K", 1, std::string("1") + '\0') +
                      EntryBytes("first", "k", 1, std::string("2") + '\0') + Header());
  Store.SetCurrentKey("A\\B");
  EXPECT_EQ("abc", Store.ReadString("S"));
  Store.SetCurrentKey("K");
  EXPECT_EQ("1", Store.ReadString("First"));
  Store.WriteString("First", "3");
  EXPECT_EQ("3", Store.ReadString("First"));
  EXPECT_EQ(2u, Store.Entries().size());
}
