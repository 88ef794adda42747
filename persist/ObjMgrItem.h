#pragma once
#include <string>
#include <string_view>

// One `TObjMgr` item: target;property;registry key;value name;default;reserved.
// Fields follow the same reading rule as persistence items.
struct TObjMgrItem {
  std::string Target;     // 0: the owner form's own name, or an owned component's
  std::string Property;   // 1
  std::string Key;        // 2: below HKEY_CURRENT_USER
  std::string ValueName;  // 3
  std::string Default;    // 4: applied when the key or value is missing
  std::string Reserved5;

  static TObjMgrItem Parse(std::string_view Line);
  bool InUse() const;
  // The form itself is named exactly; any other spelling names a component.
  bool TargetsForm(std::string_view FormName) const { return Target == FormName; }
};
