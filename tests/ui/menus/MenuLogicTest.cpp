#include "ui/menus/MenuLogic.h"

#include <gtest/gtest.h>

TEST(ReplaceLines, DoubleBarsBecomeLineBreaksAndSingleBarsStay)
{
  EXPECT_EQ("First\r\nSecond", ReplaceLines("First||Second"));
  EXPECT_EQ("a\r\nb\r\n|c", ReplaceLines("a||b|||c"));
  EXPECT_EQ("no|bars\tF2", ReplaceLines("no|bars\tF2"));
  EXPECT_EQ("", ReplaceLines(""));
}

TEST(BannerExtra, AVerticalBannerWidensTheFirstColumnUpToTheFirstBreakAHorizontalOneHeightensFirstItems)
{
  bool done = true;
  EXPECT_EQ(17, BannerExtra(true, 17, 0, false, done).Width);
  EXPECT_EQ(17, BannerExtra(true, 17, 1, false, done).Width);
  EXPECT_EQ(0, BannerExtra(true, 17, 2, true, done).Width);
  EXPECT_EQ(0, BannerExtra(true, 17, 3, false, done).Width);  // second column
  EXPECT_EQ(0, BannerExtra(true, 17, 0, true, done).Width);   // a first item with a break: nothing widened
  EXPECT_EQ(0, BannerExtra(true, 17, 1, false, done).Width);
  EXPECT_EQ(0, BannerExtra(true, 17, 0, false, done).Height);
  done = false;
  EXPECT_EQ(20, BannerExtra(false, 20, 0, false, done).Height);
  EXPECT_EQ(0, BannerExtra(false, 20, 1, false, done).Height);
  EXPECT_EQ(20, BannerExtra(false, 20, 2, true, done).Height);
  EXPECT_EQ(0, BannerExtra(false, 20, 0, false, done).Width);
}

TEST(MeasureItemSize, TextItemsSeparatorsAndImages)
{
  TItemMeasure m;
  m.TextWidth = 50, m.TextHeight = 13, m.FontHeight = 11, m.InternalLeading = 2, m.CheckWidth = 13;
  EXPECT_EQ((TItemSize{50 + 4 + 22, 13 + 4}), MeasureItemSize(m));
  m.DropCheckColumn = true;  // no check in the menu
  EXPECT_EQ((TItemSize{50 + 4 - 13 + 22, 17}), MeasureItemSize(m));
  m.Extra = TBannerExtra{17, 0};
  EXPECT_EQ((TItemSize{50 + 4 + 17 - 13 + 22, 17}), MeasureItemSize(m));
  m.Win97 = true;  // room for the glyph box: the item's own height
  EXPECT_EQ((TItemSize{50 + 4 + 17 + 17 - 13 + 22, 17}), MeasureItemSize(m));

  TItemMeasure sep;
  sep.Separator = true, sep.CheckWidth = 13, sep.FontHeight = 11, sep.Extra = TBannerExtra{0, 20};
  EXPECT_EQ((TItemSize{13 + 22, 28}), MeasureItemSize(sep));  // banner width + 8 high

  TItemMeasure image;
  image.HasImageList = true, image.ImageWidth = 16, image.ImageHeight = 20, image.TextWidth = 30;
  image.TextHeight = 13, image.FontHeight = 11, image.InternalLeading = 2;
  EXPECT_EQ((TItemSize{16 + 30 + 4 + 22, 24}), MeasureItemSize(image));
  image.TextHeight = 39;  // three lines
  EXPECT_EQ(43, MeasureItemSize(image).Height);
  image.TextEmpty = true;
  EXPECT_EQ(16 + 30 + 4, MeasureItemSize(image).Width);
}

namespace {
TMenuCharItem Letter(bool highlighted = false) { return {true, false, true, highlighted}; }
TMenuCharItem Exact() { return {true, true, false, false}; }
TMenuCharItem Other(bool highlighted = false) { return {true, false, false, highlighted}; }
}  // namespace

TEST(ChooseMenuChar, OneMatchExecutesAndAnExactMatchWinsOverLetters)
{
  EXPECT_EQ((TMenuCharChoice{2, kMenuCharExecute}), ChooseMenuChar({Other(), Letter(), Exact(), Other()}));
  EXPECT_EQ((TMenuCharChoice{1, kMenuCharExecute}), ChooseMenuChar({Other(), Letter(), Other()}));
  EXPECT_EQ((TMenuCharChoice{}), ChooseMenuChar({Other(), Other()}));
  // Items that do not take part never match.
  EXPECT_EQ((TMenuCharChoice{}), ChooseMenuChar({TMenuCharItem{false, true, true, false}}));
}

TEST(ChooseMenuChar, RepeatedPressesCycleThroughSharedLetters)
{
  EXPECT_EQ((TMenuCharChoice{0, kMenuCharSelect}), ChooseMenuChar({Letter(), Other(), Letter(), Other()}));
  EXPECT_EQ((TMenuCharChoice{2, kMenuCharSelect}), ChooseMenuChar({Letter(true), Other(), Letter(), Other()}));
  EXPECT_EQ((TMenuCharChoice{0, kMenuCharSelect}), ChooseMenuChar({Letter(), Other(), Letter(true), Other()}));
  // Three matches: from the middle one to the last, from an unrelated
  // highlighted item to the next match after it.
  EXPECT_EQ((TMenuCharChoice{4, kMenuCharSelect}),
            ChooseMenuChar({Letter(), Other(), Letter(true), Other(), Letter()}));
  EXPECT_EQ((TMenuCharChoice{4, kMenuCharSelect}),
            ChooseMenuChar({Letter(), Other(), Letter(), Other(true), Letter()}));
}
