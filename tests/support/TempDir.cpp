#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

TTempDir::TTempDir()
{
  // The clock and a count keep directories of one run and of parallel runs apart.
  static int Count = 0;
  const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const fs::path Dir = fs::temp_directory_path() / ("qv-test-" + std::to_string(Stamp) + "-" + std::to_string(++Count));
  if (!fs::create_directory(Dir)) throw std::runtime_error("cannot create " + Dir.string());
  FPath = Dir.string();
}

TTempDir::~TTempDir()
{
  // Directories closed by a test are opened again so that they can be emptied.
  std::error_code Ignored;
  fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, Ignored);
  for (auto It = fs::recursive_directory_iterator(FPath, fs::directory_options::skip_permission_denied, Ignored);
       It != fs::recursive_directory_iterator(); It.increment(Ignored))
    if (It->is_directory(Ignored) && !It->is_symlink(Ignored))
      fs::permissions(It->path(), fs::perms::owner_all, fs::perm_options::add, Ignored);
  fs::remove_all(FPath, Ignored);
}

std::string TTempDir::File(const std::string& Name) const { return (fs::path(FPath) / Name).string(); }

void WriteFileBytes(const std::string& FileName, const std::string& Bytes)
{
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!Out) throw std::runtime_error("cannot write " + FileName);
}

std::string TTempDir::AddFile(const std::string& Relative, const std::string& Bytes)
{
  WriteFileBytes(Path(Relative), Bytes);
  return Path(Relative);
}

std::string TTempDir::AddDir(const std::string& Relative)
{
  if (!fs::create_directory(Path(Relative))) throw std::runtime_error("cannot create " + Path(Relative));
  return Path(Relative);
}

void MakeDirectory(const std::string& Path) { fs::create_directory(Path); }
