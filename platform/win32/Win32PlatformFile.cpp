#include <windows.h>

#include "platform/PlatformFile.h"
#include "platform/win32/Win32Handles.h"

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

class TWin32File : public TPlatformFile {
public:
  explicit TWin32File(TFileHandle Handle) : FHandle(std::move(Handle)) {}

  int64_t Read(void* Buffer, int64_t Count) override
  {
    DWORD done = 0;
    if (!::ReadFile(FHandle.get(), Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
    return done;
  }
  int64_t Write(const void* Buffer, int64_t Count) override
  {
    DWORD done = 0;
    if (!::WriteFile(FHandle.get(), Buffer, static_cast<DWORD>(Count), &done, nullptr)) return 0;
    return done;
  }
  int64_t Seek(int64_t Offset, int Origin) override
  {
    LARGE_INTEGER distance, result;
    distance.QuadPart = Offset;
    const DWORD method = Origin == 0 ? FILE_BEGIN : Origin == 1 ? FILE_CURRENT : FILE_END;
    if (!::SetFilePointerEx(FHandle.get(), distance, &result, method)) return -1;
    return result.QuadPart;
  }
  bool Truncate(int64_t Size) override { return Seek(Size, 0) == Size && ::SetEndOfFile(FHandle.get()); }

private:
  TFileHandle FHandle;
};
}  // namespace

std::unique_ptr<TPlatformFile> OpenPlatformFile(const std::string& FileName, uint16_t Mode)
{
  const bool create = (Mode & 0xFF00) == fmCreate;
  const DWORD access = create ? (GENERIC_READ | GENERIC_WRITE) : AccessFlags(Mode);
  // A created file without an explicit sharing mode stays open to readers.
  const DWORD share = create && (Mode & 0x00F0) == 0 ? FILE_SHARE_READ : ShareFlags(Mode);
  TFileHandle file(::CreateFileA(FileName.c_str(), access, share, nullptr, create ? CREATE_ALWAYS : OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  return std::make_unique<TWin32File>(std::move(file));
}

bool PlatformFileExists(const std::string& FileName)
{
  const DWORD attr = ::GetFileAttributesA(FileName.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}
