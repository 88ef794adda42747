#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/objects/Exceptions.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"
#include "persist/ObjectBlob.h"
#include "persist/SettingsStore.h"
#include "tests/support/TestClasses.h"

// What the transfer and setup-dialog tests share.

// A form named QVMain owning the components the items name.
struct TMainForm {
  fwtest::TGadget Form{nullptr};
  fwtest::TGadget* Changes = new fwtest::TGadget(&Form);
  fwtest::TGadget* Browse = new fwtest::TGadget(&Form);
  TMainForm()
  {
    Form.SetName("QVMain");
    Changes->SetName("Changes");
    Browse->SetName("dlgBrowse");
  }
};

// Pieces of a stored blob: a name with its length byte, the 32-byte
// class-name field, and the envelope up to the carrier's properties.
inline std::string Str(const std::string& S) { return static_cast<char>(S.size()) + S; }
inline std::string NameField(const std::string& Name) { return Name + std::string(32 - Name.size(), '\0'); }
inline std::string BlobHead(const std::string& Class)
{
  return NameField(Class) + "03" + "TPF0" + Str("TCarrier") + Str("");
}

// The blob of an object-valued property; the writer reports its size.
inline std::string BlobOf(TObject& Instance, const char* Name)
{
  TMemoryStream Stream;
  EXPECT_EQ(Stream.Size(), WriteObjectProp(Instance, FindPropInfo(Instance, Name), Stream)) << Name;
  return Stream.DataString();
}

// An in-memory registry for the transfer tests: keys and value names compare
// without letter case, values are strings or binary, and reads of a missing
// value or one of the other type fail like the real accessor's.
class TFakeRegistry : public TSettingsStore {
public:
  struct TValue {
    bool Binary = false;
    std::string Data;
  };

  void CloseKey() override { FOpen = nullptr; }
  bool OpenKey(const std::string& Key, bool CanCreate) override
  {
    ++OpenCount;
    if (!CanCreate && !HasKey(Key)) return false;
    FOpen = &FKeys[UpperCase(Key)];
    return true;
  }
  bool ValueExists(const std::string& Name) override { return Open().count(UpperCase(Name)) != 0; }
  std::string ReadString(const std::string& Name) override { return Read(Name, false); }
  std::string ReadBinary(const std::string& Name) override { return Read(Name, true); }
  void WriteString(const std::string& Name, const std::string& Value) override
  {
    Open()[UpperCase(Name)] = {false, Value};
  }
  void WriteBinary(const std::string& Name, const std::string& Data) override
  {
    Open()[UpperCase(Name)] = {true, Data};
  }

  bool HasKey(const std::string& Key) const { return FKeys.count(UpperCase(Key)) != 0; }
  // The value, or nullptr.
  const TValue* Value(const std::string& Key, const std::string& Name) const
  {
    auto K = FKeys.find(UpperCase(Key));
    auto V = K == FKeys.end() ? FNone.end() : K->second.find(UpperCase(Name));
    return K == FKeys.end() || V == K->second.end() ? nullptr : &V->second;
  }
  void Put(const std::string& Key, const std::string& Name, TValue Value)
  {
    FKeys[UpperCase(Key)][UpperCase(Name)] = std::move(Value);
  }
  int OpenCount = 0;

private:
  using TKey = std::map<std::string, TValue>;
  TKey& Open()
  {
    if (!FOpen) throw Exception("no key open");
    return *FOpen;
  }
  std::string Read(const std::string& Name, bool Binary)
  {
    auto It = Open().find(UpperCase(Name));
    if (It == Open().end() || It->second.Binary != Binary) throw Exception("Invalid data type for '" + Name + "'");
    return It->second.Data;
  }
  std::map<std::string, TKey> FKeys;
  const TKey FNone;
  TKey* FOpen = nullptr;
};
