#include "ui/hints/HBLabel.h"

const TTypeInfo* TypeInfo_TTextStyle()
{
  static const TTypeInfo* t = NewEnumType("TTextStyle", {"tsNone", "tsRaised", "tsLowered"});
  return t;
}

QV_IMPLEMENT_CLASS(THBLabel)

void THBLabel::DeclareProperties(TClassBuilder<THBLabel>& c)
{
  c.Ordinal("Style", TypeInfo_TTextStyle(), &THBLabel::Style, &THBLabel::SetStyle).Default(tsLowered);
  c.Ordinal("ShadowColor", TypeInfo_TColor(), &THBLabel::ShadowColor, &THBLabel::SetShadowColor).Default(clWhite);
}

THBLabel::THBLabel(TComponent* AOwner) : TLabel(AOwner) {}

void THBLabel::SetStyle(TTextStyle Value)
{
  if (Value == FStyle) return;
  FStyle = Value;
  Invalidate();
}

void THBLabel::SetShadowColor(TColor Value)
{
  if (Value == FShadowColor) return;
  FShadowColor = Value;
  Invalidate();
}

void THBLabel::DoDrawText(RECT& Rect, UINT Flags)
{
  // Always wrapped at word breaks, whatever WordWrap says.
  Flags |= DT_WORDBREAK;
  const std::string text = Caption().substr(0, 255);
  if (FStyle != tsNone) {
    const bool raised = FStyle == tsRaised;
    RECT moved = Rect;
    OffsetRect(&moved, 1, 1);
    Canvas().Font().SetColor(raised ? clBtnShadow : FShadowColor);
    Canvas().DrawText(text, moved, Flags);
    OffsetRect(&moved, -2, -2);
    Canvas().Font().SetColor(raised ? FShadowColor : clBtnShadow);
    Canvas().DrawText(text, moved, Flags);
  }
  Canvas().Font().SetColor(Enabled() ? Font()->Color() : clGrayText);
  Canvas().DrawText(text, Rect, Flags);
}
