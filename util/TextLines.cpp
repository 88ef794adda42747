#include "util/TextLines.h"

std::vector<std::string> SplitTextLines(std::string_view Text)
{
  const size_t nul = Text.find('\0');
  if (nul != std::string_view::npos) Text = Text.substr(0, nul);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < Text.size()) {
    size_t end = start;
    while (end < Text.size() && Text[end] != '\r' && Text[end] != '\n') ++end;
    lines.emplace_back(Text.substr(start, end - start));
    if (end < Text.size() && Text[end++] == '\r' && end < Text.size() && Text[end] == '\n') ++end;
    start = end;
  }
  return lines;
}
