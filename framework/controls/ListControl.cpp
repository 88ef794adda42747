#include "framework/controls/ListControl.h"

namespace {
// Drawing of a list window off for the life of the guard, and back on (with a
// repaint) on every exit, so that a reload that fails half-way cannot leave a
// list that never draws again. Inactive while an update holds drawing off.
class TRedrawSuspended {
public:
  TRedrawSuspended(HWND Window, bool Active) : FWindow(Active ? Window : nullptr)
  {
    if (FWindow) SendMessageA(FWindow, WM_SETREDRAW, FALSE, 0);
  }
  ~TRedrawSuspended()
  {
    if (!FWindow) return;
    SendMessageA(FWindow, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(FWindow, nullptr, TRUE);
  }
  TRedrawSuspended(const TRedrawSuspended&) = delete;
  TRedrawSuspended& operator=(const TRedrawSuspended&) = delete;

private:
  HWND FWindow;
};
}  // namespace

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
  TRedrawSuspended suspended(Handle(), FItems->UpdateCount() == 0);
  SendMessageA(Handle(), Messages().Reset, 0, 0);
  SendMessageA(Handle(), Messages().InitStorage, static_cast<WPARAM>(count), static_cast<LPARAM>(bytes));
  for (int i = 0; i < count; ++i) WindowInsert(i, FItems->Get(i));
  if (index >= 0 && index < count) SendMessageA(Handle(), Messages().SetSel, static_cast<WPARAM>(index), 0);
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
