#include "ui/hints/BalloonGeometry.h"

#include <algorithm>

namespace {

// The pointer and the rounded corners need room however short the text is.
constexpr int MinBalloonWidth = 59;
// Body and pointer together: the pointer is 15 wide and 19 high beside the body.
constexpr int PointerWidth = 15, PointerHeight = 19;
constexpr int TextInset = 9;

bool IsRight(TBalloonPosition P) { return (P & 1) != 0; }
bool IsBelow(TBalloonPosition P) { return (P & 2) != 0; }
TBalloonPosition Combine(bool Right, bool Below)
{
  return static_cast<TBalloonPosition>((Right ? 1 : 0) | (Below ? 2 : 0));
}

void Offset(TBalloonRect& R, int DX, int DY) { R.Left += DX, R.Right += DX, R.Top += DY, R.Bottom += DY; }

}  // namespace

int BalloonMargin(int ShadowDepth) { return ShadowDepth + 33; }

int EffectiveMaxWidth(int MaxWidth, int ScreenWidth) { return MaxWidth >= 0 ? MaxWidth : ScreenWidth / -MaxWidth; }

int BalloonTextLimit(int EffectiveMax, int ScreenWidth, int CursorX, int ShadowDepth)
{
  return std::min(EffectiveMax, std::max(ScreenWidth - CursorX, CursorX)) - BalloonMargin(ShadowDepth);
}

TBalloonSize BalloonSize(int TextWidth, int TextHeight, int ShadowDepth)
{
  return {std::max(TextWidth + BalloonMargin(ShadowDepth), MinBalloonWidth), TextHeight + 38 + ShadowDepth};
}

TBalloonPoint PlaceBalloon(TBalloonPosition Position, TBalloonPoint Cursor, TBalloonSize Size)
{
  switch (Position) {
    case bpAboveLeft: return {Cursor.X - Size.Width, Cursor.Y - Size.Height};
    case bpAboveRight: return {Cursor.X, Cursor.Y - Size.Height};
    case bpBelowLeft: return {Cursor.X - Size.Width, Cursor.Y};
    case bpBelowRight: break;
  }
  return {Cursor.X + 1, Cursor.Y + 1};
}

TBalloonPosition FitBalloon(TBalloonPosition Preferred, TBalloonPoint Cursor, TBalloonSize Size, int ScreenWidth,
                            int ScreenHeight)
{
  const TBalloonPoint at = PlaceBalloon(Preferred, Cursor, Size);
  bool below = IsBelow(Preferred), right = IsRight(Preferred);
  if (at.Y + Size.Height > ScreenHeight) below = false;
  if (at.Y < 0) below = true;
  if (at.X + Size.Width > ScreenWidth) right = false;
  if (at.X < 0) right = true;
  return Combine(right, below);
}

TBalloonShapeGeometry BalloonGeometry(TBalloonPosition Position, TBalloonSize Size, int ShadowDepth)
{
  const int w = Size.Width - ShadowDepth, h = Size.Height - ShadowDepth;
  TBalloonShapeGeometry g;
  g.Body = {0, 0, w - PointerWidth, h - PointerHeight};
  const bool right = IsRight(Position), below = IsBelow(Position);
  Offset(g.Body, right ? PointerWidth : 0, below ? PointerHeight : 0);
  // The tip sits in the corner at the cursor; the base lies on the body's edge.
  const int tipX = right ? 0 : w, tipY = below ? 0 : h;
  const int baseY = below ? PointerHeight : h - 20;
  g.Tip = {tipX, tipY};
  g.Base1 = {right ? 21 : w - 21, baseY};
  g.Base2 = {right ? 41 : w - 41, baseY};
  g.Text = {g.Body.Left + TextInset, g.Body.Top + TextInset, g.Body.Right - TextInset, g.Body.Bottom - TextInset};
  return g;
}
