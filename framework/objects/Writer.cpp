#include "framework/objects/Writer.h"

#include "framework/objects/Collection.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"

namespace {
bool IsBooleanType(const TTypeInfo& Type) { return Type.Kind == tkEnumeration && SameText(Type.Name, "Boolean"); }
}  // namespace

void WriteComponentToStream(TStream& Stream, TComponent* Root)
{
  TWriter writer(Stream);
  writer.WriteRootComponent(Root);
}

// The default streaming of a component lives beside the writer, so the
// component classes need not know the stream format.
void TComponent::WriteState(TWriter& Writer) { Writer.WriteData(this); }

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

// Long strings and binary data: a 4-byte little-endian length.
void TWriter::WriteLength(uint32_t Length)
{
  uint8_t b[4];
  for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(Length >> (8 * i));
  FStream.WriteBuffer(b, 4);
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
  WriteLength(len);
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
  WriteLength(len);
  FStream.WriteBuffer(data.Memory(), len);
}

void TWriter::WritePrefix(uint8_t Flags, int ChildPos)
{
  if (Flags == 0) return;
  const uint8_t b = static_cast<uint8_t>(0xF0 | (Flags & 0x0F));
  FStream.WriteBuffer(&b, 1);
  if (Flags & ffChildPos) WriteInteger(ChildPos);
}

void TWriter::WriteSignature() { FStream.WriteBuffer(ObjectStreamSignature, 4); }

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
