#include "app/StatusTextFit.h"

namespace {
constexpr std::string_view Marker = "...\\";
constexpr std::string_view RootMarker = "\\...\\";
}  // namespace

TStatusPath SplitStatusPath(std::string_view Path)
{
  TStatusPath parts;
  size_t start = 0;
  if (Path.size() >= 2 && Path[1] == ':') {
    parts.Drive = std::string(Path.substr(0, 2));
    start = 2;
  }
  const size_t lastSlash = Path.rfind('\\');
  if (lastSlash != std::string_view::npos && lastSlash >= start) {
    parts.Dir = std::string(Path.substr(start, lastSlash + 1 - start));
    start = lastSlash + 1;
  }
  parts.Name = std::string(Path.substr(start));
  return parts;
}

std::string DropFirstFolder(std::string_view Dir)
{
  if (Dir == "\\") return {};
  const bool leadingSlash = !Dir.empty() && Dir.front() == '\\';
  std::string_view rest = leadingSlash ? Dir.substr(1) : Dir;
  if (rest.starts_with(Marker)) rest.remove_prefix(Marker.size());
  const size_t slash = rest.find('\\');
  if (slash == std::string_view::npos) return {};
  rest.remove_prefix(slash + 1);
  return (leadingSlash ? "\\" : "") + std::string(Marker) + std::string(rest);
}

std::string FitPathText(std::string_view Path, int Width, const TTextWidth& TextWidth)
{
  TStatusPath parts = SplitStatusPath(Path);
  // Ends: every round either drops the drive or leaves fewer '\' behind the
  // marker, and "\...\" itself turns into "...\" and then into nothing.
  while ((!parts.Drive.empty() || !parts.Dir.empty()) && TextWidth(parts.Text()) > Width) {
    if (parts.Dir == RootMarker) {
      parts.Drive.clear();
      parts.Dir = std::string(Marker);
    } else if (!parts.Dir.empty()) {
      parts.Dir = DropFirstFolder(parts.Dir);
    } else {
      parts.Drive.clear();
    }
  }
  return parts.Text();
}

std::string CutText(std::string_view Text, int Width, const TTextWidth& TextWidth)
{
  std::string result(Text);
  size_t kept = Text.size();
  while (kept > 0 && TextWidth(result) > Width) {
    --kept;
    result = std::string(Text.substr(0, kept)) + "...";
  }
  return result;
}

std::string FitStatusText(const std::string& Text, int Width, const TTextWidth& TextWidth,
                          const TDirectoryTest& IsDirectory)
{
  if (IsDirectory(Text)) return FitPathText(Text, Width, TextWidth);
  return CutText(Text, Width, TextWidth);
}
