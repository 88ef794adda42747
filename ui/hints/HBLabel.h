#pragma once
// THBLabel: a label whose text looks raised (embossed) or lowered (engraved):
// two extra copies of the text, one pixel down-right and one up-left, in the
// button-shadow colour and ShadowColor.
#include "framework/controls/Label.h"

enum TTextStyle { tsNone, tsRaised, tsLowered };
const TTypeInfo* TypeInfo_TTextStyle();

class THBLabel : public TLabel {
  QV_CLASS(THBLabel, TLabel)
public:
  explicit THBLabel(TComponent* AOwner);
  TTextStyle Style() const { return FStyle; }
  void SetStyle(TTextStyle Value);
  TColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(TColor Value);

protected:
  void DoDrawText(RECT& Rect, UINT Flags) override;

private:
  TTextStyle FStyle = tsLowered;
  TColor FShadowColor = clWhite;
};
