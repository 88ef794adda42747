#include "platform/FileReplace.h"

#include <windows.h>

// rename refuses an existing target on Windows; MoveFileExA replaces it.
bool MoveReplacing(const std::string& Source, const std::string& Target)
{
  return MoveFileExA(Source.c_str(), Target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
