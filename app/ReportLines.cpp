#include "app/ReportLines.h"

std::string LinePath(const std::string& Line)
{
  const size_t at = Line.find(" - ");
  return at == std::string::npos ? Line : Line.substr(0, at);
}

std::string DeleteFilePrompt(const std::string& Path) { return "Delete File \"" + Path + "\"?"; }

std::string AlreadyListedWarning(const std::string& Dir) { return "Directory \"" + Dir + "\" already listed."; }
