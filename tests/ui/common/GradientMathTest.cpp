#include "ui/common/GradientMath.h"

#include <gtest/gtest.h>

TEST(GradientTable, BlackToWhiteRunsFromTheEndColourAndStopsAStepShortOfTheStart)
{
  const auto table = ComputeGradientTable(TRGBTriple{255, 255, 255}, TRGBTriple{0, 0, 0}, 128);
  ASSERT_EQ(table.size(), 128u);
  EXPECT_EQ(table[0], (TRGBTriple{255, 255, 255}));
  EXPECT_EQ(table[1], (TRGBTriple{254, 254, 254}));   // 255 - Trunc(255/128)
  EXPECT_EQ(table[64], (TRGBTriple{128, 128, 128}));  // 255 - Trunc(127.5)
  EXPECT_EQ(table[127], (TRGBTriple{2, 2, 2}));       // 255 - Trunc(253.0078)
}

TEST(GradientTable, ChannelsRunIndependentlyUpwardRampsTruncateTowardZeroAndNoCountGivesNoTable)
{
  // Navy (0, 0, 128) as start, white as end: blue stays near 255.
  const auto table = ComputeGradientTable(TRGBTriple{255, 255, 255}, TRGBTriple{0, 0, 128}, 128);
  EXPECT_EQ(table[127], (TRGBTriple{2, 2, 129}));  // 255 - Trunc(127/128*127) = 255 - 126
  // End 0, start 255: -255/128 * 1 = -1.99 truncates to -1.
  EXPECT_EQ(GradientChannel(0, 255, 128, 1), 1);
  EXPECT_EQ(GradientChannel(0, 255, 128, 127), 253);
  EXPECT_EQ(GradientChannel(10, 10, 128, 77), 10);  // equal colours stay
  EXPECT_TRUE(ComputeGradientTable(TRGBTriple{}, TRGBTriple{}, 0).empty());
}

TEST(GradientBands, BandsAreThreeWideEveryTwoPixelsOverA256PixelFillAndOneWideInPairsOver64)
{
  const auto bands = GradientBands(10, 266, 128);
  ASSERT_EQ(bands.size(), 128u);
  for (int i = 0; i < 128; ++i) EXPECT_EQ(bands[i], (TGradientBand{10 + 2 * i, 3})) << i;
  const auto narrow = GradientBands(0, 64, 128);
  EXPECT_EQ(narrow[0], (TGradientBand{0, 1}));
  EXPECT_EQ(narrow[1], (TGradientBand{0, 1}));
  EXPECT_EQ(narrow[2], (TGradientBand{1, 1}));
  EXPECT_EQ(narrow[127], (TGradientBand{63, 1}));
}

TEST(GradientBands, UnevenWidthsCoverTheWholeRangeAndAnEmptyOneStaysAtTheLeft)
{
  const auto bands = GradientBands(5, 5 + 300, 128);  // step 2.34375
  EXPECT_EQ(bands[1], (TGradientBand{7, 3}));
  EXPECT_EQ(bands[127], (TGradientBand{5 + 297, 3}));  // Trunc(127 * 2.34375) = 297
  EXPECT_GE(bands[127].Start + bands[127].Size, 305);
  for (size_t i = 1; i < bands.size(); ++i) EXPECT_LE(bands[i].Start, bands[i - 1].Start + bands[i - 1].Size);
  for (const auto& band : GradientBands(40, 40, 128)) EXPECT_EQ(band, (TGradientBand{40, 1}));
}

#include "ui/common/Effect3D.h"

TEST(Effect3D, EachEffectDrawsItsEchoesBeforeTheTextColourOnTheShadowSideForHighlightText)
{
  const TColor k = 0x000000, hi = 0xFFFFFF, sh = 0x808080;
  using P = std::vector<TEffectPass>;
  EXPECT_EQ((P{{0, k}}), Effect3DDraws(ox3Normal, k, hi, sh));
  EXPECT_EQ((P{{0, sh}}), Effect3DDraws(ox3Flat, k, hi, sh));
  EXPECT_EQ((P{{-1, hi}, {0, k}}), Effect3DDraws(ox3Raised, k, hi, sh));
  EXPECT_EQ((P{{1, hi}, {0, k}}), Effect3DDraws(ox3Inset, k, hi, sh));
  EXPECT_EQ((P{{1, sh}, {-1, hi}, {0, k}}), Effect3DDraws(ox3Ridged, k, hi, sh));
  EXPECT_EQ((P{{1, hi}, {-1, sh}, {0, k}}), Effect3DDraws(ox3Grooved, k, hi, sh));
  EXPECT_EQ((P{{2, sh}, {0, k}}), Effect3DDraws(ox3Shadow, k, hi, sh));
  EXPECT_TRUE(Effect3DDraws(ox3None, k, hi, sh).empty());
  EXPECT_EQ((P{{1, hi}, {0, sh}}), Effect3DDraws(ox3Disabled, k, hi, sh));
  // Text in the highlight colour gets its echo on the shadow side.
  EXPECT_EQ((P{{1, sh}, {0, hi}}), Effect3DDraws(ox3Raised, hi, hi, sh));
  EXPECT_EQ((P{{-1, sh}, {0, hi}}), Effect3DDraws(ox3Inset, hi, hi, sh));
  EXPECT_EQ("ox3Disabled", GetEnumName(TypeInfo_T3DEffect(), ox3Disabled));
}
