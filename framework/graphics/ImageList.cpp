#include "framework/graphics/ImageList.h"

QV_IMPLEMENT_CLASS(TImageList)

void TImageList::DeclareProperties(TClassBuilder<TImageList>& c)
{
  c.Ordinal("Height", TypeInfo_Integer(), &TImageList::Height, &TImageList::SetHeight).Default(16);
  c.Ordinal("Width", TypeInfo_Integer(), &TImageList::Width, &TImageList::SetWidth).Default(16);
}

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner) {}

void TImageList::Recreate() { FHandle.reset(ImageList_Create(FWidth, FHeight, ILC_COLOR24 | ILC_MASK, 4, 4)); }

HIMAGELIST TImageList::Handle()
{
  if (!FHandle) Recreate();
  return FHandle.get();
}

void TImageList::SetWidth(int Value)
{
  if (Value == FWidth || Value <= 0) return;
  FWidth = Value;
  FHandle.reset();
}

void TImageList::SetHeight(int Value)
{
  if (Value == FHeight || Value <= 0) return;
  FHeight = Value;
  FHandle.reset();
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle.get()) : 0; }

int TImageList::AddMasked(TWinBitmap& Bitmap, TColor MaskColor)
{
  if (Bitmap.Empty()) return -1;
  // ImageList_AddMasked changes the bitmap's masked pixels; work on a copy.
  TWinBitmap copy;
  copy.SetSize(Bitmap.Width(), Bitmap.Height());
  RECT all{0, 0, Bitmap.Width(), Bitmap.Height()};
  copy.Canvas().CopyRect(all, Bitmap.Canvas(), all);
  copy.ReleaseCanvas();  // the image list takes bitmaps that no DC holds
  int index = ImageList_AddMasked(Handle(), copy.Handle(), ColorToRGB(MaskColor));
  if (index < 0) throw EOutOfResources("Failed to add image");
  return index;
}

void TImageList::Clear()
{
  if (FHandle) ImageList_RemoveAll(FHandle.get());
}

void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled)
{
  if (Index < 0 || Index >= Count()) return;
  Canvas.Prepare();
  UINT style = ILD_TRANSPARENT | (Enabled ? 0 : ILD_BLEND50);
  ImageList_Draw(FHandle.get(), Index, Canvas.Handle(), X, Y, style);
}

void TImageList::GetMask(int Index, TWinBitmap& Mask)
{
  Mask.SetMonochrome(true);
  Mask.SetSize(FWidth, FHeight);
  if (Index < 0 || Index >= Count()) return;
  ImageList_Draw(FHandle.get(), Index, Mask.Canvas().Handle(), 0, 0, ILD_MASK);
}
