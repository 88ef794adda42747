#include "persist/OBJMGR2.h"

#include "persist/ObjMgrTransfer.h"
#include "persist/RegistryStore.h"

QV_IMPLEMENT_CLASS(TObjMgr)

void TObjMgr::DeclareProperties(TClassBuilder<TObjMgr>& c)
{
  c.Object("Items", TStrings::StaticClass(), &TObjMgr::Items, &TObjMgr::SetItems);
}

TObjMgr::TObjMgr(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TStringList>()) {}

void TObjMgr::Load()
{
  if (!Owner()) return;
  TRegistryStore Store(HKEY_CURRENT_USER);
  LoadObjMgrItems(*Owner(), FItems->ToVector(), Store);
}

void TObjMgr::Save()
{
  if (!Owner()) return;
  TRegistryStore Store(HKEY_CURRENT_USER);
  SaveObjMgrItems(*Owner(), FItems->ToVector(), Store);
}
