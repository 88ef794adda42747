#pragma once
// The collection file: records back to back, each the entry's name and a 0
// byte, then DirIndex, Time and Size as little-endian 32-bit numbers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Catalogue.h"

class TInFile;

constexpr size_t MaxRecordName = 1000;

void AppendRecord(std::string& Out, const TQVRec& Rec);

// Reads records from an open collection file through a buffer.
class TRecordReader {
public:
  enum TDamage { None, CutShort, NameTooLong };

  explicit TRecordReader(TInFile& In);
  // False at the end of the file, or at damage (then Damage() says which).
  bool Next(TQVRec& Rec);
  TDamage Damage() const { return FDamage; }

private:
  TInFile& FIn;
  std::vector<char> FBuf;
  size_t FPos = 0;
  size_t FLen = 0;
  bool FEof = false;
  TDamage FDamage = None;

  bool Fill();
  bool ReadName(std::string& Name);
  bool ReadU32(uint32_t& Value);
};
