#pragma once
#include <string>
#include <vector>

class TFileSystem;

// Saves report lines as text, each followed by CR LF. The file is written
// beside its target first and replaces it only when complete.
void SaveReportLines(TFileSystem& Fs, const std::string& FileName, const std::vector<std::string>& Lines);
