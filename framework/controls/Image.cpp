#include "framework/controls/Image.h"

#include "framework/graphics/WinBitmap.h"

QV_IMPLEMENT_CLASS(TImage)

void TImage::DeclareProperties(TClassBuilder<TImage>& c)
{
  c.Boolean("Center", &TImage::Center, &TImage::SetCenter).Default(false);
  c.Object("Picture", TPicture::StaticClass(), &TImage::Picture, &TImage::SetPicture);
  c.Boolean("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture)
{
  StoreBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { Invalidate(); };
}

TImage::~TImage() { delete FPicture; }
void TImage::SetCenter(bool Value)
{
  FCenter = Value;
  Invalidate();
}
void TImage::SetStretch(bool Value)
{
  FStretch = Value;
  Invalidate();
}

void TImage::Paint()
{
  const TGraphic* g = FPicture->Graphic();
  if (!g || g->Empty()) return;
  if (FStretch) {
    StretchDrawGraphic(Canvas(), ClientRect(), g);
    return;
  }
  int x = FCenter ? (Width() - g->Width()) / 2 : 0;
  int y = FCenter ? (Height() - g->Height()) / 2 : 0;
  DrawGraphic(Canvas(), x, y, g);
}
