#pragma once
// List boxes over the system's LISTBOX class, optionally drawn by their owner.
#include "framework/controls/ListControl.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

using TDrawItemEvent = TEvent<void(TObject* Control, int Index, RECT Rect, UINT State)>;

class TListBox : public TListControl {
  QV_CLASS(TListBox, TListControl)
public:
  explicit TListBox(TComponent* AOwner);
  ~TListBox() override;
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  int SelCount() const;
  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  RECT ItemRect(int Index);
  TCanvas& Canvas() { return FCanvas; }
  TDrawItemEvent OnDrawItem;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void Notify(TMessage& Message) override;
  virtual void DrawItem(int Index, RECT Rect, UINT State);
  const TListMessages& Messages() const override;

private:
  TListBoxStyle FStyle = lbStandard;
  int FItemHeight = 16;
  bool FMultiSelect = false, FExtendedSelect = true, FSorted = false;
  std::vector<int> FSavedSelection;
  TCanvas FCanvas;
};
