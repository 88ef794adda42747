#include "tests/ui/menus/MenuFixture.h"

#include <set>

#include "tests/support/WineTestSupport.h"

namespace {
std::vector<WPARAM> keys;
int menuWindowHeight = 0;
bool menuSeen = false;
UINT_PTR keysTimer = 0;
// Keys for the menu loop once a menu is open; after its drop-down has closed
// (the bar still selected) they go to the active window, where the loop reads them.
void CALLBACK KeysWhenOpen(HWND, UINT, UINT_PTR id, DWORD)
{
  HWND menu = FindWindowA("#32768", nullptr);
  const bool open = menu && IsWindowVisible(menu);
  if (!open && !menuSeen) return;
  if (!open) menu = GetActiveWindow();
  menuSeen = true;
  RECT r;
  if (open && GetWindowRect(menu, &r)) menuWindowHeight = r.bottom - r.top;
  if (keys.empty()) {
    menuSeen = false;
    KillTimer(nullptr, id);
    if (id == keysTimer) keysTimer = 0;
    return;
  }
  PostMessageA(menu, WM_KEYDOWN, keys.front(), 0);
  keys.erase(keys.begin());
}

// One sender at a time: a sender left over from the previous menu would post
// the next menu's keys before that menu is open, and the menu loop would wait
// for ever for the key it lost.
void SendKeysWhenOpen(std::vector<WPARAM> Keys, UINT Interval)
{
  if (keysTimer) KillTimer(nullptr, keysTimer);
  menuSeen = false;
  keys = std::move(Keys);
  keysTimer = SetTimer(nullptr, 0, Interval, KeysWhenOpen);
}

// Notes which items the system asked to draw, passing the request on.
class TDrawSpy : public ToxBaseSubClass {
public:
  using ToxBaseSubClass::ToxBaseSubClass;
  void WndProc(TMessage& Message) override
  {
    if (Message.Msg == WM_DRAWITEM) Drawn.insert(reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->itemData);
    ToxBaseSubClass::WndProc(Message);
  }
  std::set<ULONG_PTR> Drawn;
};
}  // namespace

TEST_F(MenuFixture, ASixtyItemMenuTallerThanTheScreenIsDrawnAndEveryItemReachable)
{
  popup->Items()->Clear();
  popup->SetOptions(ToxmOptions{oxmCustomFont, oxmBackground, oxmMultiLine});
  popup->Font()->SetHeight(-28);
  std::vector<TMenuItem*> items;
  for (int i = 1; i <= 60; ++i) {
    TMenuItem* item = Add(popup->Items(), "Item " + std::to_string(i) + (i == 30 ? "||second line" : ""));
    item->OnClick = [this, i](TObject*) { clicked.push_back(std::to_string(i)); };
    items.push_back(item);
  }
  // The pop-up list's window is a message window, so the drawing is seen
  // through a hook on it.
  TDrawSpy spy(nullptr);
  spy.SetWindow(oxMenus::PopupList().Window());
  spy.SetEnabled(true);
  SendKeysWhenOpen({VK_UP, VK_RETURN}, 150);  // from the first item up to the last, then run it
  popup->Popup(100, 10);
  qvtest::PumpMessagesFor(50);
  EXPECT_EQ((std::vector<std::string>{"60"}), clicked);
  EXPECT_LE(menuWindowHeight, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(spy.Drawn.count(reinterpret_cast<ULONG_PTR>(items.front())));
  EXPECT_TRUE(spy.Drawn.count(reinterpret_cast<ULONG_PTR>(items.back())));
  // The two-line caption is measured twice as high as its neighbours.
  MEASUREITEMSTRUCT one{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(items[0])};
  MEASUREITEMSTRUCT two{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(items[29])};
  SendMessageA(oxMenus::PopupList().Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&one));
  SendMessageA(oxMenus::PopupList().Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&two));
  EXPECT_GE(two.itemHeight, 2 * one.itemHeight - 8);
  EXPECT_GT(60 * one.itemHeight, static_cast<UINT>(GetSystemMetrics(SM_CYSCREEN)));
  spy.SetEnabled(false);
}

TEST_F(MenuFixture, OpeningAndClosingBothMenus200TimesLeavesNoHandlesBehind)
{
  popup->SetOptions(ToxmOptions{oxmBackground, oxmBanner});
  popup->Background()->SetStyle(oxmHorzGradient);
  bar->SetOptions(ToxmOptions{oxmBackground, oxmBanner});
  bar->Banner()->SetVertical(true);
  int barOpened = 0, popupOpened = 0;
  file->OnClick = [&](TObject*) { ++barOpened; };  // the drop-down is about to show
  popup->OnPopup = [&](TObject*) { ++popupOpened; };
  auto cycle = [&] {
    SendKeysWhenOpen({VK_ESCAPE}, 10);
    popup->Popup(150, 150);
    SendKeysWhenOpen({VK_ESCAPE, VK_ESCAPE}, 10);
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    qvtest::PumpMessagesFor(5);
  };
  cycle();
  const qvtest::GuiCounts before = qvtest::CurrentGuiCounts();
  for (int i = 0; i < 200; ++i) cycle();
  const qvtest::GuiCounts after = qvtest::CurrentGuiCounts();
  EXPECT_EQ(201, barOpened);
  EXPECT_EQ(201, popupOpened);
  EXPECT_LE(after.gdi, before.gdi + 2);
  EXPECT_LE(after.user, before.user + 2);
}
