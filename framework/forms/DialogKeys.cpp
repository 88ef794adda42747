// The keyboard of a dialog, for every form, modal or not: what Windows'
// dialog manager does for its own dialogs, over our controls (whose labels
// have no window, and whose buttons carry Default and Cancel themselves).
#include "framework/forms/Forms.h"

#include <algorithm>

#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/menus/MenuText.h"

namespace {

bool CanFocus(TWinControl* Control)
{
  return Control->Visible() && Control->Enabled() && Control->HandleAllocated() && IsWindowVisible(Control->Handle()) &&
         IsWindowEnabled(Control->Handle());
}

// The windowed controls under Parent in tab order: by TabOrder where one is
// set, otherwise in the order they were placed; containers are walked into.
void CollectTabOrder(TWinControl* Parent, std::vector<TWinControl*>& List)
{
  std::vector<std::pair<int, TWinControl*>> children;
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    if (auto* win = dynamic_cast<TWinControl*>(Parent->Controls(i)); win && CanFocus(win))
      children.push_back({win->TabOrder() >= 0 ? win->TabOrder() : i, win});
  }
  std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [order, win] : children) {
    if (win->TabStop()) List.push_back(win);
    CollectTabOrder(win, List);
  }
}

// Every control under Parent, graphic ones included, for access keys.
void CollectAll(TWinControl* Parent, std::vector<TControl*>& List)
{
  for (int i = 0; i < Parent->ControlCount(); ++i) {
    TControl* c = Parent->Controls(i);
    List.push_back(c);
    if (auto* win = dynamic_cast<TWinControl*>(c)) CollectAll(win, List);
  }
}

bool Pressed(int Key) { return GetKeyState(Key) < 0; }

}  // namespace

TWinControl* TCustomForm::FocusedControl() const
{
  HWND focus = GetFocus();
  if (!focus || !HandleAllocated() || !IsChild(const_cast<TCustomForm*>(this)->Handle(), focus)) return nullptr;
  // A control made of several windows (a combo box's edit) has the focus in a child.
  for (HWND w = focus; w; w = GetParent(w))
    if (auto* control = TWinControl::FromHandle(w)) return control == this ? nullptr : control;
  return nullptr;
}

void TCustomForm::SelectNext(TWinControl* Current, bool Forward)
{
  std::vector<TWinControl*> list;
  CollectTabOrder(this, list);
  if (list.empty()) return;
  auto at = std::find(list.begin(), list.end(), Current);
  size_t next;
  if (at == list.end())
    next = Forward ? 0 : list.size() - 1;
  else
    next = (static_cast<size_t>(at - list.begin()) + (Forward ? 1 : list.size() - 1)) % list.size();
  list[next]->SetFocus();
}

void TCustomForm::FocusFirstControl()
{
  if (!FocusedControl()) SelectNext(nullptr, true);
}

TButton* TCustomForm::FindButton(bool Cancel) const
{
  std::vector<TControl*> all;
  CollectAll(const_cast<TCustomForm*>(this), all);
  for (TControl* c : all) {
    auto* button = dynamic_cast<TButton*>(c);
    if (button && (Cancel ? button->Cancel() : button->Default()) && CanFocus(button)) return button;
  }
  return nullptr;
}

bool TCustomForm::AccessKey(char Key)
{
  std::vector<TControl*> all;
  CollectAll(this, all);
  for (TControl* c : all) {
    if (auto* label = dynamic_cast<TLabel*>(c)) {
      if (label->Visible() && label->DialogChar(Key)) return true;
    } else if (auto* button = dynamic_cast<TButtonControl*>(c)) {
      if (CanFocus(button) && IsAccel(static_cast<unsigned char>(Key), button->Caption())) {
        button->SetFocus();
        button->Click();
        return true;
      }
    }
  }
  return false;
}

bool TCustomForm::DialogKey(const MSG& Msg)
{
  if (!HandleAllocated() || !IsWindowEnabled(Handle())) return false;
  TWinControl* focused = FocusedControl();
  MSG copy = Msg;
  const LRESULT wants = SendMessageA(Msg.hwnd, WM_GETDLGCODE, Msg.wParam, reinterpret_cast<LPARAM>(&copy));
  switch (Msg.message) {
    case WM_KEYDOWN:
      if (Msg.wParam == VK_TAB && !Pressed(VK_CONTROL) && !Pressed(VK_MENU) &&
          !(wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) {
        SelectNext(focused, !Pressed(VK_SHIFT));
        return true;
      }
      if ((Msg.wParam == VK_RETURN || Msg.wParam == VK_ESCAPE) && !(wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))) {
        // Enter presses the focused button, else the default one.
        TButton* button = dynamic_cast<TButton*>(focused);
        if (Msg.wParam == VK_ESCAPE || !button) button = FindButton(Msg.wParam == VK_ESCAPE);
        if (!button) return false;
        button->Click();
        return true;
      }
      return false;
    case WM_SYSCHAR: return AccessKey(static_cast<char>(Msg.wParam));
    case WM_CHAR:
      // A control that takes no typing (a button, a check box) leaves plain
      // letters to the access keys, as in Windows dialogs.
      return focused && !(wants & DLGC_WANTCHARS) && Msg.wParam > ' ' && AccessKey(static_cast<char>(Msg.wParam));
    default: return false;
  }
}

void TCustomForm::RestoreFocus(bool Activating)
{
  if (!Activating) {
    if (TWinControl* control = FocusedControl()) FLastFocused = control->Handle();
    return;
  }
  // Activation gives the focus to the form's window; the control that had it
  // when the form was left gets it back.
  if (FLastFocused && IsWindow(FLastFocused) && IsChild(Handle(), FLastFocused) && IsWindowVisible(FLastFocused) &&
      IsWindowEnabled(FLastFocused))
    ::SetFocus(FLastFocused);
  else
    FocusFirstControl();
}
