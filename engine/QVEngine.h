#pragma once
// The snapshot engine: the catalogue, the scan, the collection files and the
// compare. The main window (or qv) owns one and acts as its host.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/FileSystem.h"
#include "engine/DirIndex.h"
#include "engine/Errors.h"

class TFileSystem;
class TEngineHost;
class TCompareState;

class TQVEngine {
public:
  static constexpr const char* Banner = "*** DO NOT MODIFY THIS FILE UNLESS YOU KNOW WHAT YOU ARE DOING!!! ***";

  TQVEngine(TFileSystem& Fs, TEngineHost& Host);

  // The scan from a chosen root: clears the catalogue, walks, and returns the
  // elapsed seconds. An empty root is refused before anything is cleared.
  uint32_t Scan(const std::string& Root);
  // "N files processed - MM:SS - Save As"
  static std::string ScanTitle(int32_t Count, uint32_t Seconds);
  // Writes the collection and its directory list; both or neither replace what was there.
  void SaveCollection(const std::string& FileName) const;
  // Loads a collection and reports, through the host, how the disk differs;
  // returns the number of differences reported.
  uint32_t Compare(const std::string& FileName);

  // The directory-list file that pairs with a collection file.
  std::string DirListFileName(const std::string& FileName) const;

  void Clear();
  bool Busy() const { return FBusy; }
  // Makes a running walk stop at its next entry with EWalkStopped.
  void RequestStop() { FStopRequested = true; }

  const std::vector<std::string>& DirList() const { return FDirList; }
  // The catalogue; during a compare its entries are held by the compare.
  const std::vector<TQVRec>& Entries() const { return FRecList; }
  int32_t Count() const { return FCount; }

  // The walk and its pieces, public so that they can be tested on their own.
  void ScanDir(std::string Dir, bool Recurse);
  void AddFile(const std::string& Dir, const TFindData& Found);
  void ReadCollection(const std::string& FileName, uint32_t& CollectionTime);
  void CompareDir(TCompareState& State, std::string Dir, bool Recurse);

private:
  class TBusyGuard;
  // How the walk that scan and compare share treats what it meets.
  struct TWalk {
    bool WantAttributes;    // the enumeration must fill size and time
    bool ShowSubdirectory;  // the status names a subdirectory met, else the directory listed
    // Called for a file, or a directory not walked into; Dir has no trailing separator.
    std::function<void(const std::string& Dir, const TFindData& Entry)> Visit;
  };
  TFileSystem& FFs;
  TEngineHost& FHost;
  std::vector<std::string> FDirList;
  std::vector<TQVRec> FRecList;
  int32_t FCount = 0;
  std::string FMask;
  std::vector<std::string> FExcluded;
  TDirIndex FDirIndex;
  bool FBusy = false;
  bool FStopRequested = false;

  bool IsExcluded(const std::string& Dir) const;
  void ProcessMessages();
  const std::string& DirAt(int32_t Index) const;
  std::string EntryPath(const TQVRec& Rec) const;
  std::string StripSeparator(std::string Dir) const;
  void WalkDir(std::string Dir, bool Recurse, const TWalk& Walk);
  void CheckEntries(TCompareState& State);
  void CheckEntry(TCompareState& State, const TQVRec& Rec);
  void ReportDifference(TCompareState& State, const std::string& Text, bool Note);
  void ReadDirList(const std::string& FileName);
};

// Marks the engine busy for one command, so that a command started from the
// message processing inside a walk cannot clear the catalogue under it.
class TQVEngine::TBusyGuard {
public:
  explicit TBusyGuard(TQVEngine& Engine) : FEngine(Engine)
  {
    if (Engine.FBusy) throw EQVError("A scan or compare is already running.");
    Engine.FBusy = true;
    Engine.FStopRequested = false;
  }
  ~TBusyGuard() { FEngine.FBusy = false; }
  TBusyGuard(const TBusyGuard&) = delete;
  TBusyGuard& operator=(const TBusyGuard&) = delete;

private:
  TQVEngine& FEngine;
};
