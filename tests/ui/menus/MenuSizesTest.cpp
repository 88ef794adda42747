#include "tests/ui/menus/MenuFixture.h"

#include <set>

namespace {
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
  spy.SetWindow(PopupList().Window());
  spy.SetEnabled(true);
  int menuWindowHeight = 0;
  // From the first item up to the last, then run it.
  uitest::SendKeysWhenOpen({VK_UP, VK_RETURN}, 150, [&](HWND Menu) {
    RECT r;
    GetWindowRect(Menu, &r);
    menuWindowHeight = r.bottom - r.top;
  });
  popup->Popup(100, 10);
  qvtest::PumpMessagesFor(50);
  EXPECT_EQ((std::vector<std::string>{"60"}), clicked);
  EXPECT_LE(menuWindowHeight, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_TRUE(spy.Drawn.count(reinterpret_cast<ULONG_PTR>(items.front())));
  EXPECT_TRUE(spy.Drawn.count(reinterpret_cast<ULONG_PTR>(items.back())));
  // Really taller than the screen.
  const MEASUREITEMSTRUCT one = Measure(PopupList().Window(), items[0]);
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
  auto cycle = [&](int) {
    uitest::SendKeysWhenOpen({VK_ESCAPE}, 10);
    popup->Popup(150, 150);
    uitest::SendKeysWhenOpen({VK_ESCAPE, VK_ESCAPE}, 10);
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
    qvtest::PumpMessagesFor(5);
  };
  qvtest::ExpectFlatHandleCounts(cycle, 1, 200, 2);
  EXPECT_EQ(201, barOpened);
  EXPECT_EQ(201, popupOpened);
}
