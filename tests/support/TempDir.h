#pragma once
#include <string>

// A fresh directory, under a name never used before, removed with everything
// in it when the object goes: directories a test closed and read-only files
// too. Under Windows its paths hold backslashes only.
class TTempDir {
public:
  // Made under the system's temporary directory, or directly in Base when
  // one is given (say "C:\\": the folder-browse dialog compares folder times,
  // and the busy temporary folder changes while a dialog is open).
  explicit TTempDir(const std::string& Base = std::string());
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // The directory without a trailing separator, or Relative below it ('/' in
  // Relative becomes '\\' under Windows, so that tests can share paths).
  std::string Path(const std::string& Relative = "") const;
  // Both return the full path; a failure throws.
  std::string AddFile(const std::string& Relative, const std::string& Bytes);
  std::string AddDir(const std::string& Relative);

private:
  std::string FPath;
};

void WriteFileBytes(const std::string& FileName, const std::string& Bytes);
void MakeDirectory(const std::string& Path);
