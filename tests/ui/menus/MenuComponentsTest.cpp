#include "tests/ui/menus/MenuFixture.h"

TEST_F(MenuFixture, SettingsStartAtTheirDefaultsAndSubObjectsAreStoredOnlyWhenSwitchedOn)
{
  EXPECT_TRUE(bar->Data()->Changed());
  // A new menu holds the declared defaults, so its stored form leaves them out.
  for (const char* name : {"Style", "Options", "Color"})
    EXPECT_TRUE(IsDefaultPropValue(*bar, FindPropInfo(*bar, name))) << name;
  EXPECT_FALSE(IsStoredProp(*bar, FindPropInfo(*bar, "Banner")));
  EXPECT_FALSE(IsStoredProp(*popup, FindPropInfo(*popup, "Background")));
  EXPECT_FALSE(IsStoredProp(*popup, FindPropInfo(*popup, "Font")));
  bar->SetOptions(ToxmOptions{oxmBanner, oxmCustomFont});
  EXPECT_TRUE(IsStoredProp(*bar, FindPropInfo(*bar, "Banner")));
  EXPECT_TRUE(IsStoredProp(*bar, FindPropInfo(*bar, "Font")));
  EXPECT_FALSE(IsDefaultPropValue(*bar, FindPropInfo(*bar, "Caption")));  // always written
}

TEST_F(MenuFixture, OnlyLookAndSizeSettingsAndARemovedImageListMarkTheMenuChanged)
{
  ToxMenuData& d = *popup->Data();
  d.SetChanged(false);
  popup->SetColor(clRed);
  popup->SetCaption("Banner");
  popup->SetFont3D(ox3Raised);
  popup->SetSelectionStyle(oxmInsetSel);
  EXPECT_FALSE(d.Changed());
  popup->SetStyle(oxmWin97);
  EXPECT_TRUE(d.Changed());
  for (auto change : std::vector<std::function<void()>>{
           [&] { popup->SetOptions(ToxmOptions{}); }, [&] { popup->Banner()->SetVertical(true); },
           [&] { popup->Banner()->SetGradientColor(clNavy); }, [&] { popup->Background()->SetStyle(oxmVertGradient); },
           [&] { popup->Font()->SetName("Arial"); }}) {
    d.SetChanged(false);
    BannerCache().Key = reinterpret_cast<HMENU>(1);
    change();
    EXPECT_TRUE(d.Changed());
    EXPECT_EQ(nullptr, BannerCache().Key);  // the caches repaint
  }
  // At run time a font change does not switch the custom font on...
  EXPECT_FALSE(popup->Options().Contains(oxmCustomFont));
  // ...in design mode editing a sub-object switches its option on.
  popup->SetDesigning(true, false);
  popup->Banner()->Font()->SetSize(10);
  EXPECT_TRUE(popup->Options().Contains(oxmBanner));
  popup->SetDesigning(false, false);
  auto* images = new TImageList(form);
  popup->SetImageList(images);
  popup->Data()->SetChanged(false);
  delete images;
  EXPECT_EQ(nullptr, popup->ImageList());
  EXPECT_TRUE(popup->Data()->Changed());
}

TEST_F(MenuFixture, MenusOfOneFormShareOneHookThatGoesWithTheLast)
{
  const WNDPROC hooked = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC));
  ASSERT_NE(nullptr, bar->Subclass());
  EXPECT_EQ(bar->Subclass()->NewProc(), hooked);
  auto* second = new ToxMenu(form);
  EXPECT_EQ(bar->Subclass(), second->Subclass());
  delete second;
  EXPECT_EQ(hooked, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC)));
  auto* orphan = new ToxMenu(nullptr);
  EXPECT_EQ(nullptr, orphan->Subclass());
  delete orphan;
  form->SetMenu(nullptr);
  delete bar;
  EXPECT_EQ(&TWinControl::StaticWndProc, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(form->Handle(), GWLP_WNDPROC)));
}

TEST_F(MenuFixture, OpeningTheBarSwitchesDropDownItemsToOwnerDrawButNeverTheBarsOwn)
{
  HMENU menu = file->Handle();
  const TMenuItem* shown[] = {scan, compare, separator, more, exit};
  // Owner-drawn, then back to the system's drawing: entries keep their kind and their sub-menu.
  for (const ToxmStyle style : {oxmWin95, oxmNormal}) {
    SCOPED_TRACE(style);
    const bool ownerDrawn = style != oxmNormal;
    bar->SetStyle(style);
    SendMessageA(form->Handle(), WM_INITMENU, reinterpret_cast<WPARAM>(bar->Handle()), 0);
    EXPECT_FALSE(bar->Data()->Changed());
    EXPECT_FALSE(Entry(bar->Handle(), 0).fType & MFT_OWNERDRAW);
    ASSERT_EQ(5, GetMenuItemCount(menu));  // the hidden item has no entry
    for (UINT p = 0; p < 5; ++p) {
      EXPECT_EQ(ownerDrawn, (Entry(menu, p).fType & MFT_OWNERDRAW) != 0) << p;
      if (ownerDrawn) EXPECT_EQ(reinterpret_cast<ULONG_PTR>(shown[p]), Entry(menu, p).dwItemData) << p;
    }
    EXPECT_TRUE(Entry(menu, 2).fType & MFT_SEPARATOR);
    EXPECT_EQ(more->Handle(), Entry(menu, 3).hSubMenu);
    EXPECT_EQ(ownerDrawn, (Entry(more->Handle(), 0).fType & MFT_OWNERDRAW) != 0);
  }
  EXPECT_EQ("&Scan\tF2", Text(menu, 0));
  EXPECT_EQ("&More", Text(menu, 3));
  EXPECT_EQ("&File", Text(bar->Handle(), 0));
}

TEST_F(MenuFixture, NegativeCoordinatesPlaceThePopUpAtTheirMagnitude)
{
  RECT openMenuRect{};
  const auto note = [&](HWND Menu) { GetWindowRect(Menu, &openMenuRect); };
  uitest::SendKeysWhenOpen({VK_ESCAPE}, 50, note);
  popup->Popup(-110, -120);
  EXPECT_EQ(110, openMenuRect.left);
  EXPECT_EQ(120, openMenuRect.top);
  EXPECT_TRUE(Entry(popup->Handle(), 0).fType & MFT_OWNERDRAW);
  uitest::SendKeysWhenOpen({VK_ESCAPE}, 50, note);
  popup->Popup(130, 140);
  EXPECT_EQ(130, openMenuRect.left);
}
