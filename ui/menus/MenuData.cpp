#include "ui/menus/MenuData.h"

#include "ui/menus/MenuCaches.h"

QV_IMPLEMENT_CLASS(ToxBanner)

void ToxBanner::DeclareProperties(TClassBuilder<ToxBanner>& c)
{
  c.Object("Font", TFont::StaticClass(), &ToxBanner::Font, &ToxBanner::SetFont);
  c.Ordinal("Style", TypeInfo_ToxmBackStyle(), &ToxBanner::Style, &ToxBanner::SetStyle);
  c.Object("Picture", TPicture::StaticClass(), &ToxBanner::Picture, &ToxBanner::SetPicture);
  c.Ordinal("Color", TypeInfo_TColor(), &ToxBanner::Color, &ToxBanner::SetColor);
  c.Ordinal("Gradient", TypeInfo_TColor(), &ToxBanner::GradientColor, &ToxBanner::SetGradientColor);
  c.Ordinal("Font3D", TypeInfo_T3DEffect(), &ToxBanner::Font3D, &ToxBanner::SetFont3D);
  c.Ordinal("Width", TypeInfo_Word(), &ToxBanner::Width, &ToxBanner::SetWidth).Default(17);
  c.Boolean("Vertical", &ToxBanner::Vertical, &ToxBanner::SetVertical).Default(false);
}

ToxBanner::ToxBanner() : FGradient(new TGradient), FFont(new TFont), FPicture(new TPicture)
{
  FFont->SetName("Arial");
  FFont->SetSize(8);
  FFont->SetColor(clWhite);
  FFont->OnChange = [this](TObject*) { Changed(); };
  FPicture->OnChange = [this](TObject*) { Changed(); };
}

ToxBanner::~ToxBanner()
{
  delete FPicture;
  delete FFont;
  delete FGradient;
}

void ToxBanner::Assign(TPersistent* Source)
{
  auto* other = dynamic_cast<ToxBanner*>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  SetStyle(other->Style());
  SetPicture(other->Picture());
  SetFont(other->Font());
  SetColor(other->Color());
  SetGradientColor(other->GradientColor());
  SetFont3D(other->Font3D());
}

void ToxBanner::Changed() { OnChange(this); }

#define QV_BANNER_SETTER(Class, Name, Field, Type)                                                                     \
  void Class::Set##Name(Type Value)                                                                                    \
  {                                                                                                                    \
    if (Field == Value) return;                                                                                        \
    Field = Value;                                                                                                     \
    Changed();                                                                                                         \
  }
QV_BANNER_SETTER(ToxBanner, Style, FStyle, ToxmBackStyle)
QV_BANNER_SETTER(ToxBanner, Color, FColor, TColor)
QV_BANNER_SETTER(ToxBanner, Font3D, FFont3D, T3DEffect)
QV_BANNER_SETTER(ToxBanner, Width, FWidth, uint16_t)
QV_BANNER_SETTER(ToxBanner, Vertical, FVertical, bool)
QV_BANNER_SETTER(ToxMenuBack, Style, FStyle, ToxmBackStyle)
#undef QV_BANNER_SETTER

void ToxBanner::SetGradientColor(TColor Value)
{
  if (Value == FGradient->EndColor()) return;
  FGradient->SetEndColor(Value);
  Changed();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS(ToxMenuBack)

void ToxMenuBack::DeclareProperties(TClassBuilder<ToxMenuBack>& c)
{
  c.Ordinal("Style", TypeInfo_ToxmBackStyle(), &ToxMenuBack::Style, &ToxMenuBack::SetStyle);
  c.Object("Picture", TPicture::StaticClass(), &ToxMenuBack::Picture, &ToxMenuBack::SetPicture);
  c.Ordinal("Gradient", TypeInfo_TColor(), &ToxMenuBack::GradientColor, &ToxMenuBack::SetGradientColor);
}

ToxMenuBack::ToxMenuBack() : FGradient(new TGradient), FPicture(new TPicture)
{
  FPicture->OnChange = [this](TObject*) { Changed(); };
}

ToxMenuBack::~ToxMenuBack()
{
  delete FPicture;
  delete FGradient;
}

void ToxMenuBack::Assign(TPersistent* Source)
{
  auto* other = dynamic_cast<ToxMenuBack*>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  SetStyle(other->Style());
  SetPicture(other->Picture());
  SetGradientColor(other->GradientColor());
}

void ToxMenuBack::Changed() { OnChange(this); }

void ToxMenuBack::SetGradientColor(TColor Value)
{
  if (Value == FGradient->EndColor()) return;
  FGradient->SetEndColor(Value);
  Changed();
}

// ---------------------------------------------------------------------------

QV_IMPLEMENT_CLASS_NOPROPS(ToxMenuData)

ToxMenuData::ToxMenuData() : FFont(new TFont), FBanner(new ToxBanner), FBackground(new ToxMenuBack)
{
  SetChanged(true);
}

ToxMenuData::~ToxMenuData()
{
  delete FBackground;
  delete FBanner;
  delete FFont;
}

void ToxMenuData::SetChanged(bool Value)
{
  if (Value == FChanged) return;
  FChanged = Value;
  if (Value) InvalidateMenuCaches();
}

bool ToxMenuData::HasImage(const TMenuItem* Item) const
{
  return ImageList && Item && Item->Tag() >= 0 && Item->Tag() < ImageList->Count();
}
