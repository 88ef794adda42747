#include "persist/ObjMgrTransfer.h"

#include "persist/ItemWalk.h"
#include "persist/ObjMgrItem.h"
#include "persist/PropText.h"

namespace {

auto TargetIn(TComponent& Form)
{
  return [&Form](const TObjMgrItem& Item) { return FindObjMgrTarget(Form, Item.Target); };
}

}  // namespace

TComponent* FindObjMgrTarget(TComponent& Form, const std::string& Target)
{
  if (Target == Form.Name()) return &Form;
  return Form.FindComponent(Target);
}

void LoadObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store)
{
  ForEachItemProperty<TObjMgrItem>(
      Items, TargetIn(Form), [&Store](const TObjMgrItem& Item, TComponent& Target, const TPropInfo& Prop) {
        Store.CloseKey();
        const bool Stored = Store.OpenKey(Item.Key, false) && Store.ValueExists(Item.ValueName);
        SetObjMgrPropFromString(Target, Prop, Stored ? Store.ReadString(Item.ValueName) : Item.Default);
      });
}

void SaveObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store)
{
  ForEachItemProperty<TObjMgrItem>(Items, TargetIn(Form),
                                   [&Store](const TObjMgrItem& Item, TComponent& Target, const TPropInfo& Prop) {
                                     Store.CloseKey();
                                     if (Store.OpenKey(Item.Key, true))
                                       Store.WriteString(Item.ValueName, GetObjMgrPropAsString(Target, Prop));
                                   });
}
