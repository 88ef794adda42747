#pragma once
// Measuring and drawing of owner-drawn menu items (WM_MEASUREITEM and
// WM_DRAWITEM), with the menu's settings already holding the item at hand
// and the window for measuring.
#include "ui/menus/MenuPaint.h"

// Whether some entry of the menu carries a check mark.
bool MenuHasChecks(HMENU Menu);
// The union of the menu's item rectangles, moved to the origin.
RECT MenuRect(const ToxMenuData& Data, HMENU Menu);
// Where that rectangle lies in the menu window that DC draws on: (0, 0) under
// Windows; Wine keeps a margin for the frame inside the client area.
POINT MenuOrigin(const ToxMenuData& Data, HMENU Menu, HDC DC);
// The menu handle of the last WM_INITMENUPOPUP a form hook saw; the first
// item drawn after it paints the background of the whole menu window.
HMENU& LastPopupMenu();

void MeasureItem(ToxMenuData& Data, TCanvas& Canvas, TMessage& Message);
void DrawItem(ToxMenuData& Data, TCanvas& Canvas, TMessage& Message);
