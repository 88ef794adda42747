#include "framework/controls/ComboBox.h"

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
