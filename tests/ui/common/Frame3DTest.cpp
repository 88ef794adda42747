#include "ui/common/Frame3D.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

struct TestRect {
  int left, top, right, bottom;
  bool operator==(const TestRect&) const = default;
};

using TPixelMap = std::map<std::pair<int, int>, TColor>;

// Rasterises horizontal and vertical lines the way GDI does: from the
// current point up to, not including, the end point.
class RecordingCanvas {
public:
  void SetPenColor(TColor Value) { FColor = Value; }
  void SetPenWidth(int Value) { Width = Value; }
  void MoveTo(int X, int Y) { FX = X, FY = Y; }
  void LineTo(int X, int Y)
  {
    const int dx = X > FX ? 1 : X < FX ? -1 : 0, dy = Y > FY ? 1 : Y < FY ? -1 : 0;
    for (int x = FX, y = FY; x != X || y != Y; x += dx, y += dy) Pixels[{x, y}] = FColor;
    MoveTo(X, Y);
  }
  TPixelMap Pixels;
  int Width = 0;

private:
  TColor FColor = 0;
  int FX = 0, FY = 0;
};

constexpr TColor kTop = 0x111111, kBottom = 0x222222;

// A ring through the pixels (L, T) and (R, B): top and left edges in kTop,
// then right and bottom in kBottom, which take the corners they share.
void AddRing(TPixelMap& M, int L, int T, int R, int B)
{
  for (int i = T; i <= B; ++i) M[{L, i}] = kTop;
  for (int i = L; i <= R; ++i) M[{i, T}] = kTop;
  for (int i = T; i <= B; ++i) M[{R, i}] = kBottom;
  for (int i = L; i <= R; ++i) M[{i, B}] = kBottom;
}

}  // namespace

TEST(Frame3D, NegativeWidthDrawsOneRingAndLeavesTheRectangleAlone)
{
  RecordingCanvas canvas;
  TestRect r{0, 0, 10, 10};
  Frame3D(canvas, r, kTop, kBottom, -1);
  EXPECT_EQ(r, (TestRect{0, 0, 10, 10}));
  EXPECT_EQ(canvas.Width, 1);
  TPixelMap expected;
  AddRing(expected, 0, 0, 9, 9);
  EXPECT_EQ(canvas.Pixels, expected);
}

TEST(Frame3D, PositiveWidthShrinksTheRectangleByTheWidthAndZeroDrawsNothing)
{
  RecordingCanvas none;
  TestRect z{3, 4, 20, 30};
  Frame3D(none, z, kTop, kBottom, 0);
  EXPECT_TRUE(none.Pixels.empty());
  EXPECT_EQ(z, (TestRect{3, 4, 20, 30}));

  RecordingCanvas two;
  TestRect s{5, 5, 15, 13};
  Frame3D(two, s, kTop, kBottom, 2);
  EXPECT_EQ(s, (TestRect{7, 7, 13, 11}));
  // The second ring sits one pixel inside the first; the inner area is untouched.
  TPixelMap rings;
  AddRing(rings, 5, 5, 14, 12);
  AddRing(rings, 6, 6, 13, 11);
  EXPECT_EQ(two.Pixels, rings);
}
