#pragma once
#include <string>
#include <vector>

#include "framework/objects/Classes.h"
#include "persist/SettingsStore.h"

// The object manager's transfers, free of Windows: each item names its own
// key (below HKEY_CURRENT_USER on the Win32 side) and carries a default.
// Every item's failure is caught and the item skipped.

// The form when Target is exactly its name, else its owned component of that
// name (letter case ignored); nullptr when there is none.
TComponent* FindObjMgrTarget(TComponent& Form, const std::string& Target);

// Applies the stored text, or the item's default when key or value is missing.
void LoadObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store);
// Writes every item's current value as a string (empty for unsupported kinds).
void SaveObjMgrItems(TComponent& Form, const std::vector<std::string>& Items, TSettingsStore& Store);
