#pragma once
// A picture painted on its parent, at its origin, centred or stretched.
#include "framework/controls/Controls.h"

class TImage : public TGraphicControl {
  QV_CLASS(TImage, TGraphicControl)
public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  void Paint() override;

private:
  TPicture* FPicture;
  bool FCenter = false, FStretch = false;
};
