#include "persist/PersistTransfer.h"

#include "framework/objects/Streams.h"
#include "persist/ObjectBlob.h"
#include "persist/PersistItem.h"
#include "persist/PropText.h"

namespace {

struct TItemTarget {
  ToxPersistItem Item;
  TComponent* Target = nullptr;
  const TPropInfo* Prop = nullptr;
};

bool Resolve(TComponent& Form, const std::string& Line, TItemTarget& Result)
{
  Result.Item = ToxPersistItem::Parse(Line);
  if (!Result.Item.InUse()) return false;
  Result.Target = FindItemTarget(Form, Result.Item.Component);
  Result.Prop = Result.Target ? GetPropInfo(*Result.Target, Result.Item.Property) : nullptr;
  return Result.Prop != nullptr;
}

void SaveItem(const TItemTarget& T, TSettingsStore& Store, const std::string& Key)
{
  Store.CloseKey();
  if (!Store.OpenKey(Key, true)) return;
  if (T.Prop->Kind() != tkClass) {
    Store.WriteString(T.Item.ValueName, GetPropAsString(*T.Target, *T.Prop));
    return;
  }
  TMemoryStream Blob;
  if (WriteObjectProp(*T.Target, *T.Prop, Blob) != -1) Store.WriteBinary(T.Item.ValueName, Blob.DataString());
}

void LoadItem(const TItemTarget& T, TSettingsStore& Store, const std::string& Key)
{
  Store.CloseKey();
  if (!Store.OpenKey(Key, false) || !Store.ValueExists(T.Item.ValueName)) return;
  if (T.Prop->Kind() != tkClass) {
    SetPropFromString(*T.Target, *T.Prop, Store.ReadString(T.Item.ValueName));
    return;
  }
  const std::string Blob = Store.ReadBinary(T.Item.ValueName);
  TReadOnlyMemoryStream Stream(Blob.data(), static_cast<int64_t>(Blob.size()));
  ReadObjectProp(*T.Target, *T.Prop, Stream);
}

}  // namespace

TComponent* FindItemTarget(TComponent& Form, const std::string& Component)
{
  if (Component == ToxPersistItem::FormTarget) return &Form;
  return Form.FindComponent(Component);
}

void SaveItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key)
{
  for (const std::string& Line : Items) {
    TItemTarget T;
    if (!Resolve(Form, Line, T) || T.Item.IsLoadOnly()) continue;
    try {
      SaveItem(T, Store, Key);
    } catch (const std::exception&) {
      // A failing item is skipped; the others are still written.
    }
  }
}

void LoadItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key)
{
  for (const std::string& Line : Items) {
    TItemTarget T;
    if (!Resolve(Form, Line, T)) continue;
    try {
      LoadItem(T, Store, Key);
    } catch (const std::exception&) {
      // A failing item is skipped; the others are still applied.
    }
  }
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
