#include "ui/menus/MenuDraw.h"

#include <gtest/gtest.h>

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
  int Count(COLORREF Color)
  {
    const auto p = Pixels();
    return static_cast<int>(std::count(p.data.begin(), p.data.end(), Color));
  }
  TWinBitmap bitmap;
};
const COLORREF kShadow = GetSysColor(COLOR_BTNSHADOW), kHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
}  // namespace

TEST(MenuPaint, TextEffectsDrawTheirEchoesAndNoneDrawsNothing)
{
  Surface s(60, 30);
  TCanvas& c = s.bitmap.Canvas();
  c.SetBrushStyle(bsClear);
  c.Font().SetColor(clBlack);
  DrawText3DAt(c, 5, 5, "Wm", ox3None);
  EXPECT_EQ(60 * 30, s.Count(RGB(255, 255, 255)));
  DrawText3DAt(c, 5, 5, "Wm", ox3Shadow);
  EXPECT_GT(s.Count(RGB(0, 0, 0)), 10);
  EXPECT_GT(s.Count(kShadow), 5);
  // White text raised: its echo goes to the shadow side, one pixel down-right.
  Surface w(60, 30);
  w.bitmap.Canvas().SetBrushStyle(bsClear);
  w.bitmap.Canvas().Font().SetColor(clWhite);
  DrawText3DAt(w.bitmap.Canvas(), 5, 5, "Wm", ox3Raised);
  EXPECT_GT(w.Count(kShadow), 10);
}

TEST(MenuPaint, CheckMarksAreStampedInTheTextColourWithAnEchoWhenDisabled)
{
  TMenuItem item(nullptr);
  item.SetChecked(true);
  ToxMenuData data;
  auto redMark = [&] {
    Surface s(20, 20);
    s.bitmap.Canvas().Font().SetColor(clRed);
    DrawCheck(data, s.bitmap.Canvas(), 2, 2, item, false);
    return s.Count(RGB(255, 0, 0));
  };
  const int marked = redMark();
  EXPECT_GT(marked, 5);
  item.SetRadioItem(true);
  const int bullet = redMark();
  EXPECT_GT(bullet, 3);
  EXPECT_NE(marked, bullet);
  item.SetRadioItem(false);
  item.SetEnabled(false);
  Surface gray(20, 20, clBlack);
  DrawCheck(data, gray.bitmap.Canvas(), 2, 2, item, false);
  EXPECT_EQ(marked, gray.Count(kShadow));
  EXPECT_GT(gray.Count(kHighlight), 0);
  Surface selected(20, 20, clBlack);
  DrawCheck(data, selected.bitmap.Canvas(), 2, 2, item, true);  // selected in oxmWin95: no echo
  EXPECT_EQ(0, selected.Count(kHighlight));
  item.SetChecked(false);
  Surface none(20, 20);
  DrawCheck(data, none.bitmap.Canvas(), 2, 2, item, false);
  EXPECT_EQ(400, none.Count(RGB(255, 255, 255)));
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
  Surface enabled(12, 12);
  DrawGlyph(data, enabled.bitmap.Canvas(), 0, 0, item, false);
  EXPECT_EQ(16, enabled.Count(RGB(255, 0, 0)));
  item.SetEnabled(false);
  Surface black(12, 12, clBlack);
  DrawGlyph(data, black.bitmap.Canvas(), 0, 0, item, false);
  const auto p = black.Pixels();
  EXPECT_EQ(0, black.Count(RGB(255, 0, 0)));
  EXPECT_EQ(kShadow, p.at(2, 2));     // shadow where the image is but not one pixel down-right of it
  EXPECT_EQ(kHighlight, p.at(6, 6));  // highlight one pixel past its bottom-right
  EXPECT_EQ(RGB(0, 0, 0), p.at(9, 9));
  Surface sel(12, 12, clBlack);
  DrawGlyph(data, sel.bitmap.Canvas(), 0, 0, item, true);  // selected in oxmWin95: shadow only
  EXPECT_EQ(0, sel.Count(kHighlight));
  EXPECT_GT(sel.Count(kShadow), 0);
  item.SetTag(-1);
  Surface none(12, 12);
  DrawGlyph(data, none.bitmap.Canvas(), 0, 0, item, false);
  EXPECT_EQ(144, none.Count(RGB(255, 255, 255)));
}

TEST(MenuPaint, DitherAndPictureStyles)
{
  Surface dither(8, 8);
  DitherRect(dither.bitmap.Canvas(), RECT{0, 0, 8, 8});
  const auto d = dither.Pixels();
  EXPECT_NE(d.at(0, 0), d.at(1, 0));
  EXPECT_EQ(d.at(0, 0), d.at(1, 1));

  TPicture picture;
  Surface pattern(20, 20);
  TGradient gradient;
  PaintStyle(pattern.bitmap.Canvas(), RECT{2, 2, 12, 12}, clLime, &picture, &gradient, oxmPicturePattern);
  EXPECT_EQ(100, pattern.Count(RGB(0, 255, 0)));  // an empty picture leaves the plain fill
  PaintStyle(pattern.bitmap.Canvas(), RECT{0, 0, 20, 20}, clBlack, &picture, &gradient, oxmVertGradient);
  const auto g = pattern.Pixels();
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
