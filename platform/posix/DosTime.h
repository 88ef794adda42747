#pragma once
#include <cstdint>
#include <ctime>

// Local DOS date-time of a Unix time; 0 outside the years 1980 to 2107,
// which DOS date-times cannot hold.
uint32_t DosDateTimeFromUnix(time_t Time);
// The fields of a DOS date-time, for formatting.
struct tm TmFromDosDateTime(uint32_t DosDateTime);
