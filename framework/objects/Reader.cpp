#include "framework/objects/Reader.h"

#include <algorithm>

#include "framework/objects/Collection.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

void ReadComponentFromStream(TStream& Stream, TComponent* Root)
{
  TReader reader(Stream);
  reader.ReadRootComponent(Root);
}

// The default streaming of a component lives beside the reader, so the
// component classes need not know the stream format.
void TComponent::ReadState(TReader& Reader) { Reader.ReadData(this); }

TReader::~TReader() = default;

void TReader::ReadRootComponent(TComponent* Root)
{
  FRoot = Root;
  ReadSignature();
  uint8_t flags;
  int childPos;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  // A derived form also reads the resource of the form it derives from.
  if (!Root->InheritsFrom(className)) throw EReadError("Stream holds a " + className + ", not a " + Root->ClassName());
  const std::string name = ReadStr();
  try {
    if (!name.empty()) Root->SetName(name);
    FLoaded.push_back(Root);
    Root->SetComponentStateFlag(csLoading, true);
    Root->SetComponentStateFlag(csReading, true);
    Root->ReadState(*this);
    Root->SetComponentStateFlag(csReading, false);
    FFixups.Resolve(FRoot, OnError);
  } catch (...) {
    FinishLoading(false);
    throw;
  }
  FinishLoading(true);
}

void TReader::FinishLoading(bool CallLoaded)
{
  std::vector<TComponent*> loaded;
  loaded.swap(FLoaded);
  FFixups.Clear();
  for (TComponent* c : loaded) c->SetComponentStateFlag(csReading, false);
  size_t i = 0;
  try {
    for (; CallLoaded && i < loaded.size(); ++i) {
      loaded[i]->Loaded();
      loaded[i]->SetComponentStateFlag(csLoading, false);
    }
  } catch (...) {
    for (; i < loaded.size(); ++i) loaded[i]->SetComponentStateFlag(csLoading, false);
    throw;
  }
  for (TComponent* c : loaded) c->SetComponentStateFlag(csLoading, false);
}

void TReader::ReadData(TComponent* Instance)
{
  while (!EndOfList()) ReadProperty(Instance);
  ReadListEnd();
  TComponent* parent = Instance->GetChildParent();
  while (!EndOfList()) ReadComponent(parent);
  ReadListEnd();
}

TComponent* TReader::ReadComponent(TComponent* Parent)
{
  TReaderNesting nesting(*this);
  if (!AllowChildComponents) throw EReadError("Invalid stream format: unexpected nested object");
  uint8_t flags;
  int childPos;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TComponent* owner = (Parent && Parent->GetChildOwner()) ? Parent->GetChildOwner() : FRoot;
  TComponent* component = owner ? owner->FindComponent(name) : nullptr;
  bool created = false;
  if (component) {
    if (!SameText(component->ClassName(), className))
      throw EReadError("Component " + name + " is a " + component->ClassName() + ", not a " + className);
  } else {
    const TClassInfo* info = FindClassInfo(className);
    if (!info) throw EReadError("Class " + className + " not found");
    if (!info->CreateComponent) throw EReadError("Class " + className + " is not a component class");
    component = info->CreateComponent(owner);
    created = true;
  }
  try {
    if (created) component->SetName(name);
    component->SetComponentStateFlag(csLoading, true);
    if (Parent) component->SetParentComponent(Parent);
    if (std::find(FLoaded.begin(), FLoaded.end(), component) == FLoaded.end()) FLoaded.push_back(component);
    component->SetComponentStateFlag(csReading, true);
    component->ReadState(*this);
    component->SetComponentStateFlag(csReading, false);
  } catch (...) {
    if (created) {
      FLoaded.erase(std::remove(FLoaded.begin(), FLoaded.end(), component), FLoaded.end());
      delete component;
    }
    throw;
  }
  return component;
}

TPersistent* TReader::ResolvePath(TPersistent* Instance, const std::string& Path, std::string& Last)
{
  TPersistent* current = Instance;
  size_t start = 0;
  for (;;) {
    const size_t dot = Path.find('.', start);
    if (dot == std::string::npos) {
      Last = Path.substr(start);
      if (Last.empty()) throw EReadError("Invalid property path " + Path);
      return current;
    }
    const TPropInfo* prop = current->ClassInfo().FindProp(std::string_view(Path).substr(start, dot - start));
    if (!prop || prop->Kind() != tkClass || !prop->GetObj) throw EReadError("Invalid property path " + Path);
    current = dynamic_cast<TPersistent*>(prop->GetObj(*current));
    if (!current) throw EReadError("Invalid property path " + Path);
    start = dot + 1;
  }
}

void TReader::ReadProperty(TPersistent* Instance)
{
  const std::string path = ReadStr();
  const int64_t valueStart = FStream.Position();
  try {
    std::string last;
    TPersistent* target = ResolvePath(Instance, path, last);
    if (const TPropInfo* prop = target->ClassInfo().FindProp(last)) {
      ReadPropValue(target, *prop);
      return;
    }
    const std::string savedName = FPropName;
    const bool savedFound = FPropFound;
    FPropName = last;
    FPropFound = false;
    target->DefineProperties(*this);
    const bool found = FPropFound;
    FPropName = savedName;
    FPropFound = savedFound;
    if (!found) throw EReadError("Property " + path + " does not exist");
  } catch (const Exception& e) {
    // The handler may skip a property it does not want; skipping restarts at
    // the value, so damage inside it is met again and still raises.
    const std::string message =
        dynamic_cast<const EReadError*>(&e) ? std::string(e.what()) : "Error reading " + path + ": " + e.what();
    if (!OnError || !OnError(message)) {
      if (dynamic_cast<const EReadError*>(&e)) throw;
      throw EReadError(message);
    }
    FStream.SetPosition(valueStart);
    SkipValue();
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop)
{
  switch (Prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkWChar: ReadOrdValue(Instance, Prop); break;
    case tkFloat: SetFloatProp(*Instance, Prop, ReadFloat()); break;
    case tkString:
    case tkLString: {
      const std::string s = ReadString();
      if (Prop.Kind() == tkString && s.size() > 255) InvalidValue();
      SetStrProp(*Instance, Prop, s);
      break;
    }
    case tkClass: ReadObjectValue(Instance, Prop); break;
    case tkMethod: ReadMethodValue(Instance, Prop); break;
    default: InvalidValue();
  }
}

void TReader::ReadOrdValue(TPersistent* Instance, const TPropInfo& Prop)
{
  const TTypeInfo& type = *Prop.PropType;
  int64_t value = 0;
  switch (type.Kind) {
    case tkInteger: value = ReadIntegerValue(type); break;
    case tkChar:
    case tkWChar: {
      const TValueType next = NextValue();
      if (next == vaString || next == vaLString) {
        const std::string s = ReadString();
        if (s.size() != 1) InvalidValue();
        value = static_cast<uint8_t>(s[0]);
      } else {
        value = ReadInteger();
        if (value < type.MinValue || value > type.MaxValue) InvalidValue();
      }
      break;
    }
    case tkEnumeration: value = ReadEnumValue(type); break;
    default: value = ReadSetValue(type); break;
  }
  SetOrdProp(*Instance, Prop, value);
}

int64_t TReader::ReadIntegerValue(const TTypeInfo& Type)
{
  if (NextValue() == vaIdent) {
    const std::string ident = ReadIdent();
    int32_t v;
    if (Type.Idents && Type.Idents->FromIdent(ident, v)) return v;
    InvalidValue();
  }
  int64_t value = ReadInteger();
  if (Type.OrdType == otULong && value < 0) value = static_cast<uint32_t>(value);
  if (value < Type.MinValue || value > Type.MaxValue) InvalidValue();
  return value;
}

int64_t TReader::ReadEnumValue(const TTypeInfo& Type)
{
  const TValueType next = NextValue();
  if (next != vaIdent && next != vaFalse && next != vaTrue) InvalidValue();
  const int64_t value = GetEnumValue(&Type, ReadIdent());
  if (value < 0) InvalidValue();
  return value;
}

uint32_t TReader::ReadSetValue(const TTypeInfo& Type)
{
  CheckValue(vaSet);
  uint32_t result = 0;
  for (;;) {
    const std::string name = ReadStr();
    if (name.empty()) break;
    const int64_t member = GetEnumValue(Type.CompType, name);
    if (member < 0 || member > 31) InvalidValue();
    result |= uint32_t(1) << member;
  }
  return result;
}

void TReader::ReadObjectValue(TPersistent* Instance, const TPropInfo& Prop)
{
  switch (NextValue()) {
    case vaNil:
      ReadValue();
      SetObjectProp(*Instance, Prop, nullptr);
      break;
    case vaIdent: {
      FFixups.Add(Instance, Prop, ReadIdent());
      break;
    }
    case vaCollection: {
      ReadValue();
      auto* collection = dynamic_cast<TCollection*>(GetObjectProp(*Instance, Prop));
      if (!collection) InvalidValue();
      ReadCollection(collection);
      break;
    }
    default: InvalidValue();
  }
}

void TReader::ReadMethodValue(TPersistent* Instance, const TPropInfo& Prop)
{
  const TValueType next = NextValue();
  if (next == vaNil) {
    ReadValue();
    SetMethodProp(*Instance, Prop, TMethod());
    return;
  }
  if (next != vaIdent) InvalidValue();
  const std::string name = ReadIdent();
  const TMethod method = FRoot ? MethodByName(*FRoot, name) : TMethod();
  if (!method.Assigned()) throw EReadError("Method " + name + " not found");
  SetMethodProp(*Instance, Prop, method);
}

void TReader::ReadCollection(TCollection* Collection)
{
  TReaderNesting nesting(*this);
  Collection->BeginUpdate();
  try {
    Collection->Clear();
    while (!EndOfList()) {
      // An order value may precede an item; items are added in stream order.
      if (IsIntegerTag(NextValue())) ReadInteger();
      ReadListBegin();
      TCollectionItem* item = Collection->Add();
      while (!EndOfList()) ReadProperty(item);
      ReadListEnd();
    }
    ReadListEnd();
  } catch (...) {
    Collection->EndUpdate();
    throw;
  }
  Collection->EndUpdate();
}

void TReader::DefineProperty(const std::string& Name, const std::function<void(TReader&)>& ReadProc,
                             const std::function<void(TWriter&)>&, bool)
{
  if (FPropFound || !SameText(Name, FPropName)) return;
  FPropFound = true;
  if (ReadProc)
    ReadProc(*this);
  else
    SkipValue();
}

void TReader::DefineBinaryProperty(const std::string& Name, const std::function<void(TStream&)>& ReadProc,
                                   const std::function<void(TStream&)>&, bool)
{
  if (FPropFound || !SameText(Name, FPropName)) return;
  FPropFound = true;
  CheckValue(vaBinary);
  const uint32_t len = ReadLength();
  TMemoryStream data;
  data.SetSize(len);
  FStream.ReadBuffer(data.Memory(), len);
  data.SetPosition(0);
  if (ReadProc) ReadProc(data);
}
