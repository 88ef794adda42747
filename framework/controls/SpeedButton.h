#pragma once
// Speed buttons: painted on their parent, with glyphs and latching groups.
#include "framework/controls/Controls.h"
#include "framework/graphics/WinBitmap.h"

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// A button drawn on its parent (no window of its own).
class TSpeedButton : public TGraphicControl {
  QV_CLASS(TSpeedButton, TGraphicControl)
public:
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TBitmap* Glyph() const { return FGlyph; }
  void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Latched down (only with a group index).
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  TButtonState State() const { return FState; }
  void SetState(TButtonState Value) { FState = Value; }
  // The glyph as a bitmap with a handle (made again when the glyph changes).
  TWinBitmap& GlyphBitmap();
  void Paint() override;
  void Click() override;

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool FDragging = false;

private:
  void UpdateExclusive();
  bool FFlat = false;
  TBitmap* FGlyph;
  TWinBitmap FGlyphBitmap;
  uint32_t FGlyphRevision = ~0u;
  int FNumGlyphs = 1;
  int FGroupIndex = 0;
  bool FAllowAllUp = false, FDown = false;
  TButtonState FState = bsUp;
};
