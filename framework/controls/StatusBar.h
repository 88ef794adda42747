#pragma once
// The status bar of the common controls, with one text area.
#include "framework/controls/Controls.h"

class TStatusBar : public TWinControl {
  QV_CLASS(TStatusBar, TWinControl)
public:
  explicit TStatusBar(TComponent* AOwner);
  const std::string& SimpleText() const { return FText; }
  void SetSimpleText(const std::string& Value) { SetCaption(Value); }

protected:
  void CreateParams(TCreateParams& Params) override;
};
