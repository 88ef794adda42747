#include "persist/ObjMgrTransfer.h"

#include "persist/ObjMgrItem.h"
#include "persist/PropText.h"

namespace {

template <class Action> void ForEachItem(TComponent& Form, const std::vector<std::string>& Items, Action Act)
{
  for (const std::string& Line : Items) {
    const TObjMgrItem Item = TObjMgrItem::Parse(Line);
    if (!Item.InUse()) continue;
    TComponent* Target = FindObjMgrTarget(Form, Item.Target);
    const TPropInfo* Prop = Target ? GetPropInfo(*Target, Item.Property) : nullptr;
    if (!Prop) continue;
    try {
      Act(Item, *Target, *Prop);
    } catch (const std::exception&) {
      // A failing item is skipped; the others go on.
    }
  }
}

}  // namespace

TComponent* FindObjMgrTarget(TComponent& Form, const std::string& Target)
{
  if (Target == Form.Name()) return &Form;
  return Form.FindComponent(Target);
}

void LoadObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store)
{
  ForEachItem(Form, Items, [&Store](const TObjMgrItem& Item, TComponent& Target, const TPropInfo& Prop) {
    Store.CloseKey();
    const bool Stored = Store.OpenKey(Item.Key, false) && Store.ValueExists(Item.ValueName);
    SetObjMgrPropFromString(Target, Prop, Stored ? Store.ReadString(Item.ValueName) : Item.Default);
  });
}

void SaveObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store)
{
  ForEachItem(Form, Items, [&Store](const TObjMgrItem& Item, TComponent& Target, const TPropInfo& Prop) {
    Store.CloseKey();
    if (Store.OpenKey(Item.Key, true)) Store.WriteString(Item.ValueName, GetObjMgrPropAsString(Target, Prop));
  });
}
