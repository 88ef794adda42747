#include "cli/QvCommands.h"

#include <cstdio>

#include "cli/CliHost.h"
#include "cli/QvOptions.h"
#include "engine/Errors.h"
#include "engine/FileSystem.h"
#include "engine/QVEngine.h"
#include "engine/ReportFile.h"

namespace {

constexpr int ExitOk = 0, ExitDifferences = 1, ExitError = 2;

bool IsFileSystemRoot(const std::string& Path, char Sep)
{
  return Path.size() == 1 ? Path[0] == Sep : (Path.size() == 3 && Path[1] == ':' && Path[2] == Sep);
}

// The absolute directory path without trailing separators, the file-system root excepted.
std::string DirectoryPath(TFileSystem& Fs, const std::string& Path)
{
  std::string full = Fs.FullPath(Path);
  while (full.size() > 1 && full.back() == Fs.Separator() && !IsFileSystemRoot(full, Fs.Separator())) full.pop_back();
  return full;
}

std::vector<std::string> ExcludedDirs(TFileSystem& Fs, const TQvOptions& Opts)
{
  std::vector<std::string> dirs;
  for (const std::string& dir : Opts.Excludes) dirs.push_back(DirectoryPath(Fs, dir));
  return dirs;
}

int Scan(const TQvOptions& Opts, TFileSystem& Fs, bool Progress)
{
  std::string root = DirectoryPath(Fs, Opts.Input);
  const TEntryState state = Fs.Examine(root);
  if (state.Kind != TEntryState::Present || !state.Directory) throw EQVError(FmtMsg("Directory %s not found", root));
  if (root.back() != Fs.Separator()) root += Fs.Separator();
  TCliHost host(Fs, Opts.Recurse, ExcludedDirs(Fs, Opts), Progress);
  TQVEngine engine(Fs, host);
  engine.Scan(root);
  host.EndProgress();
  engine.SaveCollection(Fs.FullPath(Opts.Output));
  return ExitOk;
}

int Compare(const TQvOptions& Opts, TFileSystem& Fs, bool Progress)
{
  TCliHost host(Fs, Opts.Recurse, ExcludedDirs(Fs, Opts), Progress);
  TQVEngine engine(Fs, host);
  uint32_t differences = 0;
  try {
    differences = engine.Compare(Fs.FullPath(Opts.Input));
  } catch (...) {
    std::fflush(stdout);
    throw;
  }
  host.EndProgress();
  if (!Opts.Output.empty()) SaveReportLines(Fs, Fs.FullPath(Opts.Output), host.Lines());
  return differences > 0 ? ExitDifferences : ExitOk;
}

}  // namespace

int RunQv(const std::vector<std::string>& Args, TFileSystem& Fs, bool ProgressOnStderr)
{
  try {
    const TQvOptions opts = ParseQvOptions(Args);
    switch (opts.Command) {
      case TQvOptions::Help: std::fputs(QvUsage, stdout); return ExitOk;
      case TQvOptions::Version: std::puts("qv 5.0 (Quorvik V5.0)"); return ExitOk;
      case TQvOptions::Scan: return Scan(opts, Fs, ProgressOnStderr);
      case TQvOptions::Compare: return Compare(opts, Fs, ProgressOnStderr);
      case TQvOptions::None: break;
    }
    return ExitError;
  } catch (const EUsage& e) {
    std::fprintf(stderr, "qv: %s\n%s(qv --help tells more)\n", e.Message.c_str(), QvSynopsis);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "qv: %s\n", e.what());
  }
  return ExitError;
}
