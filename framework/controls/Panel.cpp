#include "framework/controls/Panel.h"

namespace {
const TTypeInfo* BevelCutType()
{
  static const TTypeInfo* t = NewEnumType("TBevelCut", {"bvNone", "bvLowered", "bvRaised"});
  return t;
}
}  // namespace

QV_IMPLEMENT_CLASS(TCustomPanel)

void TCustomPanel::DeclareProperties(TClassBuilder<TCustomPanel>& c)
{
  c.Ordinal("BevelInner", BevelCutType(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
  c.Ordinal("BevelOuter", BevelCutType(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
  c.Ordinal("BevelWidth", TypeInfo_Integer(), &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
  FBevelInner = Value;
  Invalidate();
}
void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
  FBevelOuter = Value;
  Invalidate();
}
void TCustomPanel::SetBevelWidth(int Value)
{
  FBevelWidth = Value;
  Invalidate();
}

void TCustomPanel::PaintWindow(HDC DC)
{
  TCanvasDC attached(FCanvas, DC);
  RECT r;
  GetClientRect(Handle(), &r);
  FCanvas.SetBrushColor(Color());
  FCanvas.FillRect(r);
  DrawBevel(FCanvas, r, FBevelOuter, FBevelWidth);
  DrawBevel(FCanvas, r, FBevelInner, FBevelWidth);
  FCanvas.SetBrushStyle(bsClear);
  FCanvas.Font().Assign(Font());
  FCanvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

QV_IMPLEMENT_CLASS_NOPROPS(TPanel)
