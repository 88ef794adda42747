#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe replacing for the small settings files.

class ESettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool FileExists(const std::string& FileName);

// Reads the whole file. Throws ESettingsFileError "Cannot open file <name>"
// when it cannot be opened and "Cannot read file <name>" when reading fails.
std::string ReadWholeFile(const std::string& FileName);

// Writes Bytes to a temporary file beside FileName and then moves it over
// FileName, so a failure at any point leaves the previous file as it was.
// Throws ESettingsFileError "Cannot create file <name>" or "Cannot write file <name>".
void ReplaceFileContents(const std::string& FileName, std::string_view Bytes);
