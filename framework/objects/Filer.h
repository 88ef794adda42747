#pragma once
// What TReader and TWriter share: the stream, the root object, and the way a
// class declares streamed data beyond its published properties, in
// TPersistent::DefineProperties:
//   void TThing::DefineProperties(TFiler& Filer) {
//     inherited::DefineProperties(Filer);
//     Filer.DefineProperty("Lines", [this](TReader& r) { ... }, [this](TWriter& w) { ... }, HasLines());
//     Filer.DefineBinaryProperty("Data", [this](TStream& s) { ... }, [this](TStream& s) { ... }, !Empty());
//   }

#include <functional>
#include <string>

#include "framework/objects/Classes.h"

class TStream;

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
