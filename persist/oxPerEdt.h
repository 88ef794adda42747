#pragma once
// ToxPersistEdit: the setup dialog of a persistence component. It lists the
// items offered for editing, edits their values in a scratch store with an
// editor fitting each property, and applies them to the live components on
// OK or Apply; the store itself is written at the component's next Save.
#include <map>
#include <memory>
#include <string>

#include "framework/controls/Button.h"
#include "framework/controls/ComboBox.h"
#include "framework/controls/CommonDialogs.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Image.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListBox.h"
#include "framework/controls/Panel.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Font.h"
#include "persist/PersistEditModel.h"

class ToxPersist;

class ToxPersistEdit : public TForm {
  QV_CLASS(ToxPersistEdit, TForm)
public:
  explicit ToxPersistEdit(TComponent* AOwner);
  ~ToxPersistEdit() override;

  // The component served; set before the dialog is shown.
  ToxPersist* Persist() const { return FPersist; }
  void SetPersist(ToxPersist* Value) { FPersist = Value; }
  // Present while the dialog is shown.
  TPersistEditModel* Model() const { return FModel.get(); }

  TListBox* lbValues = nullptr;
  TPanel* Panel1 = nullptr;
  TEdit* Edit1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TPanel* FontPanel = nullptr;
  TButton* btnFont = nullptr;
  TPanel* GraphicPanel = nullptr;
  TImage* Image1 = nullptr;
  TButton* btnGraphic = nullptr;
  TButton* btnClear = nullptr;
  TMemo* Memo1 = nullptr;
  TLabel* lblDescription = nullptr;
  TEdit* StatusValue = nullptr;
  TLabel* Label1 = nullptr;
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;
  TButton* btnApply = nullptr;
  TFontDialog* FontDialog1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;

  void FormShow(TObject* Sender);
  void lbValuesClick(TObject* Sender);
  void lbValuesDrawItem(TObject* Control, int Index, RECT Rect, UINT State);
  void Edit1Change(TObject* Sender);
  void ComboBox1Change(TObject* Sender);
  void ListBox1Click(TObject* Sender);
  void Memo1Change(TObject* Sender);
  void btnFontClick(TObject* Sender);
  void btnGraphicClick(TObject* Sender);
  void btnClearClick(TObject* Sender);
  void btnOKClick(TObject* Sender);
  void btnApplyClick(TObject* Sender);
  // Every windowed control of the dialog reports here when it takes the focus.
  void ControlEnter(TObject* Sender);

  void Loaded() override;
  void WndProc(TMessage& Message) override;

private:
  // Posted to move the focus once the control taking it has settled.
  static constexpr UINT WM_MOVEFOCUS = WM_USER + 1;

  void ResetEditors();
  void ShowEditor();
  void ShowTextEditor(TWinControl& Editor);
  void ShowChoice();
  void ShowSet();
  void PlaceDescription();
  void PlaceCopy(TComponent& Copy);
  void Edited(bool Changed);
  void TextEdited(TWinControl& Editor);
  void EditText(const std::string& Text);
  void PictureEdited();
  bool InPanel(const TControl* Control) const;
  void MoveFocusTo(TWinControl* Control);
  TWinControl* FirstEditor() const;
  TWinBitmap* IconBitmap(const std::string& ResourceName);

  ToxPersist* FPersist = nullptr;
  std::unique_ptr<TPersistEditModel> FModel;
  // Editors are filled and emptied by the dialog itself; only the user edits.
  bool FFilling = false;
  bool FFocusInPanel = false;
  TFont FSampleFont;
  std::map<std::string, std::unique_ptr<TWinBitmap>> FIcons;
};
