#pragma once
// What list and combo boxes share: their items, kept in the control and
// handed to the window one operation at a time.
#include "framework/controls/Controls.h"
#include "framework/objects/StringList.h"

class TListControl;

// The items of a list or combo box. Each change reaches the window as the one
// operation it is (a report of a few hundred thousand lines grows one line at
// a time), and the list keeps the lines and their objects for the next window
// when the window is made again. An update (BeginUpdate/EndUpdate) suspends
// the window's drawing until it ends.
class TListControlItems : public TStringList {
public:
  explicit TListControlItems(TListControl& Control) : FControl(Control) {}
  int Add(const std::string& S) override;
  void Insert(int Index, const std::string& S) override;
  void Put(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Sort() override;

protected:
  void SetUpdateState(bool Updating) override;

private:
  TListControl& FControl;
};

// Items with object values, for list and combo boxes; kept in the control
// and handed to the window operation by operation (see TListControlItems).
class TListControl : public TWinControl {
  QV_CLASS(TListControl, TWinControl)
public:
  explicit TListControl(TComponent* AOwner);
  ~TListControl() override;
  TStrings* Items() { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int ItemIndex() const;
  void SetItemIndex(int Value);
  TNotifyEvent OnChange;

protected:
  friend class TListControlItems;
  // The window messages of the list: list box and combo box differ only in them.
  struct TListMessages {
    UINT Insert, Delete, Reset, GetSel, SetSel, InitStorage;
  };
  virtual const TListMessages& Messages() const = 0;
  void InitializeWnd() override;
  void DestroyWnd() override;
  void WindowInsert(int Index, const std::string& S);
  void WindowDelete(int Index);
  void WindowClear();
  // Puts every item into the window again, keeping the selected line.
  void WindowReload();
  void WindowRedraw(bool On);
  TListControlItems* FItems;
  int FSavedIndex = -1;
};
