#include "framework/controls/Bevel.h"

void DrawBevel(TCanvas& Canvas, RECT& R, TBevelCut Cut, int Width)
{
  if (Cut == bvNone) return;
  TColor top = Cut == bvRaised ? clBtnHighlight : clBtnShadow;
  TColor bottom = Cut == bvRaised ? clBtnShadow : clBtnHighlight;
  for (int i = 0; i < Width; ++i) {
    Canvas.SetPenColor(top);
    Canvas.MoveTo(R.left, R.bottom - 1);
    Canvas.LineTo(R.left, R.top);
    Canvas.LineTo(R.right - 1, R.top);
    Canvas.SetPenColor(bottom);
    Canvas.LineTo(R.right - 1, R.bottom - 1);
    Canvas.LineTo(R.left - 1, R.bottom - 1);
    InflateRect(&R, -1, -1);
  }
}

QV_IMPLEMENT_CLASS(TBevel)

void TBevel::DeclareProperties(TClassBuilder<TBevel>& c)
{
  static const TTypeInfo* shape =
      NewEnumType("TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine"});
  static const TTypeInfo* style = NewEnumType("TBevelStyle", {"bsLowered", "bsRaised"});
  c.Ordinal("Shape", shape, &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
  c.Ordinal("Style", style, &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) { StoreBounds(0, 0, 50, 50); }
void TBevel::SetShape(TBevelShape Value)
{
  FShape = Value;
  Invalidate();
}
void TBevel::SetStyle(TBevelStyle Value)
{
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint()
{
  RECT r = ClientRect();
  TBevelCut cut = FStyle == bsRaised ? bvRaised : bvLowered;
  TBevelCut inverse = FStyle == bsRaised ? bvLowered : bvRaised;
  TColor top = FStyle == bsRaised ? clBtnHighlight : clBtnShadow;
  TColor bottom = FStyle == bsRaised ? clBtnShadow : clBtnHighlight;
  switch (FShape) {
    case bsBox: DrawBevel(Canvas(), r, cut, 1); break;
    case bsFrame:
      DrawBevel(Canvas(), r, cut, 1);
      DrawBevel(Canvas(), r, inverse, 1);
      break;
    case bsTopLine:
    case bsBottomLine: {
      int y = FShape == bsTopLine ? 0 : r.bottom - 2;
      Canvas().SetPenColor(top);
      Canvas().MoveTo(0, y);
      Canvas().LineTo(r.right, y);
      Canvas().SetPenColor(bottom);
      Canvas().MoveTo(0, y + 1);
      Canvas().LineTo(r.right, y + 1);
      break;
    }
    default: {
      int x = FShape == bsLeftLine ? 0 : r.right - 2;
      Canvas().SetPenColor(top);
      Canvas().MoveTo(x, 0);
      Canvas().LineTo(x, r.bottom);
      Canvas().SetPenColor(bottom);
      Canvas().MoveTo(x + 1, 0);
      Canvas().LineTo(x + 1, r.bottom);
    }
  }
}
