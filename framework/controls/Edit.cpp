#include "framework/controls/Edit.h"

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
