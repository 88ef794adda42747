#include "framework/controls/Button.h"

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
