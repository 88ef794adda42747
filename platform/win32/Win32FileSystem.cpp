#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <vector>

#include "platform/PlatformFileSystem.h"
#include "platform/win32/Win32DirEnum.h"
#include "platform/win32/Win32DosTime.h"
#include "platform/win32/Win32Files.h"

namespace {

// Errors that say nothing can exist at the path, as opposed to something
// being there that we may not look at. A drive or share that is gone, or a
// name no file can carry, holds no file either.
bool NothingThere(DWORD Error)
{
  switch (Error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return true;
    default: return false;
  }
}

int32_t LowSize(const WIN32_FILE_ATTRIBUTE_DATA& Data)
{
  return (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : static_cast<int32_t>(Data.nFileSizeLow);
}

TEntryState ExamineFile(const std::string& Path)
{
  TFileHandle file(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {NothingThere(GetLastError()) ? TEntryState::Missing : TEntryState::Denied, 0, 0};
  TEntryState state{TEntryState::Present, 0, 0};
  if (!ReadSizeAndTime(file.get(), state.Size, state.Time)) return {TEntryState::Denied, 0, 0};
  return state;
}

}  // namespace

bool TWin32FileSystem::ValidEntryName(const std::string& Name) const
{
  return !Name.empty() && Name != "." && Name != ".." && Name.find_first_of("\\/:") == std::string::npos;
}

std::string TWin32FileSystem::FullPath(const std::string& Path)
{
  // The first call only measures; the directory may change in between, so
  // the second call's answer is checked against the buffer again.
  DWORD length = GetFullPathNameA(Path.c_str(), 0, nullptr, nullptr);
  for (int attempt = 0; attempt < 3 && length > 0; ++attempt) {
    std::vector<char> full(length);
    const DWORD used = GetFullPathNameA(Path.c_str(), length, full.data(), nullptr);
    if (used > 0 && used < length) return std::string(full.data(), used);
    length = used;
  }
  return Path;
}

std::unique_ptr<TDirEnum> TWin32FileSystem::FindFirst(const std::string& Pattern, bool /*WantAttributes*/)
{
  // FindFirstFileA hands over all attributes anyway; nothing cheaper exists
  // on every Windows this program runs on.
  return std::make_unique<TWin32DirEnum>(Pattern);
}

// Attributes come from GetFileAttributesExA, which takes the path literally:
// FindFirstFileA would read a recorded name holding '?' or '*' as a pattern.
TEntryState TWin32FileSystem::Examine(const std::string& Path)
{
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &data))
    return {NothingThere(GetLastError()) ? TEntryState::Missing : TEntryState::Denied, 0, 0};
  if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
    return {TEntryState::Present, LocalDosDateTime(data.ftLastWriteTime), LowSize(data),
            (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
  return ExamineFile(Path);
}

std::unique_ptr<TInFile> TWin32FileSystem::OpenRead(const std::string& Path) { return TWin32InFile::Open(Path); }

std::unique_ptr<TOutFile> TWin32FileSystem::Create(const std::string& Path) { return TWin32OutFile::Create(Path); }

bool TWin32FileSystem::Replace(const std::string& From, const std::string& To)
{
  return MoveFileExA(From.c_str(), To.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void TWin32FileSystem::Remove(const std::string& Path) { DeleteFileA(Path.c_str()); }

bool TWin32FileSystem::SamePath(const std::string& A, const std::string& B)
{
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, A.data(), static_cast<int>(A.size()), B.data(),
                        static_cast<int>(B.size())) == CSTR_EQUAL;
}

// The sort key of the same comparison that SamePath makes, so that a key
// look-up finds exactly what a comparison with each string would.
std::string TWin32FileSystem::PathKey(const std::string& Path)
{
  const int length = static_cast<int>(Path.size());
  const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, Path.data(), length, nullptr, 0);
  // Only the empty path has no key; it is its own key, which no other path
  // shares, just as it compares equal to no other path.
  if (size <= 0) return Path;
  std::string key(static_cast<size_t>(size), '\0');
  const int used =
      LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, Path.data(), length, key.data(), size);
  key.resize(used > 0 ? static_cast<size_t>(used) : 0);
  // The key ends with a 0 byte of its own, which carries nothing.
  if (!key.empty() && key.back() == '\0') key.pop_back();
  return key;
}

std::string TWin32FileSystem::DateTimeText(uint32_t DosDateTime) { return DosDateTimeText(DosDateTime); }

uint32_t TWin32FileSystem::Ticks() { return GetTickCount(); }

std::unique_ptr<TFileSystem> CreatePlatformFileSystem() { return std::make_unique<TWin32FileSystem>(); }
