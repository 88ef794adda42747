#include "tests/ui/menus/MenuFixture.h"

namespace {
LRESULT MenuCharOf(HWND Window, char Ch, HMENU Menu)
{
  return SendMessageA(Window, WM_MENUCHAR, MAKEWPARAM(Ch, MF_POPUP), reinterpret_cast<LPARAM>(Menu));
}
}  // namespace

TEST_F(MenuFixture, MeasureRequestsAreAnsweredForOurItemsAndLeftAloneOtherwise)
{
  LRESULT result = 0;
  const MEASUREITEMSTRUCT one = Measure(form->Handle(), scan, &result);
  EXPECT_EQ(1, result);
  EXPECT_GT(one.itemWidth, 30u);
  EXPECT_GT(one.itemHeight, 12u);
  int stranger = 0;
  const MEASUREITEMSTRUCT other = Measure(form->Handle(), &stranger, &result);
  EXPECT_EQ(0, result);
  EXPECT_EQ(0u, other.itemWidth);
  // Pop-up items are measured by the pop-up list window.
  Measure(PopupList().Window(), clear, &result);
  EXPECT_EQ(1, result);
  // A caption of two lines is about twice as high, unless multi-line is off.
  compare->SetCaption("Two||Lines");
  const MEASUREITEMSTRUCT two = Measure(form->Handle(), compare, &result);
  EXPECT_GE(two.itemHeight, 2 * one.itemHeight - 6);
  bar->SetOptions(ToxmOptions{});
  EXPECT_EQ(one.itemHeight, Measure(form->Handle(), compare, &result).itemHeight);
  // A vertical banner widens the items of the first column.
  bar->SetOptions(ToxmOptions{oxmBanner});
  bar->Banner()->SetVertical(true);
  EXPECT_EQ(one.itemWidth + 17, Measure(form->Handle(), scan, &result).itemWidth);
}

TEST_F(MenuFixture, MenuCharExecutesTheOnlyMatchAndCyclesThroughSharedLetters)
{
  SetOwnerDraw(popup->Items(), true);
  HWND list = PopupList().Window();
  EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), MenuCharOf(list, 's', popup->Handle()));
  EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), MenuCharOf(list, 'C', popup->Handle()));
  EXPECT_EQ(0, MenuCharOf(list, 'q', popup->Handle()));
  remove->SetEnabled(false);
  SetOwnerDraw(popup->Items(), true);
  EXPECT_EQ(0, MenuCharOf(list, 'd', popup->Handle()));  // disabled items never match

  save->SetCaption("Beta");
  remove->SetCaption("Bravo");
  remove->SetEnabled(true);
  SetOwnerDraw(popup->Items(), true);
  HMENU menu = popup->Handle();
  // Shared letters select (worked out natively); the highlight is read from
  // the menu, and the next match after it is chosen
  // (the entry is enabled and unchecked, so the highlight is its whole state).
  MENUITEMINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  info.fState = MFS_HILITE;
  SetMenuItemInfoA(menu, 0, TRUE, &info);
  EXPECT_EQ(MAKELRESULT(2, MNC_SELECT), MenuCharOf(list, 'B', menu));
  // Plain entries never match.
  SetOwnerDraw(popup->Items(), false);
  EXPECT_EQ(0, MenuCharOf(list, 'c', menu));
}

TEST_F(MenuFixture, KeysInTheOpenMenusRunTheirCommands)
{
  uitest::SendKeysWhenOpen({'C'}, 60);
  popup->Popup(200, 200);
  qvtest::PumpMessagesFor(50);
  EXPECT_EQ((std::vector<std::string>{"Clear List"}), clicked);

  // The bar: Alt+F opens File, X runs Exit through the menu character.
  clicked.clear();
  uitest::SendKeysWhenOpen({'X'}, 60);
  PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !clicked.empty(); }, 3000));
  EXPECT_EQ((std::vector<std::string>{"E&xit"}), clicked);
  // Arrows and Return reach the sub-menu's item.
  clicked.clear();
  uitest::SendKeysWhenOpen({VK_UP, VK_UP, VK_RIGHT, VK_RETURN}, 80);
  PostMessageA(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f');
  ASSERT_TRUE(qvtest::PumpUntil([&] { return !clicked.empty(); }, 3000));
  EXPECT_EQ((std::vector<std::string>{"&Deeper"}), clicked);
}

TEST_F(MenuFixture, TheBackgroundGradientAndTheBannerShowInTheOpenMenuAndTheBackgroundIsPaintedOnceUntilChanged)
{
  popup->SetOptions(ToxmOptions{oxmBackground, oxmBanner});
  popup->SetColor(RGB(0, 0, 255));
  popup->Background()->SetStyle(oxmHorzGradient);
  popup->Banner()->SetColor(clNavy);
  popup->Banner()->SetVertical(true);
  popup->SetCaption("Pop");
  qvtest::Pixels menuPixels;
  uitest::SendKeysWhenOpen({VK_ESCAPE}, 60, [&](HWND Menu) { menuPixels = qvtest::CaptureClient(Menu); });
  popup->Popup(200, 200);
  ASSERT_GT(menuPixels.width, 40);
  const int y = menuPixels.height / 2;
  int x0 = 0;
  while (x0 < menuPixels.width && menuPixels.at(x0, y) != RGB(0, 0, 128)) ++x0;  // the navy strip
  ASSERT_LT(x0, 10);
  EXPECT_EQ(RGB(0, 0, 128), menuPixels.at(x0 + 16, y));
  const COLORREF left = menuPixels.at(x0 + 17, 2 + x0), right = menuPixels.at(menuPixels.width - 1 - x0, 2 + x0);
  // The ramp starts white beside the strip and runs toward the menu colour
  // (its steps are worked out natively).
  EXPECT_GT(GetRValue(left), 200);
  EXPECT_LT(GetRValue(right), 12);
  EXPECT_GT(GetBValue(right), 240);
  // The background is painted once for the same menu, and again once changed.
  EXPECT_EQ(popup->Handle(), BackgroundCache().Key);
  const HBITMAP first = BackgroundCache().Bitmap.Handle();
  for (const bool change : {false, true}) {
    if (change) {
      popup->Background()->SetGradientColor(clYellow);
      EXPECT_EQ(nullptr, BackgroundCache().Key);
    }
    uitest::SendKeysWhenOpen({VK_ESCAPE}, 60);
    popup->Popup(200, 200);
    EXPECT_EQ(popup->Handle(), BackgroundCache().Key);
    EXPECT_EQ(change, first != BackgroundCache().Bitmap.Handle());
  }
}

TEST_F(MenuFixture, SystemEntriesAreDrawnThroughProxiesUntilTheMenuLoopEnds)
{
  SetOwnerDraw(bar->Items(), true);
  HMENU windows = help->Handle();
  AppendMenuA(windows, MF_STRING | MF_CHECKED, 5001, "&1 First window");
  AppendMenuA(windows, MF_STRING | MF_GRAYED, 5002, "&2 Second window");
  ConvertSystemEntries(windows, bar->Items());
  ASSERT_EQ(2, ProxyCount());
  const MENUITEMINFOA entry = Entry(windows, 1);
  EXPECT_TRUE(entry.fType & MFT_OWNERDRAW);
  auto* proxy = reinterpret_cast<TMenuItem*>(entry.dwItemData);
  EXPECT_EQ("&1 First window", proxy->Caption());
  EXPECT_TRUE(proxy->Checked());
  EXPECT_EQ(-1, proxy->Tag());
  LRESULT result = 0;
  Measure(form->Handle(), proxy, &result);
  EXPECT_EQ(1, result);
  EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), MenuCharOf(form->Handle(), '1', windows));
  EXPECT_EQ(0, MenuCharOf(form->Handle(), '2', windows));  // the grayed one
  SendMessageA(form->Handle(), WM_EXITMENULOOP, 0, 0);
  EXPECT_EQ(0, ProxyCount());
  EXPECT_FALSE(Entry(windows, 1).fType & MFT_OWNERDRAW);
  EXPECT_EQ("&1 First window", Text(windows, 1));
  EXPECT_TRUE(Entry(windows, 1).fState & MFS_CHECKED);
  EXPECT_TRUE(Entry(windows, 0).fType & MFT_OWNERDRAW);  // the item of our own stays
}
