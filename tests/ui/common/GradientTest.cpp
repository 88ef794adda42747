#include "ui/common/Gradient.h"

#include "framework/graphics/WinBitmap.h"
#include "ui/common/Errors.h"

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"

// Band positions and colours are worked out natively; on a real canvas the
// later band covers the overlap and the last one reaches the far edge.
TEST(Gradient, LaterBandsWinTheOverlapAndTheLastReachesTheEnd)
{
  TWinBitmap bitmap;
  bitmap.SetSize(256, 4);
  TGradient gradient;
  gradient.DrawHorz(bitmap.Canvas(), RECT{0, 0, 256, 4});
  const auto p = qvtest::CaptureDC(bitmap.Canvas().Handle(), 256, 4);
  EXPECT_EQ(RGB(254, 254, 254), p.at(2, 0));  // band 1 covers 2..4 over band 0's 0..2
  EXPECT_EQ(RGB(2, 2, 2), p.at(255, 3));
}

TEST(Gradient, TableIsBuiltOnUseKeptForEqualColoursDroppedByChangesAndEndsAtIndex127)
{
  TGradient g;
  EXPECT_FALSE(g.HasTable());
  EXPECT_EQ(RGB(255, 255, 255), g.GetColor(0));
  EXPECT_EQ(128, g.Allocated());
  g.SetStartColor(0);
  EXPECT_TRUE(g.HasTable());
  g.SetStartColor(clBtnFace);
  // System colours resolve when the table is built.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int r = GetRValue(face);
  EXPECT_EQ(255 - static_cast<int>((255.0 - r) / 128 * 127), GetRValue(static_cast<COLORREF>(g.GetColor(127))));
  g.SetEndColor(clNavy);
  EXPECT_EQ(RGB(0, 0, 128), g.GetColor(0));
  uitest::ExpectFailure<EInvalidIndex>([&] { g.GetColor(128); }, "Index out of range");
}
