#pragma once
// Caption buttons: speed buttons that live in the caption bar of their form.
// The framework never shows them as client controls; the caption component
// paints them on the window's device context and feeds them the non-client
// mouse messages, translated to their client counterparts.
#include "framework/controls/SpeedButton.h"
#include "framework/graphics/WinBitmap.h"

class ToxForm;

class TNCButton : public TSpeedButton {
  QV_CLASS(TNCButton, TSpeedButton)
public:
  explicit TNCButton(TComponent* AOwner);
  ~TNCButton() override;

  // Part of the caption: laid out and painted (the framework's visibility
  // stays off for good).
  bool Shown() const { return FShown; }
  void SetShown(bool Value) { FShown = Value; }
  // After the button the layout leaves 2 * Gap pixels.
  int Gap() const { return FGap; }
  void SetGap(int Value) { FGap = Value; }
  bool Tracking() const { return FTracking; }

  // The picture drawn while released, and while pressed or latched when
  // the down glyph is empty; loaded from a bitmap resource or taken from
  // the glyph property.
  TWinBitmap& UpGlyph();
  TWinBitmap& DownGlyph() { return FDownGlyph; }
  void LoadGlyph(const std::string& ResourceName);
  void LoadDownGlyph(const std::string& ResourceName);

  // Paints at once on the window's device context.
  void Invalidate() override;
  void Paint() override;

  // Whether the screen point lies on the button (window coordinates of the
  // button moved by the window's top-left corner).
  bool ContainsScreenPoint(POINT P) const;

protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  ToxForm* CaptionOwner() const;

private:
  bool CursorInside() const;
  bool FTracking = false;
  bool FShown = true;
  TWinBitmap FDownGlyph;
  TWinBitmap FResourceGlyph;
  int FGap = 0;
};

// One button per line of the caption component's CustomButtons.
class TNCCustomButton : public TNCButton {
  QV_CLASS(TNCCustomButton, TNCButton)
public:
  explicit TNCCustomButton(TComponent* AOwner);
  ~TNCCustomButton() override;
};
