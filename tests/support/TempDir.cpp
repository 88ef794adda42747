#include "tests/support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TTempDir::TTempDir()
{
  const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  for (int Attempt = 0; Attempt < 100; ++Attempt) {
    fs::path Candidate =
        fs::temp_directory_path() / ("qv-persist-" + std::to_string(Stamp) + "-" + std::to_string(Attempt));
    if (fs::create_directory(Candidate)) {
      FPath = Candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TTempDir::~TTempDir()
{
  std::error_code Ignored;
  fs::remove_all(FPath, Ignored);
}

std::string TTempDir::File(const std::string& Name) const { return (fs::path(FPath) / Name).string(); }

std::string ReadFileBytes(const std::string& FileName)
{
  std::ifstream In(FileName, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& FileName, const std::string& Bytes)
{
  std::ofstream Out(FileName, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

void MakeDirectory(const std::string& Path) { fs::create_directory(Path); }
