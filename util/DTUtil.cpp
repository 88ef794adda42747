#include "util/DTUtil.h"

std::string PadLeft(const std::string& S, int Width, char Ch)
{
  if (Width <= 0 || S.size() >= static_cast<size_t>(Width)) return S;
  return std::string(static_cast<size_t>(Width) - S.size(), Ch) + S;
}

std::string MinutesSeconds(uint32_t Seconds)
{
  return PadLeft(std::to_string(Seconds / 60), 2, '0') + ":" + PadLeft(std::to_string(Seconds % 60), 2, '0');
}
