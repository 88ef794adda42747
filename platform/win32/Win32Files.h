#pragma once
// File streams over CreateFileA handles.
#include <windows.h>

#include <memory>
#include <string>

#include "engine/FileSystem.h"
#include "platform/win32/Win32Handles.h"

// Low 32 bits of the size and local DOS last-write time of an open file;
// false when either cannot be read.
bool ReadSizeAndTime(HANDLE File, int32_t& Size, uint32_t& Time);

class TWin32InFile : public TInFile {
public:
  // Opened for reading with every kind of sharing, so that files other
  // programs hold open can still be read; nullptr on failure.
  static std::unique_ptr<TWin32InFile> Open(const std::string& Path);

  int32_t Size() const override { return FSize; }
  uint32_t Time() const override { return FTime; }
  size_t Read(void* Buffer, size_t Count) override;

private:
  TWin32InFile(TFileHandle File, const std::string& Path, int32_t Size, uint32_t Time);

  TFileHandle FFile;
  std::string FPath;
  int32_t FSize;
  uint32_t FTime;
};

class TWin32OutFile : public TOutFile {
public:
  // Created or truncated, with no sharing while it is written; nullptr on failure.
  static std::unique_ptr<TWin32OutFile> Create(const std::string& Path);

  bool Write(const void* Buffer, size_t Count) override;
  bool Close() override;

private:
  explicit TWin32OutFile(TFileHandle File);

  TFileHandle FFile;
};
