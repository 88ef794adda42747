#pragma once
// A real directory tree under $TMPDIR (or /tmp) for the POSIX platform
// tests, removed with everything in it when the object goes.
#include <cstdint>
#include <ctime>
#include <string>

#include "tests/support/TestFiles.h"

class TPosixTempTree {
public:
  TPosixTempTree();
  ~TPosixTempTree();
  TPosixTempTree(const TPosixTempTree&) = delete;
  TPosixTempTree& operator=(const TPosixTempTree&) = delete;

  // The root without a trailing slash, or Relative below it.
  std::string Path(const std::string& Relative = "") const;
  std::string AddFile(const std::string& Relative, const std::string& Bytes);
  std::string AddDir(const std::string& Relative);

private:
  std::string FRoot;
};

// Sets the modification time of Path itself (a link is not followed).
void SetModTime(const std::string& Path, time_t Time);
// A Unix time from UTC fields, or from local wall-clock fields.
time_t UtcTime(int Year, int Month, int Day, int Hour, int Minute, int Second);
time_t LocalTime(int Year, int Month, int Day, int Hour, int Minute, int Second);

// Sets TZ for the life of the object and puts the old value back.
class TZoneOverride {
public:
  explicit TZoneOverride(const char* Zone);
  ~TZoneOverride();
  TZoneOverride(const TZoneOverride&) = delete;
  TZoneOverride& operator=(const TZoneOverride&) = delete;

private:
  bool FHadOld;
  std::string FOld;
};
