#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define QV_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define QV_ISATTY(fd) isatty(fd)
#endif

#include "cli/QvCommands.h"
#include "platform/PlatformFileSystem.h"

int main(int argc, char** argv)
{
  // Dates in the report follow the user's regional settings.
  std::setlocale(LC_TIME, "");
  std::vector<std::string> args(argv + 1, argv + argc);
  auto fs = CreatePlatformFileSystem();
  return RunQv(args, *fs, QV_ISATTY(2) != 0);
}
