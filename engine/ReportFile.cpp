#include "engine/ReportFile.h"

#include "engine/TempFile.h"

void SaveReportLines(TFileSystem& Fs, const std::string& FileName, const std::vector<std::string>& Lines)
{
  std::string text;
  for (const std::string& line : Lines) text.append(line).append("\r\n");
  TTempFile file(Fs, FileName);
  file.Write(text);
  file.Commit();
}
