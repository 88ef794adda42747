#pragma once
// TObjMgr: keeps numbers, characters and strings of its owner form and the
// form's components in the registry below HKEY_CURRENT_USER. Each item names
// its own key and a default; the owner calls Load and Save itself.
#include <memory>

#include "framework/objects/Classes.h"
#include "framework/objects/StringList.h"

class TObjMgr : public TComponent {
  QV_CLASS(TObjMgr, TComponent)
public:
  explicit TObjMgr(TComponent* AOwner);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }

  // Both do nothing without an owner: the items name its components.
  void Load();
  void Save();

private:
  std::unique_ptr<TStringList> FItems;
};
