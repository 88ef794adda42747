#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

std::string Native(std::string Path)
{
  for (char& C : Path)
    if (C == '/') C = Separator;
  return Path;
}

}  // namespace

TTempDir::TTempDir(const std::string& Base)
{
  // Joined by hand: "C:" joined as a path would mean the current folder of C:.
  std::string Parent = Native(Base.empty() ? fs::temp_directory_path().string() : Base);
  if (Parent.back() != Separator) Parent += Separator;
  // The clock and a count keep directories of one run and of parallel runs
  // apart; a name taken all the same gets the next attempt.
  static int Count = 0;
  const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  const std::string Stem = Parent + "qv-test-" + std::to_string(Stamp) + "-" + std::to_string(++Count) + "-";
  for (int Attempt = 0; Attempt < 100 && FPath.empty(); ++Attempt)
    if (fs::create_directory(Stem + std::to_string(Attempt))) FPath = Stem + std::to_string(Attempt);
  if (FPath.empty()) throw std::runtime_error("cannot create a temporary directory under " + Parent);
}

TTempDir::~TTempDir()
{
  // Closed directories are opened again so that they can be emptied, and
  // read-only files made writable (under Windows that clears the attribute).
  std::error_code Ignored;
  fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, Ignored);
  for (auto It = fs::recursive_directory_iterator(FPath, fs::directory_options::skip_permission_denied, Ignored);
       It != fs::recursive_directory_iterator(); It.increment(Ignored))
    if (!It->is_symlink(Ignored)) fs::permissions(It->path(), fs::perms::owner_all, fs::perm_options::add, Ignored);
  fs::remove_all(FPath, Ignored);
}

std::string TTempDir::Path(const std::string& Relative) const
{
  return Relative.empty() ? FPath : FPath + Separator + Native(Relative);
}

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
