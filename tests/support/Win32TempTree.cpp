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

void RemoveWin32Tree(const std::string& Dir)
{
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((Dir + "\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = Dir + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveWin32Tree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(find, &found));
    FindClose(find);
  }
  RemoveDirectoryA(Dir.c_str());
}

TWin32TempTree::TWin32TempTree(const std::string& Base)
{
  std::string parent = Base;
  if (parent.empty()) {
    char temp[MAX_PATH + 1];
    const DWORD length = GetTempPathA(sizeof temp, temp);
    if (length == 0 || length > MAX_PATH) throw std::runtime_error("no temporary directory");
    parent = temp;
  }
  if (parent.back() != '\\') parent += '\\';
  static unsigned made = 0;
  const std::string base = parent + "qv-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount()) + "-" + std::to_string(++made);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = base + "-" + std::to_string(attempt);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      FRoot = candidate;
      return;
    }
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  throw std::runtime_error("cannot create a temporary directory under " + parent);
}

TWin32TempTree::~TWin32TempTree() { RemoveWin32Tree(FRoot); }

std::string TWin32TempTree::Path(const std::string& Relative) const
{
  std::string path = Relative.empty() ? FRoot : FRoot + "\\" + Relative;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string TWin32TempTree::AddFile(const std::string& Relative, const std::string& Bytes, DWORD Attributes)
{
  const std::string path = Path(Relative);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + path);
  DWORD written = 0;
  const BOOL ok = WriteFile(file, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != Bytes.size()) throw std::runtime_error("cannot write " + path);
  if (Attributes != FILE_ATTRIBUTE_NORMAL && !SetFileAttributesA(path.c_str(), Attributes))
    throw std::runtime_error("cannot set the attributes of " + path);
  return path;
}

std::string TWin32TempTree::AddDir(const std::string& Relative)
{
  const std::string path = Path(Relative);
  if (!CreateDirectoryA(path.c_str(), nullptr)) throw std::runtime_error("cannot create " + path);
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
