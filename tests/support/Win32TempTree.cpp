#include "tests/support/Win32TempTree.h"

#include <stdexcept>

namespace {

void SetWriteTime(const std::string& Path, const FILETIME& Utc)
{
  // Backup semantics let the same call open a directory.
  HANDLE file = CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + Path + " to set its time");
  const BOOL set = SetFileTime(file, nullptr, nullptr, &Utc);
  CloseHandle(file);
  if (!set) throw std::runtime_error("cannot set the time of " + Path);
}

}  // namespace

std::string TWin32TempTree::AddFile(const std::string& Relative, const std::string& Bytes, DWORD Attributes)
{
  const std::string path = TTempDir::AddFile(Relative, Bytes);
  if (Attributes != FILE_ATTRIBUTE_NORMAL && !SetFileAttributesA(path.c_str(), Attributes))
    throw std::runtime_error("cannot set the attributes of " + path);
  return path;
}

void SetLocalWriteTime(const std::string& Path, const SYSTEMTIME& Local)
{
  FILETIME local, utc;
  if (!SystemTimeToFileTime(&Local, &local) || !LocalFileTimeToFileTime(&local, &utc))
    throw std::runtime_error("bad local time");
  SetWriteTime(Path, utc);
}

void SetUtcWriteTime(const std::string& Path, const SYSTEMTIME& Utc)
{
  FILETIME utc;
  if (!SystemTimeToFileTime(&Utc, &utc)) throw std::runtime_error("bad time");
  SetWriteTime(Path, utc);
}

SYSTEMTIME MakeSystemTime(int Year, int Month, int Day, int Hour, int Minute, int Second)
{
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(Year);
  time.wMonth = static_cast<WORD>(Month);
  time.wDay = static_cast<WORD>(Day);
  time.wHour = static_cast<WORD>(Hour);
  time.wMinute = static_cast<WORD>(Minute);
  time.wSecond = static_cast<WORD>(Second);
  return time;
}

bool qvtest::files::FileExists(const std::string& Path)
{
  return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Listed(const std::string& Path)
{
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(Path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

bool RunningUnderWine()
{
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}
