#include "tests/persist/RegTestKey.h"

#include <shlwapi.h>

#include <stdexcept>
#include <vector>

namespace persisttest {

void DeleteTestKey(const std::string& Key) { SHDeleteKeyA(HKEY_CURRENT_USER, Key.c_str()); }

TRawValue ReadRaw(const std::string& Key, const std::string& Name)
{
  TRawValue Result;
  HKEY Handle = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, KEY_READ, &Handle) != ERROR_SUCCESS) return Result;
  DWORD Size = 0;
  if (RegQueryValueExA(Handle, Name.c_str(), nullptr, &Result.Type, nullptr, &Size) == ERROR_SUCCESS) {
    std::vector<BYTE> Data(Size + 1);
    RegQueryValueExA(Handle, Name.c_str(), nullptr, nullptr, Data.data(), &Size);
    Result.Exists = true;
    Result.Data.assign(reinterpret_cast<const char*>(Data.data()), Size);
    if (Result.Type == REG_SZ && !Result.Data.empty() && Result.Data.back() == '\0') Result.Data.pop_back();
  }
  RegCloseKey(Handle);
  return Result;
}

void WriteRaw(const std::string& Key, const std::string& Name, DWORD Type, const std::string& Data)
{
  HKEY Handle = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, Key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &Handle, nullptr) !=
      ERROR_SUCCESS)
    throw std::runtime_error("cannot create test key " + Key);
  const std::string Stored = Type == REG_SZ ? Data + '\0' : Data;
  RegSetValueExA(Handle, Name.c_str(), 0, Type, reinterpret_cast<const BYTE*>(Stored.data()),
                 static_cast<DWORD>(Stored.size()));
  RegCloseKey(Handle);
}

}  // namespace persisttest
