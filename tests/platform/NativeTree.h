#pragma once
// The platform's own file system and temporary tree, for the cases that both
// sides of the file-system seam must pass alike.
#include <string>

#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
#include "tests/support/Win32TempTree.h"
using TNativeFileSystem = TWin32FileSystem;
using TNativeTree = TWin32TempTree;
constexpr char NativeSeparator = '\\';
#else
#include "platform/posix/PosixFileSystem.h"
#include "tests/platform/PosixTempTree.h"
using TNativeFileSystem = TPosixFileSystem;
using TNativeTree = TPosixTempTree;
constexpr char NativeSeparator = '/';
#endif

// Sets the last-write time of Path from a local wall-clock time.
inline void SetWallClockTime(const std::string& Path, int Year, int Month, int Day, int Hour, int Minute, int Second)
{
#ifdef _WIN32
  SetLocalWriteTime(Path, MakeSystemTime(Year, Month, Day, Hour, Minute, Second));
#else
  SetModTime(Path, LocalTime(Year, Month, Day, Hour, Minute, Second));
#endif
}

// A Unix device or /proc file, seen under Wine through Z:, the Unix root;
// empty when it is not there.
inline std::string UnixFile(std::string Path)
{
#ifdef _WIN32
  for (char& c : Path)
    if (c == '/') c = '\\';
  Path = "Z:" + Path;
  return RunningUnderWine() && Listed(Path) ? Path : "";
#else
  return Path;
#endif
}
