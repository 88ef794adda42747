#include <gtest/gtest.h>

#include "util/DTUtil.h"
#include "util/TextLines.h"

using Lines = std::vector<std::string>;

TEST(PadLeft, PadsShortStringsSoMinutesAndSecondsHaveTwoDigitsEach)
{
  EXPECT_EQ(PadLeft("7", 2, '0'), "07");
  EXPECT_EQ(PadLeft("", 2, '0'), "00");
  EXPECT_EQ(PadLeft("59", 2, '0'), "59");
  EXPECT_EQ(PadLeft("100", 2, '0'), "100");
  EXPECT_EQ(PadLeft("x", 0, '0'), "x");
  EXPECT_EQ(PadLeft("x", -3, '0'), "x");
  // Minutes grow past 99 unpadded.
  EXPECT_EQ(MinutesSeconds(0), "00:00");
  EXPECT_EQ(MinutesSeconds(59), "00:59");
  EXPECT_EQ(MinutesSeconds(60), "01:00");
  EXPECT_EQ(MinutesSeconds(5999), "99:59");
  EXPECT_EQ(MinutesSeconds(6000), "100:00");
}

TEST(SplitTextLines, AcceptsEveryLineEndEndsAtTheFirstNulAndKeepsAnUnterminatedLastLine)
{
  EXPECT_EQ(SplitTextLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\rb"), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("a\n\r\nb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("a\r\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines(std::string("a\r\nb\0c\r\nd", 9)), (Lines{"a", "b"}));
  EXPECT_EQ(SplitTextLines("last"), (Lines{"last"}));
  EXPECT_EQ(SplitTextLines(""), Lines{});
  EXPECT_EQ(SplitTextLines("\r\n"), (Lines{""}));
}
