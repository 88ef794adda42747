#include "persist/PersistEditModel.h"

#include "framework/graphics/Font.h"
#include "framework/graphics/Picture.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/Streams.h"
#include "framework/objects/StringList.h"
#include "persist/ItemWalk.h"
#include "persist/ObjectBlob.h"
#include "persist/PersistTransfer.h"
#include "persist/PropText.h"

namespace {

bool IsColorType(const TTypeInfo* Type) { return Type && Type->Name == "TColor"; }

template <class T> T* CurrentAs(TObject* Current) { return dynamic_cast<T*>(Current); }

std::string BlobOf(TObject& Instance, const TPropInfo& Prop)
{
  TMemoryStream Stream;
  if (WriteObjectProp(Instance, Prop, Stream) == -1) throw EWriteError("Cannot stream property " + Prop.Name);
  return Stream.DataString();
}

bool ReadBlob(TObject& Instance, const TPropInfo& Prop, const std::string& Blob)
{
  TReadOnlyMemoryStream Stream(Blob.data(), static_cast<int64_t>(Blob.size()));
  return ReadObjectProp(Instance, Prop, Stream);
}

}  // namespace

std::vector<TListedItem> ListSetupItems(const std::vector<std::string>& Items)
{
  std::vector<TListedItem> Listed;
  for (size_t I = 0; I < Items.size(); ++I) {
    ToxPersistItem Item = ToxPersistItem::Parse(Items[I]);
    if (Item.IsInSetup() && Item.InUse()) Listed.push_back(TListedItem{static_cast<int>(I), std::move(Item)});
  }
  return Listed;
}

TPropEditor EditorFor(const TPropInfo& Prop, TObject* Current)
{
  switch (Prop.Kind()) {
    case tkInteger: return IsColorType(Prop.PropType) ? TPropEditor::Choice : TPropEditor::Text;
    case tkEnumeration: return TPropEditor::Choice;
    case tkString:
    case tkLString: return TPropEditor::Text;
    case tkSet: return TPropEditor::Set;
    case tkClass:
      // The blob's families, tested in the blob's own order.
      if (CurrentAs<TPicture>(Current)) return TPropEditor::Picture;
      if (CurrentAs<TGraphic>(Current)) return TPropEditor::Graphic;
      if (CurrentAs<TStrings>(Current)) return TPropEditor::Strings;
      if (CurrentAs<TFont>(Current)) return TPropEditor::Font;
      return TPropEditor::None;
    default: return TPropEditor::None;
  }
}

std::string KindWord(const TPropInfo& Prop, TObject* Current)
{
  switch (Prop.Kind()) {
    case tkInteger: return "integer";
    case tkEnumeration: return "enum";
    case tkString:
    case tkLString: return "string";
    case tkSet: return "set";
    case tkClass: return Current ? Current->ClassName() : std::string();
    default: return std::string();
  }
}

std::vector<std::string> ChoiceNames(const TPropInfo& Prop)
{
  if (Prop.Kind() == tkInteger && IsColorType(Prop.PropType)) return GetColorValues();
  if (Prop.Kind() == tkEnumeration) return Prop.PropType->EnumNames;
  return {};
}

std::vector<std::string> SetMemberNames(const TPropInfo& Prop)
{
  if (Prop.Kind() != tkSet || !Prop.PropType->CompType) return {};
  return Prop.PropType->CompType->EnumNames;
}

std::vector<bool> SetMembersSelected(const std::vector<std::string>& Names, std::string_view Stored)
{
  std::vector<bool> Selected;
  for (const std::string& Name : Names)
    Selected.push_back(!Name.empty() && Stored.find(Name) != std::string_view::npos);
  return Selected;
}

std::string SetSelectionText(const std::vector<std::string>& Names, const std::vector<bool>& Selected)
{
  std::string Text = "[";
  bool First = true;
  for (size_t I = 0; I < Names.size() && I < Selected.size(); ++I) {
    if (!Selected[I]) continue;
    if (!First) Text += ',';
    Text += Names[I];
    First = false;
  }
  return Text + ']';
}

std::string GraphicFilter(const TClassInfo* GraphicClass)
{
  std::string Filter;
  if (GraphicClass && GraphicClass->InheritsFrom(TBitmap::StaticClass()))
    Filter = "Bitmaps (*.bmp)|*.bmp";
  else if (GraphicClass && GraphicClass->InheritsFrom(TIcon::StaticClass()))
    Filter = "Icons (*.ico)|*.ico";
  else
    Filter = "All graphics (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico";
  return Filter + "|All (*.*)|*.*";
}

// ---------------------------------------------------------------------------

void TPersistEditModel::TCopyDeleter::operator()(TComponent* Copy) const { delete Copy; }

TPersistEditModel::TPersistEditModel(TComponent& Form, const std::vector<std::string>& Items, TComponent& CopyOwner,
                                     TPlaceCopy PlaceCopy)
    : FForm(Form), FCopyOwner(CopyOwner), FPlaceCopy(std::move(PlaceCopy)), FListed(ListSetupItems(Items))
{}

TPersistEditModel::~TPersistEditModel() = default;

void TPersistEditModel::FillScratch()
{
  FScratch.Clear();
  FScratch.SetCurrentKey("");
  for (const TListedItem& Listed : FListed) {
    const ToxPersistItem& Item = Listed.Item;
    // An item that fails keeps no scratch value and is not applied.
    WithItemProperty(Item, ItemTargetIn(FForm), [&](TComponent& Target, const TPropInfo& Prop) {
      if (Prop.Kind() != tkClass) {
        FScratch.WriteString(Item.ValueName, GetPropAsString(Target, Prop));
        return;
      }
      const std::string Blob = BlobOf(Target, Prop);
      FScratch.WriteBinaryData(Item.ValueName, Blob.data(), Blob.size());
    });
  }
}

void TPersistEditModel::Select(int ListIndex)
{
  FSelected = nullptr;
  FTarget = nullptr;
  FProp = nullptr;
  FCurrent = nullptr;
  FPending = false;
  if (ListIndex < 0 || ListIndex >= static_cast<int>(FListed.size())) return;
  FSelected = &FListed[static_cast<size_t>(ListIndex)];
  FTarget = FindItemTarget(FForm, FSelected->Item.Component);
  FProp = FTarget ? GetPropInfo(*FTarget, FSelected->Item.Property) : nullptr;
  if (FProp && FProp->Kind() == tkClass) FCurrent = GetObjectProp(*FTarget, *FProp);
}

TPropEditor TPersistEditModel::Editor() const { return FProp ? EditorFor(*FProp, FCurrent) : TPropEditor::None; }

// A scratch copy: a default instance of the target's class, without form
// file. Failing constructors give no copy.
TPersistEditModel::TCopy TPersistEditModel::MakeCopy() const
{
  if (!FTarget) return nullptr;
  const TClassInfo& Class = FTarget->ClassInfo();
  if (!Class.CreateComponent) return nullptr;
  try {
    TCopy Copy(Class.CreateComponent(&FCopyOwner));
    if (Copy && FPlaceCopy) FPlaceCopy(*Copy);
    return Copy;
  } catch (const std::exception&) {
    return nullptr;
  }
}

const ToxRegFile::TEntry* TPersistEditModel::Entry(uint8_t Kind) const
{
  if (!FSelected) return nullptr;
  const ToxRegFile::TEntry* Found = FScratch.FindEntry(FSelected->Item.ValueName);
  return Found && Found->Kind == Kind ? Found : nullptr;
}

std::string TPersistEditModel::StoredText() const
{
  if (!FProp) return std::string();
  if (Entry(ToxRegFile::KindString)) return FScratch.ReadString(FSelected->Item.ValueName);
  TCopy Copy = MakeCopy();
  if (!Copy) return std::string();
  try {
    return GetPropAsString(*Copy, *FProp);
  } catch (const std::exception&) {
    return std::string();
  }
}

std::vector<std::string> TPersistEditModel::StoredLines() const
{
  TCopy Copy = MakeCopy();
  if (!Copy || !FProp) return {};
  const ToxRegFile::TEntry* Blob = Entry(ToxRegFile::KindBinary);
  if (Blob && !ReadBlob(*Copy, *FProp, Blob->Data)) Copy = MakeCopy();  // damaged: the default lines
  auto* Lines = Copy ? dynamic_cast<TStrings*>(GetObjectProp(*Copy, *FProp)) : nullptr;
  return Lines ? Lines->ToVector() : std::vector<std::string>();
}

void TPersistEditModel::StoredGraphic(TPicture& Dest) const
{
  Dest.SetGraphic(nullptr);
  TCopy Copy = MakeCopy();
  if (!Copy || !FProp) return;
  const ToxRegFile::TEntry* Blob = Entry(ToxRegFile::KindBinary);
  if (Blob && !ReadBlob(*Copy, *FProp, Blob->Data)) Copy = MakeCopy();
  auto* Graphic = Copy ? dynamic_cast<TGraphic*>(GetObjectProp(*Copy, *FProp)) : nullptr;
  if (Graphic && !Graphic->Empty()) Dest.SetGraphic(Graphic);
}

void TPersistEditModel::StoredObject(TObject& Instance, const TPropInfo& Prop, const std::function<void()>& Reset) const
{
  Reset();
  const ToxRegFile::TEntry* Blob = Entry(ToxRegFile::KindBinary);
  if (Blob && !ReadBlob(Instance, Prop, Blob->Data)) Reset();
}

bool TPersistEditModel::Rewrite(uint8_t Kind, const std::string& Data)
{
  if (!FProp) return false;
  if (Kind == ToxRegFile::KindString)
    FScratch.WriteString(FSelected->Item.ValueName, Data);
  else
    FScratch.WriteBinaryData(FSelected->Item.ValueName, Data.data(), Data.size());
  FPending = true;
  return true;
}

bool TPersistEditModel::EditText(const std::string& Text) { return Rewrite(ToxRegFile::KindString, Text); }

bool TPersistEditModel::EditBlob(const std::string& Blob) { return Rewrite(ToxRegFile::KindBinary, Blob); }

bool TPersistEditModel::EditLines(const TStrings& Lines)
{
  TCopy Copy = MakeCopy();
  auto* Target = Copy && FProp ? dynamic_cast<TStrings*>(GetObjectProp(*Copy, *FProp)) : nullptr;
  if (!Target) return false;
  Target->Assign(const_cast<TStrings*>(&Lines));
  return EditBlob(BlobOf(*Copy, *FProp));
}

bool TPersistEditModel::EditGraphic(const TGraphic* Graphic)
{
  TCopy Copy = MakeCopy();
  auto* Target = Copy && FProp ? dynamic_cast<TGraphic*>(GetObjectProp(*Copy, *FProp)) : nullptr;
  if (!Target) return false;
  // Cleared in place, so any graphic property can take the empty graphic;
  // a graphic of another class than the property's is refused.
  if (Graphic && !Graphic->Empty())
    Target->Assign(const_cast<TGraphic*>(Graphic));
  else
    Target->Clear();
  return EditBlob(BlobOf(*Copy, *FProp));
}

void TPersistEditModel::Apply()
{
  for (const TListedItem& Listed : FListed) {
    const ToxPersistItem& Item = Listed.Item;
    const ToxRegFile::TEntry* Value = FScratch.FindEntry(Item.ValueName);
    if (!Value) continue;
    WithItemProperty(Item, ItemTargetIn(FForm), [&](TComponent& Target, const TPropInfo& Prop) {
      // A value of the other kind (two items sharing a value name) is not applied.
      const bool IsObject = Prop.Kind() == tkClass;
      if (Value->Kind != (IsObject ? ToxRegFile::KindBinary : ToxRegFile::KindString)) return;
      if (IsObject)
        ReadBlob(Target, Prop, Value->Data);
      else
        SetPropFromString(Target, Prop, FScratch.ReadString(Item.ValueName));
    });
  }
  FPending = false;
}
