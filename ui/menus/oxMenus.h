#pragma once
// Owner-drawn menus: ToxMenu (a form's menu bar) and ToxPopupMenu, whose
// drop-down items the program measures and draws itself with the settings
// of their ToxMenuData. The bar's measure and draw requests reach the form
// hook TMenuFormSubclass (one per form); those of pop-up menus reach the
// framework's pop-up list window, named in TrackPopupMenu, and are handed on
// from there.
#include "framework/forms/Forms.h"
#include "ui/common/BaseSubClass.h"
#include "ui/menus/MenuData.h"

// The properties both menu components publish; the values live in Data.
class ToxMenuSettings {
public:
  ToxMenuData* Data() const { return FData; }
  TImageList* ImageList() const { return FData->ImageList; }
  void SetImageList(TImageList* Value);
  TFont* Font() const { return FData->Font(); }
  void SetFont(TFont* Value) { FData->Font()->Assign(Value); }
  ToxmStyle Style() const { return FData->Style; }
  void SetStyle(ToxmStyle Value);
  ToxmOptions Options() const { return FData->Options; }
  void SetOptions(ToxmOptions Value);
  TColor Color() const { return FData->Color; }
  void SetColor(TColor Value) { FData->Color = Value; }
  ToxBanner* Banner() const { return FData->Banner(); }
  const std::string& Caption() const { return FData->Caption; }
  void SetCaption(const std::string& Value) { FData->Caption = Value; }
  T3DEffect Font3D() const { return FData->Font3D; }
  void SetFont3D(T3DEffect Value) { FData->Font3D = Value; }
  ToxMenuBack* Background() const { return FData->Background(); }
  ToxmSelectionStyle SelectionStyle() const { return FData->SelectionStyle; }
  void SetSelectionStyle(ToxmSelectionStyle Value) { FData->SelectionStyle = Value; }

  bool IsFontStored() const { return FData->Has(oxmCustomFont); }
  bool IsBannerStored() const { return FData->Has(oxmBanner); }
  bool IsBackgroundStored() const { return FData->Has(oxmBackground); }

protected:
  explicit ToxMenuSettings(TComponent& Self);
  virtual ~ToxMenuSettings();
  ToxMenuSettings(const ToxMenuSettings&) = delete;
  ToxMenuSettings& operator=(const ToxMenuSettings&) = delete;
  // The component's Changed.
  virtual void SettingsChanged() = 0;
  void ForgetImageList(TComponent* Removed);

private:
  // A banner, background or font change; in design mode it also switches
  // the matching option on.
  void OwnedChanged(ToxmOption Option);
  TComponent& FSelf;
  ToxMenuData* FData;
};

class TMenuFormSubclass;

class ToxMenu : public TMainMenu, public ToxMenuSettings {
  QV_CLASS(ToxMenu, TMainMenu)
public:
  explicit ToxMenu(TComponent* AOwner);
  ~ToxMenu() override;
  TMenuFormSubclass* Subclass() const { return FSubclass; }
  // The settings changed: the caches repaint, the bar is drawn again.
  void Changed() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void SettingsChanged() override { Changed(); }

private:
  TMenuFormSubclass* FSubclass = nullptr;
};

class ToxPopupMenu : public TPopupMenu, public ToxMenuSettings {
  QV_CLASS(ToxPopupMenu, TPopupMenu)
public:
  explicit ToxPopupMenu(TComponent* AOwner);
  ~ToxPopupMenu() override;
  void Changed() override;
  // Negative X and Y together show the menu at (|X|, |Y|) for the left
  // button only; otherwise at (X, Y) for both buttons.
  void Popup(int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
  void SettingsChanged() override { Changed(); }
};

class TMenuFormSubclass : public ToxBaseSubClass {
  QV_CLASS(TMenuFormSubclass, ToxBaseSubClass)
public:
  explicit TMenuFormSubclass(TComponent* AOwner);
  int RefCount = 0;
  TCanvas& Canvas() { return FCanvas; }
  void WndProc(TMessage& Message) override;
  void Reattach() override;

protected:
  int& RetryCounter() override;

private:
  TCanvas FCanvas;
};

// Switches the items below Root (drop-downs, never the bar's own items) to
// owner-draw or back to plain text entries, following merged menus.
void SetOwnerDraw(TMenuItem* Root, bool OwnerDraw);
// The settings of the oxMenus component an item belongs to, or null.
ToxMenuData* GetMenuData(TMenuItem* Item);
// The menu item whose address an owner-drawn entry carries, when it is an
// item of a live oxMenus component; null for anything else.
TMenuItem* FindOwnItem(ULONG_PTR ItemData);
// WM_MENUCHAR: the access key, else the first letter, of owner-drawn items.
void MenuChar(TMessage& Message);

// Entries the system adds to a menu (an MDI frame's window list) have no
// item objects: each plain entry of Menu is drawn through a proxy item that
// belongs to Root's menu without being one of its items. The form hook turns
// them back into plain entries when the menu loop ends.
void ConvertSystemEntries(HMENU Menu, TMenuItem* Root);
void RestoreProxies();
int ProxyCount();
