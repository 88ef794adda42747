#include "framework/controls/StdCtrls.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/win32/Dialogs.h"
#include "framework/controls/ControlHost.h"
#include "framework/menus/Menus.h"

namespace {
const TTypeInfo* BevelCutType()
{
  static const TTypeInfo* t = NewEnumType("TBevelCut", {"bvNone", "bvLowered", "bvRaised"});
  return t;
}
}  // namespace

QV_IMPLEMENT_CLASS_NOPROPS(TButtonControl)

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
  SetTabStop(true);
  // The system button reports its click as BN_CLICKED; a second click from the
  // release would undo a check box's toggle.
  FClickOnRelease = false;
}

void TButtonControl::Notify(TMessage& Message)
{
  if (Message.Msg == CN_BASE + WM_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) Click();
}

QV_IMPLEMENT_CLASS(TButton)

void TButton::DeclareProperties(TClassBuilder<TButton>& c)
{
  c.Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
  c.Boolean("Default", &TButton::Default, &TButton::SetDefault).Default(false);
  c.Ordinal("ModalResult", TypeInfo_TModalResult(), &TButton::ModalResult, &TButton::SetModalResult).Default(0);
}

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { StoreBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = "BUTTON";
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value)
{
  FDefault = Value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::Click()
{
  if (TFormSite* form = FormSite(); form && FModalResult != 0) form->SetModalResult(FModalResult);
  inherited::Click();
}

QV_IMPLEMENT_CLASS(TCheckBox)

void TCheckBox::DeclareProperties(TClassBuilder<TCheckBox>& c)
{
  c.Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false);
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { StoreBounds(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = "BUTTON";
  Params.Style |= BS_CHECKBOX;
}

bool TCheckBox::Checked() const
{
  if (!HandleAllocated()) return FChecked;
  return SendMessageA(const_cast<TCheckBox*>(this)->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool Value)
{
  FChecked = Value;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Click()
{
  // BS_CHECKBOX does not toggle itself, so the state follows the click here.
  SetChecked(!Checked());
  inherited::Click();
}

void TCheckBox::InitializeWnd() { SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0); }

void TCheckBox::DestroyWnd()
{
  FChecked = Checked();
  inherited::DestroyWnd();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TCustomEdit)

void TCustomEdit::DeclareProperties(TClassBuilder<TCustomEdit>& c)
{
  c.Boolean("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
  c.String("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
  c.Event("OnChange", TypeInfo_TNotifyEvent(), &TCustomEdit::OnChange);
}

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreBounds(0, 0, 121, 21);
  SetTabStop(true);
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = "EDIT";
  Params.Style |= ES_AUTOHSCROLL | (FReadOnly ? ES_READONLY : 0);
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::SetReadOnly(bool Value)
{
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, Value, 0);
}

void TCustomEdit::Notify(TMessage& Message)
{
  if (Message.Msg == CN_BASE + WM_COMMAND && HIWORD(Message.WParam) == EN_CHANGE) {
    Perform(CM_TEXTCHANGED, 0, 0);
    OnChange(this);
  }
}

QV_IMPLEMENT_CLASS_NOPROPS(TEdit)

QV_IMPLEMENT_CLASS(TMemo)

void TMemo::DeclareProperties(TClassBuilder<TMemo>& c)
{
  c.Object("Lines", TStrings::StaticClass(), &TMemo::Lines, &TMemo::SetLines);
}

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(new TStringList) { StoreBounds(0, 0, 185, 89); }

TMemo::~TMemo()
{
  DestroyHandle();
  delete FLines;
}

void TMemo::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.Style = (Params.Style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_WANTRETURN;
}

TStrings* TMemo::Lines()
{
  if (HandleAllocated()) FLines->SetText(Caption());
  return FLines;
}

void TMemo::SetLines(TStrings* Value)
{
  FLines->Assign(Value);
  SetCaption(FLines->Text());
}

void TMemo::InitializeWnd() { SetWindowTextA(Handle(), FLines->Text().c_str()); }

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TListControl)

void TListControl::DeclareProperties(TClassBuilder<TListControl>& c)
{
  c.Object("Items", TStrings::StaticClass(), &TListControl::Items, &TListControl::SetItems);
  c.Event("OnChange", TypeInfo_TNotifyEvent(), &TListControl::OnChange);
}

TListControl::TListControl(TComponent* AOwner) : TWinControl(AOwner), FItems(new TListControlItems(*this))
{
  SetTabStop(true);
}

TListControl::~TListControl()
{
  DestroyHandle();
  delete FItems;
}

int TListControl::ItemIndex() const
{
  if (!HandleAllocated()) return FSavedIndex;
  return static_cast<int>(SendMessageA(const_cast<TListControl*>(this)->Handle(), Messages().GetSel, 0, 0));
}

void TListControl::SetItemIndex(int Value)
{
  FSavedIndex = Value;
  if (HandleAllocated()) SendMessageA(Handle(), Messages().SetSel, static_cast<WPARAM>(Value), 0);
}

void TListControl::WindowInsert(int Index, const std::string& S)
{
  if (HandleAllocated())
    SendMessageA(Handle(), Messages().Insert, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.c_str()));
}

void TListControl::WindowDelete(int Index)
{
  if (HandleAllocated()) SendMessageA(Handle(), Messages().Delete, static_cast<WPARAM>(Index), 0);
}

void TListControl::WindowClear()
{
  if (HandleAllocated()) SendMessageA(Handle(), Messages().Reset, 0, 0);
}

void TListControl::WindowRedraw(bool On)
{
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), WM_SETREDRAW, On, 0);
  if (On) InvalidateRect(Handle(), nullptr, TRUE);
}

void TListControl::WindowReload()
{
  if (!HandleAllocated()) return;
  const int index = ItemIndex();
  const int count = FItems->Count();
  // Storage for every line at once, instead of growing with each of them.
  size_t bytes = 0;
  for (int i = 0; i < count; ++i) bytes += FItems->Get(i).size() + 1;
  if (FItems->UpdateCount() == 0) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
  SendMessageA(Handle(), Messages().Reset, 0, 0);
  SendMessageA(Handle(), Messages().InitStorage, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
  for (int i = 0; i < count; ++i) WindowInsert(i, FItems->Get(i));
  if (index >= 0 && index < count) SendMessageA(Handle(), Messages().SetSel, static_cast<WPARAM>(index), 0);
  if (FItems->UpdateCount() == 0) WindowRedraw(true);
}

void TListControl::InitializeWnd()
{
  WindowReload();
  if (FSavedIndex >= 0) SendMessageA(Handle(), Messages().SetSel, static_cast<WPARAM>(FSavedIndex), 0);
  if (FItems->UpdateCount() > 0) SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void TListControl::DestroyWnd()
{
  FSavedIndex = ItemIndex();
  inherited::DestroyWnd();
}

int TListControlItems::Add(const std::string& S)
{
  const int count = Count();
  const int index = TStringList::Add(S);
  // A sorted list that ignores duplicates may have added nothing.
  if (Count() > count) FControl.WindowInsert(index, S);
  return index;
}

void TListControlItems::Insert(int Index, const std::string& S)
{
  TStringList::Insert(Index, S);
  FControl.WindowInsert(Index, S);
}

void TListControlItems::Put(int Index, const std::string& S)
{
  TStringList::Put(Index, S);
  const int selected = FControl.ItemIndex();
  FControl.WindowDelete(Index);
  FControl.WindowInsert(Index, S);
  if (selected == Index) FControl.SetItemIndex(Index);
}

void TListControlItems::Delete(int Index)
{
  TStringList::Delete(Index);
  FControl.WindowDelete(Index);
}

void TListControlItems::Clear()
{
  TStringList::Clear();
  FControl.WindowClear();
}

void TListControlItems::Exchange(int Index1, int Index2)
{
  TStringList::Exchange(Index1, Index2);
  if (Index1 == Index2) return;
  for (int i : {Index1, Index2}) {
    FControl.WindowDelete(i);
    FControl.WindowInsert(i, Get(i));
  }
}

void TListControlItems::Sort()
{
  TStringList::Sort();
  FControl.WindowReload();
}

void TListControlItems::SetUpdateState(bool Updating)
{
  FControl.WindowRedraw(!Updating);
  TStringList::SetUpdateState(Updating);
}

QV_IMPLEMENT_CLASS(TListBox)

void TListBox::DeclareProperties(TClassBuilder<TListBox>& c)
{
  static const TTypeInfo* style =
      NewEnumType("TListBoxStyle", {"lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable"});
  c.Boolean("ExtendedSelect", &TListBox::ExtendedSelect, &TListBox::SetExtendedSelect).Default(true);
  c.Ordinal("ItemHeight", TypeInfo_Integer(), &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16);
  c.Boolean("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
  c.Boolean("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
  c.Ordinal("Style", style, &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
}

TListBox::TListBox(TComponent* AOwner) : TListControl(AOwner) { StoreBounds(0, 0, 121, 97); }
// The window goes while the list's own messages can still be asked for;
// in the base destructor they would be pure calls.
TListBox::~TListBox() { DestroyHandle(); }

const TListControl::TListMessages& TListBox::Messages() const
{
  static const TListMessages messages{LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                      LB_GETCURSEL,    LB_SETCURSEL,    LB_INITSTORAGE};
  return messages;
}

void TListBox::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = "LISTBOX";
  // A sorted list box is sorted by its items, which the window shows in their order.
  Params.Style |= LBS_NOTIFY | WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  if (FStyle == lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::SetStyle(TListBoxStyle Value)
{
  if (Value != FStyle) {
    FStyle = Value;
    RecreateWnd();
  }
}
void TListBox::SetMultiSelect(bool Value)
{
  if (Value != FMultiSelect) {
    FMultiSelect = Value;
    RecreateWnd();
  }
}
void TListBox::SetExtendedSelect(bool Value)
{
  if (Value != FExtendedSelect) {
    FExtendedSelect = Value;
    RecreateWnd();
  }
}
void TListBox::SetSorted(bool Value)
{
  FSorted = Value;
  FItems->SetSorted(Value);
}

void TListBox::SetItemHeight(int Value)
{
  if (Value <= 0) return;
  FItemHeight = Value;
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, Value);
}

void TListBox::InitializeWnd()
{
  inherited::InitializeWnd();
  SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, FItemHeight);
  for (int index : FSavedSelection) SendMessageA(Handle(), LB_SETSEL, TRUE, index);
  FSavedSelection.clear();
}

void TListBox::DestroyWnd()
{
  FSavedSelection.clear();
  if (FMultiSelect)
    for (int i = 0; i < FItems->Count(); ++i)
      if (Selected(i)) FSavedSelection.push_back(i);
  inherited::DestroyWnd();
}

int TListBox::SelCount() const
{
  if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
  if (!HandleAllocated()) return static_cast<int>(FSavedSelection.size());
  return static_cast<int>(SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETSELCOUNT, 0, 0));
}

bool TListBox::Selected(int Index) const
{
  if (!HandleAllocated())
    return std::find(FSavedSelection.begin(), FSavedSelection.end(), Index) != FSavedSelection.end();
  return SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETSEL, static_cast<WPARAM>(Index), 0) > 0;
}

void TListBox::SetSelected(int Index, bool Value)
{
  if (Index < 0 || Index >= FItems->Count())
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  if (!FMultiSelect) {
    SetItemIndex(Value ? Index : -1);
    return;
  }
  SendMessageA(Handle(), LB_SETSEL, Value, Index);
}

RECT TListBox::ItemRect(int Index)
{
  RECT r{};
  SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&r));
  return r;
}

void TListBox::Notify(TMessage& Message)
{
  if (Message.Msg == CN_BASE + WM_COMMAND && HIWORD(Message.WParam) == LBN_SELCHANGE) {
    OnChange(this);
    Click();
  } else if (Message.Msg == CN_BASE + WM_DRAWITEM) {
    auto* d = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
    TCanvasDC attached(FCanvas, d->hDC);
    FCanvas.Font().Assign(Font());
    DrawItem(static_cast<int>(d->itemID), d->rcItem, d->itemState);
    Message.Result = TRUE;
  } else if (Message.Msg == CN_BASE + WM_MEASUREITEM) {
    reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemHeight = static_cast<UINT>(FItemHeight);
    Message.Result = TRUE;
  }
}

void TListBox::DrawItem(int Index, RECT Rect, UINT State)
{
  if (OnDrawItem) {
    OnDrawItem(this, Index, Rect, State);
    return;
  }
  bool selected = State & ODS_SELECTED;
  FCanvas.SetBrushColor(selected ? clHighlight : Color());
  FCanvas.FillRect(Rect);
  FCanvas.Font().SetColor(selected ? clHighlightText : Font()->Color());
  if (Index >= 0 && Index < FItems->Count()) FCanvas.TextOut(Rect.left + 2, Rect.top, FItems->Get(Index));
}

QV_IMPLEMENT_CLASS(TComboBox)

void TComboBox::DeclareProperties(TClassBuilder<TComboBox>& c)
{
  static const TTypeInfo* style = NewEnumType("TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"});
  c.Ordinal("Style", style, &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDownList);
}

TComboBox::~TComboBox() { DestroyHandle(); }

void TComboBox::SetStyle(TComboBoxStyle Value)
{
  if (Value != FStyle) {
    FStyle = Value;
    RecreateWnd();
  }
}

const TListControl::TListMessages& TComboBox::Messages() const
{
  static const TListMessages messages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                      CB_GETCURSEL,    CB_SETCURSEL,    CB_INITSTORAGE};
  return messages;
}

void TComboBox::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = "COMBOBOX";
  static const DWORD styles[] = {CBS_DROPDOWN | CBS_AUTOHSCROLL, CBS_SIMPLE | CBS_AUTOHSCROLL, CBS_DROPDOWNLIST};
  Params.Style |= styles[FStyle] | WS_VSCROLL;
  Params.Height = 200;  // the drop-down list's height
}

void TComboBox::Notify(TMessage& Message)
{
  if (Message.Msg != CN_BASE + WM_COMMAND) return;
  const WORD code = HIWORD(Message.WParam);
  if (code == CBN_SELCHANGE) {
    // The edit box shows the chosen item only after this notification, so
    // OnChange would read the old text.
    const int index = ItemIndex();
    if (FStyle != csDropDownList && index >= 0 && index < FItems->Count())
      SetWindowTextA(Handle(), FItems->Get(index).c_str());
    OnChange(this);
    Click();
  } else if (code == CBN_EDITCHANGE) {
    OnChange(this);
  }
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TStatusBar)

void TStatusBar::DeclareProperties(TClassBuilder<TStatusBar>& c)
{
  c.String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreBounds(0, 0, 200, 19);
  SetAlign(alBottom);
}

void TStatusBar::CreateParams(TCreateParams& Params)
{
  inherited::CreateParams(Params);
  Params.BaseClassName = STATUSCLASSNAMEA;
  // We place it ourselves (Align), so the control must not move itself.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | SBARS_SIZEGRIP;
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TLabel)

void TLabel::DeclareProperties(TClassBuilder<TLabel>& c)
{
  c.Ordinal("Alignment", TypeInfo_TAlignment(), &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
  c.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
  c.Object("FocusControl", TWinControl::StaticClass(), &TLabel::FocusControl, &TLabel::SetFocusControl);
  c.Boolean("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
  c.Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
  c.Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
  StoreBounds(0, 0, 65, 17);
  SetColor(clBtnFace);
}

void TLabel::SetAlignment(TAlignment Value)
{
  FAlignment = Value;
  Invalidate();
}
void TLabel::SetAutoSize(bool Value)
{
  FAutoSize = Value;
  AdjustBounds();
}
void TLabel::SetWordWrap(bool Value)
{
  FWordWrap = Value;
  AdjustBounds();
}
void TLabel::SetTransparent(bool Value)
{
  FTransparent = Value;
  Invalidate();
}
void TLabel::SetShowAccelChar(bool Value)
{
  FShowAccelChar = Value;
  AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* Value)
{
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TLabel::DialogChar(char Key)
{
  if (!FFocusControl || !FShowAccelChar || !Enabled() || !IsAccel(static_cast<unsigned char>(Key), Caption()))
    return false;
  FFocusControl->SetFocus();
  return true;
}

UINT TLabel::DrawTextFlags() const
{
  UINT flags = FAlignment == taRightJustify ? DT_RIGHT : FAlignment == taCenter ? DT_CENTER : DT_LEFT;
  flags |= DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::FontChanged()
{
  AdjustBounds();
  inherited::FontChanged();
}

void TLabel::AdjustBounds()
{
  if (!FAutoSize || ComponentState().Contains(csLoading)) {
    Invalidate();
    return;
  }
  RECT r{0, 0, FWordWrap ? Width() : 0, 0};
  {
    qv::MemoryDC dc(CreateCompatibleDC(nullptr));
    TCanvasDC attached(Canvas(), dc.get());
    Canvas().Font().Assign(Font());
    std::string text = Caption().empty() ? std::string(" ") : Caption();
    Canvas().DrawText(text, r, DrawTextFlags() | DT_CALCRECT);
  }
  SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Paint()
{
  RECT r = ClientRect();
  if (!FTransparent) {
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(r);
  }
  Canvas().SetBrushStyle(bsClear);
  Canvas().Font().Assign(Font());
  DoDrawText(r, DrawTextFlags());
}

void TLabel::DoDrawText(RECT& Rect, UINT Flags)
{
  if (!Enabled()) {
    // The disabled look: a light copy down-right, the text in grey on top.
    Canvas().Font().SetColor(clBtnHighlight);
    RECT shifted = Rect;
    OffsetRect(&shifted, 1, 1);
    Canvas().DrawText(Caption(), shifted, Flags);
    Canvas().Font().SetColor(clBtnShadow);
  }
  Canvas().DrawText(Caption(), Rect, Flags);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TCustomPanel)

void TCustomPanel::DeclareProperties(TClassBuilder<TCustomPanel>& c)
{
  c.Ordinal("BevelInner", BevelCutType(), &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
  c.Ordinal("BevelOuter", BevelCutType(), &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
  c.Ordinal("BevelWidth", TypeInfo_Integer(), &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
}

TCustomPanel::TCustomPanel(TComponent* AOwner) : TWinControl(AOwner)
{
  StoreBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
  FBevelInner = Value;
  Invalidate();
}
void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
  FBevelOuter = Value;
  Invalidate();
}
void TCustomPanel::SetBevelWidth(int Value)
{
  FBevelWidth = Value;
  Invalidate();
}

namespace {
void DrawBevel(TCanvas& Canvas, RECT& R, TBevelCut Cut, int Width)
{
  if (Cut == bvNone) return;
  TColor top = Cut == bvRaised ? clBtnHighlight : clBtnShadow;
  TColor bottom = Cut == bvRaised ? clBtnShadow : clBtnHighlight;
  for (int i = 0; i < Width; ++i) {
    Canvas.SetPenColor(top);
    Canvas.MoveTo(R.left, R.bottom - 1);
    Canvas.LineTo(R.left, R.top);
    Canvas.LineTo(R.right - 1, R.top);
    Canvas.SetPenColor(bottom);
    Canvas.LineTo(R.right - 1, R.bottom - 1);
    Canvas.LineTo(R.left - 1, R.bottom - 1);
    InflateRect(&R, -1, -1);
  }
}
}  // namespace

void TCustomPanel::PaintWindow(HDC DC)
{
  TCanvasDC attached(FCanvas, DC);
  RECT r;
  GetClientRect(Handle(), &r);
  FCanvas.SetBrushColor(Color());
  FCanvas.FillRect(r);
  DrawBevel(FCanvas, r, FBevelOuter, FBevelWidth);
  DrawBevel(FCanvas, r, FBevelInner, FBevelWidth);
  FCanvas.SetBrushStyle(bsClear);
  FCanvas.Font().Assign(Font());
  FCanvas.DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

QV_IMPLEMENT_CLASS_NOPROPS(TPanel)

QV_IMPLEMENT_CLASS(TBevel)

void TBevel::DeclareProperties(TClassBuilder<TBevel>& c)
{
  static const TTypeInfo* shape =
      NewEnumType("TBevelShape", {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine"});
  static const TTypeInfo* style = NewEnumType("TBevelStyle", {"bsLowered", "bsRaised"});
  c.Ordinal("Shape", shape, &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
  c.Ordinal("Style", style, &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) { StoreBounds(0, 0, 50, 50); }
void TBevel::SetShape(TBevelShape Value)
{
  FShape = Value;
  Invalidate();
}
void TBevel::SetStyle(TBevelStyle Value)
{
  FStyle = Value;
  Invalidate();
}

void TBevel::Paint()
{
  RECT r = ClientRect();
  TBevelCut cut = FStyle == bsRaised ? bvRaised : bvLowered;
  TBevelCut inverse = FStyle == bsRaised ? bvLowered : bvRaised;
  TColor top = FStyle == bsRaised ? clBtnHighlight : clBtnShadow;
  TColor bottom = FStyle == bsRaised ? clBtnShadow : clBtnHighlight;
  switch (FShape) {
    case bsBox: DrawBevel(Canvas(), r, cut, 1); break;
    case bsFrame:
      DrawBevel(Canvas(), r, cut, 1);
      DrawBevel(Canvas(), r, inverse, 1);
      break;
    case bsTopLine:
    case bsBottomLine: {
      int y = FShape == bsTopLine ? 0 : r.bottom - 2;
      Canvas().SetPenColor(top);
      Canvas().MoveTo(0, y);
      Canvas().LineTo(r.right, y);
      Canvas().SetPenColor(bottom);
      Canvas().MoveTo(0, y + 1);
      Canvas().LineTo(r.right, y + 1);
      break;
    }
    default: {
      int x = FShape == bsLeftLine ? 0 : r.right - 2;
      Canvas().SetPenColor(top);
      Canvas().MoveTo(x, 0);
      Canvas().LineTo(x, r.bottom);
      Canvas().SetPenColor(bottom);
      Canvas().MoveTo(x + 1, 0);
      Canvas().LineTo(x + 1, r.bottom);
    }
  }
}

QV_IMPLEMENT_CLASS(TImage)

void TImage::DeclareProperties(TClassBuilder<TImage>& c)
{
  c.Boolean("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  c.Object("Picture", TPicture::StaticClass(), &TImage::Picture, &TImage::SetPicture);
  c.Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture)
{
  StoreBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { Invalidate(); };
}

TImage::~TImage() { delete FPicture; }
void TImage::SetCenter(bool Value)
{
  FCenter = Value;
  Invalidate();
}
void TImage::SetStretch(bool Value)
{
  FStretch = Value;
  Invalidate();
}

void TImage::Paint()
{
  const TGraphic* g = FPicture->Graphic();
  if (!g || g->Empty()) return;
  if (FStretch) {
    StretchDrawGraphic(Canvas(), ClientRect(), g);
    return;
  }
  int x = FCenter ? (Width() - g->Width()) / 2 : 0;
  int y = FCenter ? (Height() - g->Height()) / 2 : 0;
  DrawGraphic(Canvas(), x, y, g);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TSpeedButton)

void TSpeedButton::DeclareProperties(TClassBuilder<TSpeedButton>& c)
{
  c.Boolean("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
  c.Ordinal("GroupIndex", TypeInfo_Integer(), &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
  c.Boolean("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
  c.Boolean("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
  c.Object("Glyph", TBitmap::StaticClass(), &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
  c.Ordinal("NumGlyphs", TypeInfo_Integer(), &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
}

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(new TBitmap)
{
  StoreBounds(0, 0, 23, 22);
  FClickOnRelease = false;
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TSpeedButton::~TSpeedButton() { delete FGlyph; }

void TSpeedButton::SetFlat(bool Value)
{
  FFlat = Value;
  Invalidate();
}
void TSpeedButton::SetNumGlyphs(int Value)
{
  FNumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TSpeedButton::SetDown(bool Value)
{
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  FState = Value ? bsExclusive : bsUp;
  if (Value) UpdateExclusive();
  Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
  if (FGroupIndex == 0 || !Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
      other->FDown = false;
      other->FState = bsUp;
      other->Invalidate();
    }
  }
}

TWinBitmap& TSpeedButton::GlyphBitmap()
{
  if (FGlyphRevision != FGlyph->Revision()) {
    FGlyphBitmap.Assign(FGlyph);
    FGlyphRevision = FGlyph->Revision();
  }
  return FGlyphBitmap;
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Repaint();
  }
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
  inherited::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  TButtonState state = inside ? bsDown : (FDown ? bsExclusive : bsUp);
  if (state != FState) {
    FState = state;
    Repaint();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
  inherited::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  if (FGroupIndex == 0) {
    FState = bsUp;
  } else if (inside) {
    SetDown(!FDown);
    FState = FDown ? bsExclusive : bsUp;
  }
  Repaint();
  if (inside) Click();
}

void TSpeedButton::Click() { inherited::Click(); }

void TSpeedButton::Paint()
{
  RECT r = ClientRect();
  bool pressed = FState == bsDown || FState == bsExclusive || FDown;
  Canvas().SetBrushColor(clBtnFace);
  Canvas().FillRect(r);
  if (!FFlat || pressed) DrawEdge(Canvas().Handle(), &r, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  TWinBitmap& glyph = GlyphBitmap();
  int offset = pressed ? 1 : 0;
  if (!glyph.Empty()) {
    int w = glyph.Width() / FNumGlyphs, h = glyph.Height();
    // Images side by side: up, disabled, down, latched; missing ones use the first.
    int image = !Enabled() && FNumGlyphs > 1              ? 1
                : FState == bsDown && FNumGlyphs > 2      ? 2
                : FState == bsExclusive && FNumGlyphs > 3 ? 3
                                                          : 0;
    int x = (Width() - w) / 2 + offset, y = (Height() - h) / 2 + offset;
    Canvas().BrushCopy(RECT{x, y, x + w, y + h}, glyph, RECT{image * w, 0, image * w + w, h}, glyph.TransparentColor());
  } else if (!Caption().empty()) {
    Canvas().SetBrushStyle(bsClear);
    Canvas().Font().Assign(Font());
    if (!Enabled()) Canvas().Font().SetColor(clGrayText);
    OffsetRect(&r, offset, offset);
    Canvas().DrawText(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TTimer)

void TTimer::DeclareProperties(TClassBuilder<TTimer>& c)
{
  c.Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  c.Ordinal("Interval", TypeInfo_Cardinal(), &TTimer::Interval, &TTimer::SetInterval).Default(1000);
  c.Event("OnTimer", TypeInfo_TNotifyEvent(), &TTimer::OnTimer);
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
  FWindow = std::make_unique<TMessageWindow>([this](TMessage& m) {
    if (m.Msg == WM_TIMER) OnTimer(this);
  });
  Update();
}

TTimer::~TTimer()
{
  FTimer.reset();
  FWindow.reset();
}

void TTimer::SetEnabled(bool Value)
{
  FEnabled = Value;
  Update();
}
void TTimer::SetInterval(unsigned Value)
{
  FInterval = Value;
  Update();
}

void TTimer::Loaded()
{
  inherited::Loaded();
  Update();
}

void TTimer::Update()
{
  FTimer.reset();
  if (FEnabled && FInterval > 0 && !ComponentState().Contains(csLoading))
    FTimer = qv::TimerHandle(FWindow->Handle(), 1, FInterval);
}

// ---------------------------------------------------------------------------

namespace {
const TTypeInfo* OpenOptionsType()
{
  static const TTypeInfo* t = NewSetType(
      "TOpenOptions", NewEnumType("TOpenOption", {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir",
                                                  "ofShowHelp", "ofNoValidate", "ofAllowMultiSelect",
                                                  "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist"}));
  return t;
}
HWND DialogOwner()
{
  HWND active = GetActiveWindow();
  if (active) return active;
  return ControlHost() ? ControlHost()->MainWindow() : nullptr;
}
}  // namespace

QV_IMPLEMENT_CLASS(TOpenDialog)

void TOpenDialog::DeclareProperties(TClassBuilder<TOpenDialog>& c)
{
  c.String("DefaultExt", &TOpenDialog::FDefaultExt);
  c.String("FileName", &TOpenDialog::FFileName);
  c.String("Filter", &TOpenDialog::FFilter);
  c.Ordinal("FilterIndex", TypeInfo_Integer(), &TOpenDialog::FFilterIndex).Default(1);
  c.Ordinal("Options", OpenOptionsType(), &TOpenDialog::FOptions).Default(TOpenOptions{ofHideReadOnly}.ToInt());
  c.String("Title", &TOpenDialog::FTitle);
}

bool TOpenDialog::Execute()
{
  static const std::pair<TOpenOption, DWORD> flags[] = {{ofReadOnly, OFN_READONLY},
                                                        {ofOverwritePrompt, OFN_OVERWRITEPROMPT},
                                                        {ofHideReadOnly, OFN_HIDEREADONLY},
                                                        {ofNoChangeDir, OFN_NOCHANGEDIR},
                                                        {ofShowHelp, OFN_SHOWHELP},
                                                        {ofNoValidate, OFN_NOVALIDATE},
                                                        {ofAllowMultiSelect, OFN_ALLOWMULTISELECT},
                                                        {ofPathMustExist, OFN_PATHMUSTEXIST},
                                                        {ofFileMustExist, OFN_FILEMUSTEXIST}};
  qv::TFileDialogRequest request;
  request.save = FSave;
  request.title = FTitle;
  request.fileName = FFileName;
  request.filter = FFilter;
  request.defaultExt = FDefaultExt;
  request.filterIndex = FFilterIndex;
  for (const auto& [option, flag] : flags)
    if (FOptions.Contains(option)) request.flags |= flag;
  qv::TFileDialogAnswer answer = qv::RunFileDialog(request, DialogOwner());
  if (!answer.confirmed) return false;
  FFileName = answer.fileName;
  FFilterIndex = answer.filterIndex;
  return true;
}

QV_IMPLEMENT_CLASS_NOPROPS(TSaveDialog)

QV_IMPLEMENT_CLASS(TFontDialog)

void TFontDialog::DeclareProperties(TClassBuilder<TFontDialog>& c)
{
  static const TTypeInfo* options =
      NewSetType("TFontDialogOptions",
                 NewEnumType("TFontDialogOption", {"fdAnsiOnly", "fdTrueTypeOnly", "fdEffects", "fdFixedPitchOnly",
                                                   "fdForceFontExist", "fdNoFaceSel", "fdNoOEMFonts", "fdNoSimulations",
                                                   "fdNoSizeSel", "fdNoStyleSel", "fdNoVectorFonts", "fdShowHelp"}));
  c.Object("Font", TFont::StaticClass(), &TFontDialog::Font, &TFontDialog::SetFont);
  c.Ordinal("Options", options, &TFontDialog::FOptions).Default(TFontDialogOptions{fdEffects}.ToInt());
}

TFontDialog::TFontDialog(TComponent* AOwner) : TComponent(AOwner), FFont(new TFont) {}
TFontDialog::~TFontDialog() { delete FFont; }

bool TFontDialog::Execute()
{
  DWORD flags = 0;
  if (FOptions.Contains(fdEffects)) flags |= CF_EFFECTS;
  if (FOptions.Contains(fdForceFontExist)) flags |= CF_FORCEFONTEXIST;
  if (FOptions.Contains(fdShowHelp)) flags |= CF_SHOWHELP;
  if (FOptions.Contains(fdTrueTypeOnly)) flags |= CF_TTONLY;
  if (FOptions.Contains(fdFixedPitchOnly)) flags |= CF_FIXEDPITCHONLY;
  LOGFONTA lf = FontToLogFont(*FFont);
  COLORREF color = ColorToRGB(FFont->Color());
  if (!qv::RunFontDialog(lf, color, flags, DialogOwner())) return false;
  LogFontToFont(lf, *FFont);
  FFont->SetColor(static_cast<TColor>(color));
  return true;
}
