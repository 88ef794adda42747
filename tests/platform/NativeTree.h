#pragma once
// The platform's own file system and temporary tree, for the cases that both
// sides of the file-system seam must pass alike.
#include <gtest/gtest.h>

#include <map>
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
#include "tests/support/TempDir.h"
using TNativeFileSystem = TPosixFileSystem;
using TNativeTree = TTempDir;
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

// A test on a fresh tree of the native file system.
class TNativeTreeTest : public ::testing::Test {
protected:
  TNativeTree FTree;
  TNativeFileSystem FFs;

  // Every entry of the directory Relative ("" for the root), by name.
  std::map<std::string, TFindData> List(const std::string& Relative = "", bool WantAttributes = true)
  {
    std::map<std::string, TFindData> entries;
    auto found = FFs.FindFirst(FTree.Path(Relative.empty() ? "*.*" : Relative + "/*.*"), WantAttributes);
    TFindData entry;
    while (found->Next(entry)) entries[entry.Name] = entry;
    return entries;
  }
};
