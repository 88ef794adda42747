// Painting of the caption bar, its buttons and the 3D effects. The bar is
// composed off-screen and copied in one go, so gradient, text and buttons
// do not flicker.
#include <algorithm>

#include "ui/caption/oxForm.h"

namespace {

// Moves a DC's viewport origin for a scope and puts it back on every exit.
class TViewportShift {
public:
  TViewportShift(HDC DC, int X, int Y) : FDC(DC) { SetViewportOrgEx(FDC, X, Y, &FOld); }
  ~TViewportShift() { SetViewportOrgEx(FDC, FOld.x, FOld.y, nullptr); }
  TViewportShift(const TViewportShift&) = delete;
  TViewportShift& operator=(const TViewportShift&) = delete;

private:
  HDC FDC;
  POINT FOld{0, 0};
};

void Polyline3(TCanvas& C, POINT A, POINT B, POINT D) { C.Polyline({A, B, D}); }

}  // namespace

void ToxForm::PaintCaption()
{
  if (!FOwnerForm->HandleAllocated() || FOwnerForm->BorderStyle() == bsNone) return;
  HWND window = FOwnerForm->Handle();
  qv::WindowDC dc(window, true);
  const TCanvasDC attached(FCanvas, dc.get());
  std::vector<TNCButton*> buttons = CaptionButtonList();
  for (TNCButton* b : buttons) PaintButton(FCanvas, *b);
  RECT w;
  GetWindowRect(window, &w);
  int width = w.right - w.left, height = w.bottom - w.top;
  TRectI r = CaptionTextRect(width, FMetrics, StripWidth());
  if (r.Width() > 0 && r.Height() > 0) {
    TWinBitmap& bitmap = FActive ? FActiveBitmap : FInactiveBitmap;
    ComposeCaption(bitmap, r);
    FCanvas.Draw(r.Left, r.Top, bitmap);
    // The bitmap is left out of its DC, so a later resize can replace it.
    bitmap.ReleaseCanvas();
  }
  DrawBorderEffect(FCanvas, width, height);
  DrawCaptionBarEffect(FCanvas, width);
}

void ToxForm::ComposeCaption(TWinBitmap& Bitmap, const TRectI& R)
{
  Bitmap.SetSize(R.Width(), R.Height());
  TCanvas& c = Bitmap.Canvas();
  RECT b{0, 0, R.Width(), R.Height()};
  bool gradient = FOptions.Contains(FActive ? oxfActiveGradient : oxfInactiveGradient);
  if (gradient) {
    (FActive ? FActiveGrad : FInactiveGrad)->DrawHorz(c, b);
  } else {
    c.SetBrushColor(FActive ? clActiveCaption : clInactiveCaption);
    c.FillRect(b);
  }
  TCaptionBorder kind = BorderKind();
  if (kind == cbSingle || kind == cbSizeable) {
    HICON icon = FOwnerForm->IconHandle();
    if (!icon && Application) icon = Application->Icon().Handle();
    if (icon)
      DrawIconEx(c.Handle(), b.left + 1, b.top + 1, icon, FMetrics.IconWidth, FMetrics.IconHeight, 0, nullptr,
                 DI_NORMAL);
    b.left += FMetrics.IconWidth;
  } else {
    b.left -= 2;
  }
  b.right = FButtonsLeft - FMetrics.FrameWidth;
  DrawCaptionText(c, b, FActive ? FActiveTextColor : FInactiveTextColor);
  // The buttons are drawn into the bitmap too, in window coordinates.
  c.Prepare();
  const TViewportShift shift(c.Handle(), -R.Left, -R.Top);
  for (TNCButton* button : CaptionButtonList()) PaintButton(c, *button);
}

void ToxForm::DrawCaptionText(TCanvas& C, RECT B, COLORREF K)
{
  B.left += 4;
  std::string text = FOwnerForm->Caption();
  C.SetBrushStyle(bsClear);
  C.Font().Assign(&FCaptionFont);
  C.Font().SetColor(static_cast<TColor>(K));
  TCaptionAlignment alignment = FAlignment == taRightJustify ? caRight : FAlignment == taCenter ? caCenter : caLeft;
  TFittedCaption fit =
      FitCaption(text, B.right - B.left, alignment, [&C](const std::string& s) { return C.TextWidth(s); });
  int y = CaptionTextTop(B.bottom - B.top, C.TextHeight("y"));
  int x = B.left + fit.X;
  if (FItalicWords <= 0) {
    DrawEffectText(C, x, y, fit.Text, K);
    return;
  }
  TItalicSplit split = SplitItalicWords(fit.Text, FItalicWords);
  int headWidth = C.TextWidth(split.Head);
  TFontStyles style = C.Font().Style();
  style.Include(fsItalic);
  C.Font().SetStyle(style);
  DrawEffectText(C, x, y, split.Head, K);
  style.Exclude(fsItalic);
  C.Font().SetStyle(style);
  DrawEffectText(C, x + headWidth, y, split.Tail, K);
}

void ToxForm::DrawEffectText(TCanvas& C, int X, int Y, const std::string& Text, COLORREF K)
{
  if (Text.empty()) return;
  TEffectColors colors{static_cast<TColor>(ColorToRGB(clBtnHighlight)), static_cast<TColor>(ColorToRGB(clBtnShadow)),
                       static_cast<TColor>(ColorToRGB(clWindowText))};
  for (const TTextDraw& d : TextEffectDraws(FEffects[FActive ? 1 : 4], static_cast<TColor>(K), colors)) {
    C.Font().SetColor(d.Color);
    C.TextOut(X + d.Dx, Y + d.Dy, Text);
  }
  C.Font().SetColor(static_cast<TColor>(K));
}

void ToxForm::DrawBorderEffect(TCanvas& C, int Width, int Height)
{
  T3DEffect effect = BorderEffect();
  RECT r{0, 0, Width, Height};
  C.SetPenColor(clBtnText);
  if (effect == ox3Shadow) {
    int L = r.left, T = r.top, R = r.right, B = r.bottom;
    C.SetPenColor(clBlack);
    Polyline3(C, {L + 2, B - 2}, {R - 2, B - 2}, {R - 2, T + 1});
    Polyline3(C, {L + 2, B - 1}, {R - 1, B - 1}, {R - 1, T + 1});
    C.SetBrushColor(clSilver);
    C.FillRect(RECT{L, B - 2, L + 2, B});
    C.FillRect(RECT{R - 2, T, R, T + 2});
    r = RECT{L, T, R - 2, B - 2};
  }
  for (const TBevelStep& bevel : BorderBevels(effect, FMetrics.FrameWidth))
    Frame3D(C, r, bevel.Top, bevel.Bottom, bevel.Width);
}

void ToxForm::DrawCaptionBarEffect(TCanvas& C, int Width)
{
  T3DEffect effect = FEffects[FActive ? 0 : 3];
  RECT r{FMetrics.FrameWidth, FMetrics.FrameHeight, Width - FMetrics.FrameWidth,
         FMetrics.FrameHeight + FMetrics.CaptionHeight};
  C.SetPenColor(clBtnText);
  if (effect == ox3Shadow) {
    InflateRect(&r, 1, 1);
    int L = r.left, T = r.top, R = r.right, B = r.bottom;
    C.SetPenColor(clBlack);
    Polyline3(C, {L, B - 2}, {R - 2, B - 2}, {R - 2, T});
    Polyline3(C, {L, B - 1}, {R - 1, B - 1}, {R - 1, T});
    C.SetBrushColor(clSilver);
    C.FillRect(RECT{L, B - 2, L + 3, B});
    C.FillRect(RECT{R - 2, T, R, T + 3});
    RECT inner{L + 1, T + 1, R - 2, B - 2};
    Frame3D(C, inner, clBtnHighlight, clBtnShadow, 1);
    return;
  }
  for (const TBevelStep& bevel : CaptionBarBevels(effect)) {
    if (bevel.Grow) InflateRect(&r, 1, 1);
    Frame3D(C, r, bevel.Top, bevel.Bottom, bevel.Width);
  }
}

void ToxForm::PaintCaptionEffect()
{
  if (FEffects[FActive ? 0 : 3] == ox3Normal || !FOwnerForm->HandleAllocated()) return;
  HWND window = FOwnerForm->Handle();
  qv::WindowDC dc(window, true);
  const TCanvasDC attached(FCanvas, dc.get());
  RECT w;
  GetWindowRect(window, &w);
  DrawCaptionBarEffect(FCanvas, w.right - w.left);
}

void ToxForm::PaintButton(TCanvas& C, TNCButton& Button)
{
  if (!Enabled() || !Button.Shown()) return;
  RECT r = Button.BoundsRect();
  C.SetBrushColor(clBtnFace);
  C.Font().Assign(&FCaptionFont);
  C.Font().SetColor(clBtnText);
  if (!Button.ParentFont()) {
    C.Font().SetName(Button.Font()->Name());
    C.Font().SetStyle(Button.Font()->Style());
  }
  std::string label = Button.Caption().substr(0, 1);
  C.FillRect(r);
  C.SetBrushStyle(bsClear);
  bool pressed = Button.State() == bsDown;
  bool latched = !pressed && Button.Down();
  if (pressed) {
    Frame3D(C, r, clWindowFrame, clBtnHighlight, 1);
    Frame3D(C, r, clBtnShadow, clBtnFace, 1);
    InflateRect(&r, 2, 2);
    OffsetRect(&r, 0, 1);
  } else if (latched) {
    Frame3D(C, r, clBtnShadow, clBtnHighlight, 1);
    InflateRect(&r, 1, 1);
    OffsetRect(&r, 0, 1);
  } else {
    Frame3D(C, r, clBtnHighlight, clWindowFrame, 1);
    Frame3D(C, r, clBtnFace, clBtnShadow, 1);
    InflateRect(&r, 2, 2);
    OffsetRect(&r, -1, 0);
  }
  TWinBitmap& glyph = (pressed || latched) && !Button.DownGlyph().Empty() ? Button.DownGlyph() : Button.UpGlyph();
  if (glyph.Empty()) {
    C.DrawText(label, r, DT_CENTER | DT_VCENTER);
    return;
  }
  int bw = glyph.Width(), bh = glyph.Height();
  int left = r.left + ((r.right - r.left) - std::min(bw, Button.Width() - 4)) / 2;
  int top = r.top + ((r.bottom - r.top) - std::min(bh, Button.Height() - 4)) / 2;
  RECT dest{left, top, left + std::min(bw, Button.Width() - 3), top + std::min(bh, Button.Height() - 4)};
  if (glyph.Monochrome()) {
    // Black bits take the text colour, white ones the background.
    C.Prepare();
    SetTextColor(C.Handle(), ColorToRGB(clBtnText));
    SetBkColor(C.Handle(), ColorToRGB(clBtnFace));
    StretchBlt(C.Handle(), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, glyph.Canvas().Handle(),
               0, 0, bw, bh, SRCCOPY);
    glyph.ReleaseCanvas();
  } else {
    C.SetBrushColor(clBtnFace);
    C.BrushCopy(dest, glyph, RECT{0, 0, bw, bh}, glyph.TransparentColor());
    glyph.ReleaseCanvas();
  }
}
