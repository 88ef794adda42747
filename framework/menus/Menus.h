#pragma once
// Menus: TMenuItem (caption, shortcut, check marks, sub-items, command id),
// TMainMenu (a form's menu bar), TPopupMenu and the pop-up list window that
// receives the menu messages of every TPopupMenu shown with TrackPopupMenu.
#include <windows.h>

#include "framework/menus/MenuText.h"
#include "framework/objects/Classes.h"
#include "framework/win32/Handles.h"
#include "framework/win32/Messages.h"

#include <functional>
#include <memory>
#include <vector>

TShortCut ShortCut(WORD Key, TShiftState Shift);

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
enum TPopupAlignment { paLeft, paRight, paCenter };
enum TFindItemKind { fkCommand, fkHandle, fkShortCut };
const TTypeInfo* TypeInfo_TShortCut();

class TMenu;

class TMenuItem : public TComponent {
  QV_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int Value) { FHelpContext = Value; }
  // The command id of WM_COMMAND; unique while the program runs.
  UINT Command() const { return FCommand; }
  void SetCommand(UINT Value) { FCommand = Value; }
  TNotifyEvent OnClick;

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const;
  TMenuItem* Parent() const { return FParent; }
  // The menu handle of the sub-items (a new handle when there is none yet).
  HMENU Handle();
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  int MenuIndex() const;
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  void Delete(int Index);
  void Clear();
  // Items of another menu shown in this one's place, by group index.
  TMenuItem* Merged() const { return FMerged; }
  void SetMerged(TMenuItem* Value);
  // The item with this command, sub-menu handle or shortcut, here or below.
  TMenuItem* Find(UINT_PTR Value, TFindItemKind Kind);
  TMenu* GetParentMenu() const;
  virtual void Click();

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;

private:
  friend class TMenu;
  friend class TMainMenu;
  void MenuChanged();
  void RebuildHandle();
  void AppendTo(HMENU Menu);
  std::vector<TMenuItem*> VisibleItems();

  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FChecked = false, FEnabled = true, FDefault = false, FRadioItem = false, FVisible = true;
  TMenuBreak FBreak = mbNone;
  int FGroupIndex = 0;
  std::string FHint;
  int FHelpContext = 0;
  UINT FCommand;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  TMenuItem* FMerged = nullptr;
  TMenuItem* FMergedWith = nullptr;
  TMenu* FMenu = nullptr;  // set on a menu's root item
  qv::OwnedMenu FHandle;
  bool FBarMenu = false;
};

class TMenu : public TComponent {
  QV_CLASS(TMenu, TComponent)
public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;
  TMenuItem* Items() const { return FItems; }
  HMENU Handle() const { return FItems->Handle(); }
  // Runs the click of the item with this command; false when there is none.
  bool DispatchCommand(UINT Command);
  // Runs the click of the item whose sub-menu is Menu (about to open).
  bool DispatchPopup(HMENU Menu);
  TMenuItem* FindItem(UINT_PTR Value, TFindItemKind Kind) { return FItems->Find(Value, Kind); }
  // A key press matching an item's shortcut clicks that item.
  bool IsShortCut(const MSG& Msg);
  // Help context of the item with this command, else with this handle.
  int GetHelpContext(UINT_PTR Value, bool ByCommand);
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override;
  // Something about the items changed (a menu bar repaints itself).
  virtual void Changed() {}

protected:
  TMenuItem* FItems;
};

class TMainMenu : public TMenu {
  QV_CLASS(TMainMenu, TMenu)
public:
  explicit TMainMenu(TComponent* AOwner);
  // Shows Menu's items in place of ours with the same group index.
  void Merge(TMainMenu* Menu);
  void Unmerge(TMainMenu* Menu);
  void Changed() override;
};

class TPopupMenu : public TMenu {
  QV_CLASS(TPopupMenu, TMenu)
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
  TNotifyEvent OnPopup;
  // Calls OnPopup and shows the menu at the screen point (modal until it
  // closes; commands arrive at the pop-up list window).
  virtual void Popup(int X, int Y);

protected:
  UINT TrackFlags() const;

private:
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};

class TMessageWindow;

// The window named in TrackPopupMenu for every TPopupMenu: it hands
// WM_COMMAND, WM_INITMENUPOPUP, WM_MENUSELECT and WM_HELP to the listed menus.
class TPopupList {
public:
  void Add(TPopupMenu* Menu);
  void Remove(TPopupMenu* Menu);
  HWND Window() const;
  int Count() const { return static_cast<int>(FMenus.size()); }
  TPopupMenu* Menus(int Index) const { return FMenus.at(static_cast<size_t>(Index)); }
  void WndProc(TMessage& Message);
  // Every other message of the window (the measuring, drawing and menu
  // characters of owner-drawn entries) goes here; unset, it is dropped.
  std::function<void(TMessage& Message)> OnOtherMessage;

private:
  std::vector<TPopupMenu*> FMenus;
  std::unique_ptr<TMessageWindow> FWindow;
};

TPopupList& PopupList();

// What menus hand on to the application above them: the hint of the item
// being selected, a help request for an item's help context, and a change to
// a menu bar's items (its window redraws the bar). Unset, each is dropped.
struct TMenuEvents {
  std::function<void(const std::string& Hint)> OnHint;
  std::function<void(int HelpContext)> OnHelp;
  std::function<void(TMainMenu* Menu)> OnBarChanged;
};
TMenuEvents& MenuEvents();
