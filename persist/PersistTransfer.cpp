#include "persist/PersistTransfer.h"

#include "framework/objects/Streams.h"
#include "persist/ItemWalk.h"
#include "persist/ObjectBlob.h"
#include "persist/PersistItem.h"
#include "persist/PropText.h"

namespace {

void SaveItem(const ToxPersistItem& Item, TComponent& Target, const TPropInfo& Prop, TSettingsStore& Store,
              const std::string& Key)
{
  Store.CloseKey();
  if (!Store.OpenKey(Key, true)) return;
  if (Prop.Kind() != tkClass) {
    Store.WriteString(Item.ValueName, GetPropAsString(Target, Prop));
    return;
  }
  TMemoryStream Blob;
  if (WriteObjectProp(Target, Prop, Blob) != -1) Store.WriteBinary(Item.ValueName, Blob.DataString());
}

void LoadItem(const ToxPersistItem& Item, TComponent& Target, const TPropInfo& Prop, TSettingsStore& Store,
              const std::string& Key)
{
  Store.CloseKey();
  if (!Store.OpenKey(Key, false) || !Store.ValueExists(Item.ValueName)) return;
  if (Prop.Kind() != tkClass) {
    SetPropFromString(Target, Prop, Store.ReadString(Item.ValueName));
    return;
  }
  const std::string Blob = Store.ReadBinary(Item.ValueName);
  TReadOnlyMemoryStream Stream(Blob.data(), static_cast<int64_t>(Blob.size()));
  ReadObjectProp(Target, Prop, Stream);
}

}  // namespace

TComponent* FindItemTarget(TComponent& Form, const std::string& Component)
{
  if (Component == ToxPersistItem::FormTarget) return &Form;
  return Form.FindComponent(Component);
}

void SaveItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key)
{
  ForEachItemProperty<ToxPersistItem>(Items, ItemTargetIn(Form),
                                      [&](const ToxPersistItem& Item, TComponent& Target, const TPropInfo& Prop) {
                                        if (!Item.IsLoadOnly()) SaveItem(Item, Target, Prop, Store, Key);
                                      });
}

void LoadItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key)
{
  ForEachItemProperty<ToxPersistItem>(Items, ItemTargetIn(Form),
                                      [&](const ToxPersistItem& Item, TComponent& Target, const TPropInfo& Prop) {
                                        LoadItem(Item, Target, Prop, Store, Key);
                                      });
}

void SaveItemsToFile(TComponent& Form, const std::vector<std::string>& Items, const std::string& FileName,
                     const std::string& Key)
{
  ToxRegFile File;
  if (FileExists(FileName)) File.LoadFromFile(FileName);
  TRegFileStore Store(File);
  SaveItems(Form, Items, Store, Key);
  File.SaveToFile(FileName);
}

void LoadItemsFromFile(TComponent& Form, const std::vector<std::string>& Items, const std::string& FileName,
                       const std::string& Key)
{
  ToxRegFile File;
  File.LoadFromFile(FileName);
  TRegFileStore Store(File);
  LoadItems(Form, Items, Store, Key);
}
