#pragma once
// The painting primitives of the owner-drawn menus: menu and rotated fonts,
// 3D text, check marks and radio bullets, enabled and embossed disabled
// images, the checker dither of checked glyph boxes, and the banner strip and
// item background with their off-screen caches.
#include "ui/menus/MenuCaches.h"
#include "ui/menus/MenuData.h"

// The check and bullet bitmaps are remade when the system's check-mark size
// differs from theirs (after a settings change).
void RefreshMarkBitmaps();

void SetMenuFont(TFont& Font);
// A copy of the font turned by Degrees (counter-clockwise), TrueType only.
HFONT CreateRotatedFont(HFONT Font, int Degrees);
void DrawText3D(TCanvas& Canvas, const RECT& R, const std::string& Text, T3DEffect E);
void DrawText3DAt(TCanvas& Canvas, int X, int Y, const std::string& Text, T3DEffect E);
// Black pixels of the monochrome bitmap become the canvas's text colour;
// white ones leave the canvas as it was.
void Stamp(TCanvas& Canvas, int X, int Y, HBITMAP Monochrome);
void DrawCheck(const ToxMenuData& Data, TCanvas& Canvas, int X, int Y, const TMenuItem& Item, bool Selected);
void DrawGlyph(const ToxMenuData& Data, TCanvas& Canvas, int X, int Y, const TMenuItem& Item, bool Selected);
void DitherRect(TCanvas& Canvas, const RECT& R);
// M is the menu's item area from (0, 0), Origin where it starts in the menu
// window. The banner moves the left (vertical) or top (horizontal) edge of an
// item of the first column or row past the strip.
void PaintBanner(ToxMenuData& Data, TCanvas& Canvas, const RECT& M, POINT Origin, DRAWITEMSTRUCT& D);
void PaintBackground(ToxMenuData& Data, TCanvas& Canvas, const RECT& M, POINT Origin, const DRAWITEMSTRUCT& D);
void PaintStyle(TCanvas& Canvas, const RECT& R, TColor Color, TPicture* Picture, TGradient* Gradient,
                ToxmBackStyle Style);
// The system's check-mark size (GetMenuCheckMarkDimensions).
SIZE CheckMarkSize();
