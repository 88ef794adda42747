#pragma once
#include <string>
#include <string_view>

// Small text helpers shared by the persistence code. Letter case is folded
// for ASCII letters only, so results never depend on the machine's locale.

// Compares two texts ignoring ASCII letter case.
bool SameText(std::string_view A, std::string_view B);

// Removes leading and trailing blanks and control characters (bytes up to 32).
std::string TrimText(std::string_view S);

// Collapses every run of backslashes to one, then removes one leading and one
// trailing backslash: "\\Software\\\\Halbrand\\" becomes "Software\Halbrand".
std::string NormaliseKeyPath(std::string_view Path);

// The text before the first NUL, at most MaxLen characters.
std::string_view CutAtNul(std::string_view S, size_t MaxLen);
