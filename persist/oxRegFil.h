#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A small registry-like store of named string and binary entries grouped by a
// key path, kept in memory and saved to / loaded from a binary settings file.
// Its operations mirror a registry accessor so both back ends drive alike.
//
// File layout (little-endian): a 16-byte header "03" + 14 zero bytes; per
// entry "||++", a 93-byte entry header (name 24, key 64, kind 1, size 4),
// "||->" and the data bytes; a trailer equal to the header.
class ToxRegFile {
public:
  static constexpr size_t MaxNameLen = 23;
  static constexpr size_t MaxKeyLen = 63;
  static constexpr size_t NameFieldSize = MaxNameLen + 1;
  static constexpr size_t KeyFieldSize = MaxKeyLen + 1;
  static constexpr size_t EntryHeaderSize = NameFieldSize + KeyFieldSize + 1 + 4;
  static constexpr size_t FileHeaderSize = 16;
  static constexpr uint8_t KindString = 1;
  static constexpr uint8_t KindBinary = 2;

  struct TEntry {
    std::string Name;  // at most MaxNameLen characters
    std::string Key;   // at most MaxKeyLen characters
    uint8_t Kind = 0;
    std::string Data;  // for a string entry the characters and their NUL
  };

  void SetCurrentKey(std::string_view Path);
  const std::string& CurrentKey() const { return FCurrentKey; }

  void WriteString(std::string_view Name, std::string_view Text);
  void WriteBinaryData(std::string_view Name, const void* Bytes, size_t Count);
  std::string ReadString(std::string_view Name) const;
  // Copies at most BufferSize bytes and returns the entry's full size (0 if none).
  uint32_t ReadBinaryData(std::string_view Name, void* Buffer, size_t BufferSize) const;
  uint32_t GetDataSize(std::string_view Name) const;
  bool ValueExists(std::string_view Name) const;
  bool DeleteValue(std::string_view Name);
  void Clear();

  void SaveToFile(const std::string& FileName) const;
  void LoadFromFile(const std::string& FileName);

  // The file image, and loading from one; LoadFromFile reads the whole file
  // and hands it here. Damaged images keep the entries completed before the damage.
  std::string SaveToBytes() const;
  void LoadFromBytes(std::string_view Bytes);

  const std::vector<TEntry>& Entries() const { return FEntries; }
  // The entry (Name, current key), or nullptr.
  const TEntry* FindEntry(std::string_view Name) const;

private:
  void Append(std::string_view Name, uint8_t Kind, std::string Data);
  bool LoadEntry(std::string_view Bytes, size_t& Pos);

  std::vector<TEntry> FEntries;
  std::string FCurrentKey;
};
