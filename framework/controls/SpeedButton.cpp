#include "framework/controls/SpeedButton.h"

#include <algorithm>

QV_IMPLEMENT_CLASS(TSpeedButton)

void TSpeedButton::DeclareProperties(TClassBuilder<TSpeedButton>& c)
{
  c.Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  c.Ordinal("GroupIndex", TypeInfo_Integer(), &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  c.Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  c.Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  c.Object("Glyph", TBitmap::StaticClass(), &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  c.Ordinal("NumGlyphs", TypeInfo_Integer(), &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(new TBitmap)
{
  StoreBounds(0, 0, 23, 22);
  FClickOnRelease = false;
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { delete FGlyph; }

void TSpeedButton::SetFlat(bool Value)
{
  FFlat = Value;
  Invalidate();
}
void TSpeedButton::SetNumGlyphs(int Value)
{
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetDown(bool Value)
{
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  if (Value) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
      other->FDown = false;
      other->FState = bsUp;
      other->Invalidate();
    }
  }
}

TWinBitmap& TSpeedButton::GlyphBitmap()
{
  if (FGlyphRevision != FGlyph->Revision()) {
    FGlyphBitmap.Assign(FGlyph);
    FGlyphRevision = FGlyph->Revision();
  }
  return FGlyphBitmap;
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
  inherited::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  TButtonState state = inside ? bsDown : (FDown ? bsExclusive : bsUp);
  if (state != FState) {
    FState = state;
    Repaint();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  inherited::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  if (FGroupIndex == 0) {
    FState = bsUp;
  } else if (inside) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
  }
  Repaint();
  if (inside) Click();
}

void TSpeedButton::Click() { inherited::Click(); }

void TSpeedButton::Paint()
{
  RECT r = ClientRect();
  bool pressed = FState == bsDown || FState == bsExclusive || FDown;
  Canvas().SetBrushColor(clBtnFace);
  Canvas().FillRect(r);
  if (!FFlat || pressed) DrawEdge(Canvas().Handle(), &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  TWinBitmap& glyph = GlyphBitmap();
  int offset = pressed ? 1 : 0;
  if (!glyph.Empty()) {
    int w = glyph.Width() / FNumGlyphs, h = glyph.Height();
    // Images side by side: up, disabled, down, latched; missing ones use the first.
    int image = !Enabled() && FNumGlyphs > 1              ? 1
                : FState == bsDown && FNumGlyphs > 2      ? 2
                : FState == bsExclusive && FNumGlyphs > 3 ? 3
                                                          : 0;
    int x = (Width() - w) / 2 + offset, y = (Height() - h) / 2 + offset;
    Canvas().BrushCopy(RECT{x, y, x + w, y + h}, glyph, RECT{image * w, 0, image * w + w, h}, glyph.TransparentColor());
  } else if (!Caption().empty()) {
    Canvas().SetBrushStyle(bsClear);
    Canvas().Font().Assign(Font());
    if (!Enabled()) Canvas().Font().SetColor(clGrayText);
    OffsetRect(&r, offset, offset);
    Canvas().DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}
