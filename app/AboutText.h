#pragma once
// The about box's texts: the operating-system line and the kilobyte figures.
#include <cstdint>
#include <string>

// "Windows NT 4.0 (Build 1381: Service Pack 3)" from what GetVersionEx reports:
// platform 1 is the 95 family (build in the low 16 bits), 2 is NT.
std::string OsVersionText(uint32_t PlatformId, uint32_t Major, uint32_t Minor, uint32_t Build,
                          const std::string& ServicePack);

// Value with Separator between groups of three digits: 1204224 -> "1,204,224".
std::string GroupDigits(uint64_t Value, const std::string& Separator);

// Bytes as whole kilobytes (truncated), digits grouped: "1,204,224".
std::string KilobyteText(uint64_t Bytes, const std::string& Separator);
