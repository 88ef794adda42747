#include "framework/graphics/Font.h"

#include <climits>
#include <cstdlib>

QV_IMPLEMENT_CLASS(TFont)

const TTypeInfo* TypeInfo_TFontStyle()
{
  static const TTypeInfo* t = NewEnumType("TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
  return t;
}

const TTypeInfo* TypeInfo_TFontStyles()
{
  static const TTypeInfo* t = NewSetType("TFontStyles", TypeInfo_TFontStyle());
  return t;
}

const TTypeInfo* TypeInfo_TFontPitch()
{
  static const TTypeInfo* t = NewEnumType("TFontPitch", {"fpDefault", "fpVariable", "fpFixed"});
  return t;
}

void TFont::DeclareProperties(TClassBuilder<TFont>& c)
{
  c.Ordinal("Charset", TypeInfo_TFontCharset(), &TFont::Charset, &TFont::SetCharset);
  c.Ordinal("Color", TypeInfo_TColor(), &TFont::Color, &TFont::SetColor);
  c.Ordinal("Height", TypeInfo_Integer(), &TFont::Height, &TFont::SetHeight);
  c.String("Name", &TFont::Name, &TFont::SetName).NoDefault();
  c.Ordinal("Style", TypeInfo_TFontStyles(), &TFont::Style, &TFont::SetStyle);
  c.Ordinal("Pitch", TypeInfo_TFontPitch(), &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  c.Ordinal("Size", TypeInfo_Integer(), &TFont::Size, &TFont::SetSize).Stored(false);
}

int MulDivRound(int A, int B, int C)
{
  if (C == 0) return -1;
  const long long num = static_cast<long long>(A) * B;
  long long q = num / C;
  const long long r = num % C;
  if (2 * std::llabs(r) >= std::llabs(static_cast<long long>(C))) q += ((num < 0) != (C < 0)) ? -1 : 1;
  // A result that does not fit gives -1 too, never a wrapped value.
  if (q > INT_MAX || q < -INT_MAX) return -1;
  return static_cast<int>(q);
}

void TFont::Assign(TPersistent* Source)
{
  auto* other = dynamic_cast<TFont*>(Source);
  if (!other) {
    TPersistent::Assign(Source);
    return;
  }
  // One change notice for the whole copy, none when nothing differs.
  const uint32_t before = FRevision;
  ++FUpdating;
  SetCharset(other->FCharset);
  SetColor(other->FColor);
  SetHeight(other->FHeight);
  SetName(other->FName);
  SetStyle(other->FStyle);
  SetPitch(other->FPitch);
  --FUpdating;
  if (FRevision != before) OnChange(this);
}

void TFont::Changed()
{
  ++FRevision;
  if (FUpdating == 0) OnChange(this);
}

void TFont::SetCharset(TFontCharset Value)
{
  if (FCharset != Value) {
    FCharset = Value;
    Changed();
  }
}

void TFont::SetColor(TColor Value)
{
  if (FColor != Value) {
    FColor = Value;
    Changed();
  }
}

void TFont::SetHeight(int Value)
{
  if (FHeight != Value) {
    FHeight = Value;
    Changed();
  }
}

void TFont::SetName(const std::string& Value)
{
  if (!Value.empty() && FName != Value) {
    FName = Value;
    Changed();
  }
}

void TFont::SetStyle(TFontStyles Value)
{
  if (!(FStyle == Value)) {
    FStyle = Value;
    Changed();
  }
}

void TFont::SetPitch(TFontPitch Value)
{
  if (FPitch != Value) {
    FPitch = Value;
    Changed();
  }
}

int TFont::Size() const { return -MulDivRound(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDivRound(Value, FPixelsPerInch, 72)); }
