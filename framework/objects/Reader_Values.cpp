#include "framework/objects/Reader.h"

#include <cstring>

#include "framework/objects/Streams.h"

namespace {
uint32_t ReadLE(TStream& Stream, int Bytes)
{
  uint8_t b[4] = {0, 0, 0, 0};
  Stream.ReadBuffer(b, Bytes);
  uint32_t v = 0;
  for (int i = 0; i < Bytes; ++i) v |= static_cast<uint32_t>(b[i]) << (8 * i);
  return v;
}
}  // namespace

TReaderNesting::TReaderNesting(TReader& Reader) : FReader(Reader)
{
  if (++FReader.FDepth > MaxStreamNesting) {
    --FReader.FDepth;
    throw EReadError("Invalid stream format: objects nested too deeply");
  }
}

void TReader::InvalidValue() { throw EReadError("Invalid property value"); }

TValueType TReader::ReadValue()
{
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  if (b > vaLastValue) throw EReadError("Invalid stream format: unknown value tag " + std::to_string(b));
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue()
{
  // A peek, not a check: before a property the next byte is the length of
  // its name, which may be any value.
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  FStream.Seek(-1, soCurrent);
  return static_cast<TValueType>(b);
}

void TReader::CheckValue(TValueType Value)
{
  if (ReadValue() != Value) InvalidValue();
}

uint32_t TReader::ReadLength()
{
  const uint32_t length = ReadLE(FStream, 4);
  if (static_cast<int64_t>(length) > FStream.Remaining()) throw EReadError("Stream read error");
  return length;
}

int32_t TReader::ReadInteger()
{
  switch (ReadValue()) {
    case vaInt8: return static_cast<int8_t>(ReadLE(FStream, 1));
    case vaInt16: return static_cast<int16_t>(ReadLE(FStream, 2));
    case vaInt32: return static_cast<int32_t>(ReadLE(FStream, 4));
    default: InvalidValue();
  }
}

bool TReader::ReadBoolean()
{
  const TValueType v = ReadValue();
  if (v != vaTrue && v != vaFalse) InvalidValue();
  return v == vaTrue;
}

std::string TReader::ReadStr()
{
  uint8_t len;
  FStream.ReadBuffer(&len, 1);
  std::string s(len, '\0');
  FStream.ReadBuffer(s.data(), len);
  return s;
}

std::string TReader::ReadString()
{
  const TValueType v = ReadValue();
  if (v == vaString) return ReadStr();
  if (v != vaLString) InvalidValue();
  const uint32_t len = ReadLength();
  std::string s(len, '\0');
  FStream.ReadBuffer(s.data(), len);
  return s;
}

std::string TReader::ReadIdent()
{
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    default: InvalidValue();
  }
}

double TReader::ReadFloat()
{
  if (IsIntegerTag(NextValue())) return ReadInteger();
  CheckValue(vaExtended);
  uint8_t b[10];
  FStream.ReadBuffer(b, 10);
  return ExtendedToDouble(b);
}

char TReader::ReadChar()
{
  const std::string s = ReadString();
  if (s.size() != 1) InvalidValue();
  return s[0];
}

void TReader::SkipValue()
{
  auto skip = [this](int64_t n) {
    if (n > FStream.Remaining()) throw EReadError("Stream read error");
    FStream.Seek(n, soCurrent);
  };
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList: {
      TReaderNesting nesting(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    }
    case vaInt8: skip(1); break;
    case vaInt16: skip(2); break;
    case vaInt32: skip(4); break;
    case vaExtended: skip(10); break;
    case vaString:
    case vaIdent: {
      uint8_t len;
      FStream.ReadBuffer(&len, 1);
      skip(len);
      break;
    }
    case vaBinary:
    case vaLString: skip(ReadLength()); break;
    case vaSet:
      while (!ReadStr().empty()) {}
      break;
    case vaCollection: {
      TReaderNesting nesting(*this);
      while (!EndOfList()) {
        if (IsIntegerTag(NextValue())) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
    }
  }
}

void TReader::ReadPrefix(uint8_t& Flags, int& ChildPos)
{
  Flags = 0;
  ChildPos = 0;
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  if ((b & 0xF0) != 0xF0) {
    FStream.Seek(-1, soCurrent);
    return;
  }
  Flags = b & 0x0F;
  if (Flags & ffChildPos) ChildPos = ReadInteger();
}

void TReader::ReadSignature()
{
  char sig[4];
  FStream.ReadBuffer(sig, 4);
  if (std::memcmp(sig, ObjectStreamSignature, 4) != 0) throw EReadError("Invalid stream format");
}
