#pragma once
#include <functional>
#include <string>
#include <vector>

#include "engine/EngineHost.h"

// A host that records what the engine tells it.
class TRecordingHost : public TEngineHost {
public:
  struct TLine {
    std::string Text;
    bool Note;
    bool operator==(const TLine&) const = default;
  };
  bool Recurse = true;
  bool Beeps = false;
  std::vector<std::string> Excluded;
  std::vector<TLine> Lines;
  std::vector<std::string> Statuses;
  int Beeped = 0;
  int Pumped = 0;
  bool HourGlass = false;
  std::function<void()> OnPump;

  void SetStatus(const std::string& Text) override { Statuses.push_back(Text); }
  void ProcessMessages() override
  {
    ++Pumped;
    if (OnPump) OnPump();
  }
  void SetHourGlass(bool On) override { HourGlass = On; }
  void Beep() override { ++Beeped; }
  bool RecurseDirs() override { return Recurse; }
  bool EnableBeeps() override { return Beeps; }
  std::vector<std::string> ExcludedDirs() override { return Excluded; }
  void ClearLines() override { Lines.clear(); }
  void AddLine(const std::string& Text, bool Note) override { Lines.push_back({Text, Note}); }

  std::vector<std::string> Texts() const
  {
    std::vector<std::string> texts;
    for (const TLine& line : Lines) texts.push_back(line.Text);
    return texts;
  }
};
