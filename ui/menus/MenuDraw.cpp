#include "ui/menus/MenuDraw.h"

#include <algorithm>

#include "ui/common/Frame3D.h"
#include "ui/menus/MenuLogic.h"

namespace {
bool bannerColumnDone = false;

bool IsBarItem(const TMenuItem& Item)
{
  const TMenuItem* parent = Item.Parent();
  return parent && !parent->Parent() && dynamic_cast<TMainMenu*>(Item.GetParentMenu());
}

bool ShowsShortCut(const TMenuItem& Item) { return Item.Count() == 0 && Item.ShortCut() != 0 && !IsBarItem(Item); }

std::string ItemText(const ToxMenuData& Data, const TMenuItem& Item, bool WithShortCut)
{
  std::string text = Item.Caption();
  if (WithShortCut && ShowsShortCut(Item)) text += "\t" + ShortCutToText(Item.ShortCut());
  return Data.Has(oxmMultiLine) ? ReplaceLines(text) : text;
}

int FontCellHeight(TCanvas& Canvas)
{
  Canvas.Prepare();
  TEXTMETRICA tm{};
  GetTextMetricsA(Canvas.Handle(), &tm);
  return std::abs(Canvas.Font().Height()) + tm.tmInternalLeading;
}

RECT Centred(const RECT& G, int W, int H, int Shift)
{
  const int x = G.left + (G.right - G.left - W) / 2 + Shift, y = G.top + (G.bottom - G.top - H) / 2 + Shift;
  return RECT{x, y, x + W, y + H};
}
}  // namespace

HMENU& LastPopupMenu()
{
  static HMENU menu = nullptr;
  return menu;
}

bool MenuHasChecks(HMENU Menu)
{
  const int count = GetMenuItemCount(Menu);
  for (int p = 0; p < count; ++p)
    if (GetMenuState(Menu, static_cast<UINT>(p), MF_BYPOSITION) & MF_CHECKED) return true;
  return false;
}

namespace {
RECT ScreenMenuRect(const ToxMenuData& Data, HMENU Menu)
{
  RECT all{0, 0, 0, 0};
  const int count = GetMenuItemCount(Menu);
  for (int p = 0; p < count; ++p) {
    RECT r;
    // Owner-drawn entries live in pop-up menus only, whose own window the
    // system finds when given none; the pop-up list's message window, named
    // as owner of a tracked menu, gives no rectangles under Wine.
    if (GetMenuItemRect(nullptr, Menu, static_cast<UINT>(p), &r) ||
        GetMenuItemRect(Data.WindowHandle, Menu, static_cast<UINT>(p), &r))
      UnionRect(&all, &all, &r);
  }
  return all;
}
}  // namespace

RECT MenuRect(const ToxMenuData& Data, HMENU Menu)
{
  RECT all = ScreenMenuRect(Data, Menu);
  OffsetRect(&all, -all.left, -all.top);
  return all;
}

POINT MenuOrigin(const ToxMenuData& Data, HMENU Menu, HDC DC)
{
  const RECT all = ScreenMenuRect(Data, Menu);
  POINT origin{all.left, all.top};
  HWND window = WindowFromDC(DC);
  if (!window || !ScreenToClient(window, &origin)) return POINT{0, 0};
  return origin;
}

void MeasureItem(ToxMenuData& Data, TCanvas& Canvas, TMessage& Message)
{
  auto& mi = *reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
  const TMenuItem& item = *Data.CurrentItem;
  const SIZE cd = CheckMarkSize();
  TItemMeasure m;
  if (Data.Has(oxmBanner))
    m.Extra = BannerExtra(Data.Banner()->Vertical(), Data.Banner()->Width(), item.MenuIndex(), item.Break() != mbNone,
                          bannerColumnDone);
  qv::WindowDC dc(Data.WindowHandle, true);
  const TCanvasDC attached(Canvas, dc.get());
  if (Data.Has(oxmCustomFont))
    Canvas.Font().Assign(Data.Font());
  else
    SetMenuFont(Canvas.Font());
  const std::string text = ItemText(Data, item, true);
  RECT tr{0, 0, 0, 0};
  Canvas.DrawText(text, tr, DT_CALCRECT);
  Canvas.Prepare();
  TEXTMETRICA tm{};
  GetTextMetricsA(dc.get(), &tm);
  m.Separator = text == "-";
  m.HasImageList = Data.ImageList != nullptr;
  if (m.HasImageList) m.ImageWidth = Data.ImageList->Width(), m.ImageHeight = Data.ImageList->Height();
  m.TextWidth = tr.right;
  m.TextHeight = tr.bottom;
  m.FontHeight = std::abs(Canvas.Font().Height());
  m.InternalLeading = tm.tmInternalLeading;
  m.Win97 = Data.Style == oxmWin97;
  m.DropCheckColumn = (item.Parent() && !MenuHasChecks(const_cast<TMenuItem*>(item.Parent())->Handle())) || m.Win97;
  m.CheckWidth = cd.cx;
  m.TextEmpty = text.empty();
  const TItemSize size = MeasureItemSize(m);
  mi.itemWidth = static_cast<UINT>(std::max(size.Width, 0));
  mi.itemHeight = static_cast<UINT>(std::max(size.Height, 0));
  SetMenuFont(Canvas.Font());
  Message.Result = 1;
}

namespace {
void FillItem(const ToxMenuData& Data, TCanvas& Canvas, RECT& I, bool Selected)
{
  const bool back = Data.Has(oxmBackground);
  const bool highlight = Selected && Data.SelectionStyle == oxmNormSel;
  Canvas.SetBrushColor(highlight ? clHighlight : clMenu);
  Canvas.Font().SetColor(highlight ? clHighlightText : clMenuText);
  if (highlight || !back) Canvas.FillRect(I);
  if (Selected && Data.SelectionStyle == oxmRaisedSel) Frame3D(Canvas, I, clBtnHighlight, clBtnShadow, -1);
  if (Selected && Data.SelectionStyle == oxmInsetSel) Frame3D(Canvas, I, clBtnShadow, clBtnHighlight, -1);
  Canvas.SetBrushStyle(bsClear);
}

void DrawGlyphBox97(const ToxMenuData& Data, TCanvas& Canvas, RECT G, const TMenuItem& Item, bool Selected)
{
  const bool image = Data.HasImage(&Item), checked = Item.Checked();
  Canvas.Font().SetColor(clMenuText);
  Canvas.SetBrushColor(clMenu);
  if (!Data.Has(oxmBackground) && (image || checked)) Canvas.FillRect(G);
  if (!image && !checked) return;
  const SIZE cd = CheckMarkSize();
  const int iw = image ? Data.ImageList->Width() : cd.cx, ih = image ? Data.ImageList->Height() : cd.cy;
  if (!checked && !Selected) {
    if (!Data.Has(oxmBackground)) Canvas.FrameRect(G);
    RECT at = Centred(G, iw, ih, 0);
    DrawGlyph(Data, Canvas, at.left, at.top, Item, false);
    return;
  }
  if (checked)
    Frame3D(Canvas, G, clBtnShadow, clBtnHighlight, 1);
  else
    Frame3D(Canvas, G, clBtnHighlight, clBtnShadow, 1);
  if (checked && !Selected) DitherRect(Canvas, G);
  RECT at = Centred(G, iw, ih, checked ? 1 : 0);
  if (image)
    DrawGlyph(Data, Canvas, at.left, at.top, Item, Selected);
  else
    DrawCheck(Data, Canvas, at.left, at.top, Item, Selected);
}
}  // namespace

void DrawItem(ToxMenuData& Data, TCanvas& Canvas, TMessage& Message)
{
  auto& d = *reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
  const TMenuItem& item = *Data.CurrentItem;
  const bool selected = d.itemState & ODS_SELECTED, grayed = d.itemState & ODS_GRAYED;
  const SIZE cd = CheckMarkSize();
  HMENU menu = reinterpret_cast<HMENU>(d.hwndItem);
  // The menu's DC goes back to the system with its font, colours and modes
  // as they came, whatever is drawn or thrown below.
  const TSavedDC savedState(d.hDC);
  const TCanvasDC attached(Canvas, d.hDC);
  const RECT m = MenuRect(Data, menu);
  const POINT origin = MenuOrigin(Data, menu, d.hDC);
  if (Data.Has(oxmBanner)) PaintBanner(Data, Canvas, m, origin, d);
  RECT& I = d.rcItem;
  if (Data.Has(oxmBackground)) {
    if (LastPopupMenu() == menu) {
      LastPopupMenu() = nullptr;
      // The first item after the menu opened paints the whole item area,
      // so what no item covers (a shorter column) shows the background too.
      const RECT saved = I;
      I = m;
      OffsetRect(&I, origin.x, origin.y);
      PaintBackground(Data, Canvas, m, origin, d);
      I = saved;
    } else {
      PaintBackground(Data, Canvas, m, origin, d);
    }
  }
  if (item.Caption() == "-") {
    const int y = I.top + (I.bottom - I.top) / 2;
    Canvas.SetPenColor(clBtnShadow);
    Canvas.MoveTo(I.left, y - 1);
    Canvas.LineTo(I.right, y - 1);
    Canvas.SetPenColor(clBtnHighlight);
    Canvas.MoveTo(I.left, y);
    Canvas.LineTo(I.right, y);
    return;
  }
  if (Data.Has(oxmCustomFont)) Canvas.Font().Assign(Data.Font());
  const int h = FontCellHeight(Canvas) + 4;
  RECT g{I.left, I.top, I.left + h, I.top + h};
  const bool image = Data.HasImage(&item);
  if (Data.ImageList) {
    g.right = I.left + std::max(Data.ImageList->Width() + 4, h);
    g.bottom = I.top + std::max(Data.ImageList->Height() + 4, h);
  }
  if (Data.Style == oxmWin97 && (image || item.Checked())) I.left = g.right + 1;
  FillItem(Data, Canvas, I, selected);
  if (Data.Style == oxmWin95 && MenuHasChecks(menu)) {
    DrawCheck(Data, Canvas, I.left, I.top + (I.bottom - I.top - cd.cy) / 2, item, selected);
    I.left += cd.cx;
    OffsetRect(&g, cd.cx, 0);
  }
  if ((Data.Style == oxmWin95 && Data.ImageList) || Data.Style == oxmWin97) I.left = g.right + 1;
  const std::string text = ItemText(Data, item, false);
  RECT tr{0, 0, 0, 0};
  Canvas.DrawText(text, tr, DT_CALCRECT);
  TFontStyles style = Canvas.Font().Style();
  if (item.Default())
    style.Include(fsBold);
  else
    style.Exclude(fsBold);
  Canvas.Font().SetStyle(style);
  const T3DEffect effect = grayed && selected ? ox3Flat : grayed ? ox3Disabled : Data.Font3D;
  const int y = I.top + (I.bottom - I.top - tr.bottom) / 2;
  DrawText3DAt(Canvas, I.left + 4, y, text, effect);
  if (ShowsShortCut(item)) {
    const std::string shortcut = ShortCutToText(item.ShortCut());
    DrawText3DAt(Canvas, I.right - Canvas.TextWidth(shortcut) - 4 - cd.cx, y, shortcut, effect);
  }
  if (Data.Style == oxmWin97)
    DrawGlyphBox97(Data, Canvas, g, item, selected);
  else if (image)
    DrawGlyph(Data, Canvas, g.left + 1, g.top + (g.bottom - g.top - Data.ImageList->Height()) / 2, item, selected);
  Message.Result = 1;
}
