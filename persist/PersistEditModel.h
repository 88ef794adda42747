#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/objects/Classes.h"
#include "persist/PersistItem.h"
#include "persist/oxRegFil.h"

class TFont;
class TGraphic;
class TPicture;
class TStrings;

// What the setup dialog does, free of windows: the items it lists, the
// scratch store of the values being edited, the selected item, the
// pending-edit flag and the applying of the edited values to the live
// components. The dialog only moves texts, lines and blobs between its
// controls and this model.

// The editor the setup dialog offers for a property.
enum class TPropEditor { None, Text, Choice, Set, Font, Strings, Graphic, Picture };

struct TListedItem {
  int Line = -1;  // position in the component's item lines
  ToxPersistItem Item;
};

// The items offered for editing, in list order: field 7 is "1" and the item
// is in use (an item naming nothing has nothing to edit).
std::vector<TListedItem> ListSetupItems(const std::vector<std::string>& Items);

// The editor and the kind word ("integer", "enum", "string", "set" or the
// class name of the current object) for a property whose current object (for
// object-valued properties) is Current.
TPropEditor EditorFor(const TPropInfo& Prop, TObject* Current);
std::string KindWord(const TPropInfo& Prop, TObject* Current);

// The names a choice editor offers: the standard colour identifiers for a
// `TColor`, the element names of an enumeration; none for other kinds.
std::vector<std::string> ChoiceNames(const TPropInfo& Prop);

// The member names of a set property's member type, in ordinal order, and
// which of them the set editor selects: every name that occurs anywhere in
// the stored text, so with members A and AB the text [AB] selects both.
std::vector<std::string> SetMemberNames(const TPropInfo& Prop);
std::vector<bool> SetMembersSelected(const std::vector<std::string>& Names, std::string_view Stored);
// "[" + the selected names in list order joined by "," + "]".
std::string SetSelectionText(const std::vector<std::string>& Names, const std::vector<bool>& Selected);

// The open dialog's filter for a graphic class (nullptr: a picture, any
// graphic), followed by the catch-all "All (*.*)|*.*".
std::string GraphicFilter(const TClassInfo* GraphicClass);

class TPersistEditModel {
public:
  // Puts a scratch copy in place before it is used (a control copy goes
  // invisibly onto the dialog); the copy is owned by CopyOwner.
  using TPlaceCopy = std::function<void(TComponent& Copy)>;

  TPersistEditModel(TComponent& Form, const std::vector<std::string>& Items, TComponent& CopyOwner,
                    TPlaceCopy PlaceCopy = nullptr);
  ~TPersistEditModel();
  TPersistEditModel(const TPersistEditModel&) = delete;
  TPersistEditModel& operator=(const TPersistEditModel&) = delete;

  const std::vector<TListedItem>& Listed() const { return FListed; }
  // The value being edited of every listed item, under its value name and the empty key.
  const ToxRegFile& Scratch() const { return FScratch; }
  ToxRegFile& Scratch() { return FScratch; }
  // Fills the scratch store from the live components.
  void FillScratch();

  // Selects a listed item (-1 or out of range: none). The item is
  // remembered even when its target or property is missing; Editable()
  // tells whether there is something to edit. Clears the pending flag.
  void Select(int ListIndex);
  void ClearSelection() { Select(-1); }
  const TListedItem* Selected() const { return FSelected; }
  bool Editable() const { return FProp != nullptr; }
  TComponent* Target() const { return FTarget; }
  const TPropInfo* Prop() const { return FProp; }
  TObject* Current() const { return FCurrent; }
  TPropEditor Editor() const;

  // The selected item's scratch text; the property's default (a scratch
  // copy's value) when the entry is missing or is not a text.
  std::string StoredText() const;
  // The selected item's lines and graphic as its scratch blob gives them,
  // read into a default scratch copy; a missing, wrong-type or damaged blob
  // gives the default.
  std::vector<std::string> StoredLines() const;
  void StoredGraphic(TPicture& Dest) const;
  // Applies the scratch blob to another object's property (the font
  // sample, the image's picture): Reset gives it its default first, and
  // again when the blob turns out damaged.
  void StoredObject(TObject& Instance, const TPropInfo& Prop, const std::function<void()>& Reset) const;

  // Edits. Each is ignored (false) without a selected editable item;
  // otherwise it rewrites the item's scratch entry and marks the edit pending.
  bool EditText(const std::string& Text);
  bool EditBlob(const std::string& Blob);
  bool EditLines(const TStrings& Lines);
  // The graphic property of a scratch copy takes Graphic (nullptr: the
  // empty graphic) and the entry becomes its blob.
  bool EditGraphic(const TGraphic* Graphic);

  bool Pending() const { return FPending; }
  void ClearPending() { FPending = false; }
  // The read-only value box takes the focus: while an edit is pending the
  // focus belongs in the item list instead (true).
  bool MoveFocusFromStatus() const { return FPending; }

  // Applies every listed item whose value is in the scratch store to the
  // live components; an item that fails is skipped. Clears the pending flag.
  void Apply();

private:
  struct TCopyDeleter {
    void operator()(TComponent* Copy) const;
  };
  using TCopy = std::unique_ptr<TComponent, TCopyDeleter>;
  TCopy MakeCopy() const;
  const ToxRegFile::TEntry* Entry(uint8_t Kind) const;
  bool Rewrite(uint8_t Kind, const std::string& Data);

  TComponent& FForm;
  TComponent& FCopyOwner;
  TPlaceCopy FPlaceCopy;
  std::vector<TListedItem> FListed;
  ToxRegFile FScratch;
  const TListedItem* FSelected = nullptr;
  TComponent* FTarget = nullptr;
  const TPropInfo* FProp = nullptr;
  TObject* FCurrent = nullptr;
  bool FPending = false;
};
