// qv_bench_tree ROOT FILES [mutate]: builds a tree of FILES files, about 20 a
// directory and up to 4 levels deep, with fixed names, sizes and times; with
// "mutate", changes about 4% of an existing tree: grown, deleted, touched, new.
#include <sys/stat.h>
#include <sys/time.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int FilesPerDir = 20;

std::vector<fs::path> MakeDirs(const fs::path& Root, size_t Needed)
{
  size_t fanout = 2;
  while (fanout + fanout * fanout + fanout * fanout * fanout + fanout * fanout * fanout * fanout < Needed) ++fanout;
  std::vector<fs::path> dirs{Root}, level{Root};
  for (int depth = 0; depth < 4 && dirs.size() < Needed; ++depth) {
    std::vector<fs::path> next;
    for (const fs::path& parent : level)
      for (size_t i = 0; i < fanout && dirs.size() < Needed; ++i) {
        next.push_back(parent / ("dir" + std::to_string(i)));
        dirs.push_back(next.back());
      }
    level = next;
  }
  for (const fs::path& dir : dirs) fs::create_directories(dir);
  return dirs;
}

void WriteFile(const fs::path& Path, size_t Size, time_t Time)
{
  std::ofstream(Path, std::ios::binary) << std::string(Size, 'x');
  const timeval times[2] = {{Time, 0}, {Time, 0}};
  utimes(Path.c_str(), times);
}

void Build(const fs::path& Root, size_t Files)
{
  const auto dirs = MakeDirs(Root, (Files + FilesPerDir - 1) / FilesPerDir);
  for (size_t i = 0; i < Files; ++i)
    WriteFile(dirs[i / FilesPerDir] / ("file" + std::to_string(i) + ".dat"), i % 97, 1000000000 + i);
}

void Mutate(const fs::path& Root)
{
  size_t i = 0;
  for (auto it = fs::recursive_directory_iterator(Root); it != fs::recursive_directory_iterator(); ++it, ++i) {
    if (!it->is_regular_file()) continue;
    const fs::path p = it->path();
    switch (i % 100) {
      case 0: std::ofstream(p, std::ios::app) << "grown"; break;
      case 1: fs::remove(p); break;
      case 2: WriteFile(p, fs::file_size(p), 1500000000); break;
      case 3: WriteFile(p.string() + ".new", 3, 1500000000); break;
    }
  }
}

}  // namespace

int main(int argc, char** argv)
{
  if (argc < 3) {
    std::fprintf(stderr, "usage: qv_bench_tree ROOT FILES [mutate]\n");
    return 2;
  }
  if (argc > 3 && std::string(argv[3]) == "mutate")
    Mutate(argv[1]);
  else
    Build(argv[1], std::strtoull(argv[2], nullptr, 10));
  return 0;
}
