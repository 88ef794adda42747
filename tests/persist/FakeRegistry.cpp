#include "tests/persist/FakeRegistry.h"

#include "framework/objects/Exceptions.h"
#include "framework/objects/SysUtils.h"

bool TFakeRegistry::OpenKey(const std::string& Key, bool CanCreate)
{
  ++OpenCount;
  auto It = FKeys.find(UpperCase(Key));
  if (It == FKeys.end()) {
    if (!CanCreate) return false;
    It = FKeys.emplace(UpperCase(Key), TKey()).first;
  }
  FOpen = &It->second;
  return true;
}

TFakeRegistry::TKey& TFakeRegistry::Open()
{
  if (!FOpen) throw Exception("no key open");
  return *FOpen;
}

bool TFakeRegistry::ValueExists(const std::string& Name) { return Open().count(UpperCase(Name)) != 0; }

std::string TFakeRegistry::ReadString(const std::string& Name)
{
  auto It = Open().find(UpperCase(Name));
  if (It == Open().end() || It->second.Binary) throw Exception("Invalid data type for '" + Name + "'");
  return It->second.Data;
}

std::string TFakeRegistry::ReadBinary(const std::string& Name)
{
  auto It = Open().find(UpperCase(Name));
  if (It == Open().end() || !It->second.Binary) throw Exception("Invalid data type for '" + Name + "'");
  return It->second.Data;
}

void TFakeRegistry::WriteString(const std::string& Name, const std::string& Value)
{
  Open()[UpperCase(Name)] = TValue{false, Value};
}

void TFakeRegistry::WriteBinary(const std::string& Name, const std::string& Data)
{
  Open()[UpperCase(Name)] = TValue{true, Data};
}

bool TFakeRegistry::HasKey(const std::string& Key) const { return FKeys.count(UpperCase(Key)) != 0; }

const TFakeRegistry::TValue* TFakeRegistry::Value(const std::string& Key, const std::string& Name) const
{
  auto K = FKeys.find(UpperCase(Key));
  if (K == FKeys.end()) return nullptr;
  auto V = K->second.find(UpperCase(Name));
  return V == K->second.end() ? nullptr : &V->second;
}

void TFakeRegistry::Put(const std::string& Key, const std::string& Name, TValue Value)
{
  FKeys[UpperCase(Key)][UpperCase(Name)] = std::move(Value);
}
