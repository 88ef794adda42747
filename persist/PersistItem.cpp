#include "persist/PersistItem.h"

#include <array>

#include "framework/objects/SysUtils.h"
#include "persist/PersistText.h"

namespace {

constexpr char Separator = ';';

// Start and end offsets of the raw text of field Index; npos when the line has
// fewer fields.
bool FindField(std::string_view Line, size_t Index, size_t& Start, size_t& End)
{
  Start = 0;
  for (size_t Field = 0; Field < Index; ++Field) {
    size_t Sep = Line.find(Separator, Start);
    if (Sep == std::string_view::npos) return false;
    Start = Sep + 1;
  }
  End = Line.find(Separator, Start);
  if (End == std::string_view::npos) End = Line.size();
  return true;
}

bool IsDecimalPositive(std::string_view Text)
{
  if (Text.empty() || Text.size() > 9) return false;
  bool NonZero = false;
  for (char C : Text) {
    if (C < '0' || C > '9') return false;
    NonZero = NonZero || C != '0';
  }
  return NonZero;
}

size_t FileNameStart(std::string_view Path)
{
  size_t Delim = Path.find_last_of("\\/:");
  return Delim == std::string_view::npos ? 0 : Delim + 1;
}

}  // namespace

std::string ItemField(std::string_view Line, size_t Index)
{
  size_t Start, End;
  if (!FindField(Line, Index, Start, End)) return std::string();
  return Trim(Line.substr(Start, End - Start));
}

std::string ReplaceItemField(std::string_view Line, size_t Index, std::string_view Text)
{
  std::string Result(Line);
  size_t Start, End;
  while (!FindField(Result, Index, Start, End)) Result += Separator;
  Result.replace(Start, End - Start, Text);
  return Result;
}

ToxPersistItem ToxPersistItem::Parse(std::string_view Line)
{
  ToxPersistItem Item;
  std::array<std::string*, FieldCount> Fields = {&Item.Component,   &Item.Property,  &Item.IconCode, &Item.ValueName,
                                                 &Item.Reserved4,   &Item.Reserved5, &Item.LoadOnly, &Item.InSetup,
                                                 &Item.Description, &Item.Reserved9};
  for (size_t I = 0; I < FieldCount; ++I) *Fields[I] = ItemField(Line, I);
  return Item;
}

std::string ToxPersistItem::Format() const
{
  return Component + ';' + Property + ';' + IconCode + ';' + ValueName + ';' + Reserved4 + ';' + Reserved5 + ';' +
         LoadOnly + ';' + InSetup + ';' + Description + ';' + Reserved9;
}

bool ToxPersistItem::InUse() const { return !Component.empty() || !Property.empty() || !ValueName.empty(); }

std::string ToxPersistItem::IconResourceName() const
{
  // Leading zeros are accepted as a number but the resource is named by the field's text.
  return IsDecimalPositive(IconCode) ? "PROP_" + IconCode : std::string();
}

std::string FormItemName(std::string_view FormName, std::string_view FormClassName)
{
  if (!FormName.empty()) return std::string(FormName);
  return std::string(FormClassName.empty() ? FormClassName : FormClassName.substr(1));
}

bool FixUpFormItems(std::vector<std::string>& Items, std::string_view FormName)
{
  bool Changed = false;
  if (FormName.empty())  // an empty field 0 must never be taken for the form
    return false;
  for (std::string& Line : Items) {
    ToxPersistItem Item = ToxPersistItem::Parse(Line);
    if (Item.InUse() && !Item.TargetsForm() && Item.Component == FormName) {
      Line = ReplaceItemField(Line, 0, ToxPersistItem::FormTarget);
      Changed = true;
    }
  }
  return Changed;
}

std::string AssignRegistryKey(std::string_view Current, std::string_view NewKey)
{
  return NewKey == Current ? std::string(Current) : NormaliseKeyPath(NewKey);
}

std::string AutoKeyName(std::string_view FormName, std::string_view ComponentName)
{
  return std::string(FormName) + '\\' + std::string(ComponentName);
}

std::string AutoRegistryKey(std::string_view ExePath, std::string_view KeyName)
{
  return "Software\\" + ExtractFileName(ExePath) + '\\' + std::string(KeyName);
}

std::string AutoSettingsFileName(std::string_view ExePath) { return ChangeFileExt(ExePath, ".oxp"); }

std::string ExtractFileName(std::string_view Path) { return std::string(Path.substr(FileNameStart(Path))); }

std::string ChangeFileExt(std::string_view Path, std::string_view Ext)
{
  size_t Dot = Path.find_last_of('.');
  if (Dot == std::string_view::npos || Dot < FileNameStart(Path)) Dot = Path.size();
  return std::string(Path.substr(0, Dot)) + std::string(Ext);
}
