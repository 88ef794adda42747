// The compare: check every recorded file, then walk the tree for new ones.
#include "engine/EngineHost.h"
#include "engine/Errors.h"
#include "engine/FileSystem.h"
#include "engine/QVEngine.h"
#include "util/DTUtil.h"

uint32_t TQVEngine::Compare(const std::string& FileName)
{
  TBusyGuard busy(*this);
  Clear();
  FDifferences = 0;
  FDirList.clear();
  FDirIndex.Clear();
  FHost.ClearLines();
  const uint32_t start = FFs.Ticks();
  FHost.SetStatus("Loading File Structure...");
  FHost.ProcessMessages();
  FHost.SetHourGlass(true);
  try {
    FExcluded = FHost.ExcludedDirs();
    const bool recurse = FHost.RecurseDirs();
    uint32_t collectionTime = 0;
    ReadCollection(FileName, collectionTime);
    FHost.AddLine("COLLECTION FOR " + DirAt(0) + " (" + FFs.DateTimeText(collectionTime) + ")", true);
    CheckEntries();
    // A root without a path would walk the current drive's root.
    if (!DirAt(0).empty()) CompareDir(DirAt(0), recurse);
    CompactEntries();
    const uint32_t seconds = (FFs.Ticks() - start) / 1000;
    FHost.AddLine("DONE, " + MinutesSeconds(seconds), true);
  } catch (...) {
    CompactEntries();
    FHost.SetStatus("");
    FHost.SetHourGlass(false);
    throw;
  }
  FHost.SetStatus("");
  FHost.SetHourGlass(false);
  if (FHost.EnableBeeps()) FHost.Beep();
  return FDifferences;
}

void TQVEngine::CheckEntries()
{
  const size_t count = FRecList.size();
  for (size_t i = 0; i < count; ++i) {
    const TQVRec& rec = FRecList[i];
    if (IsExcluded(DirAt(rec.DirIndex))) continue;
    FHost.SetStatus(DirAt(rec.DirIndex));
    CheckEntry(rec);
    ProcessMessages();
  }
}

void TQVEngine::CheckEntry(const TQVRec& Rec)
{
  const std::string path = EntryPath(Rec);
  const TEntryState state = FFs.Examine(path);
  switch (state.Kind) {
    case TEntryState::Missing:
      ++FDifferences;
      FHost.AddLine(path + " - Missing", true);
      break;
    case TEntryState::Denied:
      ++FDifferences;
      FHost.AddLine(path + " - File Access Denied", true);
      break;
    case TEntryState::Present:
      // The size test comes first: a file whose size and time both changed
      // gets the size line only. Sizes are compared as the low 32 bits.
      if (state.Size != Rec.Size || state.Time != Rec.Time) ++FDifferences;
      if (state.Size != Rec.Size)
        FHost.AddLine(path + " - Size: " +
                          std::to_string(static_cast<int32_t>(static_cast<uint32_t>(state.Size) -
                                                              static_cast<uint32_t>(Rec.Size))),
                      false);
      else if (state.Time != Rec.Time)
        FHost.AddLine(path + " - " + FFs.DateTimeText(state.Time), false);
      break;
  }
}

void TQVEngine::CompareDir(std::string Dir, bool Recurse)
{
  Dir = StripSeparator(std::move(Dir));
  auto found = FFs.FindFirst(Dir + FMask, false);
  TFindData entry;
  bool more = found->Next(entry);
  while (more) {
    if (entry.Name != "." && entry.Name != "..") {
      const std::string path = Dir + FFs.Separator() + entry.Name;
      if (entry.Directory && Recurse) {
        FHost.SetStatus(Dir);
        if (!IsExcluded(path)) CompareDir(path, Recurse);
      } else if (IsNewFile(path)) {
        ++FDifferences;
        FHost.AddLine(path + " - New", false);
      }
    }
    more = found->Next(entry);
    ProcessMessages();
  }
}

bool TQVEngine::IsNewFile(const std::string& Path)
{
  if (!FNewFileIndex.Built()) {
    std::vector<uint64_t> hashes(FRecList.size());
    for (size_t i = 0; i < FRecList.size(); ++i) hashes[i] = TPathIndex::Hash(EntryPath(FRecList[i]));
    FNewFileIndex.Build(hashes);
  }
  const int64_t match =
      FNewFileIndex.Find(TPathIndex::Hash(Path), [&](size_t Pos) { return EntryPath(FRecList[Pos]) == Path; });
  if (match < 0) return true;
  FNewFileIndex.Consume(static_cast<size_t>(match));
  return false;
}

// Drops the entries that the walk consumed; until then they are only marked,
// since erasing from the middle of the list one by one would be quadratic.
void TQVEngine::CompactEntries()
{
  if (!FNewFileIndex.Built()) return;
  if (FNewFileIndex.AnyConsumed()) {
    std::vector<TQVRec> kept;
    kept.reserve(FRecList.size());
    for (size_t i = 0; i < FRecList.size(); ++i)
      if (!FNewFileIndex.Consumed(i)) kept.push_back(std::move(FRecList[i]));
    FRecList = std::move(kept);
  }
  FNewFileIndex.Clear();
}
