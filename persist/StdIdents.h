#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The standard colour identifiers (clBlack ... clInfoBk, clNone, clDefault) and
// cursor identifiers (crDefault ... crSizeAll) used in stored property texts.
// Names are found ignoring letter case; values map to their canonical name.

std::optional<std::string> StdColorName(int32_t Color);
std::optional<int32_t> StdColorValue(std::string_view Name);
std::optional<std::string> StdCursorName(int32_t Cursor);
std::optional<int32_t> StdCursorValue(std::string_view Name);
