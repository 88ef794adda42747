#include "persist/RegistryStore.h"

#include <limits>

bool TRegistryStore::OpenKey(const std::string& Key, bool CanCreate) { return FRegistry.OpenKey(Key, CanCreate); }

// The registry accessor reads a missing string as empty; the transfers need
// a missing value to fail like a value of the other type.
std::string TRegistryStore::ReadString(const std::string& Name)
{
  if (!FRegistry.ValueExists(Name))
    throw ERegistryException("Failed to get data for '" + Name + "'", ERROR_FILE_NOT_FOUND);
  return FRegistry.ReadString(Name);
}

std::string TRegistryStore::ReadBinary(const std::string& Name)
{
  const int Size = FRegistry.GetDataSize(Name);
  if (Size < 0) throw ERegistryException("Failed to get data for '" + Name + "'", ERROR_FILE_NOT_FOUND);
  std::string Data(static_cast<size_t>(Size), '\0');
  // Re-read with the size actually copied: the value may have shrunk since.
  const int Read = FRegistry.ReadBinaryData(Name, Data.data(), Size);
  Data.resize(static_cast<size_t>(Read));
  return Data;
}

void TRegistryStore::WriteString(const std::string& Name, const std::string& Value)
{
  FRegistry.WriteString(Name, Value);
}

void TRegistryStore::WriteBinary(const std::string& Name, const std::string& Data)
{
  if (Data.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
    throw ERegistryException("Failed to set data for '" + Name + "'", ERROR_INVALID_PARAMETER);
  FRegistry.WriteBinaryData(Name, Data.data(), static_cast<int>(Data.size()));
}
