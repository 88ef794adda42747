#include "persist/PersistText.h"

std::string NormaliseKeyPath(std::string_view Path)
{
  std::string Result;
  Result.reserve(Path.size());
  for (char C : Path)
    if (C != '\\' || Result.empty() || Result.back() != '\\') Result += C;
  if (!Result.empty() && Result.front() == '\\') Result.erase(0, 1);
  if (!Result.empty() && Result.back() == '\\') Result.pop_back();
  return Result;
}

std::string_view CutAtNul(std::string_view S, size_t MaxLen)
{
  size_t End = S.find('\0');
  if (End == std::string_view::npos) End = S.size();
  return S.substr(0, End < MaxLen ? End : MaxLen);
}
