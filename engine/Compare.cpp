// The compare: check every recorded file, then walk the tree for new ones.
#include "engine/CompareState.h"
#include "engine/EngineHost.h"
#include "engine/Errors.h"
#include "engine/FileSystem.h"
#include "engine/QVEngine.h"
#include "util/DTUtil.h"

namespace {

// Hands the entries the walk did not meet back to the catalogue, however the
// compare ends.
class TGiveBackEntries {
public:
  TGiveBackEntries(TCompareState& State, std::vector<TQVRec>& Catalogue) : FState(State), FCatalogue(Catalogue) {}
  ~TGiveBackEntries() { FCatalogue = FState.TakeRemaining(); }
  TGiveBackEntries(const TGiveBackEntries&) = delete;
  TGiveBackEntries& operator=(const TGiveBackEntries&) = delete;

private:
  TCompareState& FState;
  std::vector<TQVRec>& FCatalogue;
};

}  // namespace

uint32_t TQVEngine::Compare(const std::string& FileName)
{
  TBusyGuard busy(*this);
  Clear();
  FDirList.clear();
  FDirIndex.Clear();
  FHost.ClearLines();
  const uint32_t start = FFs.Ticks();
  FHost.SetStatus("Loading File Structure...");
  FHost.ProcessMessages();
  FHost.SetHourGlass(true);
  uint32_t differences = 0;
  try {
    FExcluded = FHost.ExcludedDirs();
    const bool recurse = FHost.RecurseDirs();
    uint32_t collectionTime = 0;
    ReadCollection(FileName, collectionTime);
    FHost.AddLine("COLLECTION FOR " + DirAt(0) + " (" + FFs.DateTimeText(collectionTime) + ")", true);
    TCompareState state(std::move(FRecList), [this](const TQVRec& Rec) { return EntryPath(Rec); });
    TGiveBackEntries giveBack(state, FRecList);
    CheckEntries(state);
    // A root without a path would walk the current drive's root.
    if (!DirAt(0).empty()) CompareDir(state, DirAt(0), recurse);
    const uint32_t seconds = (FFs.Ticks() - start) / 1000;
    FHost.AddLine("DONE, " + MinutesSeconds(seconds), true);
    differences = state.Differences();
  } catch (...) {
    FHost.SetStatus("");
    FHost.SetHourGlass(false);
    throw;
  }
  FHost.SetStatus("");
  FHost.SetHourGlass(false);
  if (FHost.EnableBeeps()) FHost.Beep();
  return differences;
}

void TQVEngine::ReportDifference(TCompareState& State, const std::string& Text, bool Note)
{
  State.CountDifference();
  FHost.AddLine(Text, Note);
}

void TQVEngine::CheckEntries(TCompareState& State)
{
  const std::vector<TQVRec>& entries = State.Entries();
  const size_t count = entries.size();
  for (size_t i = 0; i < count; ++i) {
    const TQVRec& rec = entries[i];
    if (IsExcluded(DirAt(rec.DirIndex))) continue;
    FHost.SetStatus(DirAt(rec.DirIndex));
    CheckEntry(State, rec);
    ProcessMessages();
  }
}

void TQVEngine::CheckEntry(TCompareState& State, const TQVRec& Rec)
{
  const std::string path = EntryPath(Rec);
  const TEntryState state = FFs.Examine(path);
  switch (state.Kind) {
    case TEntryState::Missing: ReportDifference(State, path + " - Missing", true); break;
    case TEntryState::Denied: ReportDifference(State, path + " - File Access Denied", true); break;
    case TEntryState::Present:
      // The size test comes first: a file whose size and time both changed
      // gets the size line only. Sizes are compared as the low 32 bits.
      if (state.Size != Rec.Size)
        ReportDifference(State,
                         path + " - Size: " +
                             std::to_string(static_cast<int32_t>(static_cast<uint32_t>(state.Size) -
                                                                 static_cast<uint32_t>(Rec.Size))),
                         false);
      else if (state.Time != Rec.Time)
        ReportDifference(State, path + " - " + FFs.DateTimeText(state.Time), false);
      break;
  }
}

void TQVEngine::CompareDir(TCompareState& State, std::string Dir, bool Recurse)
{
  WalkDir(std::move(Dir), Recurse, {false, false, [&](const std::string& Listed, const TFindData& Entry) {
                                      const std::string path = Listed + FFs.Separator() + Entry.Name;
                                      if (State.IsNewFile(path)) ReportDifference(State, path + " - New", false);
                                    }});
}
