#include "framework/graphics/Graphics.h"

#include <cstring>

COLORREF ColorToRGB(TColor Color)
{
  if (Color < 0) return GetSysColor(static_cast<int>(static_cast<uint32_t>(Color) & 0xFF));
  return static_cast<COLORREF>(Color) & 0xFFFFFF;
}

namespace {
int ScreenPixelsPerInch()
{
  qv::WindowDC screen(nullptr);
  int ppi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return ppi > 0 ? ppi : 96;
}

BYTE PitchToWin32(TFontPitch Pitch)
{
  switch (Pitch) {
    case fpVariable: return VARIABLE_PITCH;
    case fpFixed: return FIXED_PITCH;
    default: return DEFAULT_PITCH;
  }
}
}  // namespace

LOGFONTA FontToLogFont(const TFont& Font)
{
  LOGFONTA lf{};
  // Height is in pixels at the font's own resolution; scale to the screen's.
  lf.lfHeight = ::MulDiv(Font.Height(), ScreenPixelsPerInch(), Font.PixelsPerInch());
  lf.lfWeight = Font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = Font.Style().Contains(fsItalic);
  lf.lfUnderline = Font.Style().Contains(fsUnderline);
  lf.lfStrikeOut = Font.Style().Contains(fsStrikeOut);
  lf.lfCharSet = Font.Charset();
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = PitchToWin32(Font.Pitch());
  std::strncpy(lf.lfFaceName, Font.Name().c_str(), LF_FACESIZE - 1);
  return lf;
}

void LogFontToFont(const LOGFONTA& LogFont, TFont& Font)
{
  TFontStyles style;
  if (LogFont.lfWeight >= FW_BOLD) style.Include(fsBold);
  if (LogFont.lfItalic) style.Include(fsItalic);
  if (LogFont.lfUnderline) style.Include(fsUnderline);
  if (LogFont.lfStrikeOut) style.Include(fsStrikeOut);
  Font.SetPixelsPerInch(ScreenPixelsPerInch());
  Font.SetHeight(LogFont.lfHeight);
  Font.SetName(std::string(LogFont.lfFaceName, strnlen(LogFont.lfFaceName, LF_FACESIZE)));
  Font.SetCharset(LogFont.lfCharSet);
  Font.SetStyle(style);
  BYTE pitch = LogFont.lfPitchAndFamily & 3;
  Font.SetPitch(pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault);
}

HFONT TFontHandle::Handle(const TFont& Font)
{
  if (!FHandle || FFont != &Font || FRevision != Font.Revision()) {
    LOGFONTA lf = FontToLogFont(Font);
    FHandle.reset(CreateFontIndirectA(&lf));
    FFont = &Font;
    FRevision = Font.Revision();
  }
  return FHandle.get();
}

// ---------------------------------------------------------------------------

TCanvas::TCanvas()
{
  FFont.OnChange = [this](TObject*) {
    DeselectFont();
    FExplicitFont.reset();
  };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

void TCanvas::SetHandle(HDC DC)
{
  if (DC == FDC) return;
  RestoreOriginals();
  FDC = DC;
  FPenDirty = FBrushDirty = true;
}

void TCanvas::RestoreOriginals()
{
  if (!FDC) return;
  if (FOldPen) SelectObject(FDC, FOldPen);
  if (FOldBrush) SelectObject(FDC, FOldBrush);
  if (FOldFont) SelectObject(FDC, FOldFont);
  FOldPen = FOldBrush = FOldFont = nullptr;
}

void TCanvas::RequireDC() const
{
  if (!FDC) throw EInvalidGraphic("Canvas does not allow drawing");
}

void TCanvas::SetFontHandle(HFONT Owned)
{
  DeselectFont();
  LOGFONTA lf{};
  if (Owned && GetObjectA(Owned, sizeof(lf), &lf)) LogFontToFont(lf, FFont);
  // Taken after the font fields follow the handle, so only later edits drop it.
  FExplicitFont.reset(Owned);
  FExplicitRevision = FFont.Revision();
}

HFONT TCanvas::FontHandle()
{
  if (FExplicitFont && FExplicitRevision == FFont.Revision()) return FExplicitFont.get();
  return FFontCache.Handle(FFont);
}

void TCanvas::SetBrushColor(TColor Value)
{
  FBrushColor = Value;
  if (FBrushStyle == bsClear) FBrushStyle = bsSolid;
  FBrushBitmap = nullptr;
  FBrushDirty = true;
}

void TCanvas::SetBrushStyle(TBrushStyle Value)
{
  FBrushStyle = Value;
  FBrushDirty = true;
}

void TCanvas::SetBrushBitmap(HBITMAP Bitmap)
{
  FBrushBitmap = Bitmap;
  FBrushDirty = true;
}

void TCanvas::SetPenColor(TColor Value)
{
  FPenColor = Value;
  FPenDirty = true;
}

void TCanvas::SetPenWidth(int Value)
{
  FPenWidth = Value;
  FPenDirty = true;
}

void TCanvas::SetPenStyle(TPenStyle Value)
{
  FPenStyle = Value;
  FPenDirty = true;
}

void TCanvas::SelectPen()
{
  if (!FPenDirty) return;
  static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
  qv::PenHandle pen(CreatePen(styles[FPenStyle], FPenWidth, ColorToRGB(FPenColor)));
  HGDIOBJ old = SelectObject(FDC, pen.get());
  if (!FOldPen) FOldPen = old;
  FPen = std::move(pen);  // the previous pen is deselected by now
  FPenDirty = false;
}

void TCanvas::SelectBrush()
{
  if (!FBrushDirty) return;
  static const int hatches[] = {0, 0, HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
  qv::BrushHandle brush;
  if (FBrushBitmap)
    brush.reset(CreatePatternBrush(FBrushBitmap));
  else if (FBrushStyle == bsClear)
    brush.reset(static_cast<HBRUSH>(nullptr));
  else if (FBrushStyle == bsSolid)
    brush.reset(CreateSolidBrush(ColorToRGB(FBrushColor)));
  else
    brush.reset(CreateHatchBrush(hatches[FBrushStyle], ColorToRGB(FBrushColor)));
  HGDIOBJ selected = brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH);
  HGDIOBJ old = SelectObject(FDC, selected);
  if (!FOldBrush) FOldBrush = old;
  FBrush = std::move(brush);
  // A clear brush means text is drawn without a background, too.
  SetBkMode(FDC, FBrushStyle == bsClear && !FBrushBitmap ? TRANSPARENT : OPAQUE);
  SetBkColor(FDC, ColorToRGB(FBrushColor));
  FBrushDirty = false;
}

void TCanvas::DeselectFont()
{
  // A font handle may be remade below; it must not be selected when deleted.
  if (FDC && FOldFont) SelectObject(FDC, FOldFont);
  FOldFont = nullptr;
}

void TCanvas::SelectFont()
{
  DeselectFont();
  FOldFont = SelectObject(FDC, FontHandle());
  SetTextColor(FDC, ColorToRGB(FFont.Color()));
}

void TCanvas::Prepare()
{
  RequireDC();
  SelectPen();
  SelectBrush();
  SelectFont();
}

void TCanvas::FillRect(const RECT& R)
{
  Prepare();
  if (FBrushStyle == bsClear && !FBrushBitmap) return;
  ::FillRect(FDC, &R, FBrush ? FBrush.get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
}

void TCanvas::FrameRect(const RECT& R)
{
  Prepare();
  if (FBrush) ::FrameRect(FDC, &R, FBrush.get());
}

void TCanvas::Rectangle(const RECT& R)
{
  Prepare();
  ::Rectangle(FDC, R.left, R.top, R.right, R.bottom);
}

void TCanvas::MoveTo(int X, int Y)
{
  RequireDC();
  MoveToEx(FDC, X, Y, nullptr);
}

void TCanvas::LineTo(int X, int Y)
{
  Prepare();
  ::LineTo(FDC, X, Y);
}

void TCanvas::Polyline(const std::vector<POINT>& Points)
{
  Prepare();
  if (!Points.empty()) ::Polyline(FDC, Points.data(), static_cast<int>(Points.size()));
}

void TCanvas::TextOut(int X, int Y, const std::string& Text)
{
  Prepare();
  ::TextOutA(FDC, X, Y, Text.c_str(), static_cast<int>(Text.size()));
}

void TCanvas::TextRect(const RECT& R, int X, int Y, const std::string& Text)
{
  Prepare();
  UINT options = ETO_CLIPPED | (FBrushStyle == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(FDC, X, Y, options, &R, Text.c_str(), static_cast<UINT>(Text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& Text)
{
  Prepare();
  SIZE size{};
  GetTextExtentPoint32A(FDC, Text.c_str(), static_cast<int>(Text.size()), &size);
  return size;
}

int TCanvas::DrawText(const std::string& Text, RECT& R, UINT Format)
{
  Prepare();
  return ::DrawTextA(FDC, Text.c_str(), static_cast<int>(Text.size()), &R, Format);
}

COLORREF TCanvas::Pixel(int X, int Y)
{
  RequireDC();
  return ::GetPixel(FDC, X, Y);
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
  RequireDC();
  ::SetPixel(FDC, X, Y, ColorToRGB(Color));
}

void TCanvas::CopyRect(const RECT& Dest, TCanvas& Source, const RECT& SourceRect)
{
  Prepare();
  Source.RequireDC();
  StretchBlt(FDC, Dest.left, Dest.top, Dest.right - Dest.left, Dest.bottom - Dest.top, Source.FDC, SourceRect.left,
             SourceRect.top, SourceRect.right - SourceRect.left, SourceRect.bottom - SourceRect.top, FCopyMode);
}
