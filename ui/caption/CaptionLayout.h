#pragma once
// The arithmetic of a decorated caption bar, free of Windows: metrics per
// border style, the width of the system's own button strip, the placement of
// our caption buttons, the areas handed to the system's non-client painting,
// and the fitting of the caption text. The Win32 side feeds it system values
// and draws what it computes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/objects/StdIdents.h"
#include "ui/common/Effect3D.h"

// The same order as the forms' border styles, so one converts to the other.
enum TCaptionBorder { cbNone, cbSingle, cbSizeable, cbDialog, cbToolWindow, cbSizeToolWin };

// Systems of the 4.x generation and later draw 3D captions with their own
// metrics; older ones get the stock system font and the classic sizes.
bool IsNewStyleVersion(uint32_t GetVersionResult);

// What the system reports: GetSystemMetrics values and the caption fields of
// NONCLIENTMETRICS.
struct TSystemCaptionValues {
  int CxBorder = 0, CyBorder = 0, CxDlgFrame = 0, CyDlgFrame = 0, CxFrame = 0, CyFrame = 0, CxSize = 0, CySize = 0;
  int CaptionWidth = 0, CaptionHeight = 0, SmCaptionWidth = 0, SmCaptionHeight = 0;
};

enum TCaptionFontSource { cfUnchanged, cfCaptionFont, cfSmallCaptionFont, cfSystemFont };

struct TCaptionMetrics {
  int FrameWidth = 0, FrameHeight = 0, CaptionHeight = 0, ButtonWidth = 0, IconWidth = 0, IconHeight = 0;
};

// Sets the metrics for a border style; returns where the caption font comes
// from (cfUnchanged: the metrics were left alone as well).
TCaptionFontSource UpdateCaptionMetrics(TCaptionMetrics& Metrics, TCaptionBorder Border, bool NewStyle,
                                        const TSystemCaptionValues& Values);

// Width of the caption's right end that the system's buttons take.
int SystemStripWidth(const TCaptionMetrics& Metrics, TCaptionBorder Border, bool HasMinMax, bool Designing);

struct TButtonSlot {
  bool Shown = true;
  int Gap = 0;  // 0 or 1: the layout leaves 2 * Gap pixels after the button
};

struct TButtonPlace {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Placed = false;  // false: not shown, bounds left as they were
};

struct TButtonLayout {
  std::vector<TButtonPlace> Places;
  int LeftEdge = 0;  // left edge of the caption buttons
};

// Lays the shown buttons out from the system strip leftwards, in slot order.
TButtonLayout LayoutCaptionButtons(const TCaptionMetrics& Metrics, bool NewStyle, int FormWidth, int Strip,
                                   const std::vector<TButtonSlot>& Slots);

struct TRectI {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const TRectI&) const = default;
};

// The parts of a window (screen coordinates) for the non-client paint: the
// frame ring lies between Outer and Inner; the system box and the lower area
// (menu bar and client) are always the system's to paint.
struct TNcAreas {
  TRectI Outer, Inner, SystemBox, Lower;
};
TNcAreas NcPaintAreas(const TRectI& Window, const TCaptionMetrics& Metrics, int Strip);

// The caption text rectangle in window coordinates.
TRectI CaptionTextRect(int WindowWidth, const TCaptionMetrics& Metrics, int Strip);

// A caption fitted into a width: the text to draw, whether it was shortened
// (then it is drawn left-aligned) and its x offset from the box's left edge.
struct TFittedCaption {
  std::string Text;
  bool Shortened = false;
  int X = 0;
};
enum TCaptionAlignment { caLeft, caRight, caCenter };  // as taLeftJustify, taRightJustify, taCenter
using TTextWidth = std::function<int(const std::string&)>;
TFittedCaption FitCaption(const std::string& Caption, int BoxWidth, TCaptionAlignment Alignment,
                          const TTextWidth& Width);

// Splits a caption into its italic head (up to and including the Words-th
// space) and the upright tail.
struct TItalicSplit {
  std::string Head, Tail;
};
TItalicSplit SplitItalicWords(const std::string& Text, int Words);

// Vertical text position: half the free height, halves to even.
int CaptionTextTop(int BoxHeight, int TextHeight);

// One draw of the caption text: offset and colour.
struct TTextDraw {
  int Dx = 0, Dy = 0;
  TColor Color = 0;
};
// The draws of a text effect, in order; K is the text colour. Colours are
// passed resolved (RGB) so the equality skip of the raised and inset looks
// can be decided here.
struct TEffectColors {
  TColor Highlight = 0, Shadow = 0, WindowText = 0;
};
std::vector<TTextDraw> TextEffectDraws(T3DEffect Effect, TColor K, const TEffectColors& Colors);

// One bevel call: top-left colour, bottom-right colour, width.
struct TBevelStep {
  TColor Top = 0, Bottom = 0;
  int Width = 0;
  bool Grow = false;  // grow the rectangle by 1 on every side before this bevel
};
// The nested bevels of a caption-bar effect (not ox3Shadow, which draws lines).
std::vector<TBevelStep> CaptionBarBevels(T3DEffect Effect);
// The nested bevels of a border effect (for ox3Shadow, those drawn after its lines).
std::vector<TBevelStep> BorderBevels(T3DEffect Effect, int FrameWidth);
