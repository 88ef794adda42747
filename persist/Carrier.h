#pragma once
#include "framework/objects/Classes.h"

// Carries any persistent object through the object stream: its one design-time
// property `Persistent` is written as the carried object's properties in place
// ("Persistent.Name", "Persistent.Strings", ...), and reading a carrier stream
// fills the carried object.
class TCarrier : public TComponent {
  QV_CLASS(TCarrier, TComponent)
public:
  explicit TCarrier(TComponent* AOwner) : TComponent(AOwner) {}

  TPersistent* Persistent() const { return FPersistent; }
  void SetPersistent(TPersistent* Value) { FPersistent = Value; }

private:
  TPersistent* FPersistent = nullptr;
};
