#pragma once
// Bevelled boxes and lines painted on their parent, and the bevel routine
// panels draw their borders with.
#include "framework/controls/Controls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised };

// Draws Width nested one-pixel bevels inside R and leaves R inside them.
void DrawBevel(TCanvas& Canvas, RECT& R, TBevelCut Cut, int Width);

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine };
enum TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
  QV_CLASS(TBevel, TGraphicControl)
public:
  explicit TBevel(TComponent* AOwner);
  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);
  void Paint() override;

private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
