#pragma once
// One walk over persistence items for the persistence component, its setup
// dialog and the object manager: each item is resolved to the live property
// it names, and the failure of one item skips only that item.
#include <exception>
#include <string>
#include <vector>

#include "framework/objects/Classes.h"

// Resolves Item (the target FindTarget(Item) gives, then that target's
// property Item.Property) and calls Act(Target, Prop). An item without target
// or property is skipped, and so is one whose resolving or action throws.
// Returns whether Act ran to its end.
template <class TItem, class TFind, class TAct> bool WithItemProperty(const TItem& Item, TFind FindTarget, TAct Act)
{
  try {
    TComponent* Target = FindTarget(Item);
    const TPropInfo* Prop = Target ? GetPropInfo(*Target, Item.Property) : nullptr;
    if (!Prop) return false;
    Act(*Target, *Prop);
    return true;
  } catch (const std::exception&) {
    return false;  // the other items still go on
  }
}

// The same for every item in use among Lines (each read with TItem::Parse);
// Act receives the item too: Act(Item, Target, Prop).
template <class TItem, class TFind, class TAct>
void ForEachItemProperty(const std::vector<std::string>& Lines, TFind FindTarget, TAct Act)
{
  for (const std::string& Line : Lines) {
    const TItem Item = TItem::Parse(Line);
    if (!Item.InUse()) continue;
    WithItemProperty(Item, FindTarget, [&](TComponent& Target, const TPropInfo& Prop) { Act(Item, Target, Prop); });
  }
}
