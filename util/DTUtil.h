#pragma once
#include <string>

// Pads S on the left with Ch up to Width characters; a longer S is returned as it is.
std::string PadLeft(const std::string& S, int Width, char Ch);
