#include "ui/common/Frame3D.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

struct TestRect {
  int left, top, right, bottom;
  bool operator==(const TestRect&) const = default;
};

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
  std::map<std::pair<int, int>, TColor> Pixels;
  int Width = 0;

private:
  TColor FColor = 0;
  int FX = 0, FY = 0;
};

constexpr TColor kTop = 0x111111, kBottom = 0x222222;

}  // namespace

TEST(Frame3D, NegativeWidthDrawsOneRingAndLeavesTheRectangleAlone)
{
  RecordingCanvas canvas;
  TestRect r{0, 0, 10, 10};
  Frame3D(canvas, r, kTop, kBottom, -1);
  EXPECT_EQ(r, (TestRect{0, 0, 10, 10}));
  EXPECT_EQ(canvas.Width, 1);
  std::map<std::pair<int, int>, TColor> expected;
  for (int i = 0; i <= 9; ++i) expected[{0, i}] = kTop;     // left edge (0,9)..(0,0)
  for (int i = 0; i <= 9; ++i) expected[{i, 0}] = kTop;     // top edge (0,0)..(9,0)
  for (int i = 0; i <= 9; ++i) expected[{9, i}] = kBottom;  // right edge (9,0)..(9,9)
  for (int i = 0; i <= 9; ++i) expected[{i, 9}] = kBottom;  // bottom edge (9,9)..(0,9)
  expected[{0, 9}] = kBottom;                               // the bottom line, drawn last, ends on the left column
  expected[{9, 0}] = kBottom;                               // the right line starts on the top row
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
  EXPECT_EQ(two.Pixels.at({6, 10}), kTop);
  EXPECT_EQ(two.Pixels.at({6, 6}), kTop);
  EXPECT_EQ(two.Pixels.at({13, 6}), kBottom);
  EXPECT_EQ(two.Pixels.at({7, 11}), kBottom);
  EXPECT_EQ(two.Pixels.at({14, 12}), kBottom);
  EXPECT_EQ(two.Pixels.count({7, 7}), 0u);
  EXPECT_EQ(two.Pixels.size(), 32u + 24u);  // the rings of a 10 x 8 and an 8 x 6 box
}
