#pragma once
// Single-line edit boxes and memos over the system's EDIT class.
#include "framework/controls/Controls.h"
#include "framework/objects/StringList.h"

class TCustomEdit : public TWinControl {
  QV_CLASS(TCustomEdit, TWinControl)
public:
  explicit TCustomEdit(TComponent* AOwner);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void Notify(TMessage& Message) override;

private:
  bool FReadOnly = false;
};

class TEdit : public TCustomEdit {
  QV_CLASS(TEdit, TCustomEdit)
public:
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TMemo : public TCustomEdit {
  QV_CLASS(TMemo, TCustomEdit)
public:
  explicit TMemo(TComponent* AOwner);
  ~TMemo() override;
  // The lines; edits in the window are read back when asked for.
  TStrings* Lines();
  void SetLines(TStrings* Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;

private:
  TStringList* FLines;
};
