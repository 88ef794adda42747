#pragma once
// Push buttons and check boxes over the system's BUTTON class; each reports
// its click through the parent's reflected WM_COMMAND.
#include "framework/controls/Controls.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
class TButtonControl : public TWinControl {
  QV_CLASS(TButtonControl, TWinControl)
public:
  explicit TButtonControl(TComponent* AOwner);

protected:
  void Notify(TMessage& Message) override;
};

class TButton : public TButtonControl {
  QV_CLASS(TButton, TButtonControl)
public:
  explicit TButton(TComponent* AOwner);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int Value) { FModalResult = Value; }
  // Clicks, then hands the modal result to the form.
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;

private:
  bool FDefault = false, FCancel = false;
  int FModalResult = 0;
};

class TCheckBox : public TButtonControl {
  QV_CLASS(TCheckBox, TButtonControl)
public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const;
  void SetChecked(bool Value);
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void DestroyWnd() override;

private:
  bool FChecked = false;
};
