#pragma once
// The shared test classes, and the object-model tests' own stand-in for the
// persistence layer's carrier (those tests do not link the persistence code).
#include "tests/support/TestClasses.h"

namespace fwtest {

// Carries any persistent object as its one property, like the persistence
// layer's carrier.
class TCarrier : public TComponent {
  QV_CLASS(TCarrier, TComponent)
public:
  explicit TCarrier(TComponent* AOwner) : TComponent(AOwner) {}
  TPersistent* FPersistent = nullptr;
  TPersistent* GetPersistent() const { return FPersistent; }
  void SetPersistent(TPersistent* Value) { FPersistent = Value; }
};

}  // namespace fwtest
