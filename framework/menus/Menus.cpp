#include "framework/menus/Menus.h"

#include <algorithm>
#include <cctype>

#include "framework/win32/MessageWindow.h"
#include "framework/objects/SysUtils.h"

const TTypeInfo* TypeInfo_TShortCut()
{
  static const TTypeInfo* t = NewIntegerType("TShortCut", otUWord, 0, 65535);
  return t;
}

TShortCut ShortCut(WORD Key, TShiftState Shift)
{
  TShortCut s = Key & 0xFF;
  if (Shift.Contains(ssShift)) s |= scShift;
  if (Shift.Contains(ssCtrl)) s |= scCtrl;
  if (Shift.Contains(ssAlt)) s |= scAlt;
  return s;
}

// The key names of MenuText are written as codes; they must be Windows' own.
static_assert(VK_BACK == 0x08 && VK_TAB == 0x09 && VK_RETURN == 0x0D && VK_ESCAPE == 0x1B && VK_SPACE == 0x20);
static_assert(VK_PRIOR == 0x21 && VK_NEXT == 0x22 && VK_END == 0x23 && VK_HOME == 0x24 && VK_LEFT == 0x25);
static_assert(VK_UP == 0x26 && VK_RIGHT == 0x27 && VK_DOWN == 0x28 && VK_INSERT == 0x2D && VK_DELETE == 0x2E);
static_assert(VK_F1 == 0x70 && VK_F24 == 0x87);

namespace {
UINT NextCommand()
{
  static UINT next = 0;
  // Commands stay below 0xF000 (system commands) and never repeat.
  next = next % 0xEFFF + 1;
  return next;
}
}  // namespace

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TMenuItem)

void TMenuItem::DeclareProperties(TClassBuilder<TMenuItem>& c)
{
  static const TTypeInfo* breakType = NewEnumType("TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"});
  c.Ordinal("Break", breakType, &TMenuItem::Break, &TMenuItem::SetBreak).Default(mbNone);
  c.String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
  c.Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  c.Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  c.Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  c.Ordinal("GroupIndex", TypeInfo_Byte(), &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  c.Ordinal("HelpContext", TypeInfo_Integer(), &TMenuItem::HelpContext, &TMenuItem::SetHelpContext).Default(0);
  c.String("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  c.Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
  c.Ordinal("ShortCut", TypeInfo_TShortCut(), &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Default(0);
  c.Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  c.Event("OnClick", TypeInfo_TNotifyEvent(), &TMenuItem::OnClick);
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem()
{
  if (FMergedWith) FMergedWith->SetMerged(nullptr);
  if (FMerged) FMerged->FMergedWith = nullptr;
  // Sub-items may be owned elsewhere (by the form); they only lose their parent.
  while (!FItems.empty()) Remove(FItems.back());
  if (FParent) FParent->Remove(this);
  // Entries are removed, not deleted, so sub-menus keep their own handles.
  if (FHandle)
    while (GetMenuItemCount(FHandle.get()) > 0) RemoveMenu(FHandle.get(), 0, MF_BYPOSITION);
}

TMenuItem* TMenuItem::Items(int Index) const
{
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
  return FItems[static_cast<size_t>(Index)];
}

int TMenuItem::MenuIndex() const
{
  if (!FParent) return -1;
  auto& list = FParent->FItems;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
  if (Item->FParent) throw EComponentError("Menu inserted twice");
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
  MenuChanged();
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Remove(TMenuItem* Item)
{
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  Item->FParent = nullptr;
  MenuChanged();
}

void TMenuItem::Delete(int Index) { Remove(Items(Index)); }

void TMenuItem::Clear()
{
  while (!FItems.empty()) {
    TMenuItem* item = FItems.back();
    Remove(item);
    delete item;
  }
}

void TMenuItem::SetMerged(TMenuItem* Value)
{
  if (FMerged) FMerged->FMergedWith = nullptr;
  FMerged = Value;
  if (Value) Value->FMergedWith = this;
  MenuChanged();
}

TMenu* TMenuItem::GetParentMenu() const
{
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

TComponent* TMenuItem::GetParentComponent() const
{
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value)
{
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(Value))
    menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(Value))
    item->Add(this);
}

void TMenuItem::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
  for (TMenuItem* item : FItems)
    if (item->Owner() == Root) Proc(item);
}

#define QV_MENU_SETTER(Name, Field, Type)                                                                              \
  void TMenuItem::Set##Name(Type Value)                                                                                \
  {                                                                                                                    \
    if (Field == Value) return;                                                                                        \
    Field = Value;                                                                                                     \
    if (FParent) FParent->MenuChanged();                                                                               \
  }
QV_MENU_SETTER(Caption, FCaption, const std::string&)
QV_MENU_SETTER(ShortCut, FShortCut, TShortCut)
QV_MENU_SETTER(Checked, FChecked, bool)
QV_MENU_SETTER(Enabled, FEnabled, bool)
QV_MENU_SETTER(Default, FDefault, bool)
QV_MENU_SETTER(RadioItem, FRadioItem, bool)
QV_MENU_SETTER(Visible, FVisible, bool)
QV_MENU_SETTER(Break, FBreak, TMenuBreak)
QV_MENU_SETTER(GroupIndex, FGroupIndex, int)
#undef QV_MENU_SETTER

void TMenuItem::MenuChanged()
{
  if (FHandle) RebuildHandle();
  if (FMergedWith) FMergedWith->MenuChanged();
  if (TMenu* menu = GetParentMenu()) menu->Changed();
}

HMENU TMenuItem::Handle()
{
  if (!FHandle) {
    FHandle.reset(FBarMenu ? CreateMenu() : CreatePopupMenu());
    RebuildHandle();
  }
  return FHandle.get();
}

std::vector<TMenuItem*> TMenuItem::VisibleItems()
{
  // With a merged menu, each group of the merged menu replaces ours.
  std::vector<TMenuItem*> result;
  std::vector<TMenuItem*> empty;
  const auto& own = FItems;
  const auto& merged = FMerged ? FMerged->FItems : empty;
  size_t i1 = 0, i2 = 0;
  while (i1 < merged.size() || i2 < own.size()) {
    int g1 = i1 < merged.size() ? merged[i1]->FGroupIndex : 255;
    int g2 = i2 < own.size() ? own[i2]->FGroupIndex : 255;
    int g = std::min(g1, g2);
    const auto& from = g1 > g2 ? own : merged;
    for (size_t k = g1 > g2 ? i2 : i1; k < from.size() && from[k]->FGroupIndex <= g; ++k) result.push_back(from[k]);
    while (i1 < merged.size() && merged[i1]->FGroupIndex <= g) ++i1;
    while (i2 < own.size() && own[i2]->FGroupIndex <= g) ++i2;
  }
  return result;
}

void TMenuItem::RebuildHandle()
{
  HMENU menu = FHandle.get();
  while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  for (TMenuItem* item : VisibleItems())
    if (item->FVisible) item->AppendTo(menu);
}

void TMenuItem::AppendTo(HMENU Menu)
{
  UINT flags = MF_STRING;
  if (FCaption == "-") flags = MF_SEPARATOR;
  if (FChecked) flags |= MF_CHECKED;
  if (!FEnabled) flags |= MF_GRAYED;
  if (FBreak == mbBreak) flags |= MF_MENUBREAK;
  if (FBreak == mbBarBreak) flags |= MF_MENUBARBREAK;
  std::string text = FCaption;
  bool bar = FParent && FParent->FBarMenu;
  UINT_PTR id = FCommand;
  if (!FItems.empty() || (FMerged && !FMerged->FItems.empty())) {
    flags |= MF_POPUP;
    id = reinterpret_cast<UINT_PTR>(Handle());
  } else if (FShortCut && !bar) {
    text += "\t" + ShortCutToText(FShortCut);
  }
  if (text.size() > 255) text.resize(255);
  AppendMenuA(Menu, flags, id, (flags & MF_SEPARATOR) ? nullptr : text.c_str());
  if (FRadioItem || FDefault) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoA(Menu, GetMenuItemCount(Menu) - 1, TRUE, &info);
    if (FRadioItem) info.fType |= MFT_RADIOCHECK;
    if (FDefault) info.fState |= MFS_DEFAULT;
    SetMenuItemInfoA(Menu, GetMenuItemCount(Menu) - 1, TRUE, &info);
  }
}

TMenuItem* TMenuItem::Find(UINT_PTR Value, TFindItemKind Kind)
{
  for (TMenuItem* item : VisibleItems()) {
    bool match = (Kind == fkCommand && item->FCommand == Value && item->FItems.empty()) ||
                 (Kind == fkHandle && item->FHandle && reinterpret_cast<UINT_PTR>(item->FHandle.get()) == Value) ||
                 (Kind == fkShortCut && item->FShortCut == Value && Value != 0);
    if (match) return item;
    if (TMenuItem* found = item->Find(Value, Kind)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() { OnClick(this); }

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TMenu)

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() { delete FItems; }

bool TMenu::DispatchCommand(UINT Command)
{
  TMenuItem* item = FItems->Find(Command, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU Menu)
{
  TMenuItem* item = FItems->Find(reinterpret_cast<UINT_PTR>(Menu), fkHandle);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(const MSG& Msg)
{
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0 || (HIWORD(Msg.lParam) & KF_ALTDOWN)) shift.Include(ssAlt);
  TShortCut s = ::ShortCut(static_cast<WORD>(Msg.wParam), shift);
  TMenuItem* item = FItems->Find(s, fkShortCut);
  if (!item) return false;
  // Parents run their clicks first, as when the menu is opened, so that
  // their handlers can enable or disable the item.
  std::vector<TMenuItem*> chain;
  for (TMenuItem* p = item->Parent(); p && p != FItems; p = p->Parent()) chain.push_back(p);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->Click();
  if (!item->Enabled() || !item->Visible()) return false;
  item->Click();
  return true;
}

int TMenu::GetHelpContext(UINT_PTR Value, bool ByCommand)
{
  TMenuItem* item = FItems->Find(Value, ByCommand ? fkCommand : fkHandle);
  return item ? item->HelpContext() : 0;
}

void TMenu::GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root)
{
  FItems->GetChildren(Proc, Root);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TMainMenu)

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner) { FItems->FBarMenu = true; }

void TMainMenu::Merge(TMainMenu* Menu) { FItems->SetMerged(Menu ? Menu->Items() : nullptr); }

void TMainMenu::Unmerge(TMainMenu* Menu)
{
  if (Menu && FItems->Merged() == Menu->Items()) FItems->SetMerged(nullptr);
}

void TMainMenu::Changed()
{
  if (MenuEvents().OnBarChanged) MenuEvents().OnBarChanged(this);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(TPopupMenu)

void TPopupMenu::DeclareProperties(TClassBuilder<TPopupMenu>& c)
{
  static const TTypeInfo* alignment = NewEnumType("TPopupAlignment", {"paLeft", "paRight", "paCenter"});
  c.Ordinal("Alignment", alignment, &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  c.Boolean("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  c.Event("OnPopup", TypeInfo_TNotifyEvent(), &TPopupMenu::OnPopup);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) { PopupList().Add(this); }

TPopupMenu::~TPopupMenu() { PopupList().Remove(this); }

UINT TPopupMenu::TrackFlags() const
{
  return FAlignment == paRight ? TPM_RIGHTALIGN : FAlignment == paCenter ? TPM_CENTERALIGN : TPM_LEFTALIGN;
}

void TPopupMenu::Popup(int X, int Y)
{
  OnPopup(this);
  TrackPopupMenu(Handle(), TrackFlags() | TPM_RIGHTBUTTON, X, Y, 0, PopupList().Window(), nullptr);
}

// ---------------------------------------------------------------------------

TMenuEvents& MenuEvents()
{
  static TMenuEvents events;
  return events;
}

TPopupList& PopupList()
{
  static TPopupList list;
  return list;
}

void TPopupList::Add(TPopupMenu* Menu)
{
  if (FMenus.empty() && !FWindow) FWindow = std::make_unique<TMessageWindow>([this](TMessage& m) { WndProc(m); });
  FMenus.push_back(Menu);
}

void TPopupList::Remove(TPopupMenu* Menu)
{
  FMenus.erase(std::remove(FMenus.begin(), FMenus.end(), Menu), FMenus.end());
  if (FMenus.empty()) FWindow.reset();
}

HWND TPopupList::Window() const { return FWindow ? FWindow->Handle() : nullptr; }

void TPopupList::WndProc(TMessage& Message)
{
  switch (Message.Msg) {
    case WM_COMMAND:
      for (TPopupMenu* menu : std::vector<TPopupMenu*>(FMenus))
        if (menu->DispatchCommand(LOWORD(Message.WParam))) return;
      break;
    case WM_INITMENUPOPUP:
      for (TPopupMenu* menu : std::vector<TPopupMenu*>(FMenus))
        if (menu->DispatchPopup(reinterpret_cast<HMENU>(Message.WParam))) return;
      break;
    case WM_MENUSELECT: {
      bool byHandle = HIWORD(Message.WParam) & MF_POPUP;
      UINT_PTR value = LOWORD(Message.WParam);
      if (byHandle)
        value = reinterpret_cast<UINT_PTR>(GetSubMenu(reinterpret_cast<HMENU>(Message.LParam), LOWORD(Message.WParam)));
      std::string hint;
      for (TPopupMenu* menu : FMenus) {
        if (TMenuItem* item = menu->FindItem(value, byHandle ? fkHandle : fkCommand)) {
          hint = item->Hint();
          break;
        }
      }
      if (MenuEvents().OnHint) MenuEvents().OnHint(hint);
      break;
    }
    case WM_HELP: {
      auto* info = reinterpret_cast<HELPINFO*>(Message.LParam);
      for (TPopupMenu* menu : FMenus) {
        if (menu->Handle() != static_cast<HMENU>(info->hItemHandle)) continue;
        int context = menu->GetHelpContext(static_cast<UINT_PTR>(info->iCtrlId), true);
        if (!context) context = menu->GetHelpContext(reinterpret_cast<UINT_PTR>(info->hItemHandle), false);
        if (MenuEvents().OnHelp) MenuEvents().OnHelp(context);
        break;
      }
      break;
    }
    default:
      if (OnOtherMessage) OnOtherMessage(Message);
      break;
  }
}
