#include "util/DTUtil.h"

std::string PadLeft(const std::string& S, int Width, char Ch)
{
  if (Width <= 0 || S.size() >= static_cast<size_t>(Width))
    return S;
  return std::string(static_cast<size_t>(Width) - S.size(), Ch) + S;
}
