#include "persist/PropText.h"

#include "persist/ValueText.h"

namespace {

std::string CharText(TObject& Instance, const TPropInfo& Prop)
{
  const char C = static_cast<char>(GetOrdProp(Instance, Prop));
  // A NUL cannot travel in a stored text; it reads back as "unchanged".
  return C == '\0' ? std::string() : std::string(1, C);
}

// Characters and strings are applied alike by both users.
bool SetCharOrString(TObject& Instance, const TPropInfo& Prop, std::string_view Text)
{
  switch (Prop.Kind()) {
    case tkChar:
      if (!Text.empty()) SetOrdProp(Instance, Prop, static_cast<unsigned char>(Text.front()));
      return true;
    case tkString:
    case tkLString: SetStrProp(Instance, Prop, std::string(Text)); return true;
    default: return false;
  }
}

}  // namespace

std::string GetPropAsString(TObject& Instance, const TPropInfo& Prop)
{
  switch (Prop.Kind()) {
    case tkEnumeration: return GetEnumName(Prop.PropType, GetOrdProp(Instance, Prop));
    case tkSet: return SetToString(Prop.PropType, static_cast<uint32_t>(GetOrdProp(Instance, Prop)));
    default: return GetObjMgrPropAsString(Instance, Prop);
  }
}

void SetPropFromString(TObject& Instance, const TPropInfo& Prop, std::string_view Text)
{
  if (SetCharOrString(Instance, Prop, Text)) return;
  std::optional<int64_t> Value;
  switch (Prop.Kind()) {
    case tkInteger: Value = DecodeIntegerText(*Prop.PropType, Text); break;
    case tkEnumeration:
      // An unknown name (-1) leaves the property as it is.
      if (const int64_t Ordinal = GetEnumValue(Prop.PropType, Text); Ordinal >= 0) Value = Ordinal;
      break;
    case tkSet: Value = ParseSetText(*Prop.PropType, Text); break;
    default: break;
  }
  if (Value) SetOrdProp(Instance, Prop, *Value);
}

std::string GetObjMgrPropAsString(TObject& Instance, const TPropInfo& Prop)
{
  switch (Prop.Kind()) {
    case tkInteger: return EncodeIntegerText(*Prop.PropType, GetOrdProp(Instance, Prop));
    case tkChar: return CharText(Instance, Prop);
    case tkString:
    case tkLString: return GetStrProp(Instance, Prop);
    default: return std::string();
  }
}

void SetObjMgrPropFromString(TObject& Instance, const TPropInfo& Prop, std::string_view Text)
{
  if (SetCharOrString(Instance, Prop, Text)) return;
  if (Prop.Kind() == tkInteger)
    if (std::optional<int32_t> Value = DecodeObjMgrIntegerText(*Prop.PropType, Text))
      SetOrdProp(Instance, Prop, *Value);
}
