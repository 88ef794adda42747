#include "ui/common/Gradient.h"

#include "framework/graphics/WinBitmap.h"
#include "ui/common/Errors.h"
#include "ui/common/Frame3D.h"

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"

namespace {
qvtest::Pixels Draw(int Width, int Height, void (*Paint)(TCanvas&, TGradient&, const RECT&))
{
  TWinBitmap bitmap;
  bitmap.SetSize(Width, Height);
  TGradient gradient;
  Paint(bitmap.Canvas(), gradient, RECT{0, 0, Width, Height});
  return qvtest::CaptureDC(bitmap.Canvas().Handle(), Width, Height);
}
}  // namespace

TEST(Gradient, FillsRunFromTheEndColourAndLaterBandsWinTheOverlap)
{
  auto p = Draw(256, 4, [](TCanvas& c, TGradient& g, const RECT& r) { g.DrawHorz(c, r); });
  EXPECT_EQ(RGB(255, 255, 255), p.at(0, 0));
  EXPECT_EQ(RGB(255, 255, 255), p.at(1, 3));
  EXPECT_EQ(RGB(254, 254, 254), p.at(2, 0));  // band 1 covers 2..4 over band 0's 0..2
  EXPECT_EQ(RGB(2, 2, 2), p.at(254, 0));
  EXPECT_EQ(RGB(2, 2, 2), p.at(255, 3));
  p = Draw(3, 128, [](TCanvas& c, TGradient& g, const RECT& r) {
    g.SetStartColor(RGB(0, 0, 128));
    g.DrawVert(c, r);
  });
  EXPECT_EQ(RGB(255, 255, 255), p.at(1, 0));
  EXPECT_EQ(RGB(254, 254, 255), p.at(1, 1));  // 255 - Trunc(255/128), blue 255 - Trunc(127/128)
  EXPECT_EQ(RGB(2, 2, 129), p.at(2, 127));
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
  EXPECT_FALSE(g.HasTable());
  // System colours resolve when the table is built.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int r = GetRValue(face);
  EXPECT_EQ(255 - static_cast<int>((255.0 - r) / 128 * 127), GetRValue(static_cast<COLORREF>(g.GetColor(127))));
  g.SetEndColor(clNavy);
  EXPECT_FALSE(g.HasTable());
  EXPECT_EQ(RGB(0, 0, 128), g.GetColor(0));
  uitest::ExpectFailure<EInvalidIndex>([&] { g.GetColor(128); }, "Index out of range");
}

TEST(Frame3DOnCanvas, TheBevelLandsOnTheBitmapPixelForPixel)
{
  TWinBitmap bitmap;
  bitmap.SetSize(12, 12);
  RECT r{1, 1, 11, 11};
  Frame3D(bitmap.Canvas(), r, clRed, clBlue, 1);
  EXPECT_EQ(2, r.left);
  EXPECT_EQ(10, r.right);
  const auto p = qvtest::CaptureDC(bitmap.Canvas().Handle(), 12, 12);
  EXPECT_EQ(RGB(255, 0, 0), p.at(1, 5));
  EXPECT_EQ(RGB(255, 0, 0), p.at(9, 1));
  EXPECT_EQ(RGB(0, 0, 255), p.at(10, 1));  // the right edge starts on the top row
  EXPECT_EQ(RGB(0, 0, 255), p.at(1, 10));  // the bottom edge ends on the left column
  EXPECT_EQ(RGB(0, 0, 255), p.at(10, 10));
  EXPECT_EQ(RGB(255, 255, 255), p.at(2, 2));
  EXPECT_EQ(RGB(255, 255, 255), p.at(11, 11));
}
