#include "persist/SettingsStore.h"

#include "framework/objects/Exceptions.h"

namespace {

// The store itself reads an entry of the other kind as empty data; applying
// that would wipe the property, so it fails here like a registry value of
// the wrong type and the item is skipped.
const ToxRegFile::TEntry& RequireEntry(const ToxRegFile& Store, const std::string& Name, uint8_t Kind)
{
  const ToxRegFile::TEntry* Entry = Store.FindEntry(Name);
  if (!Entry || Entry->Kind != Kind) throw EReadError("Invalid data type for '" + Name + "'");
  return *Entry;
}

}  // namespace

bool TRegFileStore::OpenKey(const std::string& Key, bool)
{
  FStore.SetCurrentKey(Key);
  return true;
}

bool TRegFileStore::ValueExists(const std::string& Name) { return FStore.ValueExists(Name); }

std::string TRegFileStore::ReadString(const std::string& Name)
{
  RequireEntry(FStore, Name, ToxRegFile::KindString);
  return FStore.ReadString(Name);
}

std::string TRegFileStore::ReadBinary(const std::string& Name)
{
  return RequireEntry(FStore, Name, ToxRegFile::KindBinary).Data;
}

void TRegFileStore::WriteString(const std::string& Name, const std::string& Value) { FStore.WriteString(Name, Value); }

void TRegFileStore::WriteBinary(const std::string& Name, const std::string& Data)
{
  FStore.WriteBinaryData(Name, Data.data(), Data.size());
}
