#pragma once
#include <cstdint>
#include <string>

// Pads S on the left with Ch up to Width characters; a longer S is returned as it is.
std::string PadLeft(const std::string& S, int Width, char Ch);

// A duration as minutes and seconds, "MM:SS"; minutes past 99 take more digits.
std::string MinutesSeconds(uint32_t Seconds);
