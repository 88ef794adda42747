#pragma once
// A caption painted on its parent; its access key focuses another control.
#include "framework/controls/Controls.h"

class TLabel : public TGraphicControl {
  QV_CLASS(TLabel, TGraphicControl)
public:
  explicit TLabel(TComponent* AOwner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The access key of the caption focuses FocusControl.
  bool DialogChar(char Key);

protected:
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override;
  // Draws the caption into Rect on Canvas, whose font is the label's and whose
  // brush is clear; labels with a look of their own override only this.
  virtual void DoDrawText(RECT& Rect, UINT Flags);
  UINT DrawTextFlags() const;
  void AdjustBounds();

private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true, FWordWrap = false, FTransparent = false, FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};
