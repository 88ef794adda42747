#pragma once
#include <windows.h>

#include <string>

// The help engine looks for a bare file name in the current directory, which
// a shortcut or a command prompt can set anywhere; so Quorvik names its help
// file by the folder it was started from.
inline std::string HelpFileBesideProgram(const char* Name = "quorvik.hlp")
{
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return Name;
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/:") + 1) + Name;
}
