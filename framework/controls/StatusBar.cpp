#include "framework/controls/StatusBar.h"

#include <commctrl.h>

QV_IMPLEMENT_CLASS(TStatusBar)

void TStatusBar::DeclareProperties(TClassBuilder<TStatusBar>& c)
{
  c.String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = STATUSCLASSNAMEA;
  // We place it ourselves (Align), so the control must not move itself.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP;
}
