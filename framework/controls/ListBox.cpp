#include "framework/controls/ListBox.h"

#include <algorithm>

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
