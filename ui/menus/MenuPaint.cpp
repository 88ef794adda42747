#include "ui/menus/MenuPaint.h"

namespace {
constexpr UINT kObmCheck = 32760;  // OBM_CHECK, hidden behind OEMRESOURCE

class TMarkBitmaps {
public:
  HBITMAP Check()
  {
    if (!FCheck) Make();
    return FCheck.get();
  }
  HBITMAP Bullet()
  {
    if (!FBullet) Make();
    return FBullet.get();
  }
  HBITMAP Checker()
  {
    if (!FChecker) MakeChecker();
    return FChecker.get();
  }
  void Refresh()
  {
    BITMAP bm{};
    SIZE cd = CheckMarkSize();
    if (FCheck && GetObjectA(FCheck.get(), sizeof(bm), &bm) && bm.bmWidth == cd.cx && bm.bmHeight == cd.cy) return;
    FCheck.reset();
    FBullet.reset();
    Make();
  }

private:
  void Make()
  {
    FCheck.reset(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kObmCheck)));
    SIZE cd = CheckMarkSize();
    FBullet.reset(CreateBitmap(cd.cx, cd.cy, 1, 1, nullptr));
    qv::MemoryDC dc(CreateCompatibleDC(nullptr));
    if (!FBullet || !dc) throw EOutOfResources("Out of system resources");
    qv::SelectionGuard sel(dc.get(), FBullet.get());
    RECT r{0, 0, cd.cx, cd.cy};
    DrawFrameControl(dc.get(), &r, DFC_MENU, DFCS_MENUBULLET);
  }
  void MakeChecker()
  {
    qv::WindowDC screen(nullptr);
    FChecker.reset(CreateCompatibleBitmap(screen.get(), 8, 8));
    qv::MemoryDC dc(CreateCompatibleDC(screen.get()));
    if (!FChecker || !dc) throw EOutOfResources("Out of system resources");
    qv::SelectionGuard sel(dc.get(), FChecker.get());
    const COLORREF face = ColorToRGB(clBtnFace);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) ::SetPixel(dc.get(), x, y, x % 2 == y % 2 ? RGB(255, 255, 255) : face);
  }
  qv::BitmapHandle FCheck, FBullet, FChecker;
};

TMarkBitmaps& Marks()
{
  static TMarkBitmaps marks;
  return marks;
}

void BlitMonochrome(TCanvas& Canvas, int X, int Y, HBITMAP Bitmap, DWORD Rop)
{
  BITMAP bm{};
  if (!GetObjectA(Bitmap, sizeof(bm), &bm)) return;
  qv::MemoryDC source(CreateCompatibleDC(Canvas.Handle()));
  if (!source) throw EOutOfResources("Out of system resources");
  qv::SelectionGuard sel(source.get(), Bitmap);
  BitBlt(Canvas.Handle(), X, Y, bm.bmWidth, bm.bmHeight, source.get(), 0, 0, Rop);
}

std::string BannerText(const ToxMenuData& Data)
{
  if (!Data.Caption.empty()) return Data.Caption;
  if (Data.CurrentItem && Data.CurrentItem->Parent()) return Data.CurrentItem->Parent()->Caption();
  return std::string();
}
}  // namespace

void RefreshMarkBitmaps() { Marks().Refresh(); }

SIZE CheckMarkSize()
{
  const LONG cd = GetMenuCheckMarkDimensions();
  return SIZE{LOWORD(cd), HIWORD(cd)};
}

void SetMenuFont(TFont& Font)
{
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    LOGFONTA lf{};
    GetObjectA(GetStockObject(SYSTEM_FONT), sizeof(lf), &lf);
    LogFontToFont(lf, Font);
    return;
  }
  const LOGFONTA& lf = metrics.lfMenuFont;
  Font.SetHeight(lf.lfHeight);
  Font.SetName(std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
  TFontStyles style;
  if (lf.lfItalic) style.Include(fsItalic);
  if (lf.lfUnderline) style.Include(fsUnderline);
  if (lf.lfStrikeOut) style.Include(fsStrikeOut);
  if (lf.lfWeight >= FW_BOLD) style.Include(fsBold);
  Font.SetStyle(style);
}

HFONT CreateRotatedFont(HFONT Font, int Degrees)
{
  LOGFONTA lf{};
  GetObjectA(Font, sizeof(lf), &lf);
  lf.lfEscapement = Degrees * 10;
  lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  lf.lfQuality = PROOF_QUALITY;
  return CreateFontIndirectA(&lf);
}

void DrawText3D(TCanvas& Canvas, const RECT& R, const std::string& Text, T3DEffect E)
{
  Canvas.Prepare();
  HDC dc = Canvas.Handle();
  const TSavedDC saved(dc);  // gives the text colour back, also when a pass throws
  const COLORREF k = GetTextColor(dc);
  for (const TEffectPass& pass :
       Effect3DDraws(E, static_cast<TColor>(k), static_cast<TColor>(ColorToRGB(clBtnHighlight)),
                     static_cast<TColor>(ColorToRGB(clBtnShadow)))) {
    RECT r{R.left + pass.Offset, R.top + pass.Offset, R.right + pass.Offset, R.bottom + pass.Offset};
    SetTextColor(dc, static_cast<COLORREF>(pass.Color));
    DrawTextA(dc, Text.c_str(), -1, &r, DT_NOCLIP);
  }
}

void DrawText3DAt(TCanvas& Canvas, int X, int Y, const std::string& Text, T3DEffect E)
{
  DrawText3D(Canvas, RECT{X, Y, X + 1, Y + 1}, Text, E);
}

namespace {
// Gives a canvas back the font colour, brush colour and copy mode it had, on every exit.
class TStampColours {
public:
  explicit TStampColours(TCanvas& Canvas)
      : FCanvas(Canvas), FText(Canvas.Font().Color()), FBrush(Canvas.BrushColor()), FMode(Canvas.CopyMode())
  {}
  ~TStampColours()
  {
    FCanvas.Font().SetColor(FText);
    FCanvas.SetCopyMode(FMode);
    FCanvas.SetBrushColor(FBrush);
  }
  TStampColours(const TStampColours&) = delete;
  TStampColours& operator=(const TStampColours&) = delete;

private:
  TCanvas& FCanvas;
  TColor FText;
  TColor FBrush;
  TCopyMode FMode;
};
}  // namespace

void Stamp(TCanvas& Canvas, int X, int Y, HBITMAP Monochrome)
{
  const TStampColours restore(Canvas);
  Canvas.SetBrushColor(clWhite);
  Canvas.SetCopyMode(cmSrcAnd);
  Canvas.Prepare();
  BlitMonochrome(Canvas, X, Y, Monochrome, SRCAND);
  Canvas.SetBrushColor(clBlack);
  Canvas.SetCopyMode(cmSrcPaint);
  Canvas.Prepare();
  BlitMonochrome(Canvas, X, Y, Monochrome, SRCPAINT);
}

void DrawCheck(const ToxMenuData& Data, TCanvas& Canvas, int X, int Y, const TMenuItem& Item, bool Selected)
{
  if (!Item.Checked()) return;
  {
    const TStampColours restore(Canvas);
    Canvas.SetBrushStyle(bsSolid);
    HBITMAP mark = Item.RadioItem() ? Marks().Bullet() : Marks().Check();
    if (!Item.Enabled()) {
      if (!Selected || Data.Style == oxmWin97) {
        Canvas.Font().SetColor(clBtnHighlight);
        Stamp(Canvas, X + 1, Y + 1, mark);
      }
      Canvas.Font().SetColor(clBtnShadow);
    }
    Stamp(Canvas, X, Y, mark);
  }
  Canvas.SetBrushStyle(bsClear);
}

namespace {
// One pass of the embossed image: K stamped black at Dark and white at Light
// onto a white bitmap one pixel larger, which is then stamped in Color.
void EmbossPass(TCanvas& Canvas, int X, int Y, TWinBitmap& Mask, POINT Dark, POINT Light, TColor Color)
{
  TWinBitmap pass;
  pass.SetSize(Mask.Width() + 1, Mask.Height() + 1);
  TCanvas& c = pass.Canvas();
  Mask.ReleaseCanvas();
  c.Font().SetColor(clBlack);
  Stamp(c, Dark.x, Dark.y, Mask.Handle());
  c.Font().SetColor(clWhite);
  Stamp(c, Light.x, Light.y, Mask.Handle());
  pass.SetMonochrome(true);
  pass.ReleaseCanvas();
  Canvas.Font().SetColor(Color);
  Stamp(Canvas, X, Y, pass.Handle());
}
}  // namespace

void DrawGlyph(const ToxMenuData& Data, TCanvas& Canvas, int X, int Y, const TMenuItem& Item, bool Selected)
{
  if (!Data.HasImage(&Item)) return;
  if (Item.Enabled()) {
    Data.ImageList->Draw(Canvas, X, Y, Item.Tag());
    return;
  }
  TWinBitmap mask;
  Data.ImageList->GetMask(Item.Tag(), mask);
  const TColor text = Canvas.Font().Color();
  EmbossPass(Canvas, X, Y, mask, POINT{0, 0}, POINT{1, 1}, clBtnShadow);
  if (!(Selected && Data.Style == oxmWin95)) EmbossPass(Canvas, X, Y, mask, POINT{1, 1}, POINT{0, 0}, clBtnHighlight);
  Canvas.Font().SetColor(text);
}

void DitherRect(TCanvas& Canvas, const RECT& R)
{
  Canvas.SetBrushBitmap(Marks().Checker());
  Canvas.Prepare();
  HDC dc = Canvas.Handle();
  SetBkMode(dc, TRANSPARENT);
  const int w = R.right - R.left, h = R.bottom - R.top;
  BitBlt(dc, R.left, R.top, w, h, dc, R.left, R.top, PATINVERT);
  BitBlt(dc, R.left, R.top, w, h, dc, R.left, R.top, DSTINVERT);
  Canvas.SetCopyMode(cmSrcCopy);
  Canvas.SetBrushBitmap(nullptr);
}

void PaintStyle(TCanvas& Canvas, const RECT& R, TColor Color, TPicture* Picture, TGradient* Gradient,
                ToxmBackStyle Style)
{
  Canvas.SetBrushColor(Color);
  Canvas.SetBrushStyle(bsSolid);
  if (Style == oxmHorzGradient || Style == oxmVertGradient) {
    Gradient->SetStartColor(Color);
    if (Style == oxmHorzGradient)
      Gradient->DrawHorz(Canvas, R);
    else
      Gradient->DrawVert(Canvas, R);
    return;
  }
  Canvas.FillRect(R);
  if (Style == oxmSolid || !Picture || !Picture->Graphic() || Picture->Graphic()->Empty()) return;
  TGraphic* graphic = Picture->Graphic();
  const bool isBitmap = dynamic_cast<TBitmap*>(graphic) != nullptr;
  if (!isBitmap && !dynamic_cast<TIcon*>(graphic)) return;
  TWinBitmap bitmap;
  TWinIcon icon;
  if (isBitmap)
    bitmap.Assign(graphic);
  else
    icon.Assign(graphic);
  const int pw = isBitmap ? bitmap.Width() : icon.Width(), ph = isBitmap ? bitmap.Height() : icon.Height();
  if (pw <= 0 || ph <= 0) return;
  auto put = [&](const RECT& to) {
    if (isBitmap)
      Canvas.BrushCopy(to, bitmap, RECT{0, 0, pw, ph}, bitmap.TransparentColor());
    else if (Style == oxmPictureStretch)
      DrawIconEx(Canvas.Handle(), to.left, to.top, icon.Handle(), to.right - to.left, to.bottom - to.top, 0, nullptr,
                 DI_NORMAL);
    else
      icon.Draw(Canvas, to.left, to.top);
  };
  if (Style == oxmPictureClip) {
    const int left = R.left + (R.right - R.left - pw) / 2, top = R.top + (R.bottom - R.top - ph) / 2;
    put(RECT{left, top, left + pw, top + ph});
  } else if (Style == oxmPictureStretch) {
    put(R);
  } else {
    // Tiles are clipped to R, as a pattern brush would be.
    qv::RegionHandle clip(CreateRectRgnIndirect(&R));
    const TSavedDC saved(Canvas.Handle());
    ExtSelectClipRgn(Canvas.Handle(), clip.get(), RGN_AND);
    for (int y = R.top; y < R.bottom; y += ph)
      for (int x = R.left; x < R.right; x += pw) put(RECT{x, y, x + pw, y + ph});
  }
}

void PaintBanner(ToxMenuData& Data, TCanvas& Canvas, const RECT& M, POINT Origin, DRAWITEMSTRUCT& D)
{
  ToxBanner& banner = *Data.Banner();
  Canvas.SetBrushColor(banner.Color());
  Canvas.Font().Assign(banner.Font());
  const std::string text = BannerText(Data);
  RECT s;
  if (banner.Vertical()) {
    s = RECT{0, 0, banner.Width(), M.bottom};
    if (D.rcItem.left == Origin.x) D.rcItem.left = Origin.x + banner.Width();
  } else {
    s = RECT{0, 0, M.right, banner.Width()};
    if (D.rcItem.top == Origin.y) D.rcItem.top = Origin.y + banner.Width();
  }
  TBackgroundBits& cache = BannerCache();
  if (cache.Key != reinterpret_cast<HMENU>(D.hwndItem) && s.right > 0 && s.bottom > 0) {
    cache.Key = reinterpret_cast<HMENU>(D.hwndItem);
    cache.Bitmap.SetSize(s.right, s.bottom);
    TCanvas& bits = cache.Bitmap.Canvas();
    PaintStyle(bits, s, banner.Color(), banner.Picture(), banner.Gradient(), banner.Style());
    bits.SetBrushStyle(bsClear);
    const int textHeight = Canvas.TextHeight(text);
    bits.Font().Assign(&Canvas.Font());
    if (banner.Vertical()) {
      bits.SetFontHandle(CreateRotatedFont(Canvas.FontHandle(), 90));
      DrawText3DAt(bits, (s.right - textHeight) / 2, s.bottom - 5, text, banner.Font3D());
    } else {
      DrawText3DAt(bits, s.left + 5, (s.bottom - textHeight) / 2, text, banner.Font3D());
    }
  }
  if (!cache.Bitmap.Empty()) {
    Canvas.Prepare();
    BitBlt(Canvas.Handle(), Origin.x + s.left, Origin.y + s.top, s.right - s.left, s.bottom - s.top,
           cache.Bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  }
  SetMenuFont(Canvas.Font());
}

void PaintBackground(ToxMenuData& Data, TCanvas& Canvas, const RECT& M, POINT Origin, const DRAWITEMSTRUCT& D)
{
  TBackgroundBits& cache = BackgroundCache();
  if (cache.Key != reinterpret_cast<HMENU>(D.hwndItem) && M.right > 0 && M.bottom > 0) {
    cache.Key = reinterpret_cast<HMENU>(D.hwndItem);
    cache.Bitmap.SetSize(M.right, M.bottom);
    ToxMenuBack& back = *Data.Background();
    PaintStyle(cache.Bitmap.Canvas(), M, Data.Color, back.Picture(), back.Gradient(), back.Style());
  }
  if (cache.Bitmap.Empty()) return;
  const RECT& r = D.rcItem;
  Canvas.Prepare();
  BitBlt(Canvas.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, cache.Bitmap.Canvas().Handle(),
         r.left - Origin.x, r.top - Origin.y, SRCCOPY);
}
