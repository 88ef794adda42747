#include "engine/Errors.h"

#include <cstdio>

std::string FmtMsg(const char* Format, const std::string& Arg)
{
  std::string text = Format;
  const size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, Arg);
  return text;
}

std::string FmtMsg(const char* Format, long long Arg)
{
  std::string text = Format;
  const size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(Arg));
  return text;
}
