#include "app/AboutText.h"

#include <cstdio>

std::string OsVersionText(uint32_t PlatformId, uint32_t Major, uint32_t Minor, uint32_t Build,
                          const std::string& ServicePack)
{
  char text[320];
  if (PlatformId != 1 && PlatformId != 2) {
    std::snprintf(text, sizeof text, "Windows %u.%u", Major, Minor);
    return text;
  }
  const char* name = PlatformId == 1 ? "Windows 95" : "Windows NT";
  const uint32_t build = PlatformId == 1 ? (Build & 0xFFFF) : Build;
  if (ServicePack.empty())
    std::snprintf(text, sizeof text, "%s %u.%u (Build %u)", name, Major, Minor, build);
  else
    std::snprintf(text, sizeof text, "%s %u.%u (Build %u: %s)", name, Major, Minor, build, ServicePack.c_str());
  return text;
}

std::string GroupDigits(uint64_t Value, const std::string& Separator)
{
  const std::string digits = std::to_string(Value);
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += Separator;
    text += digits[i];
  }
  return text;
}

std::string KilobyteText(uint64_t Bytes, const std::string& Separator) { return GroupDigits(Bytes / 1024, Separator); }
