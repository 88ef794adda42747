#include "framework/objects/FileHandle.h"

#include <windows.h>

#include "framework/objects/Streams.h"

namespace {
DWORD ShareFlags(uint16_t Mode)
{
  switch (Mode & 0x00F0) {
    case fmShareExclusive: return 0;
    case fmShareDenyWrite: return FILE_SHARE_READ;
    case fmShareDenyRead: return FILE_SHARE_WRITE;
    case fmShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // compatibility mode behaves as exclusive
  }
}

DWORD AccessFlags(uint16_t Mode)
{
  switch (Mode & 0x0003) {
    case fmOpenWrite: return GENERIC_WRITE;
    case fmOpenReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
  }
}
}  // namespace

TFileHandle* TFileHandle::Open(const std::string& FileName, uint16_t Mode)
{
  const bool create = (Mode & 0xFF00) == fmCreate;
  const DWORD access = create ? (GENERIC_READ | GENERIC_WRITE) : AccessFlags(Mode);
  // A created file without an explicit sharing mode stays open to readers.
  const DWORD share = create && (Mode & 0x00F0) == 0 ? FILE_SHARE_READ : ShareFlags(Mode);
  HANDLE h = ::CreateFileA(FileName.c_str(), access, share, nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return new TFileHandle(reinterpret_cast<intptr_t>(h));
}

TFileHandle::~TFileHandle() { ::CloseHandle(reinterpret_cast<HANDLE>(FHandle)); }

int64_t TFileHandle::Read(void* Buffer, int64_t Count)
{
  DWORD done = 0;
  if (!::ReadFile(reinterpret_cast<HANDLE>(FHandle), Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
  return done;
}

int64_t TFileHandle::Write(const void* Buffer, int64_t Count)
{
  DWORD done = 0;
  if (!::WriteFile(reinterpret_cast<HANDLE>(FHandle), Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
  return done;
}

int64_t TFileHandle::Seek(int64_t Offset, int Origin)
{
  LARGE_INTEGER distance, result;
  distance.QuadPart = Offset;
  const DWORD method = Origin == 0 ? FILE_BEGIN : Origin == 1 ? FILE_CURRENT : FILE_END;
  if (!::SetFilePointerEx(reinterpret_cast<HANDLE>(FHandle), distance, &result, method)) return -1;
  return result.QuadPart;
}

bool TFileHandle::Truncate(int64_t Size)
{
  return Seek(Size, 0) == Size && ::SetEndOfFile(reinterpret_cast<HANDLE>(FHandle));
}

bool FileExistsImpl(const std::string& FileName)
{
  const DWORD attr = ::GetFileAttributesA(FileName.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
