#pragma once
#include <string>
#include <vector>

#include "framework/objects/Classes.h"
#include "persist/PersistItem.h"
#include "persist/SettingsStore.h"

// The item transfers of the persistence component, free of Windows: the
// component supplies its owner form, its item lines, a store and the key.
// Every item's failure is caught and the item skipped; the others go on.

// Target of an item: the form for "(TForm)", else the form's owned component
// of that name (letter case ignored); nullptr when there is none.
TComponent* FindItemTarget(TComponent& Form, const std::string& Component);
// The same as a finder for the item walk (ItemWalk.h).
inline auto ItemTargetIn(TComponent& Form)
{
  return [&Form](const ToxPersistItem& Item) { return FindItemTarget(Form, Item.Component); };
}

// Writes every item in use that is not load-only: plain properties as string
// values, object-valued ones as binary blobs, below Key (created when missing).
void SaveItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key);

// Applies every item in use whose value exists below Key (never created).
void LoadItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store, const std::string& Key);

// The settings-file transfers: an existing file is loaded first so entries of
// other forms stay; a missing file starts an empty store. Failures of the
// file itself reach the caller.
void SaveItemsToFile(TComponent& Form, const std::vector<std::string>& Items, const std::string& FileName,
                     const std::string& Key);
void LoadItemsFromFile(TComponent& Form, const std::vector<std::string>& Items, const std::string& FileName,
                       const std::string& Key);
