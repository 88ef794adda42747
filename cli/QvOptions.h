#pragma once
#include <string>
#include <vector>

// qv's command line, parsed but not yet checked against the file system.
struct TQvOptions {
  enum TCommand { None, Help, Version, Scan, Compare };
  TCommand Command = None;
  bool Recurse = true;
  std::vector<std::string> Excludes;
  std::string Input;   // ROOT for scan, FILE for compare
  std::string Output;  // FILE for scan, REPORT for compare (optional)
};

// Throws EUsage with a one-line reason for a command line qv does not accept.
TQvOptions ParseQvOptions(const std::vector<std::string>& Args);

struct EUsage {
  std::string Message;
};

// The three lines of the synopsis (shown after a usage error), and the whole
// of --help.
extern const char* const QvSynopsis;
extern const char* const QvUsage;
