#include "engine/CollectionFile.h"

#include <cstring>

#include "engine/FileSystem.h"

namespace {

void AppendU32(std::string& Out, uint32_t V)
{
  const char bytes[4] = {static_cast<char>(V), static_cast<char>(V >> 8), static_cast<char>(V >> 16),
                         static_cast<char>(V >> 24)};
  Out.append(bytes, 4);
}

}  // namespace

void AppendRecord(std::string& Out, const TQVRec& Rec)
{
  Out.append(Rec.Name.c_str(), Rec.Name.size() + 1);
  AppendU32(Out, static_cast<uint32_t>(Rec.DirIndex));
  AppendU32(Out, Rec.Time);
  AppendU32(Out, static_cast<uint32_t>(Rec.Size));
}

TRecordReader::TRecordReader(TInFile& In) : FIn(In), FBuf(64 * 1024) {}

// Makes at least one unread byte available; false at the end of the file.
bool TRecordReader::Fill()
{
  if (FPos < FLen) return true;
  if (FEof) return false;
  FPos = 0;
  FLen = FIn.Read(FBuf.data(), FBuf.size());
  FEof = FLen == 0;
  return FLen > 0;
}

bool TRecordReader::ReadName(std::string& Name)
{
  Name.clear();
  for (;;) {
    if (!Fill()) {
      FDamage = CutShort;
      return false;
    }
    const char* start = FBuf.data() + FPos;
    const size_t avail = FLen - FPos;
    const void* nul = std::memchr(start, 0, avail);
    const size_t take = nul ? static_cast<const char*>(nul) - start : avail;
    if (Name.size() + take > MaxRecordName) {
      FDamage = NameTooLong;
      return false;
    }
    Name.append(start, take);
    FPos += take;
    if (nul) {
      ++FPos;
      return true;
    }
  }
}

bool TRecordReader::ReadU32(uint32_t& Value)
{
  unsigned char bytes[4];
  for (unsigned char& b : bytes) {
    if (!Fill()) {
      FDamage = CutShort;
      return false;
    }
    b = static_cast<unsigned char>(FBuf[FPos++]);
  }
  Value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
  return true;
}

bool TRecordReader::Next(TQVRec& Rec)
{
  if (FDamage != None || !Fill()) return false;
  uint32_t dirIndex = 0, size = 0;
  if (!ReadName(Rec.Name) || !ReadU32(dirIndex) || !ReadU32(Rec.Time) || !ReadU32(size)) return false;
  Rec.DirIndex = static_cast<int32_t>(dirIndex);
  Rec.Size = static_cast<int32_t>(size);
  return true;
}
