#include "tests/framework/StreamTestSupport.h"

namespace fwtest {

QV_IMPLEMENT_CLASS(TCarrier)
void TCarrier::DeclareProperties(TClassBuilder<TCarrier>& c)
{
  c.Object("Persistent", TPersistent::StaticClass(), &TCarrier::GetPersistent, &TCarrier::SetPersistent);
}

}  // namespace fwtest
