#pragma once
#include <string>
#include <string_view>
#include <vector>

// Splits text into lines the way Windows text loading does: a line ends at
// CR LF, at a lone CR or at a lone LF, and the text ends at the first NUL.
// A final line without a line end still counts; an empty text has no lines.
std::vector<std::string> SplitTextLines(std::string_view Text);
