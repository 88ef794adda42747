#include "persist/oxPerEdt.h"

#include "framework/graphics/Picture.h"
#include "framework/objects/Streams.h"
#include "framework/objects/SysUtils.h"
#include "persist/ObjectBlob.h"
#include "persist/oxPerst.h"

namespace {

constexpr int EditorTop = 12;
constexpr int DescriptionGap = 8;

std::string BlobOfProp(TObject& Instance, const char* Name)
{
  TMemoryStream Stream;
  if (WriteObjectProp(Instance, FindPropInfo(Instance, Name), Stream) == -1)
    throw EWriteError(std::string("Cannot stream property ") + Name);
  return Stream.DataString();
}

void FillItems(TStrings& Items, const std::vector<std::string>& Names)
{
  Items.BeginUpdate();
  Items.Clear();
  for (const std::string& Name : Names) Items.Add(Name);
  Items.EndUpdate();
}

}  // namespace

QV_IMPLEMENT_CLASS(ToxPersistEdit)

void ToxPersistEdit::DeclareProperties(TClassBuilder<ToxPersistEdit>& c)
{
  c.Method("FormShow", &ToxPersistEdit::FormShow);
  c.Method("lbValuesClick", &ToxPersistEdit::lbValuesClick);
  c.Method("Edit1Change", &ToxPersistEdit::Edit1Change);
  c.Method("ComboBox1Change", &ToxPersistEdit::ComboBox1Change);
  c.Method("ListBox1Click", &ToxPersistEdit::ListBox1Click);
  c.Method("Memo1Change", &ToxPersistEdit::Memo1Change);
  c.Method("btnFontClick", &ToxPersistEdit::btnFontClick);
  c.Method("btnGraphicClick", &ToxPersistEdit::btnGraphicClick);
  c.Method("btnClearClick", &ToxPersistEdit::btnClearClick);
  c.Method("btnOKClick", &ToxPersistEdit::btnOKClick);
  c.Method("btnApplyClick", &ToxPersistEdit::btnApplyClick);
}

ToxPersistEdit::ToxPersistEdit(TComponent* AOwner) : TForm(AOwner) {}

// The model's scratch copies are owned by the dialog and freed by the model,
// so it goes before the dialog's components.
ToxPersistEdit::~ToxPersistEdit() { FModel.reset(); }

void ToxPersistEdit::Loaded()
{
  inherited::Loaded();
  auto Find = [this](auto*& Field, const char* Name) {
    Field = dynamic_cast<std::remove_reference_t<decltype(*Field)>*>(FindComponent(Name));
    if (!Field) throw EComponentError(std::string("Setup dialog form lacks ") + Name);
  };
  Find(lbValues, "lbValues");
  Find(Panel1, "Panel1");
  Find(Edit1, "Edit1");
  Find(ComboBox1, "ComboBox1");
  Find(ListBox1, "ListBox1");
  Find(FontPanel, "FontPanel");
  Find(btnFont, "btnFont");
  Find(GraphicPanel, "GraphicPanel");
  Find(Image1, "Image1");
  Find(btnGraphic, "btnGraphic");
  Find(btnClear, "btnClear");
  Find(Memo1, "Memo1");
  Find(lblDescription, "lblDescription");
  Find(StatusValue, "StatusValue");
  Find(Label1, "Label1");
  Find(btnOK, "btnOK");
  Find(btnCancel, "btnCancel");
  Find(btnApply, "btnApply");
  Find(FontDialog1, "FontDialog1");
  Find(OpenDialog1, "OpenDialog1");
  lbValues->OnDrawItem = [this](TObject* Control, int Index, RECT Rect, UINT State) {
    lbValuesDrawItem(Control, Index, Rect, State);
  };
  for (int I = 0; I < ComponentCount(); ++I)
    if (auto* Control = dynamic_cast<TWinControl*>(Components(I)))
      Control->OnEnter = [this](TObject* Sender) { ControlEnter(Sender); };
  FSampleFont.Assign(FontPanel->Font());
}

void ToxPersistEdit::FormShow(TObject*)
{
  ResetEditors();
  for (TControl* Editor :
       {static_cast<TControl*>(Edit1), static_cast<TControl*>(ComboBox1), static_cast<TControl*>(ListBox1),
        static_cast<TControl*>(Memo1), static_cast<TControl*>(FontPanel), static_cast<TControl*>(GraphicPanel)})
    Editor->SetTop(EditorTop);
  FModel.reset();
  lbValues->Items()->Clear();
  TComponent* Form = FPersist ? FPersist->Owner() : nullptr;
  if (!Form) return;
  FModel = std::make_unique<TPersistEditModel>(*Form, FPersist->Items()->ToVector(), *this,
                                               [this](TComponent& Copy) { PlaceCopy(Copy); });
  std::vector<std::string> Names;
  for (const TListedItem& Listed : FModel->Listed()) Names.push_back(Listed.Item.ValueName);
  FillItems(*lbValues->Items(), Names);
  FModel->FillScratch();
}

// A control copy must not show, but some properties need a parent to be set.
void ToxPersistEdit::PlaceCopy(TComponent& Copy)
{
  auto* Control = dynamic_cast<TControl*>(&Copy);
  if (!Control || dynamic_cast<TCustomForm*>(Control)) return;
  Control->SetBounds(0, 0, 0, 0);
  Control->SetVisible(false);
  Control->SetParent(this);
}

void ToxPersistEdit::ResetEditors()
{
  FFilling = true;
  if (FModel) FModel->ClearSelection();
  StatusValue->SetText("");
  lblDescription->SetCaption("");
  Label1->SetCaption("");
  Edit1->Hide();
  Edit1->SetText("");
  ComboBox1->Hide();
  ComboBox1->Items()->Clear();
  ComboBox1->SetText("");
  ListBox1->Hide();
  ListBox1->Items()->Clear();
  Memo1->Hide();
  Memo1->Lines()->Clear();
  Memo1->SetText("");
  FontPanel->Hide();
  GraphicPanel->Hide();
  FFilling = false;
}

void ToxPersistEdit::lbValuesClick(TObject*)
{
  ResetEditors();
  if (!FModel) return;
  FModel->Select(lbValues->ItemIndex());
  if (const TListedItem* Selected = FModel->Selected()) lblDescription->SetCaption(Selected->Item.Description);
  if (FModel->Editable()) {
    FFilling = true;
    try {
      ShowEditor();
    } catch (...) {
      FFilling = false;
      throw;
    }
    FFilling = false;
  }
  PlaceDescription();
}

void ToxPersistEdit::ShowEditor()
{
  TObject* Current = FModel->Current();
  Label1->SetCaption(KindWord(*FModel->Prop(), Current));
  if (Current) StatusValue->SetText("(" + Current->ClassName() + ")");
  switch (FModel->Editor()) {
    case TPropEditor::Text:
      Edit1->SetText(FModel->StoredText());
      ShowTextEditor(*Edit1);
      break;
    case TPropEditor::Choice: ShowChoice(); break;
    case TPropEditor::Set: ShowSet(); break;
    case TPropEditor::Font:
      FontPanel->Show();
      FModel->StoredObject(*FontPanel, FindPropInfo(*FontPanel, "Font"),
                           [this] { FontPanel->Font()->Assign(&FSampleFont); });
      break;
    case TPropEditor::Strings: {
      TStringList Lines;
      for (const std::string& Line : FModel->StoredLines()) Lines.Add(Line);
      Memo1->SetLines(&Lines);
      Memo1->Show();
    } break;
    case TPropEditor::Graphic:
      GraphicPanel->Show();
      FModel->StoredGraphic(*Image1->Picture());
      break;
    case TPropEditor::Picture:
      GraphicPanel->Show();
      FModel->StoredObject(*Image1, FindPropInfo(*Image1, "Picture"),
                           [this] { Image1->Picture()->SetGraphic(nullptr); });
      break;
    case TPropEditor::None: break;
  }
}

void ToxPersistEdit::ShowTextEditor(TWinControl& Editor)
{
  Editor.Show();
  StatusValue->SetText(Editor.Text());
}

void ToxPersistEdit::ShowChoice()
{
  const std::vector<std::string> Names = ChoiceNames(*FModel->Prop());
  FillItems(*ComboBox1->Items(), Names);
  const std::string Stored = FModel->StoredText();
  int Index = -1;
  for (size_t I = 0; I < Names.size() && Index < 0; ++I)
    if (SameText(Names[I], Stored)) Index = static_cast<int>(I);
  ComboBox1->SetItemIndex(Index);
  // A value without a name (a colour given as a number) stays as text.
  if (Index < 0) ComboBox1->SetText(Stored);
  ShowTextEditor(*ComboBox1);
}

void ToxPersistEdit::ShowSet()
{
  const std::string Stored = FModel->StoredText();
  StatusValue->SetText(Stored);
  const std::vector<std::string> Names = SetMemberNames(*FModel->Prop());
  FillItems(*ListBox1->Items(), Names);
  const std::vector<bool> Selected = SetMembersSelected(Names, Stored);
  for (size_t I = 0; I < Selected.size(); ++I) ListBox1->SetSelected(static_cast<int>(I), Selected[I]);
  ListBox1->Show();
}

// The description sits under the one editor shown.
void ToxPersistEdit::PlaceDescription()
{
  for (int I = 0; I < Panel1->ControlCount(); ++I) {
    TControl* Control = Panel1->Controls(I);
    if (Control == StatusValue || Control == lblDescription || !Control->Visible()) continue;
    lblDescription->SetTop(Control->Top() + Control->Height() + DescriptionGap);
    return;
  }
}

void ToxPersistEdit::lbValuesDrawItem(TObject*, int Index, RECT Rect, UINT State)
{
  TCanvas& Canvas = lbValues->Canvas();
  const bool Selected = State & ODS_SELECTED;
  Canvas.SetBrushColor(Selected ? clHighlight : lbValues->Color());
  Canvas.Font().SetColor(Selected ? clHighlightText : lbValues->Font()->Color());
  Canvas.FillRect(Rect);
  if (!FModel || Index < 0 || Index >= static_cast<int>(FModel->Listed().size())) return;
  const ToxPersistItem& Item = FModel->Listed()[static_cast<size_t>(Index)].Item;
  Canvas.TextOut(Rect.left + 18, Rect.top + 3, Item.ValueName);
  const std::string Icon = Item.IconResourceName();
  if (TWinBitmap* Bitmap = Icon.empty() ? nullptr : IconBitmap(Icon)) {
    const RECT Dest{Rect.left + 1, Rect.top + 1, Rect.left + 17, Rect.top + 17};
    Canvas.BrushCopy(Dest, *Bitmap, RECT{0, 0, 16, 16}, Bitmap->TransparentColor());
  }
}

// Icons are loaded once; a missing resource draws no icon.
TWinBitmap* ToxPersistEdit::IconBitmap(const std::string& ResourceName)
{
  auto Found = FIcons.find(ResourceName);
  if (Found == FIcons.end()) {
    auto Bitmap = std::make_unique<TWinBitmap>();
    try {
      Bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), ResourceName);
    } catch (const EInvalidGraphic&) {
      Bitmap.reset();
    }
    Found = FIcons.emplace(ResourceName, std::move(Bitmap)).first;
  }
  return Found->second.get();
}

void ToxPersistEdit::Edited(bool Changed)
{
  if (Changed) btnApply->SetEnabled(true);
}

void ToxPersistEdit::Edit1Change(TObject*) { TextEdited(*Edit1); }

void ToxPersistEdit::ComboBox1Change(TObject*) { TextEdited(*ComboBox1); }

// A text editor reports only the user's changes, while it is shown.
void ToxPersistEdit::TextEdited(TWinControl& Editor)
{
  if (!FFilling && FModel && Editor.Visible()) EditText(Editor.Text());
}

void ToxPersistEdit::EditText(const std::string& Text)
{
  if (FModel->EditText(Text)) {
    StatusValue->SetText(Text);
    Edited(true);
  }
}

void ToxPersistEdit::ListBox1Click(TObject*)
{
  if (FFilling || !FModel) return;
  std::vector<std::string> Names = ListBox1->Items()->ToVector();
  std::vector<bool> Selected;
  for (size_t I = 0; I < Names.size(); ++I) Selected.push_back(ListBox1->Selected(static_cast<int>(I)));
  EditText(SetSelectionText(Names, Selected));
}

void ToxPersistEdit::Memo1Change(TObject*)
{
  if (FFilling || !FModel) return;
  Edited(FModel->EditLines(*Memo1->Lines()));
}

void ToxPersistEdit::btnFontClick(TObject*)
{
  if (!FModel || FModel->Editor() != TPropEditor::Font) return;
  FontDialog1->SetFont(FontPanel->Font());
  if (!FontDialog1->Execute()) return;
  FontPanel->SetFont(FontDialog1->Font());
  Edited(FModel->EditBlob(BlobOfProp(*FontDialog1, "Font")));
}

void ToxPersistEdit::btnGraphicClick(TObject*)
{
  if (!FModel) return;
  const TPropEditor Editor = FModel->Editor();
  if (Editor != TPropEditor::Graphic && Editor != TPropEditor::Picture) return;
  OpenDialog1->FFilter = GraphicFilter(Editor == TPropEditor::Picture ? nullptr : &FModel->Current()->ClassInfo());
  if (!OpenDialog1->Execute()) return;
  Image1->Picture()->LoadFromFile(OpenDialog1->FileName());
  if (Editor == TPropEditor::Picture)
    PictureEdited();
  else
    Edited(FModel->EditGraphic(Image1->Picture()->Graphic()));
}

void ToxPersistEdit::btnClearClick(TObject*)
{
  if (!FModel) return;
  const TPropEditor Editor = FModel->Editor();
  if (Editor != TPropEditor::Graphic && Editor != TPropEditor::Picture) return;
  Image1->Picture()->SetGraphic(nullptr);
  if (Editor == TPropEditor::Picture)
    PictureEdited();
  else
    Edited(FModel->EditGraphic(nullptr));
}

void ToxPersistEdit::PictureEdited() { Edited(FModel->EditBlob(BlobOfProp(*Image1, "Picture"))); }

void ToxPersistEdit::btnOKClick(TObject*)
{
  if (FModel) FModel->Apply();
}

void ToxPersistEdit::btnApplyClick(TObject*)
{
  if (FModel) FModel->Apply();
  // A disabled window keeps no focus; the list takes it over.
  if (btnApply->Focused()) lbValues->SetFocus();
  btnApply->SetEnabled(false);
}

bool ToxPersistEdit::InPanel(const TControl* Control) const
{
  for (; Control; Control = Control->Parent())
    if (Control == Panel1) return true;
  return false;
}

void ToxPersistEdit::ControlEnter(TObject* Sender)
{
  auto* Control = dynamic_cast<TWinControl*>(Sender);
  const bool Inside = InPanel(Control);
  if (FFocusInPanel && !Inside && FModel) FModel->ClearPending();  // the focus has left the settings panel
  FFocusInPanel = Inside;
  if (Control == StatusValue && FModel && FModel->MoveFocusFromStatus())
    MoveFocusTo(lbValues);
  else if (Control == Panel1)
    MoveFocusTo(FirstEditor());  // the panel's access key reaches the editor shown
}

TWinControl* ToxPersistEdit::FirstEditor() const
{
  for (TWinControl* Editor :
       {static_cast<TWinControl*>(Edit1), static_cast<TWinControl*>(ComboBox1), static_cast<TWinControl*>(ListBox1),
        static_cast<TWinControl*>(Memo1), static_cast<TWinControl*>(btnFont), static_cast<TWinControl*>(btnGraphic)})
    if (Editor->Visible() && Editor->Parent()->Visible()) return Editor;
  return nullptr;
}

// Moving the focus from inside a focus change confuses the window that is
// taking it, so the move waits for the message loop.
void ToxPersistEdit::MoveFocusTo(TWinControl* Control)
{
  if (Control && HandleAllocated()) PostMessageA(Handle(), WM_MOVEFOCUS, 0, reinterpret_cast<LPARAM>(Control));
}

void ToxPersistEdit::WndProc(TMessage& Message)
{
  if (Message.Msg == WM_MOVEFOCUS) {
    auto* Control = reinterpret_cast<TWinControl*>(Message.LParam);
    // Only controls of this dialog, and only while they can take it.
    for (int I = 0; I < ComponentCount(); ++I)
      if (Components(I) == Control && Control->Visible() && Control->Enabled()) Control->SetFocus();
    return;
  }
  inherited::WndProc(Message);
}
