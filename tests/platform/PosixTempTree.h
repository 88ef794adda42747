#pragma once
// File times and the time zone for the POSIX platform tests.
#include <cstdint>
#include <ctime>
#include <string>

#include "tests/support/TestFiles.h"

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
