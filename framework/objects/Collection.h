#pragma once
// Collections: an owned list of items of one class, each item a persistent
// object with published properties. The object stream writes a collection as
// tag 14 followed by one property list per item.

#include <string>
#include <vector>

#include "framework/objects/Classes.h"

class TCollection;

class TCollectionItem : public TPersistent {
  QV_CLASS(TCollectionItem, TPersistent)
public:
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return FCollection; }
  void SetCollection(TCollection* Value);
  int Index() const;
  void SetIndex(int Value);
  int ID() const { return FID; }
  virtual std::string DisplayName() const;
  std::string GetNamePath() const override;
  TPersistent* GetOwner() const override;

protected:
  // Tells the collection that this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  QV_CLASS(TCollection, TPersistent)
public:
  // ItemClass must derive from TCollectionItem and have a constructor taking
  // the collection. Owner (may be null) is reported through GetOwner.
  explicit TCollection(const TClassInfo& ItemClass, TPersistent* Owner = nullptr);
  ~TCollection() override;

  const TClassInfo& ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;  // EListError when out of range
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;
  std::string GetNamePath() const override;
  TPersistent* GetOwner() const override { return FOwner; }
  // Name of the owner's property that holds this collection (for name paths).
  std::string PropName;

  // Called after a change of Item, or of the whole collection when Item is null.
  virtual void Update(TCollectionItem* Item);
  TNotifyEvent OnChange;

private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void Changed();

  const TClassInfo& FItemClass;
  TPersistent* FOwner;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};
