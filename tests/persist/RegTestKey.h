#pragma once
// Raw registry access for the Win32 persistence tests: what the components
// wrote, read back without going through them.
#include <windows.h>

#include <string>

namespace persisttest {

struct TRawValue {
  bool Exists = false;
  DWORD Type = 0;
  std::string Data;  // strings without their terminator
};

// Deletes Key below HKEY_CURRENT_USER with everything under it.
void DeleteTestKey(const std::string& Key);
TRawValue ReadRaw(const std::string& Key, const std::string& Name);
void WriteRaw(const std::string& Key, const std::string& Name, DWORD Type, const std::string& Data);

}  // namespace persisttest
