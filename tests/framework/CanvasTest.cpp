#include "framework/graphics/Graphics.h"
#include "framework/graphics/ImageList.h"
#include "framework/graphics/WinBitmap.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/WineTestSupport.h"

namespace {

TEST(ColorTest, SystemColoursResolveThroughGetSysColor)
{
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ColorToRGB(clBtnFace));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), ColorToRGB(clInfoBk));
  EXPECT_EQ(RGB(0x12, 0x34, 0x56), ColorToRGB(0x563412));
}

TEST(FontTest, LogFontRoundTripKeepsNameHeightAndStyle)
{
  TFont font;
  font.SetName("Courier New");
  font.SetHeight(-12);
  font.SetStyle(TFontStyles{fsBold, fsItalic});
  LOGFONTA lf = FontToLogFont(font);
  EXPECT_STREQ("Courier New", lf.lfFaceName);
  EXPECT_EQ(FW_BOLD, lf.lfWeight);
  EXPECT_EQ(1, lf.lfItalic);
  TFont back;
  LogFontToFont(lf, back);
  EXPECT_EQ("Courier New", back.Name());
  EXPECT_EQ(lf.lfHeight, back.Height());
  EXPECT_EQ((TFontStyles{fsBold, fsItalic}), back.Style());
}

class CanvasTest : public ::testing::Test {
protected:
  void SetUp() override { bitmap.SetSize(40, 30); }
  TWinBitmap bitmap;
};

TEST_F(CanvasTest, FillLineAndFramePaintExactlyTheirPixels)
{
  TCanvas& c = bitmap.Canvas();
  c.SetBrushColor(clRed);
  c.FillRect(RECT{5, 5, 10, 8});
  c.SetPenColor(clBlue);
  c.MoveTo(2, 3);
  c.LineTo(12, 3);
  c.SetPenColor(clLime);
  c.Polyline({{0, 20}, {0, 10}, {10, 10}});
  c.SetBrushColor(clNavy);
  c.FrameRect(RECT{20, 20, 25, 25});
  qvtest::Pixels px = qvtest::CaptureDC(c.Handle(), 40, 30);
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), lime = RGB(0, 255, 0), navy = RGB(0, 0, 128),
                 white = RGB(255, 255, 255);
  // Right and bottom edges, a line's end point and a frame's inside stay unpainted.
  const struct {
    int X, Y;
    COLORREF Colour;
  } expected[] = {{5, 5, red},    {9, 7, red},    {10, 7, white}, {9, 8, white}, {4, 5, white},
                  {2, 3, blue},   {11, 3, blue},  {12, 3, white}, {0, 15, lime}, {5, 10, lime},
                  {20, 20, navy}, {24, 24, navy}, {22, 22, white}};
  for (const auto& e : expected) EXPECT_EQ(e.Colour, px.at(e.X, e.Y)) << e.X << "," << e.Y;
}

TEST_F(CanvasTest, ClearBrushTextLeavesBackgroundAndDrawsInFontColour)
{
  TCanvas& c = bitmap.Canvas();
  c.SetBrushColor(clYellow);
  c.FillRect(RECT{0, 0, 40, 30});
  c.SetBrushStyle(bsClear);
  c.Font().SetColor(clBlack);
  c.Font().SetName("Arial");
  c.Font().SetHeight(-20);
  c.TextOut(2, 2, "W");
  qvtest::Pixels px = qvtest::CaptureDC(c.Handle(), 40, 30);
  auto count = [&](COLORREF Colour) { return std::count(px.data.begin(), px.data.end(), Colour); };
  EXPECT_GT(count(RGB(0, 0, 0)), 10);
  EXPECT_GT(count(RGB(255, 255, 0)), 900);
  EXPECT_GT(c.TextWidth("WW"), c.TextWidth("W"));
  EXPECT_GT(c.TextHeight("y"), 10);
}

TEST_F(CanvasTest, CopiesLeaveOutTheTransparentColourOrCombineInAndMode)
{
  TWinBitmap source;
  source.SetSize(4, 4);
  source.Canvas().SetBrushColor(0x008080);  // dark yellow background
  source.Canvas().FillRect(RECT{0, 0, 4, 4});
  source.Canvas().SetBrushColor(clRed);
  source.Canvas().FillRect(RECT{1, 1, 3, 3});
  EXPECT_EQ(0x008080, source.TransparentColor());
  TCanvas& c = bitmap.Canvas();
  c.SetBrushColor(clBlue);
  c.BrushCopy(RECT{10, 10, 14, 14}, source, RECT{0, 0, 4, 4}, source.TransparentColor());
  qvtest::Pixels px = qvtest::CaptureDC(c.Handle(), 40, 30);
  EXPECT_EQ(RGB(0, 0, 255), px.at(10, 10));
  EXPECT_EQ(RGB(255, 0, 0), px.at(11, 11));
  EXPECT_EQ(RGB(255, 255, 255), px.at(14, 14));
  // A copy in AND mode combines with what is there.
  TWinBitmap bw;
  bw.SetSize(2, 1);
  bw.Canvas().SetPixel(0, 0, clBlack);
  bw.Canvas().SetPixel(1, 0, clWhite);
  c.SetBrushColor(clRed);
  c.FillRect(RECT{0, 0, 2, 1});
  c.SetCopyMode(cmSrcAnd);
  c.CopyRect(RECT{0, 0, 2, 1}, bw.Canvas(), RECT{0, 0, 2, 1});
  EXPECT_EQ(RGB(0, 0, 0), c.Pixel(0, 0));
  EXPECT_EQ(RGB(255, 0, 0), c.Pixel(1, 0));
}

TEST_F(CanvasTest, FontHandleSetExplicitlyIsKeptUntilFontChanges)
{
  TCanvas& c = bitmap.Canvas();
  LOGFONTA lf{};
  lf.lfHeight = -14;
  lf.lfEscapement = 900;
  lstrcpyA(lf.lfFaceName, "Arial");
  HFONT rotated = CreateFontIndirectA(&lf);
  c.SetFontHandle(rotated);
  EXPECT_EQ(rotated, c.FontHandle());
  EXPECT_EQ("Arial", c.Font().Name());
  c.Font().SetHeight(-20);
  EXPECT_NE(rotated, c.FontHandle());
}

TEST_F(CanvasTest, MonochromeConversionKeepsBlackAndWhite)
{
  bitmap.Canvas().SetPixel(3, 3, clBlack);
  bitmap.SetMonochrome(true);
  EXPECT_EQ(RGB(0, 0, 0), bitmap.Canvas().Pixel(3, 3));
  EXPECT_EQ(RGB(255, 255, 255), bitmap.Canvas().Pixel(4, 3));
}

// A packed 24-bit image, 3 x 2 pixels: rows of 9 bytes padded to 12.
std::string BitmapImage(int Width, int Height)
{
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = Width;
  info.biHeight = Height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const size_t pixels = static_cast<size_t>((Width * 24 + 31) / 32 * 4 * Height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels);
  std::string image(reinterpret_cast<const char*>(&file), sizeof(file));
  image.append(reinterpret_cast<const char*>(&info), sizeof(info));
  image.append(pixels, '\x40');
  return image;
}

TEST(WinBitmapTest, ImageIsReadOnlyWhenItHoldsEveryPixelRow)
{
  TWinBitmap bitmap;
  bitmap.LoadFromImage(BitmapImage(3, 2));
  EXPECT_EQ(3, bitmap.Width());
  EXPECT_EQ(RGB(0x40, 0x40, 0x40), GetPixel(bitmap.Canvas().Handle(), 2, 1));

  std::string shortRow = BitmapImage(3, 2);
  shortRow.pop_back();
  EXPECT_THROW(bitmap.LoadFromImage(shortRow), EInvalidGraphic);
  // A header claiming more rows than the image carries.
  std::string tall = BitmapImage(3, 2);
  reinterpret_cast<BITMAPINFOHEADER*>(&tall[sizeof(BITMAPFILEHEADER)])->biHeight = 4000;
  EXPECT_THROW(bitmap.LoadFromImage(tall), EInvalidGraphic);
  // Pixels said to start inside the header.
  std::string overlap = BitmapImage(3, 2);
  reinterpret_cast<BITMAPFILEHEADER*>(&overlap[0])->bfOffBits = 20;
  EXPECT_THROW(bitmap.LoadFromImage(overlap), EInvalidGraphic);
  EXPECT_EQ(3, bitmap.Width());  // the failed loads left the bitmap as it was
}

TEST(ImageListTest, CountDrawAndMask)
{
  TImageList images(nullptr);
  images.SetWidth(4);
  images.SetHeight(4);
  TWinBitmap strip;
  strip.SetSize(8, 4);
  strip.Canvas().SetBrushColor(clFuchsia);
  strip.Canvas().FillRect(RECT{0, 0, 8, 4});
  strip.Canvas().SetBrushColor(clGreen);
  strip.Canvas().FillRect(RECT{0, 0, 2, 4});
  EXPECT_EQ(0, images.AddMasked(strip, clFuchsia));
  EXPECT_EQ(2, images.Count());
  TWinBitmap target;
  target.SetSize(4, 4);
  images.Draw(target.Canvas(), 0, 0, 0);
  EXPECT_EQ(RGB(0, 128, 0), target.Canvas().Pixel(0, 0));
  EXPECT_EQ(RGB(255, 255, 255), target.Canvas().Pixel(3, 0));
  TWinBitmap mask;
  images.GetMask(0, mask);
  EXPECT_TRUE(mask.Monochrome());
  EXPECT_EQ(RGB(0, 0, 0), mask.Canvas().Pixel(1, 1));
  EXPECT_EQ(RGB(255, 255, 255), mask.Canvas().Pixel(3, 1));
}

}  // namespace
