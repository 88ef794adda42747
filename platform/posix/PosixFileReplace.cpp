#include "platform/FileReplace.h"

#include <cstdio>

// POSIX rename replaces an existing target in one step.
bool MoveReplacing(const std::string& Source, const std::string& Target)
{
  return std::rename(Source.c_str(), Target.c_str()) == 0;
}
