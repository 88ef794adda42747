#pragma once
#include <string>

// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  // Full path of a file named Name inside the directory.
  std::string File(const std::string& Name) const;

private:
  std::string FPath;
};

void WriteFileBytes(const std::string& FileName, const std::string& Bytes);
void MakeDirectory(const std::string& Path);
