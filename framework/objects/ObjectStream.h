#pragma once
// The binary object stream ("TPF0"), in which form resources and object
// blobs are stored:
//   "TPF0", then one object: [prefix] class name, object name (each a length
//   byte + characters), properties (path + tagged value) up to a 0 byte,
//   nested objects up to a 0 byte.
// Value tags are TValueType; multi-byte integers are little-endian.
//
// This header holds the format itself; TWriter (Writer.h) writes it, TReader
// (Reader.h) reads it, and a class's extra streamed data is declared through
// TFiler (Filer.h).

#include <cstdint>

enum TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection
};
constexpr uint8_t vaLastValue = vaCollection;

// The tags an integer may carry; a reader takes any of them.
inline bool IsIntegerTag(TValueType Value) { return Value == vaInt8 || Value == vaInt16 || Value == vaInt32; }

// Object prefix flags: a byte $F0 | flags before the class name when any is set.
enum : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

// Deepest nesting of objects, lists and collections the reader accepts;
// deeper input is treated as damaged rather than risking the stack.
constexpr int MaxStreamNesting = 64;

// The four bytes every object stream starts with.
inline constexpr char ObjectStreamSignature[4] = {'T', 'P', 'F', '0'};

// 10-byte floating point (sign, 15-bit exponent, 64-bit mantissa with an
// explicit integer bit), converted without relying on long double.
void DoubleToExtended(double Value, uint8_t Bytes[10]);
double ExtendedToDouble(const uint8_t Bytes[10]);
