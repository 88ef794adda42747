#pragma once
// Replacing a file by another in one step, on each platform's terms.
#include <string>

// Moves Source over Target, replacing a Target that exists; false on failure.
bool MoveReplacing(const std::string& Source, const std::string& Target);
