#pragma once
// The temporary tree of the Win32 tests, whose files can be made with
// attributes of their own.
#include <windows.h>

#include <cstdint>
#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

class TWin32TempTree : public TTempDir {
public:
  using TTempDir::TTempDir;
  std::string AddFile(const std::string& Relative, const std::string& Bytes, DWORD Attributes = FILE_ATTRIBUTE_NORMAL);
};

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
