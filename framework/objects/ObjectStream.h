#pragma once
// The binary object stream ("TPF0"), in which form resources and object
// blobs are stored:
//   "TPF0", then one object: [prefix] class name, object name (each a length
//   byte + characters), properties (path + tagged value) up to a 0 byte,
//   nested objects up to a 0 byte.
// Value tags are TValueType; multi-byte integers are little-endian.
//
// Writing a component: TWriter(stream).WriteRootComponent(root), or the
// helper WriteComponentToStream. Reading into an existing object:
// ReadComponentFromStream(stream, root). The reader accepts any subset of the
// properties, checks every length against what is left of the stream before
// using it, and raises EReadError on damaged input.
//
// Extra streamed data of a class (beyond its published properties) is
// declared in TPersistent::DefineProperties:
//   void TThing::DefineProperties(TFiler& Filer) {
//     inherited::DefineProperties(Filer);
//     Filer.DefineProperty("Lines", [this](TReader& r) { ... }, [this](TWriter& w) { ... }, HasLines());
//     Filer.DefineBinaryProperty("Data", [this](TStream& s) { ... }, [this](TStream& s) { ... }, !Empty());
//   }

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/objects/Classes.h"

class TStream;
class TCollection;

enum TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection
};
constexpr uint8_t vaLastValue = vaCollection;

// Object prefix flags: a byte $F0 | flags before the class name when any is set.
enum : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };

// Deepest nesting of objects, lists and collections the reader accepts;
// deeper input is treated as damaged rather than risking the stack.
constexpr int MaxStreamNesting = 64;

class TFiler {
public:
  explicit TFiler(TStream& Stream) : FStream(Stream) {}
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  TStream& Stream() const { return FStream; }
  TComponent* Root() const { return FRoot; }
  void SetRoot(TComponent* Value) { FRoot = Value; }

  virtual void DefineProperty(const std::string& Name, const std::function<void(TReader&)>& ReadProc,
                              const std::function<void(TWriter&)>& WriteProc, bool HasData) = 0;
  virtual void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream&)>& ReadProc,
                                    const std::function<void(TStream&)>& WriteProc, bool HasData) = 0;

protected:
  TStream& FStream;
  TComponent* FRoot = nullptr;
};

class TWriter : public TFiler {
public:
  using TFiler::TFiler;

  void WriteSignature();
  // Signature, then Root with its properties and children.
  void WriteRootComponent(TComponent* Root);
  void WriteComponent(TComponent* Component);
  // Properties up to the end of the list, then the nested objects.
  void WriteData(TComponent* Instance);
  // Published properties (in declaration order), then defined properties.
  void WriteProperties(TPersistent* Instance);
  void WriteCollection(TCollection* Collection);

  void WriteValue(TValueType Value);
  void WriteListBegin() { WriteValue(vaList); }
  void WriteListEnd() { WriteValue(vaNull); }
  // Smallest integer tag that holds the value.
  void WriteInteger(int64_t Value);
  void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
  // Tag 6 up to 255 characters, else tag 12.
  void WriteString(std::string_view Value);
  void WriteIdent(std::string_view Ident);
  void WriteFloat(double Value);
  void WriteChar(char Value);
  void WriteBinary(const std::function<void(TStream&)>& WriteProc);
  // Length byte + characters; EWriteError above 255 characters.
  void WriteStr(std::string_view Value);
  void WritePrefix(uint8_t Flags, int ChildPos);

  void DefineProperty(const std::string& Name, const std::function<void(TReader&)>& ReadProc,
                      const std::function<void(TWriter&)>& WriteProc, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream&)>& ReadProc,
                            const std::function<void(TStream&)>& WriteProc, bool HasData) override;

private:
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop);
  void WriteOrdProp(TPersistent* Instance, const TPropInfo& Prop);
  void WriteObjectPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void WritePropName(std::string_view Name);
  bool ComponentReference(TComponent* Component, std::string& Ref) const;

  std::string FPropPath;
  int FDepth = 0;
};

class TReader : public TFiler {
public:
  using TFiler::TFiler;
  ~TReader() override;

  // Reads the stream's object into Root (which must exist): checks the
  // signature and that the stream's class is Root's or one it derives from, sets csLoading on
  // every component read (csReading while its own data is read), resolves
  // component references, then calls Loaded on each in creation order.
  void ReadRootComponent(TComponent* Root);
  void ReadSignature();
  // Reads one nested object, creating it through the class registry (owned
  // by the root, parent Parent) unless the root already owns one of that name.
  TComponent* ReadComponent(TComponent* Parent);
  // Properties up to the end of the list, then the nested objects.
  void ReadData(TComponent* Instance);
  void ReadProperty(TPersistent* Instance);
  void ReadCollection(TCollection* Collection);

  // ReadValue raises EReadError for a byte that is no value tag; NextValue
  // only looks at the next byte without moving.
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList() { return NextValue() == vaNull; }
  void ReadListBegin() { CheckValue(vaList); }
  void ReadListEnd() { CheckValue(vaNull); }
  void CheckValue(TValueType Value);
  int32_t ReadInteger();
  bool ReadBoolean();
  std::string ReadString();
  std::string ReadIdent();
  double ReadFloat();
  char ReadChar();
  std::string ReadStr();
  // Skips one tagged value of any kind.
  void SkipValue();
  void ReadPrefix(uint8_t& Flags, int& ChildPos);

  // Nested objects may be refused (an object blob has none): then any nested
  // object raises EReadError.
  bool AllowChildComponents = true;
  // Called with the message of a property that cannot be applied (unknown
  // name, wrong value); returning true skips the value and goes on, false
  // (or no handler) raises EReadError.
  std::function<bool(const std::string& Message)> OnError;

  void DefineProperty(const std::string& Name, const std::function<void(TReader&)>& ReadProc,
                      const std::function<void(TWriter&)>& WriteProc, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, const std::function<void(TStream&)>& ReadProc,
                            const std::function<void(TStream&)>& WriteProc, bool HasData) override;

private:
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    std::string Name;
  };
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadOrdValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadObjectValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadMethodValue(TPersistent* Instance, const TPropInfo& Prop);
  int64_t ReadIntegerValue(const TTypeInfo& Type);
  int64_t ReadEnumValue(const TTypeInfo& Type);
  uint32_t ReadSetValue(const TTypeInfo& Type);
  TPersistent* ResolvePath(TPersistent* Instance, const std::string& Path, std::string& Last);
  void ResolveFixups();
  void FinishLoading(bool CallLoaded);
  friend class TReaderNesting;

  std::string FPropName;
  bool FPropFound = false;
  std::vector<TComponent*> FLoaded;
  std::vector<TFixup> FFixups;
  int FDepth = 0;
};

// A component whose name is not owned by the reading root (a component of
// another form, "Form.Component") is looked up through this hook, which the
// application sets; without it such references stay unresolved.
using TFindGlobalComponent = std::function<TComponent*(std::string_view Name)>;
void SetFindGlobalComponent(TFindGlobalComponent Finder);
TComponent* FindGlobalComponent(std::string_view Name);

void WriteComponentToStream(TStream& Stream, TComponent* Root);
void ReadComponentFromStream(TStream& Stream, TComponent* Root);

// 10-byte floating point (sign, 15-bit exponent, 64-bit mantissa with an
// explicit integer bit), converted without relying on long double.
void DoubleToExtended(double Value, uint8_t Bytes[10]);
double ExtendedToDouble(const uint8_t Bytes[10]);
