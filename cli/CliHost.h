#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/EngineHost.h"

class TFileSystem;

// qv as the engine's host: report lines go to stdout as they come, and a
// terminal on stderr gets one self-updating progress line.
class TCliHost : public TEngineHost {
public:
  TCliHost(TFileSystem& Fs, bool Recurse, std::vector<std::string> Excluded, bool Progress);
  ~TCliHost() override;

  void SetStatus(const std::string& Text) override { FStatus = Text; }
  void ProcessMessages() override;
  void SetHourGlass(bool) override {}
  void Beep() override {}
  bool RecurseDirs() override { return FRecurse; }
  bool EnableBeeps() override { return false; }
  std::vector<std::string> ExcludedDirs() override { return FExcluded; }
  void ClearLines() override { FLines.clear(); }
  void AddLine(const std::string& Text, bool Note) override;

  const std::vector<std::string>& Lines() const { return FLines; }
  void EndProgress();

private:
  TFileSystem& FFs;
  bool FRecurse;
  std::vector<std::string> FExcluded;
  bool FProgress;
  std::vector<std::string> FLines;
  std::string FStatus;
  uint64_t FEntries = 0;
  uint32_t FLastDraw = 0;
  bool FDrawn = false;

  void DrawProgress();
};
