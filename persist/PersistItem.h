#pragma once
#include <string>
#include <string_view>
#include <vector>

// The text form of persistence items: lines of ";"-separated fields. A field is
// read trimmed of blanks and control characters; a field beyond the last ";"
// reads as empty.

// Field Index (from 0) of Line, trimmed.
std::string ItemField(std::string_view Line, size_t Index);

// Line with the raw text between the Index-th and (Index+1)-th ";" replaced by
// Text; the rest of the line stays as it was. Missing separators are added.
std::string ReplaceItemField(std::string_view Line, size_t Index, std::string_view Text);

// One `ToxPersist` item, ten fields.
struct ToxPersistItem {
  static constexpr std::string_view FormTarget = "(TForm)";
  static constexpr size_t FieldCount = 10;

  std::string Component;  // 0: owned component's name, or "(TForm)"
  std::string Property;   // 1: design-time property name
  std::string IconCode;   // 2: setup-dialog icon, not used for storage
  std::string ValueName;  // 3: name the value is stored under
  std::string Reserved4;
  std::string Reserved5;
  std::string LoadOnly;     // 6: "1" = loaded, never saved
  std::string InSetup;      // 7: "1" = offered in the setup dialog
  std::string Description;  // 8
  std::string Reserved9;

  static ToxPersistItem Parse(std::string_view Line);
  std::string Format() const;  // ten fields, nine separators

  bool InUse() const;
  bool IsLoadOnly() const { return LoadOnly == "1"; }
  bool IsInSetup() const { return InSetup == "1"; }
  bool TargetsForm() const { return Component == FormTarget; }
  // Name of the icon bitmap ("PROP_104"), or empty when field 2 is not a positive number.
  std::string IconResourceName() const;
};

// The name a form contributes to item targets and automatic key names: its own
// name, or for an unnamed form its class name without the leading "T".
std::string FormItemName(std::string_view FormName, std::string_view FormClassName);

// Rewrites field 0 to "(TForm)" in every item in use whose field 0 is exactly
// FormName (as given by FormItemName). Returns whether any line changed.
bool FixUpFormItems(std::vector<std::string>& Items, std::string_view FormName);

// `RegistryKey` assignment: a text different from the current one is normalised
// (backslash runs collapsed, one leading and one trailing backslash removed).
std::string AssignRegistryKey(std::string_view Current, std::string_view NewKey);

// Key name used with automatic keys: form name + "\" + component name.
std::string AutoKeyName(std::string_view FormName, std::string_view ComponentName);

// Registry key with automatic keys: "Software\" + executable file name + "\" + key name.
std::string AutoRegistryKey(std::string_view ExePath, std::string_view KeyName);

// Settings file beside the executable: its path with the extension replaced by ".oxp".
std::string AutoSettingsFileName(std::string_view ExePath);

// File-name part of a path (after the last "\", "/" or ":").
std::string ExtractFileName(std::string_view Path);

// Path with its extension (from the last "." of the file-name part) replaced by Ext.
std::string ChangeFileExt(std::string_view Path, std::string_view Ext);
