#pragma once
// Run-time information about design-time ("published") properties.
//
// Declaring properties for a new class (once, beside the class; subclasses
// inherit them in declaration order, base class first):
//
//   // Thing.h
//   class TThing : public TComponent {
//     QV_CLASS(TThing, TComponent)
//   public:
//     explicit TThing(TComponent* AOwner);
//     int FWidth = 17;
//     TColor GetColor() const;  void SetColor(TColor Value);
//     TFont* GetFont() const;   void SetFont(TFont* Value);   // copies
//     TNotifyEvent FOnClick;
//     void ButtonClick(TObject* Sender);
//   };
//
//   // Thing.cpp
//   QV_IMPLEMENT_CLASS(TThing)
//   void TThing::DeclareProperties(TClassBuilder<TThing>& c)
//   {
//     c.Ordinal("Width", TypeInfo_Word(), &TThing::FWidth).Default(17);
//     c.Ordinal("Color", TypeInfo_TColor(), &TThing::GetColor, &TThing::SetColor);
//     c.Boolean("Visible", &TThing::FVisible).Default(true);
//     c.String("Caption", &TThing::FCaption).Stored(&TThing::IsCaptionStored);
//     c.Object("Font", TFont::StaticClass(), &TThing::GetFont, &TThing::SetFont);
//     c.Event("OnClick", TypeInfo_TNotifyEvent(), &TThing::FOnClick);
//     c.Method("ButtonClick", &TThing::ButtonClick);  // handler a form file may name
//   }
//
// A class without properties uses QV_IMPLEMENT_CLASS_NOPROPS(TThing) instead.
// Getters and setters may be data members, member functions, or callables taking
// (TThing&) and (TThing&, value). Enumeration and set types are made once with
// NewEnumType / NewSetType inside a function-local static (see Font.cpp).
//
// Default rules used by the writer: an ordinal property is written unless it
// has a Default() equal to its value; a string is written when not empty, a
// float when not 0, an object when not nil, an event when assigned, unless
// NoDefault() says "always". Stored(false) or a Stored predicate suppresses
// writing entirely.

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "framework/objects/Exceptions.h"

class TObject;
class TPersistent;
class TComponent;
class TCollection;
class TClassInfo;
template <class C> class TClassBuilder;

enum TTypeKind {
  tkUnknown,
  tkInteger,
  tkChar,
  tkEnumeration,
  tkFloat,
  tkString,
  tkSet,
  tkClass,
  tkMethod,
  tkWChar,
  tkLString
};

// Storage size and signedness of an ordinal type.
enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };

// Standard identifiers of an integer type (colour names, cursor names, ...).
struct TIdentMapping {
  bool (*ToIdent)(int32_t Value, std::string& Ident);
  bool (*FromIdent)(std::string_view Ident, int32_t& Value);
};

struct TTypeInfo {
  std::string Name;  // "TColor", "Boolean", "TFontStyles"
  TTypeKind Kind = tkUnknown;
  TOrdType OrdType = otSLong;
  int64_t MinValue = 0;
  int64_t MaxValue = 0;
  std::vector<std::string> EnumNames;     // tkEnumeration: name of MinValue + i
  const TTypeInfo* CompType = nullptr;    // tkSet: the member type
  const TClassInfo* ClassType = nullptr;  // tkClass
  const TIdentMapping* Idents = nullptr;  // tkInteger with standard identifiers
};

// A small set of enumeration values stored as bits (bit n = ordinal n), the
// same layout the object stream and the text encodings use.
template <class E> class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> Items)
  {
    for (E e : Items) FBits |= Bit(e);
  }
  static constexpr TSet FromInt(uint32_t Bits)
  {
    TSet s;
    s.FBits = Bits;
    return s;
  }
  constexpr uint32_t ToInt() const { return FBits; }
  constexpr bool Contains(E e) const { return (FBits & Bit(e)) != 0; }
  constexpr bool Empty() const { return FBits == 0; }
  constexpr TSet& Include(E e)
  {
    FBits |= Bit(e);
    return *this;
  }
  constexpr TSet& Exclude(E e)
  {
    FBits &= ~Bit(e);
    return *this;
  }
  constexpr TSet operator+(TSet o) const { return FromInt(FBits | o.FBits); }
  constexpr TSet operator-(TSet o) const { return FromInt(FBits & ~o.FBits); }
  constexpr TSet operator*(TSet o) const { return FromInt(FBits & o.FBits); }
  constexpr bool operator==(const TSet&) const = default;

private:
  static constexpr uint32_t Bit(E e) { return uint32_t(1) << static_cast<unsigned>(e); }
  uint32_t FBits = 0;
};

// A method value as the reflection moves it: the handler's published name
// (what the object stream writes) and the callable, a std::function of the
// event's own signature held in std::any.
struct TMethod {
  std::string Name;
  std::any Code;
  bool Assigned() const { return Code.has_value(); }
};

// An event field. Calling an unassigned event does nothing, so callers write
// `OnChange(this)` without a test.
template <class Sig> class TEvent;
template <class R, class... A> class TEvent<R(A...)> {
public:
  using Function = std::function<R(A...)>;
  TEvent() = default;
  template <class F, class = std::enable_if_t<std::is_constructible_v<Function, F>>>
  TEvent(F f) : FFunction(std::move(f))
  {}
  template <class F, class = std::enable_if_t<std::is_constructible_v<Function, F>>> TEvent& operator=(F f)
  {
    FFunction = Function(std::move(f));
    FName.clear();
    return *this;
  }
  explicit operator bool() const { return static_cast<bool>(FFunction); }
  R operator()(A... Args) const
  {
    if (!FFunction) return R();
    return FFunction(std::forward<A>(Args)...);
  }
  const std::string& MethodName() const { return FName; }
  void Clear()
  {
    FFunction = nullptr;
    FName.clear();
  }
  TMethod GetMethod() const
  {
    TMethod m;
    m.Name = FName;
    if (FFunction) m.Code = FFunction;
    return m;
  }
  void SetMethod(const TMethod& m)
  {
    if (!m.Code.has_value()) {
      Clear();
      return;
    }
    const Function* f = std::any_cast<Function>(&m.Code);
    if (!f) throw EPropertyError("Method '" + m.Name + "' does not fit this event");
    FFunction = *f;
    FName = m.Name;
  }

private:
  Function FFunction;
  std::string FName;
};

using TNotifyEvent = TEvent<void(TObject* Sender)>;

struct TPropInfo {
  std::string Name;
  const TTypeInfo* PropType = nullptr;
  const TClassInfo* DeclaringClass = nullptr;

  std::function<int64_t(TObject&)> GetOrd;
  std::function<void(TObject&, int64_t)> SetOrd;
  std::function<std::string(TObject&)> GetStr;
  std::function<void(TObject&, const std::string&)> SetStr;
  std::function<double(TObject&)> GetFloat;
  std::function<void(TObject&, double)> SetFloat;
  std::function<TObject*(TObject&)> GetObj;
  std::function<void(TObject&, TObject*)> SetObj;
  std::function<TMethod(TObject&)> GetMeth;
  std::function<void(TObject&, const TMethod&)> SetMeth;

  bool HasDefault = false;  // ordinal default value in Default
  int64_t Default = 0;
  bool NoDefault = false;  // strings, floats, objects, events: always written
  bool StoredConst = true;
  std::function<bool(TObject&)> StoredFn;

  TTypeKind Kind() const { return PropType ? PropType->Kind : tkUnknown; }
  bool IsWritable() const { return SetOrd || SetStr || SetFloat || SetObj || SetMeth; }
};

// A handler that a class publishes by name, so a form file can bind an event
// property to it ("OnClick = mnuFileScanClick").
struct TMethodEntry {
  std::string Name;
  std::function<std::any(TObject& Self)> Bind;
};

class TClassInfo {
public:
  std::string ClassName;
  const TClassInfo* Parent = nullptr;
  TTypeInfo TypeInfo;                                             // kind tkClass, for class-valued properties
  std::function<TObject*()> CreateObject;                         // default-constructible classes
  std::function<TComponent*(TComponent* Owner)> CreateComponent;  // component classes
  std::function<TObject*(TCollection* Collection)> CreateItem;    // collection items
  std::vector<TPropInfo> OwnProps;                                // declared by this class, in order
  std::vector<const TPropInfo*> Props;                            // inherited first, then own
  std::vector<TMethodEntry> Methods;

  bool InheritsFrom(const TClassInfo& Other) const;
  bool InheritsFrom(std::string_view OtherName) const;
  // Letter case is ignored; a property redeclared by a subclass wins.
  const TPropInfo* FindProp(std::string_view Name) const;
  const TMethodEntry* FindMethod(std::string_view Name) const;
};

// Standard types. Each returns one shared instance.
const TTypeInfo* TypeInfo_Integer();
const TTypeInfo* TypeInfo_Cardinal();
const TTypeInfo* TypeInfo_SmallInt();
const TTypeInfo* TypeInfo_Word();
const TTypeInfo* TypeInfo_ShortInt();
const TTypeInfo* TypeInfo_Byte();
const TTypeInfo* TypeInfo_Char();
const TTypeInfo* TypeInfo_WideChar();
const TTypeInfo* TypeInfo_Boolean();
const TTypeInfo* TypeInfo_Double();
const TTypeInfo* TypeInfo_Extended();
const TTypeInfo* TypeInfo_String();        // tkLString "string"
const TTypeInfo* TypeInfo_ShortString();   // tkString "ShortString"
const TTypeInfo* TypeInfo_TColor();        // Integer with colour identifiers
const TTypeInfo* TypeInfo_TCursor();       // SmallInt with cursor identifiers
const TTypeInfo* TypeInfo_TFontCharset();  // Byte with charset identifiers
const TTypeInfo* TypeInfo_TNotifyEvent();
const TTypeInfo* TypeInfo_TAlignment();  // taLeftJustify, taRightJustify, taCenter

// Type construction. The returned type lives for the whole run.
const TTypeInfo* NewEnumType(std::string Name, std::vector<std::string> Names);
const TTypeInfo* NewSetType(std::string Name, const TTypeInfo* CompType);
const TTypeInfo* NewIntegerType(std::string Name, TOrdType OrdType, int64_t MinValue, int64_t MaxValue,
                                const TIdentMapping* Idents = nullptr);
const TTypeInfo* NewMethodType(std::string Name);
const TTypeInfo* NewFloatType(std::string Name);

// Enumeration names. GetEnumName gives "" for an ordinal out of range;
// GetEnumValue ignores letter case and gives -1 for an unknown name.
std::string GetEnumName(const TTypeInfo* Type, int64_t Value);
int64_t GetEnumValue(const TTypeInfo* Type, std::string_view Name);

// Sets as text: "[fsBold,fsItalic]" (members in ascending ordinal order).
std::string SetToString(const TTypeInfo* SetType, uint32_t Value, bool Brackets = true);

// Access by property (by name: see Classes.h). Using an accessor the property does not have raises
// EPropertyError (for example SetOrdProp on a read-only property).
int64_t GetOrdProp(TObject& Instance, const TPropInfo& Prop);
void SetOrdProp(TObject& Instance, const TPropInfo& Prop, int64_t Value);
std::string GetStrProp(TObject& Instance, const TPropInfo& Prop);
void SetStrProp(TObject& Instance, const TPropInfo& Prop, const std::string& Value);
double GetFloatProp(TObject& Instance, const TPropInfo& Prop);
void SetFloatProp(TObject& Instance, const TPropInfo& Prop, double Value);
TObject* GetObjectProp(TObject& Instance, const TPropInfo& Prop);
void SetObjectProp(TObject& Instance, const TPropInfo& Prop, TObject* Value);
TMethod GetMethodProp(TObject& Instance, const TPropInfo& Prop);
void SetMethodProp(TObject& Instance, const TPropInfo& Prop, const TMethod& Value);

bool IsStoredProp(TObject& Instance, const TPropInfo& Prop);
// True when the writer may leave the property out (see the default rules above).
bool IsDefaultPropValue(TObject& Instance, const TPropInfo& Prop);

// ---------------------------------------------------------------------------
// Declaration helpers (used through TClassBuilder in each class's .cpp file).
namespace typinfo_detail {

template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type {};

template <class T> int64_t ToOrd(const T& v)
{
  if constexpr (IsSet<T>::value)
    return static_cast<int64_t>(v.ToInt());
  else if constexpr (std::is_enum_v<T>)
    return static_cast<int64_t>(static_cast<std::underlying_type_t<T>>(v));
  else
    return static_cast<int64_t>(v);
}

template <class T> T FromOrd(int64_t v)
{
  if constexpr (IsSet<T>::value)
    return T::FromInt(static_cast<uint32_t>(v));
  else if constexpr (std::is_enum_v<T>)
    return static_cast<T>(static_cast<std::underlying_type_t<T>>(v));
  else
    return static_cast<T>(v);
}

template <class S> struct SetterArg {
  using type = void;
};
template <class K, class R, class T> struct SetterArg<R (K::*)(T)> {
  using type = std::decay_t<T>;
};

template <class C, class G> auto Get(C& obj, const G& g) { return std::invoke(g, obj); }

}  // namespace typinfo_detail

template <class C> class TClassBuilder {
public:
  explicit TClassBuilder(TClassInfo& Info) : FInfo(Info) {}

  // Chained settings of the property declared last.
  class TPropRef {
  public:
    TPropRef(TClassInfo& Info, size_t Index) : FInfo(Info), FIndex(Index) {}
    TPropRef& Default(int64_t Value)
    {
      P().HasDefault = true;
      P().Default = Value;
      return *this;
    }
    TPropRef& NoDefault()
    {
      P().HasDefault = false;
      P().NoDefault = true;
      return *this;
    }
    TPropRef& Stored(bool Value)
    {
      P().StoredConst = Value;
      P().StoredFn = nullptr;
      return *this;
    }
    template <class F> TPropRef& Stored(F Predicate)
    {
      P().StoredFn = [Predicate](TObject& o) { return static_cast<bool>(std::invoke(Predicate, static_cast<C&>(o))); };
      return *this;
    }

  private:
    TPropInfo& P() { return FInfo.OwnProps[FIndex]; }
    TClassInfo& FInfo;
    size_t FIndex;
  };

  // Ordinal from a data member.
  template <class T> TPropRef Ordinal(std::string Name, const TTypeInfo* Type, T C::*Field)
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetOrd = [Field](TObject& o) { return typinfo_detail::ToOrd(static_cast<C&>(o).*Field); };
    p.SetOrd = [Field](TObject& o, int64_t v) { static_cast<C&>(o).*Field = typinfo_detail::FromOrd<T>(v); };
    return Last();
  }
  // Ordinal from a getter and a setter (setter may be nullptr: read-only).
  template <class G, class S> TPropRef Ordinal(std::string Name, const TTypeInfo* Type, G Getter, S Setter)
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetOrd = [Getter](TObject& o) { return typinfo_detail::ToOrd(typinfo_detail::Get(static_cast<C&>(o), Getter)); };
    if constexpr (!std::is_null_pointer_v<S>) {
      using Arg = typename typinfo_detail::SetterArg<S>::type;
      if constexpr (std::is_void_v<Arg>)
        p.SetOrd = [Setter](TObject& o, int64_t v) { std::invoke(Setter, static_cast<C&>(o), v); };
      else
        p.SetOrd = [Setter](TObject& o, int64_t v) {
          std::invoke(Setter, static_cast<C&>(o), typinfo_detail::FromOrd<Arg>(v));
        };
    }
    return Last();
  }
  template <class... X> TPropRef Boolean(std::string Name, X... Access)
  {
    return Ordinal(std::move(Name), TypeInfo_Boolean(), Access...);
  }

  TPropRef String(std::string Name, std::string C::*Field, const TTypeInfo* Type = TypeInfo_String())
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetStr = [Field](TObject& o) { return static_cast<C&>(o).*Field; };
    p.SetStr = [Field](TObject& o, const std::string& v) { static_cast<C&>(o).*Field = v; };
    return Last();
  }
  template <class G, class S>
  TPropRef String(std::string Name, G Getter, S Setter, const TTypeInfo* Type = TypeInfo_String())
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetStr = [Getter](TObject& o) { return std::string(typinfo_detail::Get(static_cast<C&>(o), Getter)); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetStr = [Setter](TObject& o, const std::string& v) { std::invoke(Setter, static_cast<C&>(o), v); };
    return Last();
  }

  TPropRef Float(std::string Name, double C::*Field, const TTypeInfo* Type = TypeInfo_Double())
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetFloat = [Field](TObject& o) { return static_cast<C&>(o).*Field; };
    p.SetFloat = [Field](TObject& o, double v) { static_cast<C&>(o).*Field = v; };
    return Last();
  }
  template <class G, class S>
  TPropRef Float(std::string Name, G Getter, S Setter, const TTypeInfo* Type = TypeInfo_Double())
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetFloat = [Getter](TObject& o) { return static_cast<double>(typinfo_detail::Get(static_cast<C&>(o), Getter)); };
    if constexpr (!std::is_null_pointer_v<S>)
      p.SetFloat = [Setter](TObject& o, double v) { std::invoke(Setter, static_cast<C&>(o), v); };
    return Last();
  }

  // Object-valued property. The setter receives the value cast to its own
  // parameter type; a value of another class raises EPropertyError. A nullptr
  // setter makes a sub-object that the object stream edits in place.
  template <class G, class S> TPropRef Object(std::string Name, const TClassInfo& Class, G Getter, S Setter);

  template <class Sig> TPropRef Event(std::string Name, const TTypeInfo* Type, TEvent<Sig> C::*Field)
  {
    TPropInfo& p = Add(std::move(Name), Type);
    p.GetMeth = [Field](TObject& o) { return (static_cast<C&>(o).*Field).GetMethod(); };
    p.SetMeth = [Field](TObject& o, const TMethod& m) { (static_cast<C&>(o).*Field).SetMethod(m); };
    return Last();
  }

  template <class R, class... A> void Method(std::string Name, R (C::*Handler)(A...))
  {
    TMethodEntry e;
    e.Name = std::move(Name);
    e.Bind = [Handler](TObject& o) {
      C* self = &static_cast<C&>(o);
      return std::any(
          std::function<R(A...)>([self, Handler](A... args) { return (self->*Handler)(std::forward<A>(args)...); }));
    };
    FInfo.Methods.push_back(std::move(e));
  }

private:
  TPropInfo& Add(std::string Name, const TTypeInfo* Type)
  {
    TPropInfo p;
    p.Name = std::move(Name);
    p.PropType = Type;
    p.DeclaringClass = &FInfo;
    FInfo.OwnProps.push_back(std::move(p));
    return FInfo.OwnProps.back();
  }
  TPropRef Last() { return TPropRef(FInfo, FInfo.OwnProps.size() - 1); }

  TClassInfo& FInfo;
};

// Finishes a class description: inherited property list, factories.
void FinishClassInfo(TClassInfo& Info);
