#include "tests/platform/PosixTempTree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

TPosixTempTree::TPosixTempTree()
{
  const char* temp = std::getenv("TMPDIR");
  std::string pattern = std::string(temp && *temp ? temp : "/tmp") + "/qv-platform-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!mkdtemp(name.data())) throw std::runtime_error("cannot create a temporary directory");
  FRoot = name.data();
}

TPosixTempTree::~TPosixTempTree()
{
  // Directories closed by a test are opened again so that they can be emptied.
  std::error_code ignored;
  for (auto it = fs::recursive_directory_iterator(FRoot, fs::directory_options::skip_permission_denied, ignored);
       it != fs::recursive_directory_iterator(); it.increment(ignored))
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) chmod(it->path().c_str(), 0700);
  chmod(FRoot.c_str(), 0700);
  fs::remove_all(FRoot, ignored);
}

std::string TPosixTempTree::Path(const std::string& Relative) const
{
  return Relative.empty() ? FRoot : FRoot + "/" + Relative;
}

std::string TPosixTempTree::AddFile(const std::string& Relative, const std::string& Bytes)
{
  const std::string path = Path(Relative);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

std::string TPosixTempTree::AddDir(const std::string& Relative)
{
  const std::string path = Path(Relative);
  if (mkdir(path.c_str(), 0755) != 0) throw std::runtime_error("cannot create " + path);
  return path;
}

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
