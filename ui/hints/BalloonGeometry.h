#pragma once
// The arithmetic of a balloon hint: its size from the measured text, where it
// sits against the cursor (flipping at the screen edges), and the body,
// pointer and text rectangle inside its window. No Windows types, so it is
// tested natively.

// Preferred corner; bit 0 is the horizontal side (0 left, 1 right), bit 1 the
// vertical side (0 above, 1 below).
enum TBalloonPosition { bpAboveLeft, bpAboveRight, bpBelowLeft, bpBelowRight };

struct TBalloonPoint {
  int X = 0, Y = 0;
  bool operator==(const TBalloonPoint&) const = default;
};

struct TBalloonRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TBalloonRect&) const = default;
};

struct TBalloonSize {
  int Width = 0, Height = 0;
  bool operator==(const TBalloonSize&) const = default;
};

// What the balloon adds around its text horizontally: pointer, padding, shadow.
int BalloonMargin(int ShadowDepth);

// MaxWidth >= 0 is a width in pixels; below 0, the screen width divided by -MaxWidth.
int EffectiveMaxWidth(int MaxWidth, int ScreenWidth);

// The width the text may wrap to with the cursor at CursorX.
int BalloonTextLimit(int EffectiveMax, int ScreenWidth, int CursorX, int ShadowDepth);

// The window size for text that measured TextWidth × TextHeight.
TBalloonSize BalloonSize(int TextWidth, int TextHeight, int ShadowDepth);

// Top-left corner of a window of Size placed at Position against the cursor.
TBalloonPoint PlaceBalloon(TBalloonPosition Position, TBalloonPoint Cursor, TBalloonSize Size);

// The position actually used: Preferred, with each side flipped where the
// window placed at Preferred would leave the screen.
TBalloonPosition FitBalloon(TBalloonPosition Preferred, TBalloonPoint Cursor, TBalloonSize Size, int ScreenWidth,
                            int ScreenHeight);

// Body, pointer triangle (tip and its two base points) and text rectangle in
// the window's client coordinates.
struct TBalloonShapeGeometry {
  TBalloonRect Body;
  TBalloonPoint Tip, Base1, Base2;
  TBalloonRect Text;
};

TBalloonShapeGeometry BalloonGeometry(TBalloonPosition Position, TBalloonSize Size, int ShadowDepth);
