#include "framework/objects/Collection.h"

#include <algorithm>

QV_IMPLEMENT_CLASS_NOPROPS(TCollectionItem)
QV_IMPLEMENT_CLASS_NOPROPS(TCollection)

// ---------------------------------------------------------------------------
// TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection) { SetCollection(Collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value)
{
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
  const int cur = Index();
  if (cur < 0 || Value == cur) return;
  auto& items = FCollection->FItems;
  if (Value < 0 || Value >= static_cast<int>(items.size()))
    throw EListError("List index out of bounds (" + std::to_string(Value) + ")");
  items.erase(items.begin() + cur);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

std::string TCollectionItem::DisplayName() const { return ClassName(); }

std::string TCollectionItem::GetNamePath() const
{
  if (!FCollection) return ClassName();
  return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool AllItems)
{
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

// ---------------------------------------------------------------------------
// TCollection

TCollection::TCollection(const TClassInfo& ItemClass, TPersistent* Owner) : FItemClass(ItemClass), FOwner(Owner)
{
  if (!ItemClass.InheritsFrom(TCollectionItem::StaticClass()) || !ItemClass.CreateItem)
    throw EListError("Class " + ItemClass.ClassName + " cannot be a collection item");
}

TCollection::~TCollection()
{
  FUpdateCount = 1;  // no change notices while tearing down
  while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int Index) const
{
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add()
{
  TObject* object = FItemClass.CreateItem(this);
  return static_cast<TCollectionItem*>(object);
}

TCollectionItem* TCollection::Insert(int Index)
{
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) { delete Items(Index); }

void TCollection::Clear()
{
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
  for (TCollectionItem* item : FItems)
    if (item->FID == ID) return item;
  return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate()
{
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(TPersistent* Source)
{
  auto* other = dynamic_cast<TCollection*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : other->FItems) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::string TCollection::GetNamePath() const
{
  if (!FOwner) return ClassName();
  const std::string owner = FOwner->GetNamePath();
  if (owner.empty()) return ClassName();
  return PropName.empty() ? owner : owner + "." + PropName;
}

void TCollection::Update(TCollectionItem*) { OnChange(this); }

void TCollection::InsertItem(TCollectionItem* Item)
{
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
  FItems.erase(std::remove(FItems.begin(), FItems.end(), Item), FItems.end());
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::Changed()
{
  if (FUpdateCount == 0) Update(nullptr);
}
