#pragma once
// Image list component over a comctl32 image list: images of one size with
// masks, drawn by index; the menus draw item images from one.
#include <windows.h>

#include "framework/objects/Classes.h"
#include "framework/win32/Handles.h"
#include "framework/graphics/WinBitmap.h"

class TImageList : public TComponent {
  QV_CLASS(TImageList, TComponent)
public:
  explicit TImageList(TComponent* AOwner);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetWidth(int Value);
  void SetHeight(int Value);
  int Count() const;
  HIMAGELIST Handle();

  // Adds the images of Bitmap (side by side, each Width wide); pixels of
  // MaskColor become transparent. Returns the index of the first one.
  int AddMasked(TWinBitmap& Bitmap, TColor MaskColor);
  void Clear();
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true);
  // The image's mask as a monochrome bitmap: black where the image is drawn.
  void GetMask(int Index, TWinBitmap& Mask);

private:
  void Recreate();
  int FWidth = 16, FHeight = 16;
  qv::ImageListHandle FHandle;
};
