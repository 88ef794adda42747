#pragma once
// Shortening the browse dialog's status text to the width of its status line.
// A path is shortened from the left, folder by folder, behind a "...\" marker
// (D:\...\Deep\File.txt), keeping the drive and the name while they fit; any
// other text is cut at the end and marked with "...".
#include <functional>
#include <string>
#include <string_view>

#include "app/BrowsePaths.h"

// Width of a text in the status line's font, in pixels.
using TTextWidth = std::function<int(const std::string& Text)>;

struct TStatusPath {
  std::string Drive;  // "D:" when the second character is ':', else empty
  std::string Dir;    // up to and including the last '\', without the drive
  std::string Name;   // the rest
  std::string Text() const { return Drive + Dir + Name; }
};

TStatusPath SplitStatusPath(std::string_view Path);

// The directory part with its first folder replaced by the "...\" marker:
// "\A\B\" gives "\...\B\", "\...\B\" gives "\...\", "...\" and "\" give "".
std::string DropFirstFolder(std::string_view Dir);

// Path shortened until it fits Width or only the name is left.
std::string FitPathText(std::string_view Path, int Width, const TTextWidth& TextWidth);

// Text cut at the end, with "...", until it fits Width or nothing of it is left.
std::string CutText(std::string_view Text, int Width, const TTextWidth& TextWidth);

// Status text fitted to Width: as a path when it names an existing directory,
// else cut at the end.
std::string FitStatusText(const std::string& Text, int Width, const TTextWidth& TextWidth,
                          const TDirectoryTest& IsDirectory);
