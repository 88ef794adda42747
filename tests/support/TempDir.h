#pragma once
#include <string>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes, directories a test closed too.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // Full path of a file named Name inside the directory.
  std::string File(const std::string& Name) const;
  // The directory without a trailing separator, or Relative below it.
  std::string Path(const std::string& Relative = "") const { return Relative.empty() ? FPath : File(Relative); }
  // Both return the full path; a failure throws.
  std::string AddFile(const std::string& Relative, const std::string& Bytes);
  std::string AddDir(const std::string& Relative);

private:
  std::string FPath;
};

void WriteFileBytes(const std::string& FileName, const std::string& Bytes);
void MakeDirectory(const std::string& Path);
