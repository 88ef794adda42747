#include "platform/win32/Win32Files.h"

#include <algorithm>

#include "engine/Errors.h"
#include "platform/win32/Win32DosTime.h"

namespace {

// ReadFile and WriteFile take a DWORD count; larger requests go in pieces.
constexpr size_t MaxChunk = 1u << 30;

}  // namespace

bool ReadSizeAndTime(HANDLE File, int32_t& Size, uint32_t& Time)
{
  DWORD high = 0;
  // A low part of 0xFFFFFFFF is a real size too; only the error code tells.
  SetLastError(NO_ERROR);
  const DWORD low = GetFileSize(File, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return false;
  FILETIME written;
  if (!GetFileTime(File, nullptr, nullptr, &written)) return false;
  Size = static_cast<int32_t>(low);
  Time = LocalDosDateTime(written);
  return true;
}

std::unique_ptr<TWin32InFile> TWin32InFile::Open(const std::string& Path)
{
  TFileHandle file(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  int32_t size = 0;
  uint32_t time = 0;
  if (!file || !ReadSizeAndTime(file.get(), size, time)) return nullptr;
  return std::unique_ptr<TWin32InFile>(new TWin32InFile(std::move(file), Path, size, time));
}

TWin32InFile::TWin32InFile(TFileHandle File, const std::string& Path, int32_t Size, uint32_t Time)
    : FFile(std::move(File)), FPath(Path), FSize(Size), FTime(Time)
{}

size_t TWin32InFile::Read(void* Buffer, size_t Count)
{
  DWORD done = 0;
  if (!ReadFile(FFile.get(), Buffer, static_cast<DWORD>(std::min(Count, MaxChunk)), &done, nullptr))
    throw EQVError(FmtMsg("Cannot read file %s", FPath));
  return done;
}

std::unique_ptr<TWin32OutFile> TWin32OutFile::Create(const std::string& Path)
{
  TFileHandle file(CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  return std::unique_ptr<TWin32OutFile>(new TWin32OutFile(std::move(file)));
}

TWin32OutFile::TWin32OutFile(TFileHandle File) : FFile(std::move(File)) {}

bool TWin32OutFile::Write(const void* Buffer, size_t Count)
{
  const char* next = static_cast<const char*>(Buffer);
  while (Count > 0) {
    DWORD done = 0;
    // A failed call, or one that accepted nothing, would never finish the rest.
    if (!FFile || !WriteFile(FFile.get(), next, static_cast<DWORD>(std::min(Count, MaxChunk)), &done, nullptr) ||
        done == 0)
      return false;
    next += done;
    Count -= done;
  }
  return true;
}

// The data must be on the device before the caller moves this file over the
// previous one, or a crash could leave neither intact.
bool TWin32OutFile::Close()
{
  if (!FFile) return false;
  const bool flushed = FlushFileBuffers(FFile.get()) != FALSE;
  return FFile.reset() && flushed;
}
