#pragma once
// ToxPersist: copies chosen properties of its owner form and the form's
// components to and from the registry or a settings file, as described by
// its item lines. With the automatic options it loads from the message loop
// once the form is created and saves before the form's own destroy code.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/forms/Forms.h"
#include "framework/objects/StringList.h"

enum ToxpStorageType { oxpFile, oxpRegistry };
enum ToxpOption { oxpAutoSave, oxpAutoLoad, oxpAutoFileName, oxpAutoRegKey };
using ToxpOptions = TSet<ToxpOption>;
enum ToxRootKey { oxpHKEY_CURRENT_USER, oxpHKEY_LOCAL_MACHINE };
using TCancelEvent = TEvent<void(TObject* Sender, bool& Cancel)>;

const TTypeInfo* TypeInfo_ToxpStorageType();
const TTypeInfo* TypeInfo_ToxpOptions();
const TTypeInfo* TypeInfo_ToxRootKey();

class ToxPersist : public TComponent {
  QV_CLASS(ToxPersist, TComponent)
public:
  // The private message that runs Load from the message loop.
  static constexpr UINT WM_OXPLOAD = WM_USER + 23;

  explicit ToxPersist(TComponent* AOwner);
  ~ToxPersist() override;

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  const std::string& RegistryKey() const { return FRegistryKey; }
  void SetRegistryKey(const std::string& Value);
  ToxpStorageType StorageType() const { return FStorageType; }
  void SetStorageType(ToxpStorageType Value) { FStorageType = Value; }
  ToxpOptions Options() const { return FOptions; }
  void SetOptions(ToxpOptions Value);
  ToxRootKey RootKey() const { return FRootKey; }
  void SetRootKey(ToxRootKey Value) { FRootKey = Value; }

  TCancelEvent BeforeLoad;
  TNotifyEvent AfterLoad;
  TCancelEvent BeforeSave;
  TNotifyEvent AfterSave;

  void Save();
  void Load();
  void PostLoad();
  void SaveToFile(const std::string& AFileName);
  void LoadFromFile(const std::string& AFileName);
  void SaveToRegistry(const std::string& Key);
  void LoadFromRegistry(const std::string& Key);
  // Shows the setup dialog for this component; true when closed with OK.
  virtual bool Execute();

  // The settings file and keys the next Save or Load uses.
  std::string SettingsFileName() const;
  std::string RegistryKeyName() const;
  std::string FileKeyName() const;
  HWND MessageHandle() const { return FWindow->Handle(); }

  void Loaded() override;

protected:
  // Each returns the cancel flag.
  virtual bool DoBeforeLoad();
  virtual void DoAfterLoad();
  virtual bool DoBeforeSave();
  virtual void DoAfterSave();

private:
  struct THook;
  TCustomForm& OwnerForm() const;
  std::string AutoKey() const;
  HKEY RootHandle() const;
  bool AutoStartAllowed() const;
  void TakeOverDestroy();
  void GiveBackDestroy();
  void OnWindowMessage(TMessage& Message);

  std::unique_ptr<TStringList> FItems;
  std::string FFileName;
  std::string FRegistryKey = "Software\\";
  ToxpStorageType FStorageType = oxpFile;
  ToxpOptions FOptions{oxpAutoSave, oxpAutoLoad, oxpAutoFileName, oxpAutoRegKey};
  ToxRootKey FRootKey = oxpHKEY_CURRENT_USER;
  std::unique_ptr<TMessageWindow> FWindow;
  // Shared with the handler installed on the form, so the form never calls
  // into this component once it is freed.
  std::shared_ptr<THook> FHook;
};
