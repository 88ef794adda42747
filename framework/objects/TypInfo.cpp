#include "framework/objects/TypInfo.h"

#include <deque>

#include "framework/objects/StdIdents.h"
#include "framework/objects/SysUtils.h"

namespace {

// Types made at run time live here for the whole run; a deque keeps their
// addresses stable as more are added.
std::deque<TTypeInfo>& TypeStore()
{
  static std::deque<TTypeInfo> store;
  return store;
}

const TTypeInfo* Store(TTypeInfo Info)
{
  TypeStore().push_back(std::move(Info));
  return &TypeStore().back();
}

[[noreturn]] void NoAccess(const TPropInfo& Prop, const char* What)
{
  throw EPropertyError("Property " + Prop.Name + " has no " + What + " access");
}

const TIdentMapping ColorIdents{ColorToIdent, IdentToColor};
const TIdentMapping CursorIdents{CursorToIdent, IdentToCursor};
const TIdentMapping CharsetIdents{CharsetToIdent, IdentToCharset};

}  // namespace

const TTypeInfo* NewIntegerType(std::string Name, TOrdType OrdType, int64_t MinValue, int64_t MaxValue,
                                const TIdentMapping* Idents)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = tkInteger;
  t.OrdType = OrdType;
  t.MinValue = MinValue;
  t.MaxValue = MaxValue;
  t.Idents = Idents;
  return Store(std::move(t));
}

const TTypeInfo* NewEnumType(std::string Name, std::vector<std::string> Names)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = tkEnumeration;
  t.OrdType = Names.size() <= 256 ? otUByte : otUWord;
  t.MinValue = 0;
  t.MaxValue = static_cast<int64_t>(Names.size()) - 1;
  t.EnumNames = std::move(Names);
  return Store(std::move(t));
}

const TTypeInfo* NewSetType(std::string Name, const TTypeInfo* CompType)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = tkSet;
  t.OrdType = otULong;
  t.CompType = CompType;
  return Store(std::move(t));
}

const TTypeInfo* NewMethodType(std::string Name)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = tkMethod;
  return Store(std::move(t));
}

const TTypeInfo* NewFloatType(std::string Name)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = tkFloat;
  return Store(std::move(t));
}

namespace {
const TTypeInfo* NewKind(std::string Name, TTypeKind Kind, TOrdType OrdType, int64_t Min, int64_t Max)
{
  TTypeInfo t;
  t.Name = std::move(Name);
  t.Kind = Kind;
  t.OrdType = OrdType;
  t.MinValue = Min;
  t.MaxValue = Max;
  return Store(std::move(t));
}
}  // namespace

const TTypeInfo* TypeInfo_Integer()
{
  static const TTypeInfo* t = NewIntegerType("Integer", otSLong, INT32_MIN, INT32_MAX);
  return t;
}
const TTypeInfo* TypeInfo_Cardinal()
{
  static const TTypeInfo* t = NewIntegerType("Cardinal", otULong, 0, UINT32_MAX);
  return t;
}
const TTypeInfo* TypeInfo_SmallInt()
{
  static const TTypeInfo* t = NewIntegerType("SmallInt", otSWord, INT16_MIN, INT16_MAX);
  return t;
}
const TTypeInfo* TypeInfo_Word()
{
  static const TTypeInfo* t = NewIntegerType("Word", otUWord, 0, UINT16_MAX);
  return t;
}
const TTypeInfo* TypeInfo_ShortInt()
{
  static const TTypeInfo* t = NewIntegerType("ShortInt", otSByte, INT8_MIN, INT8_MAX);
  return t;
}
const TTypeInfo* TypeInfo_Byte()
{
  static const TTypeInfo* t = NewIntegerType("Byte", otUByte, 0, UINT8_MAX);
  return t;
}
const TTypeInfo* TypeInfo_Char()
{
  static const TTypeInfo* t = NewKind("Char", tkChar, otUByte, 0, 255);
  return t;
}
const TTypeInfo* TypeInfo_WideChar()
{
  static const TTypeInfo* t = NewKind("WideChar", tkWChar, otUWord, 0, 65535);
  return t;
}
const TTypeInfo* TypeInfo_Boolean()
{
  static const TTypeInfo* t = NewEnumType("Boolean", {"False", "True"});
  return t;
}
const TTypeInfo* TypeInfo_Double()
{
  static const TTypeInfo* t = NewFloatType("Double");
  return t;
}
const TTypeInfo* TypeInfo_Extended()
{
  static const TTypeInfo* t = NewFloatType("Extended");
  return t;
}
const TTypeInfo* TypeInfo_String()
{
  static const TTypeInfo* t = NewKind("string", tkLString, otSLong, 0, 0);
  return t;
}
const TTypeInfo* TypeInfo_ShortString()
{
  static const TTypeInfo* t = NewKind("ShortString", tkString, otUByte, 0, 255);
  return t;
}
const TTypeInfo* TypeInfo_TColor()
{
  static const TTypeInfo* t = NewIntegerType("TColor", otSLong, INT32_MIN, INT32_MAX, &ColorIdents);
  return t;
}
const TTypeInfo* TypeInfo_TCursor()
{
  static const TTypeInfo* t = NewIntegerType("TCursor", otSWord, INT16_MIN, INT16_MAX, &CursorIdents);
  return t;
}
const TTypeInfo* TypeInfo_TFontCharset()
{
  static const TTypeInfo* t = NewIntegerType("TFontCharset", otUByte, 0, 255, &CharsetIdents);
  return t;
}
const TTypeInfo* TypeInfo_TNotifyEvent()
{
  static const TTypeInfo* t = NewMethodType("TNotifyEvent");
  return t;
}
const TTypeInfo* TypeInfo_TAlignment()
{
  static const TTypeInfo* t = NewEnumType("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return t;
}

// ---------------------------------------------------------------------------

std::string GetEnumName(const TTypeInfo* Type, int64_t Value)
{
  if (!Type || Type->Kind != tkEnumeration || Value < Type->MinValue || Value > Type->MaxValue) return std::string();
  return Type->EnumNames[static_cast<size_t>(Value - Type->MinValue)];
}

int64_t GetEnumValue(const TTypeInfo* Type, std::string_view Name)
{
  if (!Type || Type->Kind != tkEnumeration) return -1;
  for (size_t i = 0; i < Type->EnumNames.size(); ++i)
    if (SameText(Type->EnumNames[i], Name)) return Type->MinValue + static_cast<int64_t>(i);
  return -1;
}

std::string SetToString(const TTypeInfo* SetType, uint32_t Value, bool Brackets)
{
  std::string r;
  const TTypeInfo* comp = SetType ? SetType->CompType : nullptr;
  for (int bit = 0; bit < 32; ++bit) {
    if (!(Value & (uint32_t(1) << bit))) continue;
    const std::string name = GetEnumName(comp, bit);
    if (name.empty()) continue;
    if (!r.empty()) r += ',';
    r += name;
  }
  return Brackets ? "[" + r + "]" : r;
}

// ---------------------------------------------------------------------------

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const
{
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (c == &Other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view OtherName) const
{
  for (const TClassInfo* c = this; c; c = c->Parent)
    if (SameText(c->ClassName, OtherName)) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view Name) const
{
  for (auto it = Props.rbegin(); it != Props.rend(); ++it)
    if (SameText((*it)->Name, Name)) return *it;
  return nullptr;
}

const TMethodEntry* TClassInfo::FindMethod(std::string_view Name) const
{
  for (const TClassInfo* c = this; c; c = c->Parent)
    for (const TMethodEntry& m : c->Methods)
      if (SameText(m.Name, Name)) return &m;
  return nullptr;
}

void FinishClassInfo(TClassInfo& Info)
{
  Info.TypeInfo.Name = Info.ClassName;
  Info.TypeInfo.Kind = tkClass;
  Info.TypeInfo.ClassType = &Info;
  if (Info.Parent) Info.Props = Info.Parent->Props;
  for (const TPropInfo& p : Info.OwnProps) {
    // A redeclared property replaces the inherited one in its old place.
    bool replaced = false;
    for (const TPropInfo*& q : Info.Props)
      if (SameText(q->Name, p.Name)) {
        q = &p;
        replaced = true;
      }
    if (!replaced) Info.Props.push_back(&p);
  }
}

// ---------------------------------------------------------------------------

int64_t GetOrdProp(TObject& Instance, const TPropInfo& Prop)
{
  if (!Prop.GetOrd) NoAccess(Prop, "ordinal read");
  return Prop.GetOrd(Instance);
}

void SetOrdProp(TObject& Instance, const TPropInfo& Prop, int64_t Value)
{
  if (!Prop.SetOrd) NoAccess(Prop, "ordinal write");
  Prop.SetOrd(Instance, Value);
}

std::string GetStrProp(TObject& Instance, const TPropInfo& Prop)
{
  if (!Prop.GetStr) NoAccess(Prop, "string read");
  return Prop.GetStr(Instance);
}

void SetStrProp(TObject& Instance, const TPropInfo& Prop, const std::string& Value)
{
  if (!Prop.SetStr) NoAccess(Prop, "string write");
  Prop.SetStr(Instance, Value);
}

double GetFloatProp(TObject& Instance, const TPropInfo& Prop)
{
  if (!Prop.GetFloat) NoAccess(Prop, "float read");
  return Prop.GetFloat(Instance);
}

void SetFloatProp(TObject& Instance, const TPropInfo& Prop, double Value)
{
  if (!Prop.SetFloat) NoAccess(Prop, "float write");
  Prop.SetFloat(Instance, Value);
}

TObject* GetObjectProp(TObject& Instance, const TPropInfo& Prop)
{
  if (!Prop.GetObj) NoAccess(Prop, "object read");
  return Prop.GetObj(Instance);
}

void SetObjectProp(TObject& Instance, const TPropInfo& Prop, TObject* Value)
{
  if (!Prop.SetObj) NoAccess(Prop, "object write");
  Prop.SetObj(Instance, Value);
}

TMethod GetMethodProp(TObject& Instance, const TPropInfo& Prop)
{
  if (!Prop.GetMeth) NoAccess(Prop, "method read");
  return Prop.GetMeth(Instance);
}

void SetMethodProp(TObject& Instance, const TPropInfo& Prop, const TMethod& Value)
{
  if (!Prop.SetMeth) NoAccess(Prop, "method write");
  Prop.SetMeth(Instance, Value);
}

bool IsStoredProp(TObject& Instance, const TPropInfo& Prop)
{
  if (Prop.StoredFn) return Prop.StoredFn(Instance);
  return Prop.StoredConst;
}

bool IsDefaultPropValue(TObject& Instance, const TPropInfo& Prop)
{
  switch (Prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkWChar: return Prop.HasDefault && Prop.GetOrd && Prop.GetOrd(Instance) == Prop.Default;
    case tkFloat: return !Prop.NoDefault && Prop.GetFloat && Prop.GetFloat(Instance) == 0.0;
    case tkString:
    case tkLString: return !Prop.NoDefault && Prop.GetStr && Prop.GetStr(Instance).empty();
    case tkClass: return !Prop.NoDefault && Prop.GetObj && Prop.GetObj(Instance) == nullptr;
    case tkMethod: return !Prop.NoDefault && Prop.GetMeth && !Prop.GetMeth(Instance).Assigned();
    default: return true;
  }
}
