#include "tests/persist/RegTestKey.h"

#include <shlwapi.h>

#include <stdexcept>

namespace persisttest {

void DeleteTestKey(const std::string& Key) { SHDeleteKeyA(HKEY_CURRENT_USER, Key.c_str()); }

TRawValue ReadRaw(const std::string& Key, const std::string& Name)
{
  TRawValue Result;
  DWORD Size = 0;
  if (RegGetValueA(HKEY_CURRENT_USER, Key.c_str(), Name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &Result.Type, nullptr,
                   &Size) != ERROR_SUCCESS)
    return Result;
  Result.Data.resize(Size);
  RegGetValueA(HKEY_CURRENT_USER, Key.c_str(), Name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, nullptr, Result.Data.data(),
               &Size);
  Result.Exists = true;
  Result.Data.resize(Size);
  if (Result.Type == REG_SZ && !Result.Data.empty() && Result.Data.back() == '\0') Result.Data.pop_back();
  return Result;
}

void WriteRaw(const std::string& Key, const std::string& Name, DWORD Type, const std::string& Data)
{
  const std::string Stored = Type == REG_SZ ? Data + '\0' : Data;
  if (RegSetKeyValueA(HKEY_CURRENT_USER, Key.c_str(), Name.c_str(), Type, Stored.data(),
                      static_cast<DWORD>(Stored.size())) != ERROR_SUCCESS)
    throw std::runtime_error("cannot write test value " + Key + "\\" + Name);
}

}  // namespace persisttest
