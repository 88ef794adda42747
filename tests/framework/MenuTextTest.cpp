#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "framework/menus/MenuText.h"

namespace {
constexpr TShortCut kF2 = 0x71, kDel = 0x2E, kF24 = 0x87;
}

TEST(MenuText, HotkeyIsTheLetterAfterTheFirstSingleAmpersandInEitherCase)
{
  for (const auto& [caption, hotkey, stripped] : {std::tuple{"&File", 'F', "File"},
                                                  {"e&xit", 'X', "exit"},
                                                  {"A&&B", 0, "A&B"},
                                                  {"&&&Save", 'S', "&Save"},
                                                  {"Save&", 0, "Save"},
                                                  {"&", 0, ""},
                                                  {"", 0, ""},
                                                  {"&&", 0, "&"},
                                                  {"Plain", 0, "Plain"},
                                                  {"&One &Two", 'O', "One Two"},
                                                  {"&1 Recent", '1', "1 Recent"},
                                                  {"&scan", 'S', "scan"}}) {
    EXPECT_EQ(hotkey, GetHotkey(caption)) << caption;
    EXPECT_EQ(stripped, StripHotkey(caption)) << caption;
    // A caption without a hotkey matches no key, not even a zero one.
    EXPECT_EQ(hotkey != 0, IsAccel(static_cast<unsigned char>(hotkey), caption)) << caption;
    EXPECT_EQ(hotkey != 0, IsAccel(static_cast<unsigned>(std::tolower(hotkey)), caption)) << caption;
    EXPECT_FALSE(IsAccel(static_cast<unsigned>(hotkey + 1), caption)) << caption;
  }
  // Only the low byte is the character; the letter after "&&" is none.
  EXPECT_TRUE(IsAccel(0x100 | 'x', "E&xit"));
  EXPECT_FALSE(IsAccel('b', "A&&B"));
}

TEST(MenuText, ShortCutTextsNameModifiersInOneOrder)
{
  for (const auto& [value, text] : {std::pair<int, const char*>{0, ""},
                                    {kF2, "F2"},
                                    {kF24, "F24"},
                                    {'S' | scCtrl, "Ctrl+S"},
                                    {kDel | scShift, "Shift+Del"},
                                    {'7' | scAlt, "Alt+7"},
                                    {'A' | scShift | scCtrl, "Shift+Ctrl+A"},
                                    {'A' | scCtrl | scAlt, "Ctrl+Alt+A"},
                                    {'A' | scShift | scAlt, "Shift+Alt+A"},
                                    {kDel | scShift | scCtrl | scAlt, "Shift+Ctrl+Alt+Del"},
                                    {0x0D, "Enter"},
                                    {0x08 | scCtrl, "Ctrl+BkSp"},
                                    // A key without a name gives no text, whatever its modifiers.
                                    {0x88 | scCtrl, ""},
                                    {scShift | scCtrl | scAlt, ""},
                                    {'a', ""}})
    EXPECT_EQ(text, ShortCutToText(static_cast<TShortCut>(value))) << value;
}

TEST(MenuText, EveryNamedShortCutRoundTripsThroughItsText)
{
  int named = 0;
  for (int mods = 0; mods <= 0xE000; mods += 0x2000) {
    for (int key = 1; key < 256; ++key) {
      const auto value = static_cast<TShortCut>(mods | key);
      const std::string text = ShortCutToText(value);
      if (text.empty()) continue;
      ++named;
      EXPECT_EQ(value, TextToShortCut(text)) << text;
    }
  }
  // 10 digits, 26 letters, F1 to F24 and 15 named keys, under 8 modifier sets.
  EXPECT_EQ(75 * 8, named);
}

TEST(MenuText, TextToShortCutIgnoresCaseAndModifierOrderButNotUnknownNames)
{
  EXPECT_EQ('S' | scCtrl, TextToShortCut("ctrl+s"));
  EXPECT_EQ(kF2, TextToShortCut("f2"));
  EXPECT_EQ('A' | scShift | scCtrl, TextToShortCut("Ctrl+Shift+A"));
  EXPECT_EQ(kDel | scShift | scCtrl | scAlt, TextToShortCut("Alt+Ctrl+Shift+Del"));
  for (const char* text : {"", "Ctrl+", "Ctrl", "Ctrl+Ctrl+S", "Hyper+S", "F0", "F25", "Ctrl+SS", "Delete", " Ctrl+S",
                           "+", "Ctrl++", "\xE9"})
    EXPECT_EQ(0, TextToShortCut(text)) << text;
}
