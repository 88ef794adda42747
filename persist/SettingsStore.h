#pragma once
#include <string>

#include "persist/oxRegFil.h"

// The registry-accessor operations the persistence transfers drive, so the
// registry and the settings file are used the same way. The Win32 side
// implements it over the registry; TRegFileStore over a settings file store.
class TSettingsStore {
public:
  virtual ~TSettingsStore() = default;
  virtual void CloseKey() = 0;
  // False when the key is missing and CanCreate is off, or it cannot be opened.
  virtual bool OpenKey(const std::string& Key, bool CanCreate) = 0;
  virtual bool ValueExists(const std::string& Name) = 0;
  // Both reads throw when the value is missing or of the other type.
  virtual std::string ReadString(const std::string& Name) = 0;
  virtual std::string ReadBinary(const std::string& Name) = 0;
  virtual void WriteString(const std::string& Name, const std::string& Value) = 0;
  // Empty data writes a binary value of length 0.
  virtual void WriteBinary(const std::string& Name, const std::string& Data) = 0;
};

// A settings file store driven as a registry: opening a key makes it the
// store's current key, and every key "exists".
class TRegFileStore : public TSettingsStore {
public:
  explicit TRegFileStore(ToxRegFile& Store) : FStore(Store) {}
  void CloseKey() override {}
  bool OpenKey(const std::string& Key, bool CanCreate) override;
  bool ValueExists(const std::string& Name) override;
  std::string ReadString(const std::string& Name) override;
  std::string ReadBinary(const std::string& Name) override;
  void WriteString(const std::string& Name, const std::string& Value) override;
  void WriteBinary(const std::string& Name, const std::string& Data) override;

private:
  ToxRegFile& FStore;
};
