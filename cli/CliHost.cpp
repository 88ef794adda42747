#include "cli/CliHost.h"

#include "engine/FileSystem.h"

namespace {
constexpr size_t ProgressWidth = 79;
constexpr uint32_t ProgressIntervalMs = 100;
}  // namespace

TCliHost::TCliHost(TFileSystem& Fs, bool Recurse, std::vector<std::string> Excluded, bool Progress)
    : FFs(Fs), FRecurse(Recurse), FExcluded(std::move(Excluded)), FProgress(Progress), FLastDraw(Fs.Ticks())
{}

TCliHost::~TCliHost() { EndProgress(); }

void TCliHost::ProcessMessages()
{
  ++FEntries;
  // Reading the clock costs next to nothing; drawing is throttled by time.
  if (FProgress && (FEntries & 63) == 0 && FFs.Ticks() - FLastDraw >= ProgressIntervalMs) DrawProgress();
}

void TCliHost::DrawProgress()
{
  std::string line = std::to_string(FEntries) + " entries  " + FStatus;
  if (line.size() > ProgressWidth) line = line.substr(0, 20) + "..." + line.substr(line.size() - (ProgressWidth - 23));
  // Padding instead of an erase-line escape, which old Windows consoles print as text.
  line.resize(ProgressWidth, ' ');
  std::fprintf(stderr, "\r%s", line.c_str());
  std::fflush(stderr);
  FLastDraw = FFs.Ticks();
  FDrawn = true;
}

void TCliHost::EndProgress()
{
  if (!FDrawn) return;
  std::fprintf(stderr, "\r%s\r", std::string(ProgressWidth, ' ').c_str());
  std::fflush(stderr);
  FDrawn = false;
}

void TCliHost::AddLine(const std::string& Text, bool)
{
  EndProgress();
  FLines.push_back(Text);
  std::fputs(Text.c_str(), stdout);
  std::fputc('\n', stdout);
}
