#include "persist/Carrier.h"

QV_IMPLEMENT_CLASS(TCarrier)

void TCarrier::DeclareProperties(TClassBuilder<TCarrier>& c)
{
  c.Object("Persistent", TPersistent::StaticClass(), &TCarrier::Persistent, &TCarrier::SetPersistent);
}
