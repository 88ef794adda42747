#include "framework/objects/Streams.h"

#include <algorithm>
#include <cstring>

QV_IMPLEMENT_CLASS_NOPROPS(TStream)
QV_IMPLEMENT_CLASS_NOPROPS(TMemoryStream)
QV_IMPLEMENT_CLASS_NOPROPS(TReadOnlyMemoryStream)
QV_IMPLEMENT_CLASS_NOPROPS(TFileStream)

// ---------------------------------------------------------------------------
// TStream

int64_t TStream::Size()
{
  const int64_t pos = Seek(0, soCurrent);
  const int64_t end = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return end;
}

void TStream::SetSize(int64_t) { throw EStreamError("Stream size cannot be changed"); }

int64_t TStream::Remaining()
{
  const int64_t pos = Position();
  const int64_t size = Size();
  return pos < size ? size - pos : 0;
}

void TStream::ReadBuffer(void* Buffer, int64_t Count)
{
  if (Count < 0 || (Count != 0 && Read(Buffer, Count) != Count)) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, int64_t Count)
{
  if (Count < 0 || (Count != 0 && Write(Buffer, Count) != Count)) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& Source, int64_t Count)
{
  if (Count == 0) {
    Source.SetPosition(0);
    Count = Source.Size();
  }
  const int64_t total = Count;
  char buffer[8192];
  while (Count > 0) {
    const int64_t n = std::min<int64_t>(Count, sizeof buffer);
    Source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    Count -= n;
  }
  return total;
}

// ---------------------------------------------------------------------------
// TMemoryStream

int64_t TMemoryStream::Read(void* Buffer, int64_t Count)
{
  const int64_t size = Size();
  if (Count <= 0 || FPosition >= size) return 0;
  const int64_t n = std::min(Count, size - FPosition);
  std::memcpy(Buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TMemoryStream::Write(const void* Buffer, int64_t Count)
{
  if (Count <= 0) return 0;
  const int64_t end = FPosition + Count;
  if (end > Size()) FData.resize(static_cast<size_t>(end));
  std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
  FPosition = end;
  return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : Size();
  const int64_t pos = base + Offset;
  if (pos < 0) throw EStreamError("Invalid stream position");
  FPosition = pos;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize)
{
  if (NewSize < 0) throw EStreamError("Invalid stream size");
  FData.resize(static_cast<size_t>(NewSize));
  if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear()
{
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& Source)
{
  Source.SetPosition(0);
  const int64_t size = Source.Size();
  FData.assign(static_cast<size_t>(size), 0);
  FPosition = 0;
  Source.ReadBuffer(FData.data(), size);
}

void TMemoryStream::LoadFromFile(const std::string& FileName)
{
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TMemoryStream::SaveToStream(TStream& Dest) { Dest.WriteBuffer(FData.data(), Size()); }

void TMemoryStream::SaveToFile(const std::string& FileName)
{
  TFileStream stream(FileName, fmCreate);
  SaveToStream(stream);
}

// ---------------------------------------------------------------------------
// TReadOnlyMemoryStream

TReadOnlyMemoryStream::TReadOnlyMemoryStream(const void* Data, int64_t Size)
    : FData(static_cast<const uint8_t*>(Data)), FSize(Size < 0 ? 0 : Size)
{}

int64_t TReadOnlyMemoryStream::Read(void* Buffer, int64_t Count)
{
  if (Count <= 0 || FPosition >= FSize) return 0;
  const int64_t n = std::min(Count, FSize - FPosition);
  std::memcpy(Buffer, FData + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int64_t TReadOnlyMemoryStream::Write(const void*, int64_t) { return 0; }

int64_t TReadOnlyMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
  const int64_t base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
  const int64_t pos = base + Offset;
  if (pos < 0) throw EStreamError("Invalid stream position");
  FPosition = pos;
  return FPosition;
}

// ---------------------------------------------------------------------------
// TFileStream

TFileStream::TFileStream(const std::string& FileName, uint16_t Mode)
    : FFileName(FileName), FHandle(OpenPlatformFile(FileName, Mode))
{
  if (!FHandle) {
    if ((Mode & 0xFF00) == fmCreate) throw EFCreateError("Cannot create file " + FileName);
    throw EFOpenError("Cannot open file " + FileName);
  }
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* Buffer, int64_t Count) { return Count <= 0 ? 0 : FHandle->Read(Buffer, Count); }

int64_t TFileStream::Write(const void* Buffer, int64_t Count) { return Count <= 0 ? 0 : FHandle->Write(Buffer, Count); }

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
  const int64_t pos = FHandle->Seek(Offset, static_cast<int>(Origin));
  if (pos < 0) throw EStreamError("Invalid stream position");
  return pos;
}

void TFileStream::SetSize(int64_t NewSize)
{
  if (NewSize < 0 || !FHandle->Truncate(NewSize)) throw EStreamError("Stream size cannot be changed");
  if (Position() > NewSize) Seek(NewSize, soBeginning);
}

bool FileExists(const std::string& FileName) { return PlatformFileExists(FileName); }
