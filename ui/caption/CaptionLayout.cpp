#include "ui/caption/CaptionLayout.h"

#include <cmath>

bool IsNewStyleVersion(uint32_t GetVersionResult) { return (GetVersionResult & 0xFF) >= 4; }

namespace {

void SetFrame(TCaptionMetrics& M, int Width, int Height)
{
  M.FrameWidth = Width;
  M.FrameHeight = Height;
}

void SetCaption(TCaptionMetrics& M, int Height, int ButtonWidth)
{
  M.CaptionHeight = Height;
  M.ButtonWidth = ButtonWidth;
  M.IconWidth = ButtonWidth - 2;
  M.IconHeight = Height - 2;
}

TCaptionFontSource NewStyleMetrics(TCaptionMetrics& M, TCaptionBorder Border, const TSystemCaptionValues& V)
{
  switch (Border) {
    case cbSingle:
    case cbDialog:
    case cbToolWindow: SetFrame(M, V.CxDlgFrame, V.CyDlgFrame); break;
    case cbSizeable:
    case cbSizeToolWin: SetFrame(M, V.CxFrame, V.CyFrame); break;
    default: return cfUnchanged;
  }
  if (Border == cbToolWindow || Border == cbSizeToolWin) {
    SetCaption(M, V.SmCaptionHeight, V.SmCaptionWidth);
    return cfSmallCaptionFont;
  }
  SetCaption(M, V.CaptionHeight, V.CaptionWidth);
  return cfCaptionFont;
}

TCaptionFontSource OldStyleMetrics(TCaptionMetrics& M, TCaptionBorder Border, const TSystemCaptionValues& V)
{
  switch (Border) {
    case cbSingle: SetFrame(M, V.CxBorder, V.CyBorder); break;
    case cbSizeable: SetFrame(M, V.CxFrame, V.CyFrame); break;
    case cbDialog: SetFrame(M, V.CxDlgFrame + 1, V.CyDlgFrame + 1); break;
    default: return cfUnchanged;
  }
  SetCaption(M, V.CySize, V.CxSize);
  return cfSystemFont;
}

}  // namespace

TCaptionFontSource UpdateCaptionMetrics(TCaptionMetrics& Metrics, TCaptionBorder Border, bool NewStyle,
                                        const TSystemCaptionValues& Values)
{
  return NewStyle ? NewStyleMetrics(Metrics, Border, Values) : OldStyleMetrics(Metrics, Border, Values);
}

int SystemStripWidth(const TCaptionMetrics& Metrics, TCaptionBorder Border, bool HasMinMax, bool Designing)
{
  int n = (HasMinMax || Designing) ? 3 : 1;
  int strip = Metrics.FrameWidth + 4 + (Metrics.ButtonWidth - 2) * n;
  if (!Designing && (Border == cbToolWindow || Border == cbSizeToolWin)) strip += Metrics.ButtonWidth - 2;
  return strip;
}

TButtonLayout LayoutCaptionButtons(const TCaptionMetrics& Metrics, bool NewStyle, int FormWidth, int Strip,
                                   const std::vector<TButtonSlot>& Slots)
{
  int width = NewStyle ? Metrics.ButtonWidth - 2 : Metrics.ButtonWidth + 1;
  int height = NewStyle ? Metrics.CaptionHeight - 4 : Metrics.CaptionHeight + 1;
  int top = NewStyle ? Metrics.FrameHeight + 2 : Metrics.FrameHeight;
  TButtonLayout layout;
  int x = FormWidth - (Strip + 2);
  for (const TButtonSlot& slot : Slots) {
    TButtonPlace place;
    if (slot.Shown) {
      x -= width;
      place = TButtonPlace{x, top, width, height, true};
      x -= 2 * slot.Gap;
    }
    layout.Places.push_back(place);
  }
  layout.LeftEdge = x;
  return layout;
}

TNcAreas NcPaintAreas(const TRectI& W, const TCaptionMetrics& M, int Strip)
{
  TNcAreas a;
  a.Outer = W;
  a.Inner = TRectI{W.Left + M.FrameWidth, W.Top + M.FrameHeight, W.Right - M.FrameWidth, W.Bottom - M.FrameHeight};
  int boxLeft = W.Right - Strip, boxTop = W.Top + M.FrameHeight;
  a.SystemBox = TRectI{boxLeft, boxTop, boxLeft + Strip - M.FrameWidth, boxTop + M.CaptionHeight};
  int lowerLeft = W.Left + M.FrameWidth, lowerTop = W.Top + M.FrameHeight + M.CaptionHeight;
  a.Lower = TRectI{lowerLeft, lowerTop, lowerLeft + W.Width() - 2 * M.FrameWidth,
                   lowerTop + W.Height() - 2 * M.FrameHeight - M.CaptionHeight};
  return a;
}

TRectI CaptionTextRect(int WindowWidth, const TCaptionMetrics& M, int Strip)
{
  return TRectI{M.FrameWidth, M.FrameHeight, WindowWidth - Strip, M.FrameHeight + M.CaptionHeight};
}

TFittedCaption FitCaption(const std::string& Caption, int BoxWidth, TCaptionAlignment Alignment,
                          const TTextWidth& Width)
{
  TFittedCaption fit{Caption, false, 0};
  int textWidth = Width(Caption);
  // An empty caption has nothing to shorten; it would only turn into dots.
  if (BoxWidth < textWidth && !Caption.empty()) {
    fit.Shortened = true;
    do {
      fit.Text.pop_back();
    } while (Width(fit.Text + "...") >= BoxWidth && fit.Text.size() >= 2);
    fit.Text += "...";
    return fit;
  }
  if (Alignment == caRight) fit.X = BoxWidth - textWidth;
  if (Alignment == caCenter) fit.X = (BoxWidth - textWidth) / 2;
  return fit;
}

TItalicSplit SplitItalicWords(const std::string& Text, int Words)
{
  if (Words <= 0) return TItalicSplit{"", Text};
  size_t pos = std::string::npos;
  for (int i = 0; i < Words; ++i) {
    pos = Text.find(' ', pos == std::string::npos ? 0 : pos + 1);
    if (pos == std::string::npos) return TItalicSplit{Text, ""};
  }
  return TItalicSplit{Text.substr(0, pos + 1), Text.substr(pos + 1)};
}

int CaptionTextTop(int BoxHeight, int TextHeight)
{
  // Banker's rounding, as the caption's original arithmetic had it.
  return static_cast<int>(std::nearbyint((BoxHeight - TextHeight) * 0.5));
}

std::vector<TTextDraw> TextEffectDraws(T3DEffect Effect, TColor K, const TEffectColors& C)
{
  std::vector<TTextDraw> draws;
  auto add = [&](int d, TColor colour) { draws.push_back(TTextDraw{d, d, colour}); };
  switch (Effect) {
    case ox3Normal:
    case ox3Flat: add(0, K); break;
    case ox3Raised:
      if (C.Highlight != K) add(-1, C.Highlight);
      if (C.Shadow != K) add(1, C.Shadow);
      add(0, K);
      break;
    case ox3Inset:
      if (C.Shadow != K) add(-1, C.Shadow);
      if (C.Highlight != K) add(1, C.Highlight);
      add(0, K);
      break;
    case ox3Ridged:
      add(1, C.Shadow);
      add(-1, C.Highlight);
      add(0, C.WindowText);
      break;
    case ox3Grooved:
      add(1, C.Highlight);
      add(-1, C.Shadow);
      add(0, C.WindowText);
      break;
    case ox3Shadow:
      add(2, C.Shadow);
      add(0, K);
      break;
    default: break;
  }
  return draws;
}

std::vector<TBevelStep> CaptionBarBevels(T3DEffect Effect)
{
  const TColor hl = clBtnHighlight, sh = clBtnShadow, fr = clWindowFrame;
  switch (Effect) {
    case ox3Flat: return {{fr, fr, 1}};
    case ox3Raised: return {{hl, sh, 1}};
    case ox3Inset: return {{sh, hl, 1}};
    case ox3Ridged: return {{hl, sh, 1, true}, {sh, hl, 1}};
    case ox3Grooved: return {{sh, hl, 1, true}, {hl, sh, 1}};
    default: return {};
  }
}

std::vector<TBevelStep> BorderBevels(T3DEffect Effect, int Fw)
{
  const TColor hl = clBtnHighlight, sh = clBtnShadow, fa = clBtnFace, fr = clWindowFrame;
  switch (Effect) {
    case ox3Flat: return {{hl, sh, 1}, {fa, fr, 1}, {fa, fa, Fw - 2}};
    case ox3Raised: return {{fa, fr, 1}, {hl, sh, 2}, {fa, fa, Fw - 3}};
    case ox3Inset: return {{fr, fa, 1}, {sh, hl, 1}, {fa, fa, Fw - 2}};
    case ox3Ridged: return {{fa, sh, 1}, {hl, fa, 1}, {fa, hl, 1}, {sh, fa, Fw - 3}};
    case ox3Grooved: return {{sh, fa, 1}, {fa, hl, 1}, {hl, fa, 1}, {fa, sh, Fw - 3}};
    case ox3Shadow: return {{fa, fr, 1}, {hl, sh, 1}, {fa, fa, Fw - 2}};
    default: return {};
  }
}
