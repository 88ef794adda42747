#include "engine/PathIndex.h"

#include <algorithm>

uint64_t TPathIndex::Hash(std::string_view Text, uint64_t Seed)
{
  uint64_t h = Seed;  // FNV-1a, continued from Seed so a path can be hashed in pieces
  for (unsigned char c : Text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

void TPathIndex::Clear()
{
  FSorted.clear();
  FSorted.shrink_to_fit();
  FConsumed.clear();
  FBuilt = false;
  FAnyConsumed = false;
}

void TPathIndex::Build(const std::vector<uint64_t>& Hashes)
{
  FSorted.resize(Hashes.size());
  for (size_t i = 0; i < Hashes.size(); ++i) FSorted[i] = {Hashes[i], static_cast<uint32_t>(i)};
  std::sort(FSorted.begin(), FSorted.end());
  FConsumed.assign(Hashes.size(), false);
  FBuilt = true;
  FAnyConsumed = false;
}
