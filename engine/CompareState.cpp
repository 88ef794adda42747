#include "engine/CompareState.h"

#include <algorithm>

TCompareState::TCompareState(std::vector<TQVRec> Entries, TPathOf PathOf)
    : FEntries(std::move(Entries)), FPathOf(std::move(PathOf))
{}

uint64_t TCompareState::Hash(std::string_view Text)
{
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : Text) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

void TCompareState::BuildIndex()
{
  FIndex.resize(FEntries.size());
  for (size_t i = 0; i < FEntries.size(); ++i) FIndex[i] = {Hash(FPathOf(FEntries[i])), static_cast<uint32_t>(i)};
  std::sort(FIndex.begin(), FIndex.end());
  FMet.assign(FEntries.size(), false);
  FIndexed = true;
}

bool TCompareState::IsNewFile(const std::string& Path)
{
  if (!FIndexed) BuildIndex();
  // Equal hashes sort by position, so the first unmet match is the one a
  // front-to-back search would find.
  const uint64_t hash = Hash(Path);
  auto it = std::lower_bound(FIndex.begin(), FIndex.end(), std::make_pair(hash, uint32_t{0}));
  for (; it != FIndex.end() && it->first == hash; ++it)
    if (!FMet[it->second] && FPathOf(FEntries[it->second]) == Path) {
      FMet[it->second] = true;
      FAnyMet = true;
      return false;
    }
  return true;
}

std::vector<TQVRec> TCompareState::TakeRemaining() noexcept
{
  // In place, so that handing the entries back cannot fail.
  if (FAnyMet) {
    size_t kept = 0;
    for (size_t i = 0; i < FEntries.size(); ++i)
      if (!FMet[i]) {
        if (kept != i) FEntries[kept] = std::move(FEntries[i]);
        ++kept;
      }
    FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(kept), FEntries.end());
  }
  std::vector<std::pair<uint64_t, uint32_t>>().swap(FIndex);
  std::vector<bool>().swap(FMet);
  FIndexed = FAnyMet = false;
  return std::move(FEntries);
}
