#pragma once
// Streams: the abstract TStream, a growable in-memory stream and a file
// stream with the Windows sharing modes. Reads past the end through
// ReadBuffer raise EReadError; they never return short data silently.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/objects/Classes.h"
#include "platform/PlatformFile.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
  QV_CLASS(TStream, TObject)
public:
  // Read/Write move up to Count bytes and return how many moved.
  virtual int64_t Read(void* Buffer, int64_t Count) = 0;
  virtual int64_t Write(const void* Buffer, int64_t Count) = 0;
  virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t NewSize);
  // Bytes between the position and the end (0 when positioned past the end).
  int64_t Remaining();

  // Exactly Count bytes or EReadError "Stream read error".
  void ReadBuffer(void* Buffer, int64_t Count);
  // Exactly Count bytes or EWriteError "Stream write error".
  void WriteBuffer(const void* Buffer, int64_t Count);
  // Copies Count bytes from Source's position; Count 0 copies the whole of
  // Source from its start. Returns the number of bytes copied.
  int64_t CopyFrom(TStream& Source, int64_t Count);
};

class TMemoryStream : public TStream {
  QV_CLASS(TMemoryStream, TStream)
public:
  TMemoryStream() = default;
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t NewSize) override;

  const uint8_t* Memory() const { return FData.data(); }
  uint8_t* Memory() { return FData.data(); }
  const std::vector<uint8_t>& Bytes() const { return FData; }
  std::string DataString() const { return std::string(FData.begin(), FData.end()); }
  void Clear();
  void LoadFromStream(TStream& Source);
  void LoadFromFile(const std::string& FileName);
  void SaveToStream(TStream& Dest);
  void SaveToFile(const std::string& FileName);

private:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

// Read-only stream over bytes owned by someone else (a resource, a buffer).
class TReadOnlyMemoryStream : public TStream {
  QV_CLASS(TReadOnlyMemoryStream, TStream)
public:
  TReadOnlyMemoryStream(const void* Data, int64_t Size);
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;  // always 0
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FSize; }

private:
  const uint8_t* FData;
  int64_t FSize;
  int64_t FPosition = 0;
};

class TFileStream : public TStream {
  QV_CLASS(TFileStream, TStream)
public:
  // Mode: see the fm constants (platform/PlatformFile.h), which also say how
  // sharing modes behave on each system. EFCreateError "Cannot create file X"
  // / EFOpenError "Cannot open file X".
  TFileStream(const std::string& FileName, uint16_t Mode);
  ~TFileStream() override;
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(int64_t NewSize) override;
  const std::string& FileName() const { return FFileName; }

private:
  std::string FFileName;
  std::unique_ptr<TPlatformFile> FHandle;
};

bool FileExists(const std::string& FileName);
