// Font.h beside <windows.h>, in this order, as the Win32 files include them:
// our rounding helper must neither clash with kernel32's MulDiv (a dllimport
// redeclaration warns under MinGW) nor round differently from it.
#include <windows.h>

#include "framework/graphics/Font.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Halves round away from zero; a zero divisor and an overflow give -1.
TEST(MulDivRoundTest, AgreesWithKernel32MulDiv)
{
  const int values[] = {0,   1,  -1, 2,   -2,  3,    5,     -5,     7,       11,
                        -11, 72, 96, -96, 120, 1000, 46341, -46341, INT_MAX, INT_MIN + 1};
  for (int a : values) {
    for (int b : values) {
      for (int c : {0, 1, -1, 2, -2, 3, 4, -4, 72, 96, 120, 7}) {
        EXPECT_EQ(MulDiv(a, b, c), MulDivRound(a, b, c)) << a << " * " << b << " / " << c;
      }
    }
  }
}

// At 96 pixels per inch the native tests pin the size and height down.
TEST(MulDivRoundTest, FontSizeAndHeightRoundTripAt120Dpi)
{
  TFont font;
  font.SetPixelsPerInch(120);
  font.SetSize(8);
  EXPECT_EQ(-13, font.Height());
  EXPECT_EQ(8, font.Size());
}

}  // namespace
