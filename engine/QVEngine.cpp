#include "engine/QVEngine.h"

#include "engine/EngineHost.h"
#include "engine/Errors.h"
#include "engine/FileSystem.h"
#include "util/DTUtil.h"

TQVEngine::TQVEngine(TFileSystem& Fs, TEngineHost& Host)
    : FFs(Fs), FHost(Host), FMask(std::string(1, Fs.Separator()) + "*.*")
{}

void TQVEngine::Clear()
{
  FRecList.clear();
  FRecList.shrink_to_fit();
}

std::string TQVEngine::ScanTitle(int32_t Count, uint32_t Seconds)
{
  return std::to_string(Count) + " files processed - " + MinutesSeconds(Seconds) + " - Save As";
}

uint32_t TQVEngine::Scan(const std::string& Root)
{
  // A folder without a file-system path must not become a walk of "\*.*",
  // which is the root of the current drive.
  if (Root.empty()) throw EQVError("The selected folder has no file-system path and cannot be scanned.");
  TBusyGuard busy(*this);
  FDirList.clear();
  FDirIndex.Clear();
  FDirList.push_back(Root);
  Clear();
  FCount = 0;
  FExcluded = FHost.ExcludedDirs();
  const bool recurse = FHost.RecurseDirs();
  FHost.SetHourGlass(true);
  const uint32_t start = FFs.Ticks();
  try {
    ScanDir(Root, recurse);
  } catch (...) {
    FHost.SetHourGlass(false);
    FHost.SetStatus("");
    throw;
  }
  FHost.SetHourGlass(false);
  FHost.SetStatus("");
  return (FFs.Ticks() - start) / 1000;
}

std::string TQVEngine::StripSeparator(std::string Dir) const
{
  if (!Dir.empty() && Dir.back() == FFs.Separator()) Dir.pop_back();
  return Dir;
}

bool TQVEngine::IsExcluded(const std::string& Dir) const
{
  for (const std::string& excluded : FExcluded)
    if (FFs.SamePath(Dir, excluded)) return true;
  return false;
}

void TQVEngine::ProcessMessages()
{
  FHost.ProcessMessages();
  if (FStopRequested) throw EWalkStopped("Stopped.");
}

// The depth-first walk of scan and compare: one trailing separator dropped,
// "." and ".." skipped, a subdirectory walked at once (unless excluded) when
// recursing, and messages processed after every entry, skipped ones too. A
// directory that cannot be listed yields nothing.
void TQVEngine::WalkDir(std::string Dir, bool Recurse, const TWalk& Walk)
{
  Dir = StripSeparator(std::move(Dir));
  auto found = FFs.FindFirst(Dir + FMask, Walk.WantAttributes);
  TFindData entry;
  bool more = found->Next(entry);
  while (more) {
    if (entry.Name != "." && entry.Name != "..") {
      if (entry.Directory && Recurse) {
        const std::string sub = Dir + FFs.Separator() + entry.Name;
        FHost.SetStatus(Walk.ShowSubdirectory ? sub : Dir);
        if (!IsExcluded(sub)) WalkDir(sub, Recurse, Walk);
      } else {
        Walk.Visit(Dir, entry);
      }
    }
    more = found->Next(entry);
    ProcessMessages();
  }
}

void TQVEngine::ScanDir(std::string Dir, bool Recurse)
{
  WalkDir(std::move(Dir), Recurse,
          {true, true, [this](const std::string& Listed, const TFindData& Entry) { AddFile(Listed, Entry); }});
}

void TQVEngine::AddFile(const std::string& Dir, const TFindData& Found)
{
  TQVRec rec;
  rec.Name = Found.Name;
  rec.DirIndex = FDirIndex.FindOrAdd(FDirList, Dir, FFs);
  rec.Time = Found.Time;
  rec.Size = Found.Size;
  FRecList.push_back(std::move(rec));
  ++FCount;
}

const std::string& TQVEngine::DirAt(int32_t Index) const
{
  if (Index < 0 || static_cast<size_t>(Index) >= FDirList.size())
    throw EDirIndexError(FmtMsg("List index out of bounds (%d)", Index));
  return FDirList[static_cast<size_t>(Index)];
}

std::string TQVEngine::EntryPath(const TQVRec& Rec) const
{
  std::string path = DirAt(Rec.DirIndex);
  if (path.empty() || path.back() != FFs.Separator()) path += FFs.Separator();
  return path + Rec.Name;
}
