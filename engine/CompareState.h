#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/Catalogue.h"

// What a running compare holds besides its report: the loaded entries, which
// of them the walk has met, and how many differences were reported. The walk
// meets every file once; a sorted index of path hashes finds its entry without
// searching the whole list each time, and a met entry is only marked, since
// erasing from the middle of the list one at a time would be quadratic.
class TCompareState {
public:
  using TPathOf = std::function<std::string(const TQVRec&)>;
  TCompareState(std::vector<TQVRec> Entries, TPathOf PathOf);

  // Every loaded entry, met or not, in its recorded order.
  const std::vector<TQVRec>& Entries() const { return FEntries; }
  // True when no unmet entry has exactly Path, letter case included;
  // otherwise the first such entry is marked met.
  bool IsNewFile(const std::string& Path);
  // The entries the walk has not met, in their order; the state is left empty.
  std::vector<TQVRec> TakeRemaining() noexcept;

  void CountDifference() { ++FDifferences; }
  uint32_t Differences() const { return FDifferences; }

  static uint64_t Hash(std::string_view Text);

private:
  std::vector<TQVRec> FEntries;
  TPathOf FPathOf;
  std::vector<std::pair<uint64_t, uint32_t>> FIndex;  // (path hash, position), sorted; built at the first look-up
  std::vector<bool> FMet;
  bool FIndexed = false;
  bool FAnyMet = false;
  uint32_t FDifferences = 0;

  void BuildIndex();
};
