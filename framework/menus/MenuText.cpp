#include "framework/menus/MenuText.h"

#include <cctype>
#include <string_view>

#include "framework/objects/SysUtils.h"

namespace {
struct KeyName {
  uint8_t Key;
  const char* Name;
};
// Virtual-key codes; the Win32 build checks them against <windows.h>.
const KeyName kKeyNames[] = {{0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
                             {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
                             {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"}};
constexpr unsigned kF1 = 0x70, kF24 = 0x87;

struct Modifier {
  TShortCut Flag;
  std::string_view Prefix;
};
// In the order ShortCutToText writes them.
constexpr Modifier kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyText(unsigned Key)
{
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, static_cast<char>(Key));
  if (Key >= kF1 && Key <= kF24) return "F" + std::to_string(Key - kF1 + 1);
  for (const auto& k : kKeyNames)
    if (k.Key == Key) return k.Name;
  return std::string();
}

// The key code whose text is Name; 0 for none.
unsigned KeyFromText(std::string_view Name)
{
  if (Name.size() == 1) {
    const int c = std::toupper(static_cast<unsigned char>(Name[0]));
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ? static_cast<unsigned>(c) : 0;
  }
  for (unsigned key = kF1; key <= kF24; ++key)
    if (SameText(Name, KeyText(key))) return key;
  for (const auto& k : kKeyNames)
    if (SameText(Name, k.Name)) return k.Key;
  return 0;
}

bool StartsWithText(std::string_view Text, std::string_view Prefix)
{
  return Text.size() >= Prefix.size() && SameText(Text.substr(0, Prefix.size()), Prefix);
}
}  // namespace

std::string ShortCutToText(TShortCut Value)
{
  std::string key = KeyText(Value & 0xFF);
  if (key.empty()) return std::string();
  std::string text;
  for (const auto& m : kModifiers)
    if (Value & m.Flag) text += m.Prefix;
  return text + key;
}

TShortCut TextToShortCut(const std::string& Text)
{
  std::string_view rest(Text);
  TShortCut mods = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : kModifiers) {
      // A modifier named twice is no text ShortCutToText writes.
      if (!(mods & m.Flag) && StartsWithText(rest, m.Prefix)) {
        mods |= m.Flag;
        rest.remove_prefix(m.Prefix.size());
        found = true;
      }
    }
  }
  const unsigned key = KeyFromText(rest);
  return key ? static_cast<TShortCut>(mods | key) : 0;
}

char GetHotkey(const std::string& Caption)
{
  for (size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(Caption[i + 1])));
  }
  return 0;
}

bool IsAccel(unsigned VK, const std::string& Caption)
{
  char hot = GetHotkey(Caption);
  return hot != 0 && static_cast<unsigned char>(hot) == std::toupper(static_cast<int>(VK & 0xFF));
}

std::string StripHotkey(const std::string& Caption)
{
  std::string out;
  for (size_t i = 0; i < Caption.size(); ++i) {
    if (Caption[i] == '&' && i + 1 < Caption.size())
      ++i;
    else if (Caption[i] == '&')
      continue;
    out += Caption[i];
  }
  return out;
}
