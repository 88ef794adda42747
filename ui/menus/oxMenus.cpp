#include "ui/menus/oxMenus.h"

#include <algorithm>

#include "framework/objects/SysUtils.h"
#include "ui/menus/MenuDraw.h"
#include "ui/menus/MenuLogic.h"

namespace {
int menuRetryCounter = 0;

// Measuring, drawing and menu characters of the framework's pop-up list window.
void PopupListMessage(TMessage& Message);

std::vector<TMenuFormSubclass*>& Subclasses()
{
  static std::vector<TMenuFormSubclass*> list;
  return list;
}

struct TProxy {
  TMenuItem* Item;
  TMenuItem* Root;
};
std::vector<TProxy>& Proxies()
{
  static std::vector<TProxy> list;
  return list;
}

std::vector<ToxMenu*>& MenuBars()
{
  static std::vector<ToxMenu*> list;
  return list;
}

template <class C> void DeclareMenuSettings(TClassBuilder<C>& c)
{
  c.Object("ImageList", TImageList::StaticClass(), &C::ImageList, &C::SetImageList);
  c.Object("Font", TFont::StaticClass(), &C::Font, &C::SetFont).Stored(&C::IsFontStored);
  c.Ordinal("Style", TypeInfo_ToxmStyle(), &C::Style, &C::SetStyle).Default(oxmWin95);
  c.Ordinal("Options", TypeInfo_ToxmOptions(), &C::Options, &C::SetOptions).Default(ToxmOptions{oxmMultiLine}.ToInt());
  c.Ordinal("Color", TypeInfo_TColor(), &C::Color, &C::SetColor).Default(clMenu);
  c.Object("Banner", ToxBanner::StaticClass(), &C::Banner, nullptr).Stored(&C::IsBannerStored);
  c.String("Caption", &C::Caption, &C::SetCaption).NoDefault();
  c.Ordinal("Font3D", TypeInfo_T3DEffect(), &C::Font3D, &C::SetFont3D).NoDefault();
  c.Object("Background", ToxMenuBack::StaticClass(), &C::Background, nullptr).Stored(&C::IsBackgroundStored);
  c.Ordinal("SelectionStyle", TypeInfo_ToxmSelectionStyle(), &C::SelectionStyle, &C::SetSelectionStyle).NoDefault();
}

bool IsBarItem(const TMenuItem* Item)
{
  const TMenuItem* parent = Item->Parent();
  return parent && !parent->Parent() && dynamic_cast<TMainMenu*>(Item->GetParentMenu());
}

bool Contains(TMenuItem* Root, const TMenuItem* Wanted)
{
  if (!Root) return false;
  for (int i = 0; i < Root->Count(); ++i)
    if (Root->Items(i) == Wanted || Contains(Root->Items(i), Wanted)) return true;
  return Root->Merged() && Contains(Root->Merged(), Wanted);
}
}  // namespace

// ---------------------------------------------------------------------------

ToxMenuSettings::ToxMenuSettings(TComponent& Self) : FSelf(Self), FData(new ToxMenuData)
{
  FData->Banner()->OnChange = [this](TObject*) { OwnedChanged(oxmBanner); };
  FData->Background()->OnChange = [this](TObject*) { OwnedChanged(oxmBackground); };
  FData->Font()->OnChange = [this](TObject*) { OwnedChanged(oxmCustomFont); };
}

ToxMenuSettings::~ToxMenuSettings() { delete FData; }

void ToxMenuSettings::OwnedChanged(ToxmOption Option)
{
  if (FSelf.ComponentState().Contains(csDesigning)) {
    ToxmOptions options = FData->Options;
    options.Include(Option);
    SetOptions(options);
  }
  SettingsChanged();
}

void ToxMenuSettings::SetImageList(TImageList* Value)
{
  if (FData->ImageList) FData->ImageList->RemoveFreeNotification(&FSelf);
  FData->ImageList = Value;
  if (Value) Value->FreeNotification(&FSelf);
  SettingsChanged();
}

void ToxMenuSettings::ForgetImageList(TComponent* Removed)
{
  if (!Removed || Removed != FData->ImageList) return;
  FData->ImageList = nullptr;
  SettingsChanged();
}

void ToxMenuSettings::SetStyle(ToxmStyle Value)
{
  if (Value == FData->Style) return;
  FData->Style = Value;
  SettingsChanged();
}

void ToxMenuSettings::SetOptions(ToxmOptions Value)
{
  if (Value == FData->Options) return;
  FData->Options = Value;
  SettingsChanged();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(ToxMenu)

void ToxMenu::DeclareProperties(TClassBuilder<ToxMenu>& c) { DeclareMenuSettings(c); }

ToxMenu::ToxMenu(TComponent* AOwner) : TMainMenu(AOwner), ToxMenuSettings(static_cast<TComponent&>(*this))
{
  MenuBars().push_back(this);
  auto& list = Subclasses();
  auto found = std::find_if(list.begin(), list.end(), [&](TMenuFormSubclass* s) { return s->Form() == AOwner; });
  if (found != list.end()) {
    FSubclass = *found;
  } else if (auto* form = dynamic_cast<TCustomForm*>(AOwner)) {
    auto* subclass = new TMenuFormSubclass(nullptr);
    list.push_back(subclass);
    try {
      subclass->SetForm(form);
      subclass->SetEnabled(true);
    } catch (...) {
      list.erase(std::remove(list.begin(), list.end(), subclass), list.end());
      delete subclass;
      MenuBars().erase(std::remove(MenuBars().begin(), MenuBars().end(), this), MenuBars().end());
      throw;
    }
    FSubclass = subclass;
  }
  if (FSubclass) ++FSubclass->RefCount;
}

ToxMenu::~ToxMenu()
{
  MenuBars().erase(std::remove(MenuBars().begin(), MenuBars().end(), this), MenuBars().end());
  if (FSubclass && --FSubclass->RefCount == 0) {
    auto& list = Subclasses();
    list.erase(std::remove(list.begin(), list.end(), FSubclass), list.end());
    delete FSubclass;
  }
}

void ToxMenu::Changed()
{
  Data()->SetChanged(true);
  inherited::Changed();
}

void ToxMenu::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove) ForgetImageList(AComponent);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(ToxPopupMenu)

void ToxPopupMenu::DeclareProperties(TClassBuilder<ToxPopupMenu>& c) { DeclareMenuSettings(c); }

ToxPopupMenu::ToxPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner), ToxMenuSettings(static_cast<TComponent&>(*this))
{
  PopupList().OnOtherMessage = PopupListMessage;
}

ToxPopupMenu::~ToxPopupMenu() = default;

void ToxPopupMenu::Changed()
{
  Data()->SetChanged(true);
  inherited::Changed();
}

void ToxPopupMenu::Notification(TComponent* AComponent, TOperation Operation)
{
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove) ForgetImageList(AComponent);
}

void ToxPopupMenu::Popup(int X, int Y)
{
  OnPopup(this);
  SetOwnerDraw(Items(), Data()->Style != oxmNormal);
  Data()->SetChanged(false);
  const UINT flags = TrackFlags();
  HWND window = PopupList().Window();
  if (X < 0 && Y < 0)
    TrackPopupMenu(Handle(), flags, -X, -Y, 0, window, nullptr);
  else
    TrackPopupMenu(Handle(), flags | TPM_RIGHTBUTTON, X, Y, 0, window, nullptr);
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(TMenuFormSubclass)

TMenuFormSubclass::TMenuFormSubclass(TComponent* AOwner) : ToxBaseSubClass(AOwner) {}

int& TMenuFormSubclass::RetryCounter() { return menuRetryCounter; }

void TMenuFormSubclass::Reattach()
{
  inherited::Reattach();
  if (Form() && Form()->HandleAllocated()) DrawMenuBar(Form()->Handle());
}

namespace {
// Measure and draw requests for an item of ours: the item data names it.
void RouteItemMessage(TMessage& Message, HWND Window, TCanvas& Canvas)
{
  const bool measure = Message.Msg == WM_MEASUREITEM;
  const UINT type = measure ? reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->CtlType
                            : reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->CtlType;
  if (type != ODT_MENU) return;
  const ULONG_PTR data = measure ? reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam)->itemData
                                 : reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->itemData;
  TMenuItem* item = FindOwnItem(data);
  ToxMenuData* settings = item ? GetMenuData(item) : nullptr;
  if (!settings) return;
  settings->CurrentItem = item;
  settings->WindowHandle = Window;
  if (measure)
    MeasureItem(*settings, Canvas, Message);
  else
    DrawItem(*settings, Canvas, Message);
}
}  // namespace

void TMenuFormSubclass::WndProc(TMessage& Message)
{
  inherited::WndProc(Message);
  switch (Message.Msg) {
    case WM_INITMENU:
      if (auto* menu = Form() ? dynamic_cast<ToxMenu*>(Form()->Menu()) : nullptr) {
        SetOwnerDraw(menu->Items(), menu->Style() != oxmNormal);
        menu->Data()->SetChanged(false);
      }
      break;
    case WM_INITMENUPOPUP: LastPopupMenu() = reinterpret_cast<HMENU>(Message.WParam); break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM: RouteItemMessage(Message, Handle(), FCanvas); break;
    case WM_MENUCHAR: MenuChar(Message); break;
    case WM_SETTINGCHANGE: RefreshMarkBitmaps(); break;
    case WM_EXITMENULOOP: {
      RestoreProxies();
      TCustomForm* main = Application ? Application->MainForm() : nullptr;
      if (main && main->ClientHandle()) SendMessageA(main->ClientHandle(), WM_MDIREFRESHMENU, 0, 0);
      break;
    }
    default: break;
  }
}

// ---------------------------------------------------------------------------

namespace {
void PopupListMessage(TMessage& Message)
{
  switch (Message.Msg) {
    case WM_MEASUREITEM:
    case WM_DRAWITEM: {
      static TCanvas canvas;
      RouteItemMessage(Message, PopupList().Window(), canvas);
      break;
    }
    case WM_MENUCHAR: MenuChar(Message); break;
    default: break;
  }
}
}  // namespace

// ---------------------------------------------------------------------------

namespace {
void ApplyItemTypes(HMENU Menu, UINT Position, const TMenuItem& Item)
{
  if (!Item.RadioItem() && !Item.Default()) return;
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE;
  GetMenuItemInfoA(Menu, Position, TRUE, &info);
  if (Item.RadioItem()) info.fType |= MFT_RADIOCHECK;
  if (Item.Default()) info.fState |= MFS_DEFAULT;
  SetMenuItemInfoA(Menu, Position, TRUE, &info);
}

// Entry Position of Menu shows Item.
void SetItemOwnerDraw(TMenuItem* Item, HMENU Menu, UINT Position, bool OwnerDraw)
{
  if (IsBarItem(Item)) return;
  UINT state = GetMenuState(Menu, Position, MF_BYPOSITION) & 0xFF;
  if (SameText(Item->Caption(), "-")) state |= MF_SEPARATOR;
  if (Item->Count() > 0) {
    // Replacing a sub-menu entry with ModifyMenu may free its sub-menu, so
    // its type and data are changed in place.
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(Menu, Position, TRUE, &info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | (OwnerDraw ? 0 : MIIM_STRING);
    info.fType = OwnerDraw ? (info.fType | MFT_OWNERDRAW) : (info.fType & ~MFT_OWNERDRAW);
    info.dwItemData = OwnerDraw ? reinterpret_cast<ULONG_PTR>(Item) : 0;
    std::string text = Item->Caption().substr(0, 255);
    info.dwTypeData = text.data();
    SetMenuItemInfoA(Menu, Position, TRUE, &info);
    return;
  }
  const UINT_PTR id = Item->Command();
  if (OwnerDraw) {
    ModifyMenuA(Menu, Position, MF_BYPOSITION | state | MF_OWNERDRAW, id, reinterpret_cast<LPCSTR>(Item));
    return;
  }
  std::string text = Item->Caption();
  if (Item->ShortCut()) text += "\t" + ShortCutToText(Item->ShortCut());
  text = text.substr(0, 255);
  ModifyMenuA(Menu, Position, MF_BYPOSITION | (state & ~MF_OWNERDRAW), id, text.c_str());
  ApplyItemTypes(Menu, Position, *Item);
}

// Visits the items as a menu with another merged into it shows them: a group
// present in the merged menu replaces the root's items of the same group.
void WalkItems(TMenuItem* Root, bool OwnerDraw)
{
  std::vector<TMenuItem*> shown;
  TMenuItem* merged = Root->Merged();
  const int n1 = merged ? merged->Count() : 0, n2 = Root->Count();
  int i1 = 0, i2 = 0;
  while (i1 < n1 || i2 < n2) {
    const int g1 = i1 < n1 ? merged->Items(i1)->GroupIndex() : 255;
    const int g2 = i2 < n2 ? Root->Items(i2)->GroupIndex() : 255;
    const int g = std::min(g1, g2);
    if (g1 > g2) {
      for (int k = i2; k < n2 && Root->Items(k)->GroupIndex() <= g; ++k) shown.push_back(Root->Items(k));
    } else {
      for (int k = i1; k < n1 && merged->Items(k)->GroupIndex() <= g; ++k) shown.push_back(merged->Items(k));
    }
    while (i1 < n1 && merged->Items(i1)->GroupIndex() <= g) ++i1;
    while (i2 < n2 && Root->Items(i2)->GroupIndex() <= g) ++i2;
  }
  // Invisible items have no entry, so the entries count the visible ones.
  HMENU menu = Root->Handle();
  UINT position = 0;
  for (TMenuItem* item : shown) {
    if (!item->Visible()) continue;
    if (item->Count() > 0 || (item->Merged() && item->Merged()->Count() > 0)) WalkItems(item, OwnerDraw);
    SetItemOwnerDraw(item, menu, position++, OwnerDraw);
  }
}
}  // namespace

void SetOwnerDraw(TMenuItem* Root, bool OwnerDraw)
{
  if (Root) WalkItems(Root, OwnerDraw);
}

ToxMenuData* GetMenuData(TMenuItem* Item)
{
  for (const TProxy& proxy : Proxies())
    if (proxy.Item == Item) Item = proxy.Root;
  TMenu* menu = Item ? Item->GetParentMenu() : nullptr;
  if (auto* bar = dynamic_cast<ToxMenu*>(menu)) return bar->Data();
  if (auto* popup = dynamic_cast<ToxPopupMenu*>(menu)) return popup->Data();
  return nullptr;
}

TMenuItem* FindOwnItem(ULONG_PTR ItemData)
{
  auto* wanted = reinterpret_cast<TMenuItem*>(ItemData);
  if (!wanted) return nullptr;
  for (const TProxy& proxy : Proxies())
    if (proxy.Item == wanted) return wanted;
  for (ToxMenu* bar : MenuBars())
    if (Contains(bar->Items(), wanted)) return wanted;
  const TPopupList& popups = PopupList();
  for (int i = 0; i < popups.Count(); ++i)
    if (dynamic_cast<ToxPopupMenu*>(popups.Menus(i)) && Contains(popups.Menus(i)->Items(), wanted)) return wanted;
  return nullptr;
}

namespace {
bool StartsWithLetter(const std::string& Caption, char Ch)
{
  if (Caption.empty() || Caption.find('&') != std::string::npos) return false;
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Caption.c_str(), 1, &Ch, 1) == CSTR_EQUAL;
}
}  // namespace

void MenuChar(TMessage& Message)
{
  const char ch = static_cast<char>(LOWORD(Message.WParam));
  HMENU menu = reinterpret_cast<HMENU>(Message.LParam);
  const int count = GetMenuItemCount(menu);
  std::vector<TMenuCharItem> items(static_cast<size_t>(std::max(count, 0)));
  for (int p = 0; p < count; ++p) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_TYPE | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(p), TRUE, &info)) continue;
    TMenuCharItem& entry = items[static_cast<size_t>(p)];
    entry.Highlighted = info.fState & MFS_HILITE;
    TMenuItem* item = (info.fType & MFT_OWNERDRAW) ? FindOwnItem(info.dwItemData) : nullptr;
    if (!item || !item->Enabled()) continue;
    entry.Eligible = true;
    entry.Exact = IsAccel(static_cast<unsigned char>(ch), item->Caption());
    entry.Letter = StartsWithLetter(item->Caption(), ch);
  }
  const TMenuCharChoice choice = ChooseMenuChar(items);
  if (choice.Index >= 0) Message.Result = MAKELRESULT(choice.Index, choice.Action);
}

void ConvertSystemEntries(HMENU Menu, TMenuItem* Root)
{
  const int count = GetMenuItemCount(Menu);
  for (int p = 0; p < count; ++p) {
    const UINT position = static_cast<UINT>(p);
    const UINT state = GetMenuState(Menu, position, MF_BYPOSITION);
    if (state & MF_OWNERDRAW) continue;
    auto* proxy = new TMenuItem(nullptr);
    UINT flags = (state & 0xFF) | MF_BYPOSITION | MF_OWNERDRAW;
    if (state & MF_SEPARATOR) {
      proxy->SetCaption("-");
      flags |= MF_SEPARATOR;
    } else {
      char text[256] = {};
      GetMenuStringA(Menu, position, text, 255, MF_BYPOSITION);
      proxy->SetCaption(text);
      proxy->SetChecked(state & MF_CHECKED);
      proxy->SetEnabled(!(state & MF_GRAYED));
    }
    proxy->SetTag(-1);
    proxy->SetCommand(GetMenuItemID(Menu, p));
    Proxies().push_back(TProxy{proxy, Root});
    ModifyMenuA(Menu, position, flags, proxy->Command(), reinterpret_cast<LPCSTR>(proxy));
  }
}

void RestoreProxies()
{
  for (const TProxy& proxy : Proxies()) {
    HMENU root = proxy.Root->Handle();
    const UINT command = proxy.Item->Command();
    const UINT state = GetMenuState(root, command, MF_BYCOMMAND) & ~MF_OWNERDRAW;
    if (!SameText(proxy.Item->Caption(), "-"))
      ModifyMenuA(root, command, state, command, proxy.Item->Caption().c_str());
    else
      ModifyMenuA(root, command, state | MF_SEPARATOR, 0, nullptr);
    delete proxy.Item;
  }
  Proxies().clear();
}

int ProxyCount() { return static_cast<int>(Proxies().size()); }
