#pragma once
#include <map>
#include <string>

#include "persist/SettingsStore.h"

// An in-memory registry for the transfer tests: keys and value names compare
// without letter case, values are strings or binary, reads of the wrong type
// fail like the real accessor's.
class TFakeRegistry : public TSettingsStore {
public:
  struct TValue {
    bool Binary = false;
    std::string Data;
  };

  void CloseKey() override { FOpen = nullptr; }
  bool OpenKey(const std::string& Key, bool CanCreate) override;
  bool ValueExists(const std::string& Name) override;
  std::string ReadString(const std::string& Name) override;
  std::string ReadBinary(const std::string& Name) override;
  void WriteString(const std::string& Name, const std::string& Value) override;
  void WriteBinary(const std::string& Name, const std::string& Data) override;

  bool HasKey(const std::string& Key) const;
  // The value, or nullptr.
  const TValue* Value(const std::string& Key, const std::string& Name) const;
  void Put(const std::string& Key, const std::string& Name, TValue Value);
  int OpenCount = 0;

private:
  using TKey = std::map<std::string, TValue>;
  TKey& Open();
  std::map<std::string, TKey> FKeys;
  TKey* FOpen = nullptr;
};
