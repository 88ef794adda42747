#include "framework/objects/Classes.h"

#include <algorithm>
#include <map>

#include "framework/objects/SysUtils.h"

// ---------------------------------------------------------------------------
// TObject and the class registry

const TClassInfo& TObject::StaticClass()
{
  static TClassInfo info;
  static int state = 0;
  if (state == 0) {
    state = 1;
    BuildClassInfo<TObject>(info, "TObject");
    state = 2;
  }
  return info;
}

void TObject::DeclareProperties(TClassBuilder<TObject>&) {}

bool TObject::ClassNameIs(std::string_view Name) const { return SameText(ClassName(), Name); }

namespace {
struct TRegistryLess {
  bool operator()(const std::string& a, const std::string& b) const { return CompareText(a, b) < 0; }
};

std::map<std::string, const TClassInfo*, TRegistryLess>& Registry()
{
  static std::map<std::string, const TClassInfo*, TRegistryLess> registry;
  return registry;
}
}  // namespace

void RegisterClassInfo(const TClassInfo& Class) { Registry()[Class.ClassName] = &Class; }

const TClassInfo* FindClassInfo(std::string_view ClassName)
{
  auto& r = Registry();
  auto it = r.find(std::string(ClassName));
  return it == r.end() ? nullptr : it->second;
}

const TClassInfo& GetClassInfoByName(std::string_view ClassName)
{
  const TClassInfo* info = FindClassInfo(ClassName);
  if (!info) throw EClassNotFound("Class " + std::string(ClassName) + " not found");
  return *info;
}

TObject* CreateObjectByClassName(std::string_view ClassName, TComponent* Owner)
{
  const TClassInfo& info = GetClassInfoByName(ClassName);
  if (info.CreateComponent) return info.CreateComponent(Owner);
  if (info.CreateObject) return info.CreateObject();
  throw EClassNotFound("Class " + std::string(ClassName) + " cannot be created by name");
}

// ---------------------------------------------------------------------------
// TPersistent

QV_IMPLEMENT_CLASS_NOPROPS(TPersistent)

void TPersistent::Assign(TPersistent* Source)
{
  if (Source) {
    Source->AssignTo(this);
    return;
  }
  throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + (Dest ? Dest->ClassName() : std::string("nil")));
}

std::string TPersistent::GetNamePath() const { return ClassName(); }

void TPersistent::DefineProperties(TFiler&) {}

// ---------------------------------------------------------------------------
// TComponent

QV_IMPLEMENT_CLASS(TComponent)

void TComponent::DeclareProperties(TClassBuilder<TComponent>& c)
{
  // The name travels in the object header, never as a property.
  c.String("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
  c.Ordinal("Tag", TypeInfo_Integer(), &TComponent::Tag, &TComponent::SetTag).Default(0);
}

TComponent::TComponent(TComponent* AOwner)
{
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
  Destroying();
  // Each notified component drops its link; take it off first so a handler
  // that does not call inherited cannot make this loop forever.
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    auto& back = other->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const
{
  if (Index < 0 || Index >= ComponentCount())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
  if (!FOwner) return -1;
  const auto& list = FOwner->FComponents;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view AName) const
{
  if (AName.empty()) return nullptr;
  for (TComponent* c : FComponents)
    if (SameText(c->FName, AName)) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
  if (!AComponent || AComponent->FOwner == this) return;
  ValidateRename(AComponent, std::string(), AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
  if (!AComponent || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
  FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent), FComponents.end());
  AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    Remove(last);
    delete last;
  }
}

void TComponent::Destroying()
{
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) const
{
  if (!AComponent || NewName.empty() || SameText(CurName, NewName)) return;
  TComponent* other = FindComponent(NewName);
  if (other && other != AComponent) throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetName(const std::string& NewName)
{
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("'" + NewName + "' is not a valid component name");
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  FName = NewName;
}

void TComponent::SetComponentStateFlag(TComponentStateItem Item, bool On)
{
  if (On)
    FComponentState.Include(Item);
  else
    FComponentState.Exclude(Item);
}

void TComponent::SetSubComponent(bool Value)
{
  if (Value)
    FComponentStyle.Include(csSubComponent);
  else
    FComponentStyle.Exclude(csSubComponent);
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
  SetComponentStateFlag(csDesigning, Value);
  if (SetChildren)
    for (TComponent* c : FComponents) c->SetDesigning(Value, true);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
      AComponent->FFreeNotifies.end())
    AComponent->FFreeNotifies.push_back(this);
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
  if (!AComponent) return;
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
  auto& other = AComponent->FFreeNotifies;
  other.erase(std::remove(other.begin(), other.end(), this), other.end());
}

std::string TComponent::GetNamePath() const { return FName; }

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Index loop: a handler may add components while we walk.
  for (size_t i = 0; i < FComponents.size(); ++i) FComponents[i]->Notification(AComponent, Operation);
}

// ---------------------------------------------------------------------------
// Published properties of an object, found through its class

const TPropInfo* GetPropInfo(const TObject& Instance, std::string_view Name)
{
  return Instance.ClassInfo().FindProp(Name);
}

const std::vector<const TPropInfo*>& GetPropList(const TObject& Instance) { return Instance.ClassInfo().Props; }

const TPropInfo& FindPropInfo(const TObject& Instance, std::string_view Name)
{
  const TPropInfo* p = GetPropInfo(Instance, Name);
  if (!p) throw EPropertyError("Unknown property: " + std::string(Name));
  return *p;
}

int64_t GetOrdProp(TObject& Instance, std::string_view Name)
{
  return GetOrdProp(Instance, FindPropInfo(Instance, Name));
}

void SetOrdProp(TObject& Instance, std::string_view Name, int64_t Value)
{
  SetOrdProp(Instance, FindPropInfo(Instance, Name), Value);
}

std::string GetStrProp(TObject& Instance, std::string_view Name)
{
  return GetStrProp(Instance, FindPropInfo(Instance, Name));
}

void SetStrProp(TObject& Instance, std::string_view Name, const std::string& Value)
{
  SetStrProp(Instance, FindPropInfo(Instance, Name), Value);
}

TObject* GetObjectProp(TObject& Instance, std::string_view Name)
{
  return GetObjectProp(Instance, FindPropInfo(Instance, Name));
}

TMethod MethodByName(TObject& Instance, std::string_view Name)
{
  TMethod m;
  const TMethodEntry* e = Instance.ClassInfo().FindMethod(Name);
  if (e) {
    m.Name = e->Name;
    m.Code = e->Bind(Instance);
  }
  return m;
}
