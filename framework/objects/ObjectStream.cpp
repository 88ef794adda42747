#include "framework/objects/ObjectStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/objects/Collection.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

namespace {

const char Signature[4] = {'T', 'P', 'F', '0'};

[[noreturn]] void InvalidFormat() { throw EReadError("Invalid stream format"); }

[[noreturn]] void InvalidValue() { throw EReadError("Invalid property value"); }

bool IsBooleanType(const TTypeInfo& Type) { return Type.Kind == tkEnumeration && SameText(Type.Name, "Boolean"); }

bool IsIntegerTag(TValueType Value) { return Value == vaInt8 || Value == vaInt16 || Value == vaInt32; }

TFindGlobalComponent& GlobalFinder()
{
  static TFindGlobalComponent finder;
  return finder;
}

}  // namespace

// ---------------------------------------------------------------------------
// 10-byte floating point

void DoubleToExtended(double Value, uint8_t Bytes[10])
{
  std::memset(Bytes, 0, 10);
  const uint8_t sign = std::signbit(Value) ? 0x80 : 0;
  uint64_t mantissa = 0;
  int exponent = 0;
  if (std::isnan(Value)) {
    mantissa = 0xC000000000000000ull;
    exponent = 0x7FFF;
  } else if (std::isinf(Value)) {
    mantissa = 0x8000000000000000ull;
    exponent = 0x7FFF;
  } else if (Value != 0.0) {
    int e = 0;
    const double m = std::frexp(std::fabs(Value), &e);  // m in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
    exponent = e - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  Bytes[8] = static_cast<uint8_t>(exponent & 0xFF);
  Bytes[9] = static_cast<uint8_t>(((exponent >> 8) & 0x7F) | sign);
}

double ExtendedToDouble(const uint8_t Bytes[10])
{
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<uint64_t>(Bytes[i]) << (8 * i);
  const int exponent = Bytes[8] | ((Bytes[9] & 0x7F) << 8);
  const bool negative = (Bytes[9] & 0x80) != 0;
  double v;
  if (exponent == 0x7FFF)
    v = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  else if (mantissa == 0)
    v = 0.0;
  else
    v = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -v : v;
}

// ---------------------------------------------------------------------------
// Global component look-up

void SetFindGlobalComponent(TFindGlobalComponent Finder) { GlobalFinder() = std::move(Finder); }

TComponent* FindGlobalComponent(std::string_view Name) { return GlobalFinder() ? GlobalFinder()(Name) : nullptr; }

void WriteComponentToStream(TStream& Stream, TComponent* Root)
{
  TWriter writer(Stream);
  writer.WriteRootComponent(Root);
}

void ReadComponentFromStream(TStream& Stream, TComponent* Root)
{
  TReader reader(Stream);
  reader.ReadRootComponent(Root);
}

// ---------------------------------------------------------------------------
// TWriter: values

void TWriter::WriteValue(TValueType Value)
{
  const uint8_t b = Value;
  FStream.WriteBuffer(&b, 1);
}

void TWriter::WriteStr(std::string_view Value)
{
  if (Value.size() > 255)
    throw EWriteError("Name too long for the object stream: " + std::string(Value.substr(0, 32)) + "...");
  const uint8_t len = static_cast<uint8_t>(Value.size());
  FStream.WriteBuffer(&len, 1);
  FStream.WriteBuffer(Value.data(), len);
}

void TWriter::WriteInteger(int64_t Value)
{
  uint8_t b[4];
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteValue(vaInt8);
    b[0] = static_cast<uint8_t>(Value);
    FStream.WriteBuffer(b, 1);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    WriteValue(vaInt16);
    b[0] = static_cast<uint8_t>(Value);
    b[1] = static_cast<uint8_t>(Value >> 8);
    FStream.WriteBuffer(b, 2);
  } else {
    // Ordinals are at most 32 bits wide; an unsigned value above the signed
    // range travels as its bit pattern.
    const uint32_t v = static_cast<uint32_t>(Value);
    WriteValue(vaInt32);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
    FStream.WriteBuffer(b, 4);
  }
}

void TWriter::WriteString(std::string_view Value)
{
  if (Value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(Value);
    return;
  }
  if (Value.size() > 0x7FFFFFFF) throw EWriteError("String too long for the object stream");
  WriteValue(vaLString);
  const uint32_t len = static_cast<uint32_t>(Value.size());
  uint8_t b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(len >> (8 * i));
  FStream.WriteBuffer(b, 4);
  FStream.WriteBuffer(Value.data(), len);
}

void TWriter::WriteIdent(std::string_view Ident)
{
  WriteValue(vaIdent);
  WriteStr(Ident);
}

void TWriter::WriteFloat(double Value)
{
  uint8_t b[10];
  DoubleToExtended(Value, b);
  WriteValue(vaExtended);
  FStream.WriteBuffer(b, 10);
}

void TWriter::WriteChar(char Value) { WriteString(std::string_view(&Value, 1)); }

void TWriter::WriteBinary(const std::function<void(TStream&)>& WriteProc)
{
  TMemoryStream data;
  WriteProc(data);
  if (data.Size() > 0x7FFFFFFF) throw EWriteError("Binary property too large for the object stream");
  WriteValue(vaBinary);
  const uint32_t len = static_cast<uint32_t>(data.Size());
  uint8_t b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(len >> (8 * i));
  FStream.WriteBuffer(b, 4);
  FStream.WriteBuffer(data.Memory(), len);
}

void TWriter::WritePrefix(uint8_t Flags, int ChildPos)
{
  if (Flags == 0) return;
  const uint8_t b = static_cast<uint8_t>(0xF0 | (Flags & 0x0F));
  FStream.WriteBuffer(&b, 1);
  if (Flags & ffChildPos) WriteInteger(ChildPos);
}

void TWriter::WriteSignature() { FStream.WriteBuffer(Signature, 4); }

// ---------------------------------------------------------------------------
// TWriter: objects and properties

void TWriter::WriteRootComponent(TComponent* Root)
{
  FRoot = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component)
{
  const bool wasWriting = Component->ComponentState().Contains(csWriting);
  Component->SetComponentStateFlag(csWriting, true);
  try {
    WriteStr(Component->ClassName());
    WriteStr(Component->Name());
    Component->WriteState(*this);
  } catch (...) {
    Component->SetComponentStateFlag(csWriting, wasWriting);
    throw;
  }
  Component->SetComponentStateFlag(csWriting, wasWriting);
}

void TWriter::WriteData(TComponent* Instance)
{
  WriteProperties(Instance);
  WriteListEnd();
  Instance->GetChildren([this](TComponent* Child) { WriteComponent(Child); }, FRoot);
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance)
{
  for (const TPropInfo* prop : GetPropList(*Instance)) {
    // A plain value that cannot be set again would not read back.
    if (prop->Kind() != tkClass && !prop->IsWritable()) continue;
    if (!IsStoredProp(*Instance, *prop) || IsDefaultPropValue(*Instance, *prop)) continue;
    WriteProperty(Instance, *prop);
  }
  Instance->DefineProperties(*this);
}

void TWriter::WritePropName(std::string_view Name) { WriteStr(FPropPath + std::string(Name)); }

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop)
{
  switch (Prop.Kind()) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkWChar: WriteOrdProp(Instance, Prop); break;
    case tkFloat:
      WritePropName(Prop.Name);
      WriteFloat(GetFloatProp(*Instance, Prop));
      break;
    case tkString:
    case tkLString:
      WritePropName(Prop.Name);
      WriteString(GetStrProp(*Instance, Prop));
      break;
    case tkClass: WriteObjectPropValue(Instance, Prop); break;
    case tkMethod: {
      const TMethod m = GetMethodProp(*Instance, Prop);
      // A handler set from code has no published name and cannot be written.
      if (m.Assigned() && !m.Name.empty()) {
        WritePropName(Prop.Name);
        WriteIdent(m.Name);
      } else if (!m.Assigned()) {
        WritePropName(Prop.Name);
        WriteValue(vaNil);
      }
      break;
    }
    default: break;
  }
}

void TWriter::WriteOrdProp(TPersistent* Instance, const TPropInfo& Prop)
{
  const TTypeInfo& type = *Prop.PropType;
  const int64_t value = GetOrdProp(*Instance, Prop);
  std::string ident;
  if (type.Kind == tkEnumeration && !IsBooleanType(type)) {
    ident = GetEnumName(&type, value);
    if (ident.empty()) throw EWriteError("Invalid value " + std::to_string(value) + " of property " + Prop.Name);
  }
  WritePropName(Prop.Name);
  switch (type.Kind) {
    case tkInteger:
      if (type.Idents && type.Idents->ToIdent(static_cast<int32_t>(value), ident))
        WriteIdent(ident);
      else
        WriteInteger(value);
      break;
    case tkChar: WriteChar(static_cast<char>(value)); break;
    case tkWChar: WriteInteger(value); break;
    case tkEnumeration:
      if (IsBooleanType(type))
        WriteBoolean(value != 0);
      else
        WriteIdent(ident);
      break;
    default:  // tkSet
      WriteValue(vaSet);
      for (int bit = 0; bit < 32; ++bit)
        if (value & (int64_t(1) << bit)) {
          const std::string name = GetEnumName(type.CompType, bit);
          if (name.empty()) throw EWriteError("Invalid value " + std::to_string(value) + " of property " + Prop.Name);
          WriteStr(name);
        }
      WriteStr("");
      break;
  }
}

bool TWriter::ComponentReference(TComponent* Component, std::string& Ref) const
{
  if (Component->Name().empty()) return false;
  if (Component == FRoot || Component->Owner() == FRoot) {
    Ref = Component->Name();
    return true;
  }
  TComponent* owner = Component->Owner();
  if (owner && !owner->Name().empty()) {
    Ref = owner->Name() + "." + Component->Name();
    return true;
  }
  return false;
}

void TWriter::WriteObjectPropValue(TPersistent* Instance, const TPropInfo& Prop)
{
  TObject* object = GetObjectProp(*Instance, Prop);
  if (!object) {
    WritePropName(Prop.Name);
    WriteValue(vaNil);
    return;
  }
  auto* component = dynamic_cast<TComponent*>(object);
  if (component && !component->ComponentStyle().Contains(csSubComponent)) {
    std::string ref;
    if (ComponentReference(component, ref)) {
      WritePropName(Prop.Name);
      WriteIdent(ref);
    }
    return;
  }
  if (auto* collection = dynamic_cast<TCollection*>(object)) {
    WritePropName(Prop.Name);
    WriteCollection(collection);
    return;
  }
  auto* persistent = dynamic_cast<TPersistent*>(object);
  if (!persistent) return;
  // Sub-objects are written in place as dotted paths ("Font.Name"); a cycle
  // of sub-objects would otherwise never end.
  if (++FDepth > MaxStreamNesting) throw EWriteError("Objects nested too deeply in property " + Prop.Name);
  const std::string saved = FPropPath;
  FPropPath += Prop.Name + ".";
  try {
    WriteProperties(persistent);
  } catch (...) {
    FPropPath = saved;
    --FDepth;
    throw;
  }
  FPropPath = saved;
  --FDepth;
}

void TWriter::WriteCollection(TCollection* Collection)
{
  WriteValue(vaCollection);
  const std::string saved = FPropPath;
  FPropPath.clear();
  try {
    for (int i = 0; i < Collection->Count(); ++i) {
      WriteListBegin();
      WriteProperties(Collection->Items(i));
      WriteListEnd();
    }
  } catch (...) {
    FPropPath = saved;
    throw;
  }
  FPropPath = saved;
  WriteListEnd();
}

void TWriter::DefineProperty(const std::string& Name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& WriteProc, bool HasData)
{
  if (!HasData || !WriteProc) return;
  WritePropName(Name);
  WriteProc(*this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, const std::function<void(TStream&)>&,
                                   const std::function<void(TStream&)>& WriteProc, bool HasData)
{
  if (!HasData || !WriteProc) return;
  WritePropName(Name);
  WriteBinary(WriteProc);
}

// ---------------------------------------------------------------------------
// TReader: values

TReader::~TReader() = default;

// Counts one level of nesting for as long as it lives; the count is right
// again however the level is left.
class TReaderNesting {
public:
  explicit TReaderNesting(TReader& Reader) : FReader(Reader)
  {
    if (++FReader.FDepth > MaxStreamNesting) {
      --FReader.FDepth;
      throw EReadError("Invalid stream format: objects nested too deeply");
    }
  }
  ~TReaderNesting() { --FReader.FDepth; }
  TReaderNesting(const TReaderNesting&) = delete;
  TReaderNesting& operator=(const TReaderNesting&) = delete;

private:
  TReader& FReader;
};

TValueType TReader::ReadValue()
{
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  if (b > vaLastValue) throw EReadError("Invalid stream format: unknown value tag " + std::to_string(b));
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue()
{
  // A peek, not a check: before a property the next byte is the length of
  // its name, which may be any value.
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  FStream.Seek(-1, soCurrent);
  return static_cast<TValueType>(b);
}

void TReader::CheckValue(TValueType Value)
{
  if (ReadValue() != Value) InvalidValue();
}

namespace {
uint32_t ReadLE(TStream& Stream, int Bytes)
{
  uint8_t b[4] = {0, 0, 0, 0};
  Stream.ReadBuffer(b, Bytes);
  uint32_t v = 0;
  for (int i = 0; i < Bytes; ++i) v |= static_cast<uint32_t>(b[i]) << (8 * i);
  return v;
}

// A length read from the stream is used only when that many bytes remain.
void CheckLength(TStream& Stream, uint32_t Length)
{
  if (static_cast<int64_t>(Length) > Stream.Remaining()) throw EReadError("Stream read error");
}
}  // namespace

int32_t TReader::ReadInteger()
{
  switch (ReadValue()) {
    case vaInt8: return static_cast<int8_t>(ReadLE(FStream, 1));
    case vaInt16: return static_cast<int16_t>(ReadLE(FStream, 2));
    case vaInt32: return static_cast<int32_t>(ReadLE(FStream, 4));
    default: InvalidValue();
  }
}

bool TReader::ReadBoolean()
{
  const TValueType v = ReadValue();
  if (v != vaTrue && v != vaFalse) InvalidValue();
  return v == vaTrue;
}

std::string TReader::ReadStr()
{
  uint8_t len;
  FStream.ReadBuffer(&len, 1);
  std::string s(len, '\0');
  FStream.ReadBuffer(s.data(), len);
  return s;
}

std::string TReader::ReadString()
{
  const TValueType v = ReadValue();
  if (v == vaString) return ReadStr();
  if (v != vaLString) InvalidValue();
  const uint32_t len = ReadLE(FStream, 4);
  CheckLength(FStream, len);
  std::string s(len, '\0');
  FStream.ReadBuffer(s.data(), len);
  return s;
}

std::string TReader::ReadIdent()
{
  switch (ReadValue()) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    default: InvalidValue();
  }
}

double TReader::ReadFloat()
{
  if (IsIntegerTag(NextValue())) return ReadInteger();
  CheckValue(vaExtended);
  uint8_t b[10];
  FStream.ReadBuffer(b, 10);
  return ExtendedToDouble(b);
}

char TReader::ReadChar()
{
  const std::string s = ReadString();
  if (s.size() != 1) InvalidValue();
  return s[0];
}

void TReader::SkipValue()
{
  auto skip = [this](int64_t n) {
    if (n > FStream.Remaining()) throw EReadError("Stream read error");
    FStream.Seek(n, soCurrent);
  };
  switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil: break;
    case vaList: {
      TReaderNesting nesting(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      break;
    }
    case vaInt8: skip(1); break;
    case vaInt16: skip(2); break;
    case vaInt32: skip(4); break;
    case vaExtended: skip(10); break;
    case vaString:
    case vaIdent: {
      uint8_t len;
      FStream.ReadBuffer(&len, 1);
      skip(len);
      break;
    }
    case vaBinary:
    case vaLString: skip(ReadLE(FStream, 4)); break;
    case vaSet:
      while (!ReadStr().empty()) {}
      break;
    case vaCollection: {
      TReaderNesting nesting(*this);
      while (!EndOfList()) {
        if (IsIntegerTag(NextValue())) ReadInteger();
        ReadListBegin();
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      break;
    }
  }
}

void TReader::ReadPrefix(uint8_t& Flags, int& ChildPos)
{
  Flags = 0;
  ChildPos = 0;
  uint8_t b;
  FStream.ReadBuffer(&b, 1);
  if ((b & 0xF0) != 0xF0) {
    FStream.Seek(-1, soCurrent);
    return;
  }
  Flags = b & 0x0F;
  if (Flags & ffChildPos) ChildPos = ReadInteger();
}

void TReader::ReadSignature()
{
  char sig[4];
  FStream.ReadBuffer(sig, 4);
  if (std::memcmp(sig, Signature, 4) != 0) InvalidFormat();
}

// ---------------------------------------------------------------------------
// TReader: objects and properties

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
    ResolveFixups();
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
  FFixups.clear();
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
      const std::string name = ReadIdent();
      FFixups.push_back(TFixup{Instance, &Prop, name});
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

void TReader::ResolveFixups()
{
  // References are resolved once everything is read, because a component may
  // name one that the stream holds further down.
  std::vector<TFixup> fixups;
  fixups.swap(FFixups);
  for (const TFixup& f : fixups) {
    TComponent* target = nullptr;
    const size_t dot = f.Name.find('.');
    if (dot != std::string::npos) {
      if (TComponent* form = FindGlobalComponent(f.Name.substr(0, dot)))
        target = form->FindComponent(f.Name.substr(dot + 1));
    } else if (FRoot && SameText(FRoot->Name(), f.Name)) {
      target = FRoot;
    } else {
      target = FRoot ? FRoot->FindComponent(f.Name) : nullptr;
      if (!target) target = FindGlobalComponent(f.Name);
    }
    // An unresolved reference is left alone, as a component of a form that
    // does not exist yet would be.
    if (!target) continue;
    try {
      SetObjectProp(*f.Instance, *f.Prop, target);
    } catch (const Exception& e) {
      if (!OnError || !OnError(e.what()))
        throw EReadError(std::string("Error reading ") + f.Prop->Name + ": " + e.what());
    }
  }
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
  const uint32_t len = ReadLE(FStream, 4);
  CheckLength(FStream, len);
  TMemoryStream data;
  data.SetSize(len);
  FStream.ReadBuffer(data.Memory(), len);
  data.SetPosition(0);
  if (ReadProc) ReadProc(data);
}
