#include "ui/menus/MenuDraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "tests/support/WineTestSupport.h"

namespace {
struct Surface {
  Surface(int W, int H, TColor Fill = clWhite)
  {
    bitmap.SetSize(W, H);
    bitmap.Canvas().SetBrushColor(Fill);
    bitmap.Canvas().FillRect(RECT{0, 0, W, H});
  }
  qvtest::Pixels Pixels() { return qvtest::CaptureDC(bitmap.Canvas().Handle(), bitmap.Width(), bitmap.Height()); }
  TWinBitmap bitmap;
};
// What Draw leaves on a W x H bitmap filled with Fill.
qvtest::Pixels Paint(int W, int H, TColor Fill, const std::function<void(TCanvas&)>& Draw)
{
  Surface s(W, H, Fill);
  Draw(s.bitmap.Canvas());
  return s.Pixels();
}
int Count(const qvtest::Pixels& P, COLORREF Color)
{
  return static_cast<int>(std::count(P.data.begin(), P.data.end(), Color));
}
const COLORREF kShadow = GetSysColor(COLOR_BTNSHADOW), kHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
}  // namespace

TEST(MenuPaint, TextEffectsDrawTheirEchoesAndNoneDrawsNothing)
{
  const auto text = [](TColor Color, T3DEffect Effect) {
    return Paint(60, 30, clWhite, [&](TCanvas& c) {
      c.SetBrushStyle(bsClear);
      c.Font().SetColor(Color);
      DrawText3DAt(c, 5, 5, "Wm", Effect);
    });
  };
  EXPECT_EQ(60 * 30, Count(text(clBlack, ox3None), RGB(255, 255, 255)));
  const auto shadowed = text(clBlack, ox3Shadow);
  EXPECT_GT(Count(shadowed, RGB(0, 0, 0)), 10);
  EXPECT_GT(Count(shadowed, kShadow), 5);
  // White text raised: its echo goes to the shadow side, one pixel down-right.
  EXPECT_GT(Count(text(clWhite, ox3Raised), kShadow), 10);
}

TEST(MenuPaint, CheckMarksAreStampedInTheTextColourWithAnEchoWhenDisabled)
{
  TMenuItem item(nullptr);
  item.SetChecked(true);
  ToxMenuData data;
  const auto check = [&](TColor Fill, bool Selected) {
    return Paint(20, 20, Fill, [&](TCanvas& c) {
      c.Font().SetColor(clRed);
      DrawCheck(data, c, 2, 2, item, Selected);
    });
  };
  const int marked = Count(check(clWhite, false), RGB(255, 0, 0));
  EXPECT_GT(marked, 5);
  item.SetRadioItem(true);
  const int bullet = Count(check(clWhite, false), RGB(255, 0, 0));
  EXPECT_GT(bullet, 3);
  EXPECT_NE(marked, bullet);
  item.SetRadioItem(false);
  item.SetEnabled(false);
  const auto gray = check(clBlack, false);
  EXPECT_EQ(marked, Count(gray, kShadow));
  EXPECT_GT(Count(gray, kHighlight), 0);
  EXPECT_EQ(0, Count(check(clBlack, true), kHighlight));  // selected in oxmWin95: no echo
  item.SetChecked(false);
  EXPECT_EQ(400, Count(check(clWhite, false), RGB(255, 255, 255)));
}

TEST(MenuPaint, DisabledImagesAreEmbossedOutlines)
{
  TImageList images(nullptr);
  images.SetWidth(8);
  images.SetHeight(8);
  Surface square(8, 8, clFuchsia);
  square.bitmap.Canvas().SetBrushColor(clRed);
  square.bitmap.Canvas().FillRect(RECT{2, 2, 6, 6});
  images.AddMasked(square.bitmap, clFuchsia);
  ToxMenuData data;
  data.ImageList = &images;
  TMenuItem item(nullptr);
  item.SetTag(0);
  const auto glyph = [&](TColor Fill, bool Selected) {
    return Paint(12, 12, Fill, [&](TCanvas& c) { DrawGlyph(data, c, 0, 0, item, Selected); });
  };
  EXPECT_EQ(16, Count(glyph(clWhite, false), RGB(255, 0, 0)));
  item.SetEnabled(false);
  const auto p = glyph(clBlack, false);
  EXPECT_EQ(0, Count(p, RGB(255, 0, 0)));
  EXPECT_EQ(kShadow, p.at(2, 2));     // shadow where the image is but not one pixel down-right of it
  EXPECT_EQ(kHighlight, p.at(6, 6));  // highlight one pixel past its bottom-right
  EXPECT_EQ(RGB(0, 0, 0), p.at(9, 9));
  const auto selected = glyph(clBlack, true);  // selected in oxmWin95: shadow only
  EXPECT_EQ(0, Count(selected, kHighlight));
  EXPECT_GT(Count(selected, kShadow), 0);
  item.SetTag(-1);
  EXPECT_EQ(144, Count(glyph(clWhite, false), RGB(255, 255, 255)));
}

// The dither itself shows in the checked box below.
TEST(MenuPaint, PictureAndGradientStyles)
{
  TPicture picture;
  TGradient gradient;
  const auto style = [&](const RECT& R, TColor Color, ToxmBackStyle Style) {
    return Paint(20, 20, clWhite, [&](TCanvas& c) { PaintStyle(c, R, Color, &picture, &gradient, Style); });
  };
  // An empty picture leaves the plain fill.
  EXPECT_EQ(100, Count(style(RECT{2, 2, 12, 12}, clLime, oxmPicturePattern), RGB(0, 255, 0)));
  const auto g = style(RECT{0, 0, 20, 20}, clBlack, oxmVertGradient);
  // Bands 0 to 6 all start on row 0 of a 20-pixel fill; the last of them wins.
  EXPECT_EQ(RGB(244, 244, 244), g.at(5, 0));
  EXPECT_LT(GetRValue(g.at(5, 19)), 12);
}

TEST(MenuPaint, AWin97CheckedItemShowsItsMarkInASunkenDitheredBox)
{
  TMenuItem item(nullptr);
  item.SetCaption("Checked");
  item.SetChecked(true);
  ToxMenuData data;
  data.Style = oxmWin97;
  data.Options = ToxmOptions{};
  data.CurrentItem = &item;
  Surface s(120, 24);
  qv::OwnedMenu menu(CreatePopupMenu());
  DRAWITEMSTRUCT d{};
  d.CtlType = ODT_MENU;
  d.hwndItem = reinterpret_cast<HWND>(menu.get());
  d.hDC = s.bitmap.Canvas().Handle();
  d.rcItem = RECT{0, 0, 120, 24};
  d.itemData = reinterpret_cast<ULONG_PTR>(&item);
  TCanvas canvas;
  TMessage message{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&d), 0};
  DrawItem(data, canvas, message);
  EXPECT_EQ(1, message.Result);
  const auto p = s.Pixels();
  int box = 1;
  while (box < 40 && p.at(box, 1) != kHighlight) ++box;  // the box's right edge
  ASSERT_LT(box, 40);
  EXPECT_EQ(kShadow, p.at(0, 0));  // sunken: top and left edges in shadow
  EXPECT_EQ(kShadow, p.at(0, box - 1));
  EXPECT_EQ(kHighlight, p.at(1, box));  // bottom edge in highlight
  EXPECT_NE(p.at(2, 2), p.at(3, 2));    // dithered inside
  EXPECT_EQ(p.at(2, 2), p.at(3, 3));
  EXPECT_EQ(GetSysColor(COLOR_MENU), p.at(box + 2, 1));  // the item beside the box
}
