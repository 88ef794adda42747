#include "framework/controls/Label.h"

#include "framework/menus/MenuText.h"

QV_IMPLEMENT_CLASS(TLabel)

void TLabel::DeclareProperties(TClassBuilder<TLabel>& c)
{
  c.Ordinal("Alignment", TypeInfo_TAlignment(), &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  c.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  c.Object("FocusControl", TWinControl::StaticClass(), &TLabel::FocusControl, &TLabel::SetFocusControl);
  c.Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  c.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  c.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
  StoreBounds(0, 0, 65, 17);
  SetColor(clBtnFace);
}

void TLabel::SetAlignment(TAlignment Value)
{
  FAlignment = Value;
  Invalidate();
}
void TLabel::SetAutoSize(bool Value)
{
  FAutoSize = Value;
  AdjustBounds();
}
void TLabel::SetWordWrap(bool Value)
{
  FWordWrap = Value;
  AdjustBounds();
}
void TLabel::SetTransparent(bool Value)
{
  FTransparent = Value;
  Invalidate();
}
void TLabel::SetShowAccelChar(bool Value)
{
  FShowAccelChar = Value;
  AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TLabel::DialogChar(char Key)
{
  if (!FFocusControl || !FShowAccelChar || !Enabled() || !IsAccel(static_cast<unsigned char>(Key), Caption()))
    return false;
  FFocusControl->SetFocus();
  return true;
}

UINT TLabel::DrawTextFlags() const
{
  UINT flags = FAlignment == taRightJustify ? DT_RIGHT : FAlignment == taCenter ? DT_CENTER : DT_LEFT;
  flags |= DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::FontChanged()
{
  AdjustBounds();
  inherited::FontChanged();
}

void TLabel::AdjustBounds()
{
  if (!FAutoSize || ComponentState().Contains(csLoading)) {
    Invalidate();
    return;
  }
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  {
    qv::MemoryDC dc(CreateCompatibleDC(nullptr));
    TCanvasDC attached(Canvas(), dc.get());
    Canvas().Font().Assign(Font());
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    Canvas().DrawText(text, r, DrawTextFlags() | DT_CALCRECT);
  }
  SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Paint()
{
  RECT r = ClientRect();
  if (!FTransparent) {
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(r);
  }
  Canvas().SetBrushStyle(bsClear);
  Canvas().Font().Assign(Font());
  DoDrawText(r, DrawTextFlags());
}

void TLabel::DoDrawText(RECT& Rect, UINT Flags)
{
  if (!Enabled()) {
    // The disabled look: a light copy down-right, the text in grey on top.
    Canvas().Font().SetColor(clBtnHighlight);
    RECT shifted = Rect;
    OffsetRect(&shifted, 1, 1);
    Canvas().DrawText(Caption(), shifted, Flags);
    Canvas().Font().SetColor(clBtnShadow);
  }
  Canvas().DrawText(Caption(), Rect, Flags);
}
