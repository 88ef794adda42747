#pragma once
#include <cstdint>
#include <string>

// One recorded file: its name without directory, the position of its
// directory in the directory list, its local DOS last-write time and the low
// 32 bits of its size.
class TQVRec {
public:
  std::string Name;
  int32_t DirIndex = 0;
  uint32_t Time = 0;
  int32_t Size = 0;
  bool operator==(const TQVRec&) const = default;
};
