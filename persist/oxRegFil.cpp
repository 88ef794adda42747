#include "persist/oxRegFil.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "framework/objects/SysUtils.h"
#include "persist/PersistText.h"
#include "persist/SafeFile.h"

namespace {

constexpr std::string_view EntryMark = "||++";
constexpr std::string_view DataMark = "||->";

std::string FileHeader()
{
  std::string Header(ToxRegFile::FileHeaderSize, '\0');
  Header[0] = '0';
  Header[1] = '3';
  return Header;
}

std::string_view NameOf(std::string_view Name) { return CutAtNul(Name, ToxRegFile::MaxNameLen); }

void PutField(std::string& Out, std::string_view Text, size_t FieldSize)
{
  Out += Text;
  Out.append(FieldSize - Text.size(), '\0');
}

void PutUInt32(std::string& Out, uint32_t Value)
{
  for (int Shift = 0; Shift < 32; Shift += 8) Out += static_cast<char>((Value >> Shift) & 0xFF);
}

uint32_t GetUInt32(std::string_view Bytes)
{
  uint32_t Value = 0;
  for (int I = 3; I >= 0; --I) Value = (Value << 8) | static_cast<unsigned char>(Bytes[static_cast<size_t>(I)]);
  return Value;
}

uint32_t CheckedSize(size_t Count)
{
  if (Count > UINT32_MAX) throw std::length_error("Settings entry too large");
  return static_cast<uint32_t>(Count);
}

// A field is sound only when its terminating NUL lies inside it; without it the
// name or key would run into the following field.
bool FieldText(std::string_view Field, std::string_view& Text)
{
  size_t Nul = Field.find('\0');
  if (Nul == std::string_view::npos) return false;
  Text = Field.substr(0, Nul);
  return true;
}

}  // namespace

void ToxRegFile::SetCurrentKey(std::string_view Path)
{
  std::string Key = NormaliseKeyPath(CutAtNul(Path, Path.size()));
  if (Key.size() > MaxKeyLen) {
    Key.resize(MaxKeyLen);
    // A cut that ends on a backslash would give a key that loading
    // normalises differently, and the entry would be lost after a reload.
    if (Key.back() == '\\') Key.pop_back();
  }
  FCurrentKey = std::move(Key);
}

const ToxRegFile::TEntry* ToxRegFile::FindEntry(std::string_view Name) const
{
  std::string_view Wanted = NameOf(Name);
  for (const TEntry& Entry : FEntries)
    if (SameText(Entry.Name, Wanted) && SameText(Entry.Key, FCurrentKey)) return &Entry;
  return nullptr;
}

void ToxRegFile::Append(std::string_view Name, uint8_t Kind, std::string Data)
{
  CheckedSize(Data.size());
  DeleteValue(Name);
  FEntries.push_back(TEntry{std::string(NameOf(Name)), FCurrentKey, Kind, std::move(Data)});
}

void ToxRegFile::WriteString(std::string_view Name, std::string_view Text)
{
  std::string Data(Text);
  Data += '\0';
  Append(Name, KindString, std::move(Data));
}

void ToxRegFile::WriteBinaryData(std::string_view Name, const void* Bytes, size_t Count)
{
  std::string Data;
  if (Count > 0) Data.assign(static_cast<const char*>(Bytes), Count);
  Append(Name, KindBinary, std::move(Data));
}

std::string ToxRegFile::ReadString(std::string_view Name) const
{
  const TEntry* Entry = FindEntry(Name);
  if (!Entry || Entry->Kind != KindString) return std::string();
  // A damaged file may hold a string without its NUL; stop at the data's end then.
  return std::string(CutAtNul(Entry->Data, Entry->Data.size()));
}

uint32_t ToxRegFile::ReadBinaryData(std::string_view Name, void* Buffer, size_t BufferSize) const
{
  const TEntry* Entry = FindEntry(Name);
  if (!Entry || Entry->Kind != KindBinary || Entry->Data.empty()) return 0;
  size_t Count = std::min(Entry->Data.size(), BufferSize);
  if (Count > 0) std::memcpy(Buffer, Entry->Data.data(), Count);
  return static_cast<uint32_t>(Entry->Data.size());
}

uint32_t ToxRegFile::GetDataSize(std::string_view Name) const
{
  const TEntry* Entry = FindEntry(Name);
  return Entry ? static_cast<uint32_t>(Entry->Data.size()) : 0;
}

bool ToxRegFile::ValueExists(std::string_view Name) const { return FindEntry(Name) != nullptr; }

bool ToxRegFile::DeleteValue(std::string_view Name)
{
  const TEntry* Entry = FindEntry(Name);
  if (!Entry) return false;
  FEntries.erase(FEntries.begin() + (Entry - FEntries.data()));
  return true;
}

void ToxRegFile::Clear() { FEntries.clear(); }

std::string ToxRegFile::SaveToBytes() const
{
  const std::string Header = FileHeader();
  std::string Out = Header;
  for (const TEntry& Entry : FEntries) {
    Out += EntryMark;
    PutField(Out, Entry.Name, NameFieldSize);
    PutField(Out, Entry.Key, KeyFieldSize);
    Out += static_cast<char>(Entry.Kind);
    PutUInt32(Out, static_cast<uint32_t>(Entry.Data.size()));
    Out += DataMark;
    Out += Entry.Data;
  }
  Out += Header;
  return Out;
}

void ToxRegFile::SaveToFile(const std::string& FileName) const { ReplaceFileContents(FileName, SaveToBytes()); }

void ToxRegFile::LoadFromFile(const std::string& FileName)
{
  Clear();
  LoadFromBytes(ReadWholeFile(FileName));
}

void ToxRegFile::LoadFromBytes(std::string_view Bytes)
{
  Clear();
  // Files shorter than two bytes (the empty file among them) load as empty stores.
  if (Bytes.size() >= 2 && Bytes.substr(0, 2) != "03") return;
  size_t Pos = std::min(Bytes.size(), FileHeaderSize);
  while (Pos < Bytes.size() && LoadEntry(Bytes, Pos)) {}
}

// Reads the entry at Pos and advances past it; false at the trailer or at
// damage. Every size is checked against the bytes present before anything
// is allocated, so a crafted size cannot make us reserve memory.
bool ToxRegFile::LoadEntry(std::string_view Bytes, size_t& Pos)
{
  std::string_view Rest = Bytes.substr(Pos);
  if (Rest.size() < EntryMark.size() + EntryHeaderSize + DataMark.size() ||
      Rest.substr(0, EntryMark.size()) != EntryMark)
    return false;
  std::string_view Header = Rest.substr(EntryMark.size(), EntryHeaderSize);
  std::string_view Name, Key;
  if (!FieldText(Header.substr(0, NameFieldSize), Name) || !FieldText(Header.substr(NameFieldSize, KeyFieldSize), Key))
    return false;
  SetCurrentKey(Key);
  const uint8_t Kind = static_cast<uint8_t>(Header[NameFieldSize + KeyFieldSize]);
  const uint32_t Size = GetUInt32(Header.substr(NameFieldSize + KeyFieldSize + 1, 4));
  std::string_view AfterHeader = Rest.substr(EntryMark.size() + EntryHeaderSize);
  if (AfterHeader.substr(0, DataMark.size()) != DataMark || Size > AfterHeader.size() - DataMark.size()) return false;
  // A crafted file may repeat a (name, key) pair; every look-up would see
  // only the first, and a later write would delete that one and leave the
  // stale copy in view, so a repeat is dropped.
  if (!FindEntry(Name))
    FEntries.push_back(
        TEntry{std::string(Name), FCurrentKey, Kind, std::string(AfterHeader.substr(DataMark.size(), Size))});
  Pos += EntryMark.size() + EntryHeaderSize + DataMark.size() + Size;
  return true;
}
