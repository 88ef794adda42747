#pragma once
// Nested one-pixel bevels: Width rings, each with its top and left edges in
// Top and its bottom and right edges in Bottom, drawn with the canvas's line
// drawing (which leaves out the end point). A positive Width leaves R shrunk
// by Width on every side, ready for the contents; a negative one draws the
// same bevel and leaves R as it was.
//
// Canvas needs SetPenColor, SetPenWidth, MoveTo and LineTo; Rect the fields
// left, top, right and bottom (RECT, or a test's recording types).
#include "framework/objects/StdIdents.h"

template <class Canvas, class Rect> void Frame3D(Canvas& C, Rect& R, TColor Top, TColor Bottom, int Width)
{
  const Rect saved = R;
  C.SetPenWidth(1);
  R.bottom -= 1;
  R.right -= 1;
  for (int ring = Width < 0 ? -Width : Width; ring > 0; --ring) {
    C.SetPenColor(Top);
    C.MoveTo(R.left, R.bottom);
    C.LineTo(R.left, R.top);
    C.LineTo(R.right + 1, R.top);
    C.SetPenColor(Bottom);
    C.MoveTo(R.right, R.top);
    C.LineTo(R.right, R.bottom);
    C.LineTo(R.left - 1, R.bottom);
    R.left += 1;
    R.top += 1;
    R.right -= 1;
    R.bottom -= 1;
  }
  R.bottom += 1;
  R.right += 1;
  if (Width < 0) R = saved;
}
