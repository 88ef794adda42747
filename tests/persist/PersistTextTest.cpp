#include "persist/PersistText.h"

#include <gtest/gtest.h>

TEST(PersistText, SameTextIgnoresAsciiCaseOnly)
{
    EXPECT_TRUE(SameText("Font", "FONT"));
    EXPECT_TRUE(SameText("", ""));
    EXPECT_FALSE(SameText("Font", "Fonts"));
    EXPECT_FALSE(SameText("[", "{"));  // 0x5B and 0x7B differ by 0x20 but are no letters
}

TEST(PersistText, TrimRemovesBlanksAndControlCharacters)
{
    EXPECT_EQ("a b", TrimText(" \t\r\na b\x01 "));
    EXPECT_EQ("", TrimText(" \t "));
    EXPECT_EQ("\xE9", TrimText("\xE9"));  // bytes above 127 are text, not blanks
}

TEST(PersistText, KeyPathCollapsesBackslashesAndDropsOneAtEachEnd)
{
    EXPECT_EQ("Software\\Halbrand\\QV5", NormaliseKeyPath("\\Software\\\\Halbrand\\QV5\\"));
    EXPECT_EQ("Software", NormaliseKeyPath("\\\\\\Software\\\\"));
    EXPECT_EQ("", NormaliseKeyPath("\\\\"));
    EXPECT_EQ("", NormaliseKeyPath(""));
}

TEST(PersistText, CutAtNulStopsAtNulOrLimit)
{
    using namespace std::string_view_literals;
    EXPECT_EQ("ab", CutAtNul("ab\0cd"sv, 10));
    EXPECT_EQ("abc", CutAtNul("abcdef", 3));
}
