#include "tests/persist/PropHolder.h"

#include <stdexcept>

namespace persisttest {

QV_IMPLEMENT_CLASS(TPlainThing)
void TPlainThing::DeclareProperties(TClassBuilder<TPlainThing>& c)
{
  c.Ordinal("Value", TypeInfo_Integer(), &TPlainThing::FValue);
}

QV_IMPLEMENT_CLASS(TPropHolder)
void TPropHolder::DeclareProperties(TClassBuilder<TPropHolder>& c)
{
  c.Ordinal("Number", TypeInfo_Integer(), &TPropHolder::FNumber);
  c.Ordinal("Color", TypeInfo_TColor(), &TPropHolder::FColor);
  c.Ordinal("Cursor", TypeInfo_TCursor(), &TPropHolder::FCursor);
  c.Ordinal("Letter", TypeInfo_Char(), &TPropHolder::FLetter);
  c.Boolean("Checked", &TPropHolder::FChecked);
  c.Ordinal("Alignment", TypeInfo_TAlignment(), &TPropHolder::FAlign);
  c.Ordinal("Style", TypeInfo_TFontStyles(), &TPropHolder::FStyle);
  c.Float("Ratio", &TPropHolder::FRatio);
  c.Ordinal("Wide", TypeInfo_WideChar(), &TPropHolder::FWide);
  c.Ordinal("Mask", TypeInfo_Cardinal(), &TPropHolder::FMask);
  c.String("Caption", &TPropHolder::FCaption);
  c.String("Short", &TPropHolder::FShort, TypeInfo_ShortString());
  c.Event("OnClick", TypeInfo_TNotifyEvent(), &TPropHolder::FOnClick);
  c.Object("Font", TFont::StaticClass(), &TPropHolder::GetFont, &TPropHolder::SetFont);
  c.Object("Lines", TStringList::StaticClass(), &TPropHolder::GetLines, &TPropHolder::SetLines);
  c.Object("Picture", TPicture::StaticClass(), &TPropHolder::GetPicture, &TPropHolder::SetPicture);
  c.Object("Glyph", TBitmap::StaticClass(), &TPropHolder::GetGlyph, &TPropHolder::SetGlyph);
  c.Object("Buddy", TComponent::StaticClass(), &TPropHolder::GetBuddy, &TPropHolder::SetBuddy);
  c.Object("Thing", TPlainThing::StaticClass(), &TPropHolder::GetThing, nullptr);
  c.Object("Nothing", TPlainThing::StaticClass(), &TPropHolder::GetNothing, nullptr);
}

TPropHolder::TPropHolder(TComponent* AOwner)
    : TComponent(AOwner), FFont(new TFont), FLines(new TStringList), FPicture(new TPicture), FGlyph(new TBitmap),
      FThing(new TPlainThing)
{
  FLines->OnChange = [this](TObject*) { ++LinesChanges; };
}

TPropHolder::~TPropHolder()
{
  delete FThing;
  delete FGlyph;
  delete FPicture;
  delete FLines;
  delete FFont;
}

const TPropInfo& Prop(const TObject& Instance, const char* Name)
{
  const TPropInfo* Info = GetPropInfo(Instance, Name);
  if (!Info) throw std::logic_error(std::string("no property ") + Name);
  return *Info;
}

std::string SmallBitmapFile()
{
  const unsigned char Bytes[] = {'B', 'M', 34, 0, 0, 0, 0, 0,  0, 0, 26, 0, 0, 0, 12, 0, 0,
                                 0,   2,   0,  1, 0, 1, 0, 24, 0, 1, 2,  3, 4, 5, 6,  0, 0};
  return std::string(reinterpret_cast<const char*>(Bytes), sizeof Bytes);
}

}  // namespace persisttest
