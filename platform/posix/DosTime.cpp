#include "platform/posix/DosTime.h"

uint32_t DosDateTimeFromUnix(time_t Time)
{
  struct tm local {};
  if (!localtime_r(&Time, &local)) return 0;
  const int year = local.tm_year + 1900;
  if (year < 1980 || year > 2107) return 0;
  const uint32_t date = static_cast<uint32_t>(((year - 1980) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
  const uint32_t time = static_cast<uint32_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
  return (date << 16) | time;
}

struct tm TmFromDosDateTime(uint32_t DosDateTime)
{
  struct tm t {};
  const uint32_t date = DosDateTime >> 16, time = DosDateTime & 0xFFFF;
  t.tm_year = static_cast<int>((date >> 9) + 80);
  t.tm_mon = static_cast<int>(((date >> 5) & 15)) - 1;
  t.tm_mday = static_cast<int>(date & 31);
  t.tm_hour = static_cast<int>(time >> 11);
  t.tm_min = static_cast<int>((time >> 5) & 63);
  t.tm_sec = static_cast<int>((time & 31) * 2);
  t.tm_isdst = -1;
  return t;
}
