#include "persist/ObjMgrItem.h"

#include "persist/PersistItem.h"

TObjMgrItem TObjMgrItem::Parse(std::string_view Line)
{
  TObjMgrItem Item;
  Item.Target = ItemField(Line, 0);
  Item.Property = ItemField(Line, 1);
  Item.Key = ItemField(Line, 2);
  Item.ValueName = ItemField(Line, 3);
  Item.Default = ItemField(Line, 4);
  Item.Reserved5 = ItemField(Line, 5);
  return Item;
}

bool TObjMgrItem::InUse() const { return !Target.empty() || !Property.empty() || !Key.empty() || !ValueName.empty(); }
