#pragma once
// A shown form with an owner-drawn menu bar (File with shortcuts, separators,
// a hidden item and a sub-menu; Help) and a pop-up menu like the main
// window's, for the menu tests under Wine.
#include "framework/forms/Forms.h"
#include "ui/menus/MenuDraw.h"
#include "ui/menus/oxMenus.h"

#include <gtest/gtest.h>

#include "tests/ui/UiTestSupport.h"

class MenuFixture : public ::testing::Test {
protected:
  void SetUp() override
  {
    form = new TForm(Application);
    form->SetBounds(60, 60, 400, 300);
    bar = new ToxMenu(form);
    file = Add(bar->Items(), "&File");
    scan = Add(file, "&Scan", VK_F2);
    compare = Add(file, "&Compare", VK_F3);
    separator = Add(file, "-");
    hidden = Add(file, "Hidden");
    hidden->SetVisible(false);
    more = Add(file, "&More");
    deeper = Add(more, "&Deeper");
    exit = Add(file, "E&xit");
    help = Add(bar->Items(), "&Help");
    about = Add(help, "&About...");
    form->SetMenu(bar);
    popup = new ToxPopupMenu(form);
    save = Add(popup->Items(), "&Save Changes to File..");
    clear = Add(popup->Items(), "Clear List");
    remove = Add(popup->Items(), "&Delete File...");
    open = Add(popup->Items(), "&Open File...");
    for (TMenuItem* item : {scan, compare, exit, about, save, clear, remove, open, deeper})
      item->OnClick = [this, item](TObject*) { clicked.push_back(item->Caption()); };
    form->Show();
  }
  TMenuItem* Add(TMenuItem* Parent, const std::string& Caption, TShortCut Key = 0)
  {
    auto* item = new TMenuItem(form);
    item->SetCaption(Caption);
    item->SetShortCut(Key);
    Parent->Add(item);
    return item;
  }
  static MENUITEMINFOA Entry(HMENU Menu, UINT Position)
  {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU | MIIM_STATE;
    GetMenuItemInfoA(Menu, Position, TRUE, &info);
    return info;
  }
  // The size Window gives the entry whose item data is Item (Result: its answer).
  static MEASUREITEMSTRUCT Measure(HWND Window, const void* Item, LRESULT* Result = nullptr)
  {
    MEASUREITEMSTRUCT m{};
    m.CtlType = ODT_MENU;
    m.itemData = reinterpret_cast<ULONG_PTR>(Item);
    const LRESULT answer = SendMessageA(Window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
    if (Result) *Result = answer;
    return m;
  }
  static std::string Text(HMENU Menu, UINT Position)
  {
    char text[300] = {};
    GetMenuStringA(Menu, Position, text, sizeof(text), MF_BYPOSITION);
    return text;
  }

  TApplicationScope scope;
  TForm* form = nullptr;
  ToxMenu* bar = nullptr;
  ToxPopupMenu* popup = nullptr;
  TMenuItem *file, *scan, *compare, *separator, *hidden, *more, *deeper, *exit, *help, *about;
  TMenuItem *save, *clear, *remove, *open;
  std::vector<std::string> clicked;
};
