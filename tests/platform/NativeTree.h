#pragma once
// The platform's own file system and temporary tree, for the cases that both
// sides of the file-system seam must pass alike.
#include <ctime>
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
  struct tm fields {};
  fields.tm_year = Year - 1900;
  fields.tm_mon = Month - 1;
  fields.tm_mday = Day;
  fields.tm_hour = Hour;
  fields.tm_min = Minute;
  fields.tm_sec = Second;
  fields.tm_isdst = -1;
  SetModTime(Path, mktime(&fields));
#endif
}

// A device that takes no byte (a full disk), and a file that opens but fails
// to read; empty where there is none.
inline std::string FullDevicePath()
{
#ifdef _WIN32
  // Z:\ is the Unix root under Wine.
  return RunningUnderWine() && Listed("Z:\\dev\\full") ? "Z:\\dev\\full" : "";
#else
  return "/dev/full";
#endif
}
inline std::string ReadFailurePath()
{
  // Reading /proc/self/mem at offset 0 fails on Linux, which Wine passes on.
#ifdef _WIN32
  return RunningUnderWine() && Listed("Z:\\proc\\self\\mem") ? "Z:\\proc\\self\\mem" : "";
#else
  return "/proc/self/mem";
#endif
}
