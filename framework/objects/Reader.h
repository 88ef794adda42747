#pragma once
// Reads the binary object stream (see ObjectStream.h) into existing objects:
// ReadComponentFromStream(stream, root). The reader accepts any subset of the
// properties, checks every length against what is left of the stream before
// using it, and raises EReadError on damaged input. Tagged values are read in
// Reader_Values.cpp, objects and properties in Reader.cpp.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/objects/Filer.h"
#include "framework/objects/Fixups.h"
#include "framework/objects/ObjectStream.h"

class TCollection;

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
  [[noreturn]] static void InvalidValue();
  // A 4-byte length, used only when that many bytes remain in the stream.
  uint32_t ReadLength();
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadOrdValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadObjectValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadMethodValue(TPersistent* Instance, const TPropInfo& Prop);
  int64_t ReadIntegerValue(const TTypeInfo& Type);
  int64_t ReadEnumValue(const TTypeInfo& Type);
  uint32_t ReadSetValue(const TTypeInfo& Type);
  TPersistent* ResolvePath(TPersistent* Instance, const std::string& Path, std::string& Last);
  void FinishLoading(bool CallLoaded);
  friend class TReaderNesting;

  std::string FPropName;
  bool FPropFound = false;
  std::vector<TComponent*> FLoaded;
  TFixupList FFixups;
  int FDepth = 0;
};

// Counts one level of nesting of Reader for as long as it lives (EReadError
// beyond MaxStreamNesting); the count is right again however the level is left.
class TReaderNesting {
public:
  explicit TReaderNesting(TReader& Reader);
  ~TReaderNesting() { --FReader.FDepth; }
  TReaderNesting(const TReaderNesting&) = delete;
  TReaderNesting& operator=(const TReaderNesting&) = delete;

private:
  TReader& FReader;
};

void ReadComponentFromStream(TStream& Stream, TComponent* Root);
