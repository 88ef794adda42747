#pragma once
// The file stream's operating-system handle: Win32 CreateFileA in
// FileHandle_win32.cpp, POSIX open() in FileHandle_posix.cpp (one of the two
// is built). Errors are reported by return values; TFileStream turns them
// into exceptions with the file name.

#include <cstdint>
#include <string>

class TFileHandle {
public:
  // Mode: the TFileStream mode word (fmCreate or an access mode, or'ed with a
  // sharing mode). Returns nullptr when the file cannot be opened or created.
  static TFileHandle* Open(const std::string& FileName, uint16_t Mode);
  ~TFileHandle();
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;

  int64_t Read(void* Buffer, int64_t Count);
  int64_t Write(const void* Buffer, int64_t Count);
  // Origin 0 = beginning, 1 = current, 2 = end; returns the new position or -1.
  int64_t Seek(int64_t Offset, int Origin);
  bool Truncate(int64_t Size);

private:
  explicit TFileHandle(intptr_t Handle) : FHandle(Handle) {}
  intptr_t FHandle;
};

bool FileExistsImpl(const std::string& FileName);
