#pragma once
#include <string>
#include <string_view>

// Text helpers of the persistence code beyond those of framework/objects/SysUtils.h.

// Collapses every run of backslashes to one, then removes one leading and one
// trailing backslash: "\\Software\\\\Halbrand\\" becomes "Software\Halbrand".
std::string NormaliseKeyPath(std::string_view Path);

// The text before the first NUL, at most MaxLen characters.
std::string_view CutAtNul(std::string_view S, size_t MaxLen);
