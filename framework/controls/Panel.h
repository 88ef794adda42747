#pragma once
// Panels: a window of our own painted with bevels and a centred caption.
#include "framework/controls/Bevel.h"

class TCustomPanel : public TWinControl {
  QV_CLASS(TCustomPanel, TWinControl)
public:
  explicit TCustomPanel(TComponent* AOwner);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);

protected:
  bool WantsOwnPaint() const override { return true; }
  void PaintWindow(HDC DC) override;

private:
  TBevelCut FBevelInner = bvNone, FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  TCanvas FCanvas;
};

class TPanel : public TCustomPanel {
  QV_CLASS(TPanel, TCustomPanel)
public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
