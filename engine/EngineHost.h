#pragma once
// What the engine needs from whoever runs it: the main window, or qv.
#include <string>
#include <vector>

class TEngineHost {
public:
  virtual ~TEngineHost() = default;
  virtual void SetStatus(const std::string& Text) = 0;
  // Called after every directory entry; a host throttles it as it sees fit.
  virtual void ProcessMessages() = 0;
  virtual void SetHourGlass(bool On) = 0;
  virtual void Beep() = 0;
  virtual bool RecurseDirs() = 0;
  virtual bool EnableBeeps() = 0;
  virtual std::vector<std::string> ExcludedDirs() = 0;
  virtual void ClearLines() = 0;
  // A file line names a file the user may delete or open; a note line does not.
  virtual void AddLine(const std::string& Text, bool Note) = 0;
};
