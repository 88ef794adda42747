#include "persist/PersistText.h"

#include <gtest/gtest.h>

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
