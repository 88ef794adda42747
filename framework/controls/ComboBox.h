#pragma once
// Combo boxes over the system's COMBOBOX class.
#include "framework/controls/ListControl.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TListControl {
  QV_CLASS(TComboBox, TListControl)
public:
  explicit TComboBox(TComponent* AOwner) : TListControl(AOwner) {}
  ~TComboBox() override;
  // Drop-down list (the default) or with an edit box the user types in.
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void Notify(TMessage& Message) override;
  const TListMessages& Messages() const override;

private:
  TComboBoxStyle FStyle = csDropDownList;
};
