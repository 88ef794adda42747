#pragma once
// What the POSIX and the Win32 temporary trees of the tests share.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

// In a namespace of their own, brought in with a using-directive: a global
// ReadWholeFile would clash at link time with the persistence library's.
namespace qvtest::files {

// The DOS date-time of the given fields, built by hand.
inline uint32_t DosDateTime(int Year, int Month, int Day, int Hour = 0, int Minute = 0, int Second = 0)
{
  const uint32_t date = static_cast<uint32_t>(((Year - 1980) << 9) | (Month << 5) | Day);
  const uint32_t time = static_cast<uint32_t>((Hour << 11) | (Minute << 5) | (Second / 2));
  return (date << 16) | time;
}

inline std::string ReadWholeFile(const std::string& Path)
{
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace qvtest::files
using namespace qvtest::files;
