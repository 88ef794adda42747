#pragma once
// DOS date-times, the catalogue's time stamps, from and to Win32 file times.
#include <windows.h>

#include <cstdint>
#include <string>

// The local DOS date-time of a UTC file time: date in the high 16 bits, time
// in the low 16 bits, seconds rounded down to even. 0 when the time cannot be
// held (before 1980 or after 2107) or converted.
uint32_t LocalDosDateTime(const FILETIME& Utc);

// The user's short date, a space and the user's time format; the date alone
// when the DOS time part is 0 (exactly midnight). Empty when DosDateTime is
// not a valid date.
std::string DosDateTimeText(uint32_t DosDateTime);
