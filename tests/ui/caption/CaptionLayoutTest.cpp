#include "ui/caption/CaptionLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

// Values of a classic 3D desktop: 4-pixel sizing frames, 3-pixel dialog frames,
// 18-pixel captions and 14-pixel small captions.
TSystemCaptionValues Classic()
{
  TSystemCaptionValues v;
  v.CxBorder = v.CyBorder = 1;
  v.CxDlgFrame = v.CyDlgFrame = 3;
  v.CxFrame = 4, v.CyFrame = 5;
  v.CxSize = 20, v.CySize = 19;
  v.CaptionWidth = 18, v.CaptionHeight = 18;
  v.SmCaptionWidth = 12, v.SmCaptionHeight = 14;
  return v;
}

TCaptionMetrics Sizeable()
{
  TCaptionMetrics m;
  UpdateCaptionMetrics(m, cbSizeable, true, Classic());
  return m;
}

std::array<int, 6> Sizes(const TCaptionMetrics& M)
{
  return {M.FrameWidth, M.FrameHeight, M.CaptionHeight, M.ButtonWidth, M.IconWidth, M.IconHeight};
}

std::array<int, 4> Box(const TButtonPlace& P) { return {P.Left, P.Top, P.Width, P.Height}; }

int SevenPerChar(const std::string& s) { return static_cast<int>(s.size()) * 7; }

}  // namespace

TEST(CaptionMetrics, VersionTestLooksAtTheMajorVersionByte)
{
  EXPECT_TRUE(IsNewStyleVersion(0x1DB10106));   // 6.1
  EXPECT_TRUE(IsNewStyleVersion(0xC0000004));   // 4.0, 95 family
  EXPECT_FALSE(IsNewStyleVersion(0x00000A03));  // 3.10
}

TEST(CaptionMetrics, FramesCaptionAndButtonsFollowTheBorderStyleAndTheSystemGeneration)
{
  struct TCase {
    TCaptionBorder Border;
    bool NewStyle;
    TCaptionFontSource Font;
    std::array<int, 6> Sizes;  // frame width and height, caption height, button width, icon width and height
  };
  const TCase cases[] = {
      {cbSizeable, true, cfCaptionFont, {4, 5, 18, 18, 16, 16}},
      {cbSingle, true, cfCaptionFont, {3, 3, 18, 18, 16, 16}},
      {cbDialog, true, cfCaptionFont, {3, 3, 18, 18, 16, 16}},
      {cbToolWindow, true, cfSmallCaptionFont, {3, 3, 14, 12, 10, 12}},
      {cbSizeToolWin, true, cfSmallCaptionFont, {4, 5, 14, 12, 10, 12}},
      {cbSingle, false, cfSystemFont, {1, 1, 19, 20, 18, 17}},
      {cbSizeable, false, cfSystemFont, {4, 5, 19, 20, 18, 17}},
      {cbDialog, false, cfSystemFont, {4, 4, 19, 20, 18, 17}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Border << (c.NewStyle ? " new" : " old"));
    TCaptionMetrics m;
    EXPECT_EQ(UpdateCaptionMetrics(m, c.Border, c.NewStyle, Classic()), c.Font);
    EXPECT_EQ(Sizes(m), c.Sizes);
  }
  // Styles without metrics of their own leave what was there.
  TCaptionMetrics m = Sizeable();
  EXPECT_EQ(UpdateCaptionMetrics(m, cbToolWindow, false, Classic()), cfUnchanged);
  EXPECT_EQ(UpdateCaptionMetrics(m, cbNone, true, Classic()), cfUnchanged);
  EXPECT_EQ(Sizes(m), Sizes(Sizeable()));
}

TEST(CaptionMetrics, SystemStripCountsThreeButtonsWithMinMaxOrWhileDesigning)
{
  TCaptionMetrics m = Sizeable();
  EXPECT_EQ(SystemStripWidth(m, cbSizeable, true, false), 4 + 4 + 16 * 3);
  EXPECT_EQ(SystemStripWidth(m, cbDialog, false, false), 4 + 4 + 16);
  EXPECT_EQ(SystemStripWidth(m, cbToolWindow, false, false), 4 + 4 + 16 + 16);
  EXPECT_EQ(SystemStripWidth(m, cbToolWindow, false, true), 4 + 4 + 16 * 3);
}

TEST(CaptionButtonLayout, ButtonsRunLeftFromTheSystemStripWithTheirGapsHiddenOnesTakeNoRoomOldStyleOnesAreLarger)
{
  TCaptionMetrics m = Sizeable();
  // Creation order: stay-on-top (no gap), roll-up, help, start (gap 1 each).
  std::vector<TButtonSlot> slots{{true, 0}, {true, 1}, {true, 1}, {true, 1}};
  TButtonLayout l = LayoutCaptionButtons(m, true, 449, 56, slots);
  ASSERT_EQ(l.Places.size(), 4u);
  EXPECT_EQ(Box(l.Places[0]), (std::array<int, 4>{449 - 58 - 16, 7, 16, 14}));
  EXPECT_EQ(l.Places[1].Left, l.Places[0].Left - 16);  // touching, no gap
  EXPECT_EQ(l.Places[2].Left, l.Places[1].Left - 2 - 16);
  EXPECT_EQ(l.Places[3].Left, l.Places[2].Left - 2 - 16);
  EXPECT_EQ(l.LeftEdge, l.Places[3].Left - 2);
  TButtonLayout none = LayoutCaptionButtons(m, true, 449, 56, {{false, 0}, {false, 1}});
  EXPECT_FALSE(none.Places[0].Placed);
  EXPECT_EQ(none.LeftEdge, 449 - 58);

  TButtonLayout rollUpOnly = LayoutCaptionButtons(m, false, 449, 56, {{false, 0}, {true, 1}});
  EXPECT_EQ(Box(rollUpOnly.Places[1]), (std::array<int, 4>{449 - 58 - 19, 5, 19, 19}));
  EXPECT_EQ(rollUpOnly.LeftEdge, 449 - 58 - 19 - 2);
}

TEST(CaptionAreas, UpdateRegionPartsAndTextRectangle)
{
  TCaptionMetrics m = Sizeable();
  TNcAreas a = NcPaintAreas(TRectI{100, 50, 549, 437}, m, 56);
  EXPECT_EQ(a.Inner, (TRectI{104, 55, 545, 432}));
  EXPECT_EQ(a.SystemBox, (TRectI{493, 55, 545, 73}));
  EXPECT_EQ(a.Lower, (TRectI{104, 73, 545, 432}));
  EXPECT_EQ(CaptionTextRect(449, m, 56), (TRectI{4, 5, 393, 23}));
}

TEST(CaptionText, FitsOrShortensWithDotsAndThenAlignsLeft)
{
  // "Quorvik V5.0" is 84 pixels wide at 7 per character.
  TFittedCaption fit = FitCaption("Quorvik V5.0", 99, caCenter, SevenPerChar);
  EXPECT_EQ(fit.Text, "Quorvik V5.0");
  EXPECT_FALSE(fit.Shortened);
  EXPECT_EQ(fit.X, 7);
  EXPECT_EQ(FitCaption("Quorvik V5.0", 100, caRight, SevenPerChar).X, 16);
  EXPECT_EQ(FitCaption("Quorvik V5.0", 84, caLeft, SevenPerChar).X, 0);

  fit = FitCaption("Quorvik V5.0", 50, caRight, SevenPerChar);
  EXPECT_EQ(fit.Text, "Quor...");  // 49 pixels, the first width under 50
  EXPECT_TRUE(fit.Shortened);
  EXPECT_EQ(fit.X, 0);
  EXPECT_EQ(FitCaption("Quorvik V5.0", 83, caLeft, SevenPerChar).Text, "Quorvik ...");  // 77 < 83 <= 84
  EXPECT_EQ(FitCaption("Quorvik V5.0", 3, caLeft, SevenPerChar).Text, "Q...");
  EXPECT_EQ(FitCaption("", -5, caCenter, SevenPerChar).Text, "");
}

TEST(CaptionText, ItalicHeadEndsAfterTheNthSpace)
{
  for (auto [text, words, head, tail] :
       {std::tuple{"Quorvik V5.0", 1, "Quorvik ", "V5.0"}, std::tuple{"Quorvik V5.0", 3, "Quorvik V5.0", ""},
        std::tuple{"A B C", 2, "A B ", "C"}, std::tuple{"A B", 0, "", "A B"}}) {
    const TItalicSplit s = SplitItalicWords(text, words);
    EXPECT_EQ(s.Head, head) << text << " " << words;
    EXPECT_EQ(s.Tail, tail) << text << " " << words;
  }
}

TEST(CaptionText, VerticalPositionRoundsHalvesToEven)
{
  EXPECT_EQ(CaptionTextTop(18, 13), 2);
  EXPECT_EQ(CaptionTextTop(18, 11), 4);
  EXPECT_EQ(CaptionTextTop(18, 16), 1);
  EXPECT_EQ(CaptionTextTop(13, 14), 0);
}

TEST(CaptionEffects, TextDrawsSkipColoursEqualToTheTextColourAndBevelTablesFillTheFrameWidth)
{
  TEffectColors c{0xFFFFFF, 0x808080, 0x000000};
  auto raised = TextEffectDraws(ox3Raised, 0xFFFFFF, c);
  ASSERT_EQ(raised.size(), 2u);
  EXPECT_EQ(raised[0].Dx, 1);
  EXPECT_EQ(raised[0].Color, 0x808080);
  EXPECT_EQ(raised[1].Color, 0xFFFFFF);
  auto ridged = TextEffectDraws(ox3Ridged, 0xFFFFFF, c);
  ASSERT_EQ(ridged.size(), 3u);
  EXPECT_EQ(ridged[2].Color, 0x000000);
  EXPECT_EQ(TextEffectDraws(ox3Shadow, 0xFF, c)[0].Dy, 2);
  EXPECT_TRUE(TextEffectDraws(ox3None, 0xFF, c).empty());
  auto border = BorderBevels(ox3Raised, 4);
  ASSERT_EQ(border.size(), 3u);
  EXPECT_EQ(border[1].Width, 2);
  EXPECT_EQ(border[2].Width, 1);
  EXPECT_EQ(BorderBevels(ox3Flat, 3)[2].Width, 1);
  EXPECT_TRUE(BorderBevels(ox3Normal, 4).empty());
  auto grooved = CaptionBarBevels(ox3Grooved);
  ASSERT_EQ(grooved.size(), 2u);
  EXPECT_TRUE(grooved[0].Grow);
  EXPECT_EQ(grooved[0].Top, clBtnShadow);
  EXPECT_FALSE(grooved[1].Grow);
}
