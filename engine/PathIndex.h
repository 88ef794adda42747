#pragma once
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

// Finds recorded files by their full path for the new-file test of a compare.
// A compare meets every file of the tree once; searching the whole catalogue
// each time would make it quadratic. Only hashes and positions are kept, so
// the index costs 16 bytes a file; a candidate is confirmed by the caller.
class TPathIndex {
public:
  static uint64_t Hash(std::string_view Text, uint64_t Seed = 14695981039346656037ull);

  void Clear();
  bool Built() const { return FBuilt; }
  // Hashes[i] is the hash of entry i's full path.
  void Build(const std::vector<uint64_t>& Hashes);
  // The first entry, by position, that is not consumed, has this hash and
  // satisfies Same; -1 when there is none.
  template <class TSame> int64_t Find(uint64_t PathHash, TSame Same) const;
  void Consume(size_t Pos)
  {
    FConsumed[Pos] = true;
    FAnyConsumed = true;
  }
  bool Consumed(size_t Pos) const { return FBuilt && FConsumed[Pos]; }
  bool AnyConsumed() const { return FAnyConsumed; }

private:
  std::vector<std::pair<uint64_t, uint32_t>> FSorted;
  std::vector<bool> FConsumed;
  bool FBuilt = false;
  bool FAnyConsumed = false;
};

template <class TSame> int64_t TPathIndex::Find(uint64_t PathHash, TSame Same) const
{
  auto it = std::lower_bound(FSorted.begin(), FSorted.end(), std::make_pair(PathHash, uint32_t{0}));
  for (; it != FSorted.end() && it->first == PathHash; ++it)
    if (!FConsumed[it->second] && Same(it->second)) return it->second;
  return -1;
}
