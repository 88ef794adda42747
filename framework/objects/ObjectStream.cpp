#include "framework/objects/ObjectStream.h"

#include <cmath>
#include <cstring>

void DoubleToExtended(double Value, uint8_t Bytes[10])
{
  std::memset(Bytes, 0, 10);
  const uint8_t sign = std::signbit(Value) ? 0x80 : 0;
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(Value)) {
    mantissa = 0xC000000000000000ull;
    exponent = 0x7FFF;
  } else if (std::isinf(Value)) {
    mantissa = 0x8000000000000000ull;
    exponent = 0x7FFF;
  } else if (Value != 0.0) {
    int e = 0;
    const double m = std::frexp(std::fabs(Value), &e);  // m in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
    exponent = e - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  Bytes[8] = static_cast<uint8_t>(exponent & 0xFF);
  Bytes[9] = static_cast<uint8_t>(((exponent >> 8) & 0x7F) | sign);
}

double ExtendedToDouble(const uint8_t Bytes[10])
{
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(Bytes[i]) << (8 * i);
  const int exponent = Bytes[8] | ((Bytes[9] & 0x7F) << 8);
  const bool negative = (Bytes[9] & 0x80) != 0;
  double v;
  if (exponent == 0x7FFF)
    v = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  else if (mantissa == 0)
    v = 0.0;
  else
    v = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -v : v;
}
