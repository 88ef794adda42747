#pragma once
// A real directory tree for the Win32 tests, removed with everything in it
// (read-only files included) when the object goes. Every tree gets a name of
// its own, so no test meets a folder an earlier one removed.
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/support/TestFiles.h"

class TWin32TempTree {
public:
  // Made under the temporary directory, or directly in Base when one is
  // given (say "C:\\": the folder-browse dialog compares folder times, and
  // the busy temporary folder changes while a dialog is open).
  explicit TWin32TempTree(const std::string& Base = std::string());
  ~TWin32TempTree();
  TWin32TempTree(const TWin32TempTree&) = delete;
  TWin32TempTree& operator=(const TWin32TempTree&) = delete;

  // The root without a trailing backslash, or Relative below it ('/' in
  // Relative becomes '\\', so that tests can share relative paths).
  std::string Path(const std::string& Relative = "") const;
  std::string AddFile(const std::string& Relative, const std::string& Bytes, DWORD Attributes = FILE_ATTRIBUTE_NORMAL);
  std::string AddDir(const std::string& Relative);

private:
  std::string FRoot;
};

// Removes Dir and everything in it, read-only files too; a missing Dir is
// no error.
void RemoveWin32Tree(const std::string& Dir);
// Sets the last-write time of a file or directory from a local wall-clock
// time, converted to UTC with the current zone bias as Windows does.
void SetLocalWriteTime(const std::string& Path, const SYSTEMTIME& Local);
void SetUtcWriteTime(const std::string& Path, const SYSTEMTIME& Utc);
SYSTEMTIME MakeSystemTime(int Year, int Month, int Day, int Hour, int Minute, int Second);
// In a namespace of its own, brought in with a using-directive: the
// framework, which the program's tests link as well, has a FileExists of its
// own, and a directive (unlike a declaration) lets that be declared beside
// this one. Where both are seen, qualify the call.
namespace qvtest::files {
bool FileExists(const std::string& Path);
}  // namespace qvtest::files
using namespace qvtest::files;
// True when the directory listing holds Path; unlike FileExists this also
// sees Unix devices on Wine's Z: drive, whose attributes cannot be read.
bool Listed(const std::string& Path);
// True when running under Wine (and so Z:\ is the Unix root).
bool RunningUnderWine();
