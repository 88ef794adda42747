#pragma once
// Writes components to the binary object stream (see ObjectStream.h):
// TWriter(stream).WriteRootComponent(root), or WriteComponentToStream.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "framework/objects/Filer.h"
#include "framework/objects/ObjectStream.h"

class TCollection;

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
  void WriteLength(uint32_t Length);
  bool ComponentReference(TComponent* Component, std::string& Ref) const;

  std::string FPropPath;
  int FDepth = 0;
};

void WriteComponentToStream(TStream& Stream, TComponent* Root);
