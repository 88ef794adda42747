#include "tests/platform/PosixTempTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

void SetModTime(const std::string& Path, time_t Time)
{
  const timespec times[2] = {{Time, 0}, {Time, 0}};
  if (utimensat(AT_FDCWD, Path.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
    throw std::runtime_error("cannot set the time of " + Path);
}

namespace {

struct tm Fields(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
  struct tm fields {};
  fields.tm_year = Year - 1900;
  fields.tm_mon = Month - 1;
  fields.tm_mday = Day;
  fields.tm_hour = Hour;
  fields.tm_min = Minute;
  fields.tm_sec = Second;
  return fields;
}

}  // namespace

time_t UtcTime(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
  struct tm fields = Fields(Year, Month, Day, Hour, Minute, Second);
  return timegm(&fields);
}

time_t LocalTime(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
  struct tm fields = Fields(Year, Month, Day, Hour, Minute, Second);
  fields.tm_isdst = -1;  // whatever the zone has in force on that day
  return mktime(&fields);
}

TZoneOverride::TZoneOverride(const char* Zone)
{
  const char* old = std::getenv("TZ");
  FHadOld = old != nullptr;
  FOld = old ? old : "";
  setenv("TZ", Zone, 1);
  tzset();
}

TZoneOverride::~TZoneOverride()
{
  if (FHadOld)
    setenv("TZ", FOld.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}
