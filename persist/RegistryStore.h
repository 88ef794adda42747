#pragma once
// The persistence transfers' store over the Windows registry.
#include <windows.h>

#include <string>

#include "framework/win32/Registry.h"
#include "persist/SettingsStore.h"

class TRegistryStore : public TSettingsStore {
public:
  explicit TRegistryStore(HKEY Root) : FRegistry(Root) {}
  void CloseKey() override { FRegistry.CloseKey(); }
  bool OpenKey(const std::string& Key, bool CanCreate) override;
  bool ValueExists(const std::string& Name) override { return FRegistry.ValueExists(Name); }
  std::string ReadString(const std::string& Name) override;
  std::string ReadBinary(const std::string& Name) override;
  void WriteString(const std::string& Name, const std::string& Value) override;
  void WriteBinary(const std::string& Name, const std::string& Data) override;

private:
  TRegistry FRegistry;
};
