#include "persist/oxPerst.h"

#include "framework/objects/Streams.h"
#include "persist/PersistItem.h"
#include "persist/PersistTransfer.h"
#include "persist/RegistryStore.h"
#include "persist/oxPerEdt.h"

namespace {

std::string ExecutablePath()
{
  char Path[MAX_PATH + 1] = {};
  const DWORD Length = GetModuleFileNameA(nullptr, Path, MAX_PATH);
  return std::string(Path, Length);
}

}  // namespace

const TTypeInfo* TypeInfo_ToxpStorageType()
{
  static const TTypeInfo* Type = NewEnumType("ToxpStorageType", {"oxpFile", "oxpRegistry"});
  return Type;
}

const TTypeInfo* TypeInfo_ToxpOptions()
{
  static const TTypeInfo* Type = NewSetType(
      "ToxpOptions", NewEnumType("ToxpOption", {"oxpAutoSave", "oxpAutoLoad", "oxpAutoFileName", "oxpAutoRegKey"}));
  return Type;
}

const TTypeInfo* TypeInfo_ToxRootKey()
{
  static const TTypeInfo* Type = NewEnumType("ToxRootKey", {"oxpHKEY_CURRENT_USER", "oxpHKEY_LOCAL_MACHINE"});
  return Type;
}

struct ToxPersist::THook {
  ToxPersist* Self = nullptr;
  TNotifyEvent Previous;
};

QV_IMPLEMENT_CLASS(ToxPersist)

void ToxPersist::DeclareProperties(TClassBuilder<ToxPersist>& c)
{
  c.Object("Items", TStrings::StaticClass(), &ToxPersist::Items, &ToxPersist::SetItems);
  c.String("FileName", &ToxPersist::FileName, &ToxPersist::SetFileName);
  c.String("RegistryKey", &ToxPersist::RegistryKey, &ToxPersist::SetRegistryKey);
  c.Ordinal("StorageType", TypeInfo_ToxpStorageType(), &ToxPersist::StorageType, &ToxPersist::SetStorageType)
      .Default(oxpFile);
  c.Ordinal("Options", TypeInfo_ToxpOptions(), &ToxPersist::Options, &ToxPersist::SetOptions)
      .Default(ToxpOptions{oxpAutoSave, oxpAutoLoad, oxpAutoFileName, oxpAutoRegKey}.ToInt());
  const TTypeInfo* CancelEvent = NewMethodType("TCancelEvent");
  c.Event("BeforeLoad", CancelEvent, &ToxPersist::BeforeLoad);
  c.Event("AfterLoad", TypeInfo_TNotifyEvent(), &ToxPersist::AfterLoad);
  c.Event("BeforeSave", CancelEvent, &ToxPersist::BeforeSave);
  c.Event("AfterSave", TypeInfo_TNotifyEvent(), &ToxPersist::AfterSave);
  c.Ordinal("RootKey", TypeInfo_ToxRootKey(), &ToxPersist::RootKey, &ToxPersist::SetRootKey)
      .Default(oxpHKEY_CURRENT_USER);
}

ToxPersist::ToxPersist(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TStringList>()),
      FWindow(std::make_unique<TMessageWindow>([this](TMessage& Message) { OnWindowMessage(Message); }))
{}

// The form may outlive this component; its destroy handler then only chains on.
ToxPersist::~ToxPersist()
{
  if (FHook) FHook->Self = nullptr;
}

void ToxPersist::SetRegistryKey(const std::string& Value) { FRegistryKey = AssignRegistryKey(FRegistryKey, Value); }

// While the form file is read, Loaded decides; afterwards the take-over
// follows the automatic-save flag. Only a handler taken over is given back.
void ToxPersist::SetOptions(ToxpOptions Value)
{
  const bool WasAutoSave = FOptions.Contains(oxpAutoSave);
  FOptions = Value;
  if (!AutoStartAllowed() || WasAutoSave == Value.Contains(oxpAutoSave)) return;
  if (Value.Contains(oxpAutoSave))
    TakeOverDestroy();
  else
    GiveBackDestroy();
}

bool ToxPersist::AutoStartAllowed() const
{
  const TComponentState State = ComponentState();
  return !State.Contains(csLoading) && !State.Contains(csDesigning);
}

void ToxPersist::Loaded()
{
  inherited::Loaded();
  if (Owner()) {
    std::vector<std::string> Lines = FItems->ToVector();
    if (FixUpFormItems(Lines, FormItemName(Owner()->Name(), Owner()->ClassName()))) {
      TStringList Fixed;
      for (const std::string& Line : Lines) Fixed.Add(Line);
      FItems->Assign(&Fixed);
    }
  }
  if (ComponentState().Contains(csDesigning)) return;
  if (FOptions.Contains(oxpAutoSave)) TakeOverDestroy();
  if (FOptions.Contains(oxpAutoLoad)) PostLoad();
}

void ToxPersist::TakeOverDestroy()
{
  auto* Form = dynamic_cast<TCustomForm*>(Owner());
  if (!Form || FHook) return;
  auto Hook = std::make_shared<THook>();
  Hook->Self = this;
  Hook->Previous = Form->OnDestroy;
  Form->OnDestroy = [Hook](TObject* Sender) {
    // The form is being destroyed: a failed save is reported, never
    // allowed to stop the form's own destroy code.
    if (Hook->Self) {
      try {
        Hook->Self->Save();
      } catch (const std::exception& E) {
        if (Application) Application->ShowException(E);
      }
    }
    Hook->Previous(Sender);
  };
  FHook = std::move(Hook);
}

void ToxPersist::GiveBackDestroy()
{
  if (!FHook) return;
  if (auto* Form = dynamic_cast<TCustomForm*>(Owner())) Form->OnDestroy = FHook->Previous;
  FHook->Self = nullptr;
  FHook.reset();
}

void ToxPersist::OnWindowMessage(TMessage& Message)
{
  if (Message.Msg == WM_OXPLOAD) Load();
}

void ToxPersist::PostLoad() { PostMessageA(FWindow->Handle(), WM_OXPLOAD, 0, 0); }

TCustomForm& ToxPersist::OwnerForm() const
{
  auto* Form = dynamic_cast<TCustomForm*>(Owner());
  if (!Form) throw EComponentError("Persistence component " + Name() + " is not owned by a form");
  return *Form;
}

std::string ToxPersist::AutoKey() const
{
  const TComponent& Form = OwnerForm();
  return AutoKeyName(FormItemName(Form.Name(), Form.ClassName()), Name());
}

std::string ToxPersist::SettingsFileName() const
{
  return FOptions.Contains(oxpAutoFileName) ? AutoSettingsFileName(ExecutablePath()) : FFileName;
}

std::string ToxPersist::RegistryKeyName() const
{
  return FOptions.Contains(oxpAutoRegKey) ? AutoRegistryKey(ExecutablePath(), AutoKey()) : FRegistryKey;
}

std::string ToxPersist::FileKeyName() const { return FOptions.Contains(oxpAutoRegKey) ? AutoKey() : FRegistryKey; }

HKEY ToxPersist::RootHandle() const
{
  return FRootKey == oxpHKEY_LOCAL_MACHINE ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

void ToxPersist::Save()
{
  if (DoBeforeSave()) return;
  if (FStorageType == oxpFile)
    SaveToFile(SettingsFileName());
  else
    SaveToRegistry(RegistryKeyName());
  DoAfterSave();
}

void ToxPersist::Load()
{
  if (DoBeforeLoad()) return;
  if (FStorageType == oxpFile) {
    const std::string File = SettingsFileName();
    if (FileExists(File)) LoadFromFile(File);
  } else {
    LoadFromRegistry(RegistryKeyName());
  }
  DoAfterLoad();
}

void ToxPersist::SaveToFile(const std::string& AFileName)
{
  SaveItemsToFile(OwnerForm(), FItems->ToVector(), AFileName, FileKeyName());
}

void ToxPersist::LoadFromFile(const std::string& AFileName)
{
  LoadItemsFromFile(OwnerForm(), FItems->ToVector(), AFileName, FileKeyName());
}

void ToxPersist::SaveToRegistry(const std::string& Key)
{
  TRegistryStore Store(RootHandle());
  SaveItems(OwnerForm(), FItems->ToVector(), Store, Key);
}

void ToxPersist::LoadFromRegistry(const std::string& Key)
{
  TRegistryStore Store(RootHandle());
  LoadItems(OwnerForm(), FItems->ToVector(), Store, Key);
}

bool ToxPersist::Execute()
{
  std::unique_ptr<ToxPersistEdit> Dialog(TCustomForm::Create<ToxPersistEdit>(Application));
  Dialog->SetPersist(this);
  if (auto* Form = dynamic_cast<TCustomForm*>(Owner())) Dialog->SetCaption(Form->Caption() + " Setup Dialog");
  return Dialog->ShowModal() == mrOk;
}

bool ToxPersist::DoBeforeLoad()
{
  bool Cancel = false;
  BeforeLoad(this, Cancel);
  return Cancel;
}

void ToxPersist::DoAfterLoad() { AfterLoad(this); }

bool ToxPersist::DoBeforeSave()
{
  bool Cancel = false;
  BeforeSave(this, Cancel);
  return Cancel;
}

void ToxPersist::DoAfterSave() { AfterSave(this); }
