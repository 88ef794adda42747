#pragma once
// The operating-system file under a file stream: CreateFileA on Windows
// (win32/Win32PlatformFile.cpp), open() elsewhere (posix/PosixPlatformFile.cpp).
// Errors are return values; TFileStream turns them into exceptions with the
// file name.

#include <cstdint>
#include <memory>
#include <string>

// File open modes: one access mode or'ed with one sharing mode; fmCreate
// creates (or empties) the file and opens it for reading and writing.
enum : uint16_t {
  fmOpenRead = 0x0000,
  fmOpenWrite = 0x0001,
  fmOpenReadWrite = 0x0002,
  fmShareCompat = 0x0000,
  fmShareExclusive = 0x0010,
  fmShareDenyWrite = 0x0020,
  fmShareDenyRead = 0x0030,
  fmShareDenyNone = 0x0040,
  fmCreate = 0xFF00,
};

class TPlatformFile {
public:
  TPlatformFile() = default;
  virtual ~TPlatformFile() = default;
  TPlatformFile(const TPlatformFile&) = delete;
  TPlatformFile& operator=(const TPlatformFile&) = delete;

  // Bytes moved; 0 when the system call fails.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  // Origin 0 = beginning, 1 = current, 2 = end; returns the new position or -1.
  virtual int64_t Seek(int64_t Offset, int Origin) = 0;
  virtual bool Truncate(int64_t Size) = 0;
};

// Mode: fmCreate or an access mode, or'ed with a sharing mode. Windows keeps
// the sharing mode itself; elsewhere exclusive and deny-read opens take an
// exclusive advisory lock and deny-write a shared one, which our own file
// streams honour. nullptr when the file cannot be opened or created (or is a
// directory).
std::unique_ptr<TPlatformFile> OpenPlatformFile(const std::string& FileName, uint16_t Mode);
// True for an existing file that is not a directory.
bool PlatformFileExists(const std::string& FileName);
