#pragma once
// The object model's base classes: TObject (class information), TPersistent
// (Assign, streaming hooks) and TComponent (owner, name, owned components,
// component state, loaded and free notifications), plus the class registry.
//
// A new class:
//   class TThing : public TComponent {
//     QV_CLASS(TThing, TComponent)          // leaves access at "private:"
//   public:
//     explicit TThing(TComponent* AOwner) : TComponent(AOwner) {}
//   };
//   // Thing.cpp
//   QV_IMPLEMENT_CLASS(TThing)              // also registers it by name
//   void TThing::DeclareProperties(TClassBuilder<TThing>& c) { ... }  (see TypInfo.h)
//
// Component classes need a constructor taking the owner (TComponent*) so the
// object stream can create them by class name; other persistent classes need a
// default constructor for that.
//
// A component that keeps a pointer to another component calls
// Other->FreeNotification(this) and clears the pointer in its Notification
// override on opRemove; the link works both ways, whichever goes first.
//
// Names chosen to stay clear of <windows.h> macros (RegisterClass, GetObject,
// GetClassName, GetProp, ...), since the Win32 layer includes both.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/objects/TypInfo.h"

class TFiler;
class TReader;
class TWriter;

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  static void DeclareProperties(TClassBuilder<TObject>& c);
  virtual const TClassInfo& ClassInfo() const { return StaticClass(); }

  const std::string& ClassName() const { return ClassInfo().ClassName; }
  bool ClassNameIs(std::string_view Name) const;
  bool InheritsFrom(const TClassInfo& Class) const { return ClassInfo().InheritsFrom(Class); }
  bool InheritsFrom(std::string_view ClassName) const { return ClassInfo().InheritsFrom(ClassName); }
};

// Inside a class body: class information and property declaration hook.
#define QV_CLASS(Class, Base)                                                                                          \
public:                                                                                                                \
  using inherited = Base;                                                                                              \
  static const TClassInfo& StaticClass();                                                                              \
  const TClassInfo& ClassInfo() const override { return StaticClass(); }                                               \
  static void DeclareProperties(TClassBuilder<Class>& c);                                                              \
                                                                                                                       \
private:

// In one .cpp file: builds the class information once, on first use, and
// registers the class by name when the program starts. While it is being
// built, a property declaration may name the class itself (a reference to
// another component of the same class): the half-built information is then
// returned, which is enough since only its address is kept.
#define QV_IMPLEMENT_CLASS(Class)                                                                                      \
  const TClassInfo& Class::StaticClass()                                                                               \
  {                                                                                                                    \
    static TClassInfo info;                                                                                            \
    static int state = 0;                                                                                              \
    if (state == 0) {                                                                                                  \
      state = 1;                                                                                                       \
      BuildClassInfo<Class>(info, #Class);                                                                             \
      state = 2;                                                                                                       \
    }                                                                                                                  \
    return info;                                                                                                       \
  }                                                                                                                    \
  [[maybe_unused]] static const bool QvRegistered_##Class = (RegisterClassInfo(Class::StaticClass()), true);

#define QV_IMPLEMENT_CLASS_NOPROPS(Class)                                                                              \
  QV_IMPLEMENT_CLASS(Class)                                                                                            \
  void Class::DeclareProperties(TClassBuilder<Class>&) {}

// Class registry: the object stream and scratch copies create objects by name.
void RegisterClassInfo(const TClassInfo& Class);
const TClassInfo* FindClassInfo(std::string_view ClassName);       // letter case ignored
const TClassInfo& GetClassInfoByName(std::string_view ClassName);  // raises EClassNotFound
// A new object of the named class: components get Owner, other classes are
// default-constructed. Raises EClassNotFound for an unknown or abstract class.
TObject* CreateObjectByClassName(std::string_view ClassName, TComponent* Owner = nullptr);

class TPersistent : public TObject {
  QV_CLASS(TPersistent, TObject)
public:
  TPersistent() = default;
  // Copies Source's value; raises EConvertError "Cannot assign a X to a Y"
  // when neither class knows how.
  virtual void Assign(TPersistent* Source);
  virtual std::string GetNamePath() const;
  // Properties the object streams itself beyond the published ones
  // (a string list's "Strings", a graphic's "Data").
  virtual void DefineProperties(TFiler& Filer);
  virtual TPersistent* GetOwner() const { return nullptr; }

protected:
  virtual void AssignTo(TPersistent* Dest) const;
};

enum TComponentStateItem {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

// csSubComponent: owned by another component and exposed as its property;
// the object stream writes its properties in place instead of a reference.
enum TComponentStyleItem { csInheritable, csCheckPropAvail, csSubComponent };
using TComponentStyle = TSet<TComponentStyleItem>;

enum TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
  QV_CLASS(TComponent, TPersistent)
public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;  // EListError when out of range
  int ComponentIndex() const;               // position in the owner's list, -1 without owner
  // Owned component of that name, letter case ignored; nullptr when none.
  TComponent* FindComponent(std::string_view AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Frees the owned components, last created first.
  void DestroyComponents();

  const std::string& Name() const { return FName; }
  // A name is empty or an identifier, unique among the owner's components
  // (letter case ignored); otherwise EComponentError.
  virtual void SetName(const std::string& NewName);
  int Tag() const { return FTag; }
  void SetTag(int Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  void SetComponentStateFlag(TComponentStateItem Item, bool On);
  TComponentStyle ComponentStyle() const { return FComponentStyle; }
  void SetSubComponent(bool Value);
  // Sets or clears csDesigning on this component and, optionally, on the
  // components it owns.
  void SetDesigning(bool Value, bool SetChildren = true);

  // Both components tell each other when one of them is freed.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  std::string GetNamePath() const override;
  TPersistent* GetOwner() const override { return FOwner; }

  // Object stream hooks. ReadState reads this component's properties and
  // children; a subclass may wrap it (set a reading flag, then call inherited).
  virtual void ReadState(TReader& Reader);
  virtual void WriteState(TWriter& Writer);
  // Components written as nested objects of this one; Root is the object the
  // stream is written for. The base writes none.
  virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root);
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* Value);

  // Called once the object stream has set this component's stored properties
  // (and those of every component read with it). Overrides call inherited.
  virtual void Loaded();
  // opInsert / opRemove for components entering or leaving the owner's list
  // and for free notifications. Overrides call inherited.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

protected:
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) const;
  // Sets csDestroying here and on the owned components.
  void Destroying();

private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::string FName;
  int FTag = 0;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
};

// ---------------------------------------------------------------------------
// Published properties of an object, found through its class (the accessors
// by property are in TypInfo.h).

// Look-up (letter case ignored); nullptr when the object has no such property.
const TPropInfo* GetPropInfo(const TObject& Instance, std::string_view Name);
const std::vector<const TPropInfo*>& GetPropList(const TObject& Instance);

// Access by name; an unknown name raises EPropertyError.
const TPropInfo& FindPropInfo(const TObject& Instance, std::string_view Name);
int64_t GetOrdProp(TObject& Instance, std::string_view Name);
void SetOrdProp(TObject& Instance, std::string_view Name, int64_t Value);
std::string GetStrProp(TObject& Instance, std::string_view Name);
void SetStrProp(TObject& Instance, std::string_view Name, const std::string& Value);
TObject* GetObjectProp(TObject& Instance, std::string_view Name);

// Binds a published method of Instance by name; an unassigned TMethod when the
// class publishes no method of that name.
TMethod MethodByName(TObject& Instance, std::string_view Name);

// ---------------------------------------------------------------------------
// Templates that need the complete TObject / TComponent.

template <class C> void BuildClassInfo(TClassInfo& Info, const char* Name)
{
  TClassInfo* info = &Info;
  info->ClassName = Name;
  if constexpr (!std::is_same_v<C, TObject>) info->Parent = &C::inherited::StaticClass();
  if constexpr (!std::is_abstract_v<C>) {
    if constexpr (std::is_constructible_v<C, TComponent*> && std::is_base_of_v<TComponent, C>)
      info->CreateComponent = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
    else if constexpr (std::is_constructible_v<C, TCollection*>)
      info->CreateItem = [](TCollection* Collection) -> TObject* { return new C(Collection); };
    else if constexpr (std::is_default_constructible_v<C>)
      info->CreateObject = []() -> TObject* { return new C(); };
  }
  TClassBuilder<C> builder(*info);
  C::DeclareProperties(builder);
  FinishClassInfo(*info);
}

template <class C>
template <class G, class S>
typename TClassBuilder<C>::TPropRef TClassBuilder<C>::Object(std::string Name, const TClassInfo& Class, G Getter,
                                                             S Setter)
{
  TPropInfo& p = Add(std::move(Name), &Class.TypeInfo);
  p.GetObj = [Getter](TObject& o) -> TObject* { return typinfo_detail::Get(static_cast<C&>(o), Getter); };
  if constexpr (!std::is_null_pointer_v<S>) {
    using Arg = typename typinfo_detail::SetterArg<S>::type;
    static_assert(std::is_pointer_v<Arg>, "object setters take a pointer");
    const std::string propName = p.Name;
    p.SetObj = [Setter, propName](TObject& o, TObject* v) {
      Arg typed = nullptr;
      if (v) {
        typed = dynamic_cast<Arg>(v);
        if (!typed) throw EPropertyError("Invalid class " + v->ClassName() + " for property " + propName);
      }
      std::invoke(Setter, static_cast<C&>(o), typed);
    };
  }
  return Last();
}
