#include "platform/win32/Win32DosTime.h"

#include <vector>

namespace {

// GetDateFormatA and GetTimeFormatA share this shape; asking for the length
// first keeps long regional formats from being cut off.
using TFormatFn = int(WINAPI*)(LCID, DWORD, const SYSTEMTIME*, LPCSTR, LPSTR, int);

std::string FormatSystemTime(TFormatFn Format, DWORD Flags, const SYSTEMTIME& Time)
{
  const int length = Format(LOCALE_USER_DEFAULT, Flags, &Time, nullptr, nullptr, 0);
  if (length <= 0) return std::string();
  std::vector<char> text(static_cast<size_t>(length));
  if (Format(LOCALE_USER_DEFAULT, Flags, &Time, nullptr, text.data(), length) <= 0) return std::string();
  return std::string(text.data());
}

}  // namespace

uint32_t LocalDosDateTime(const FILETIME& Utc)
{
  FILETIME local;
  WORD date = 0, time = 0;
  // FileTimeToDosDateTime fails for years it cannot encode and then leaves
  // its outputs alone, so both are checked rather than trusted.
  if (!FileTimeToLocalFileTime(&Utc, &local) || !FileTimeToDosDateTime(&local, &date, &time)) return 0;
  return (static_cast<uint32_t>(date) << 16) | time;
}

std::string DosDateTimeText(uint32_t DosDateTime)
{
  const WORD date = static_cast<WORD>(DosDateTime >> 16), time = static_cast<WORD>(DosDateTime & 0xFFFF);
  FILETIME fileTime;
  SYSTEMTIME systemTime;
  if (!DosDateTimeToFileTime(date, time, &fileTime) || !FileTimeToSystemTime(&fileTime, &systemTime))
    return std::string();
  std::string text = FormatSystemTime(GetDateFormatA, DATE_SHORTDATE, systemTime);
  if (time != 0) text += " " + FormatSystemTime(GetTimeFormatA, 0, systemTime);
  return text;
}
