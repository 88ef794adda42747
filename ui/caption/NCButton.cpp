#include "ui/caption/NCButton.h"

#include "ui/caption/oxForm.h"

QV_IMPLEMENT_CLASS_NOPROPS(TNCButton)

TNCButton::TNCButton(TComponent* AOwner) : TSpeedButton(AOwner)
{
  StoreBounds(0, 0, 16, 15);
  // Never a client control: the framework neither paints nor hit-tests it.
  StoreVisible(false);
}

TNCButton::~TNCButton() = default;

TWinBitmap& TNCButton::UpGlyph() { return FResourceGlyph.Empty() ? GlyphBitmap() : FResourceGlyph; }

void TNCButton::LoadGlyph(const std::string& ResourceName)
{
  FResourceGlyph.LoadFromResourceName(GetModuleHandleA(nullptr), ResourceName);
  Invalidate();
}

void TNCButton::LoadDownGlyph(const std::string& ResourceName)
{
  FDownGlyph.LoadFromResourceName(GetModuleHandleA(nullptr), ResourceName);
  Invalidate();
}

ToxForm* TNCButton::CaptionOwner() const { return dynamic_cast<ToxForm*>(Owner()); }

void TNCButton::Invalidate() { Paint(); }

void TNCButton::Paint()
{
  ToxForm* owner = CaptionOwner();
  if (!owner || !owner->Enabled() || !Parent() || !Parent()->HandleAllocated()) return;
  qv::WindowDC dc(Parent()->Handle(), true);
  const TCanvasDC attached(Canvas(), dc.get());
  owner->PaintButton(Canvas(), *this);
}

bool TNCButton::ContainsScreenPoint(POINT P) const
{
  if (!Parent() || !Parent()->HandleAllocated()) return false;
  RECT w;
  GetWindowRect(Parent()->Handle(), &w);
  int left = w.left + Left(), top = w.top + Top();
  return P.x >= left && P.x < left + Width() && P.y >= top && P.y <= top + Height();
}

bool TNCButton::CursorInside() const
{
  POINT p;
  GetCursorPos(&p);
  return ContainsScreenPoint(p);
}

void TNCButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  TControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  SetState(bsDown);
  Invalidate();
  FTracking = true;
}

void TNCButton::MouseMove(TShiftState Shift, int X, int Y)
{
  TControl::MouseMove(Shift, X, Y);
  if (!FTracking) return;
  TButtonState state = CursorInside() ? bsDown : bsUp;
  if (state == State()) return;
  SetState(state);
  Invalidate();
}

void TNCButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  TControl::MouseUp(Button, Shift, X, Y);
  if (!FTracking) return;
  FTracking = false;
  SetState(bsUp);
  Invalidate();
  if (CursorInside()) Click();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TNCCustomButton)

TNCCustomButton::TNCCustomButton(TComponent* AOwner) : TNCButton(AOwner)
{
  if (auto* owner = dynamic_cast<ToxForm*>(AOwner)) {
    owner->FCustomButtonList.push_back(this);
    SetParent(owner->OwnerForm());
    OnClick = [owner](TObject* Sender) { owner->CustomButtonClick(Sender); };
  }
}

TNCCustomButton::~TNCCustomButton()
{
  if (auto* owner = dynamic_cast<ToxForm*>(Owner())) {
    auto& list = owner->FCustomButtonList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}
