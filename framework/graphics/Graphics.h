#pragma once
// Drawing over Win32: colour resolution, font handles made from the portable
// TFont, and TCanvas, a drawing surface attached to any device context. The
// canvas creates its pen, brush and font lazily and puts the DC's original
// objects back when it lets go of the DC.
#include "framework/graphics/CoreIncludes.h"
#include "framework/win32/Handles.h"

#include <string>
#include <vector>

// A colour as RGB: system colours ($80000000 + n) through GetSysColor.
COLORREF ColorToRGB(TColor Color);

// TFont <-> LOGFONT, with the screen's pixels per inch.
LOGFONTA FontToLogFont(const TFont& Font);
void LogFontToFont(const LOGFONTA& LogFont, TFont& Font);

// Keeps one HFONT for a TFont and makes it again when the font changes.
class TFontHandle {
public:
  HFONT Handle(const TFont& Font);
  void Reset() { FHandle.reset(); }

private:
  qv::FontHandle FHandle;
  const TFont* FFont = nullptr;
  uint32_t FRevision = 0;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

using TCopyMode = DWORD;
constexpr TCopyMode cmSrcCopy = SRCCOPY, cmSrcAnd = SRCAND, cmSrcPaint = SRCPAINT, cmPatInvert = PATINVERT,
                    cmDstInvert = DSTINVERT, cmWhiteness = WHITENESS, cmBlackness = BLACKNESS,
                    cmMergePaint = MERGEPAINT, cmNotSrcCopy = NOTSRCCOPY;

class TWinBitmap;

class TCanvas {
public:
  TCanvas();
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FDC; }
  // Attaches the canvas to dc (borrowed); null lets go of the current one.
  void SetHandle(HDC DC);
  bool HandleAllocated() const { return FDC != nullptr; }

  TFont& Font() { return FFont; }
  // Uses this font handle (the canvas takes ownership) until Font changes.
  void SetFontHandle(HFONT Owned);
  HFONT FontHandle();

  TColor BrushColor() const { return FBrushColor; }
  // Setting a colour makes a clear brush solid again.
  void SetBrushColor(TColor Value);
  TBrushStyle BrushStyle() const { return FBrushStyle; }
  void SetBrushStyle(TBrushStyle Value);
  // A pattern bitmap for the brush (borrowed); null returns to the colour.
  void SetBrushBitmap(HBITMAP Bitmap);
  TColor PenColor() const { return FPenColor; }
  void SetPenColor(TColor Value);
  int PenWidth() const { return FPenWidth; }
  void SetPenWidth(int Value);
  TPenStyle PenStyle() const { return FPenStyle; }
  void SetPenStyle(TPenStyle Value);
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }

  void FillRect(const RECT& R);
  void FrameRect(const RECT& R);
  void Rectangle(const RECT& R);
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(const std::vector<POINT>& Points);
  void TextOut(int X, int Y, const std::string& Text);
  void TextRect(const RECT& R, int X, int Y, const std::string& Text);
  SIZE TextExtent(const std::string& Text);
  int TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  int TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
  int DrawText(const std::string& Text, RECT& R, UINT Format);
  COLORREF Pixel(int X, int Y);
  void SetPixel(int X, int Y, TColor Color);

  // Copies Source's rectangle onto Dest with the current copy mode (stretched
  // when the sizes differ).
  void CopyRect(const RECT& Dest, TCanvas& Source, const RECT& SourceRect);
  void Draw(int X, int Y, TWinBitmap& Bitmap);
  void StretchDraw(const RECT& Dest, TWinBitmap& Bitmap);
  // Copies Source's rectangle onto Dest leaving out the pixels of colour
  // Transparent, which show the canvas's brush colour instead.
  void BrushCopy(const RECT& Dest, TWinBitmap& Source, const RECT& SourceRect, TColor Transparent);

  // Selects the current pen, brush and font into the DC (operations do this
  // themselves; call it before using Handle() with raw GDI calls).
  void Prepare();

private:
  void RequireDC() const;
  void SelectPen();
  void SelectBrush();
  void SelectFont();
  void DeselectFont();
  void RestoreOriginals();

  HDC FDC = nullptr;
  TFont FFont;
  TFontHandle FFontCache;
  qv::FontHandle FExplicitFont;
  uint32_t FExplicitRevision = 0;
  TColor FBrushColor = clWhite;
  TBrushStyle FBrushStyle = bsSolid;
  HBITMAP FBrushBitmap = nullptr;
  TColor FPenColor = clBlack;
  int FPenWidth = 1;
  TPenStyle FPenStyle = psSolid;
  TCopyMode FCopyMode = cmSrcCopy;
  qv::PenHandle FPen;
  qv::BrushHandle FBrush;
  bool FPenDirty = true, FBrushDirty = true;
  HGDIOBJ FOldPen = nullptr, FOldBrush = nullptr, FOldFont = nullptr;
};

// Attaches a canvas to a DC for one drawing pass; the canvas lets go of the
// DC (putting back what it selected) on every exit, exceptions included, and
// goes back to the DC it held before (none, mostly).
class TCanvasDC {
public:
  TCanvasDC(TCanvas& Canvas, HDC DC) : FCanvas(Canvas), FPrevious(Canvas.Handle()) { FCanvas.SetHandle(DC); }
  ~TCanvasDC() { FCanvas.SetHandle(FPrevious); }
  TCanvasDC(const TCanvasDC&) = delete;
  TCanvasDC& operator=(const TCanvasDC&) = delete;

private:
  TCanvas& FCanvas;
  HDC FPrevious;
};

// SaveDC on construction, RestoreDC of that state on every exit.
class TSavedDC {
public:
  explicit TSavedDC(HDC DC) : FDC(DC), FState(SaveDC(DC)) {}
  ~TSavedDC()
  {
    if (FState) RestoreDC(FDC, FState);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FState;
};
