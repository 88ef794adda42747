#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class TFileSystem;

// Finds directories in the directory list by the platform's path comparison
// without searching the list: a walk meets every directory once per entry,
// and on large trees a linear search makes the scan quadratic.
class TDirIndex {
public:
  void Clear();
  // Position of the first string in List that the platform calls equal to
  // Dir; Dir is appended when there is none.
  int32_t FindOrAdd(std::vector<std::string>& List, const std::string& Dir, TFileSystem& Fs);

private:
  std::unordered_map<std::string, int32_t> FByKey;
  size_t FIndexed = 0;
  // Entries of one directory arrive together; this saves computing the key each time.
  std::string FLastDir;
  int32_t FLastPos = -1;

  void Catch(const std::vector<std::string>& List, TFileSystem& Fs);
};
