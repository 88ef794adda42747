#pragma once
#include <string>
#include <string_view>

// Whole-file reading and crash-safe replacing for the small settings files.
// Failures raise the framework's stream errors (framework/objects/Exceptions.h).

// Reads the whole file. EFOpenError "Cannot open file <name>" when it cannot
// be opened, EReadError "Cannot read file <name>" when reading fails.
std::string ReadWholeFile(const std::string& FileName);

// Writes Bytes to a temporary file beside FileName and then moves it over
// FileName, so a failure at any point leaves the previous file as it was.
// EFCreateError "Cannot create file <name>", EWriteError "Cannot write file <name>".
void ReplaceFileContents(const std::string& FileName, std::string_view Bytes);
