#pragma once
// Bitmaps and icons with their Win32 handles. TWinBitmap is a drawing surface
// with its own canvas (a memory DC that holds the bitmap); it loads from a
// resource, from the portable TBitmap's file image, or is simply sized.
#include <windows.h>

#include "framework/graphics/Graphics.h"

class TWinBitmap {
public:
  TWinBitmap() = default;
  ~TWinBitmap();
  TWinBitmap(const TWinBitmap&) = delete;
  TWinBitmap& operator=(const TWinBitmap&) = delete;

  bool Empty() const { return !FBitmap; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Makes a new bitmap of that size, cleared to white; 0 × 0 empties it.
  void SetSize(int Width, int Height);
  bool Monochrome() const { return FMonochrome; }
  // Converts the current picture to one bit per pixel (or back to colour).
  void SetMonochrome(bool Value);
  HBITMAP Handle() const { return FBitmap.get(); }
  // Takes ownership of a bitmap handle.
  void SetHandle(HBITMAP Bitmap);
  // The canvas draws on the bitmap; valid while the bitmap lives.
  TCanvas& Canvas();
  // Takes the bitmap out of the canvas's DC (for APIs that need that);
  // the next Canvas() selects it again.
  void ReleaseCanvas() { Deselect(); }

  // Colour left out by transparent copies: the bottom-left pixel unless set.
  TColor TransparentColor();
  void SetTransparentColor(TColor Value) { FTransparentColor = Value; }

  // Bitmap resource by name; EInvalidGraphic when there is none.
  void LoadFromResourceName(HINSTANCE Instance, const std::string& Name);
  // The bytes of a .bmp file (what the portable TBitmap keeps).
  void LoadFromImage(const std::string& Image);
  void Assign(const TGraphic* Graphic);

private:
  void Deselect();
  void Replace(HBITMAP Bitmap);

  qv::BitmapHandle FBitmap;
  qv::MemoryDC FDC;
  qv::SelectionGuard FSelection;
  TCanvas FCanvas;
  int FWidth = 0, FHeight = 0;
  bool FMonochrome = false;
  TColor FTransparentColor = clDefault;
};

class TWinIcon {
public:
  bool Empty() const { return !FIcon; }
  HICON Handle() const { return FIcon.get(); }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Takes ownership of an icon handle.
  void SetHandle(HICON Icon);
  void LoadFromResourceName(HINSTANCE Instance, const std::string& Name);
  // The bytes of a .ico file; the image nearest to 32 × 32 is used.
  void LoadFromImage(const std::string& Image);
  void Assign(const TGraphic* Graphic);
  void Draw(TCanvas& Canvas, int X, int Y) const;
  void StretchDraw(TCanvas& Canvas, const RECT& Dest) const;

private:
  qv::IconHandle FIcon;
  int FWidth = 0, FHeight = 0;
};

// Draws the portable graphic (bitmap or icon) at its own size or stretched.
void DrawGraphic(TCanvas& Canvas, int X, int Y, const TGraphic* Graphic);
void StretchDrawGraphic(TCanvas& Canvas, const RECT& Dest, const TGraphic* Graphic);
