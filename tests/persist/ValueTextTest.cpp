#include "persist/ValueText.h"

#include <gtest/gtest.h>

#include "framework/graphics/Font.h"
#include "framework/objects/StdIdents.h"

namespace {

const TTypeInfo* Color() { return TypeInfo_TColor(); }
const TTypeInfo* Cursor() { return TypeInfo_TCursor(); }
const TTypeInfo* Integer() { return TypeInfo_Integer(); }
const TTypeInfo& Styles() { return *TypeInfo_TFontStyles(); }
constexpr uint32_t Bold = 1, Italic = 2, StrikeOut = 8;

}  // namespace

TEST(ValueText, IntegersAreWrittenByStandardNameOrSigned32BitDecimalAndReadBack)
{
  struct TCase {
    const TTypeInfo* Type;
    int64_t Value;
    const char* Text;
  };
  const TCase Cases[] = {
      {Color(), clWindowText, "clWindowText"},
      {Color(), clInfoBk, "clInfoBk"},
      {Color(), clRed, "clRed"},
      {Color(), 0x123456, "1193046"},
      {Color(), SysColor(25), "-2147483623"},  // no name: signed decimal
      {Cursor(), crHourGlass, "crHourGlass"},
      {Cursor(), -30, "-30"},
      // Only colours and cursors are stored by name, not a font's character set.
      {Integer(), 255, "255"},
      {TypeInfo_TFontCharset(), 1, "1"},
      {TypeInfo_Cardinal(), 0xFFFFFFFFll, "-1"},  // the 32 bits survive
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(C.Text, EncodeIntegerText(*C.Type, C.Value)) << C.Text;
    EXPECT_EQ(static_cast<int32_t>(C.Value), DecodeIntegerText(*C.Type, C.Text)) << C.Text;
  }
}

TEST(ValueText, SetTextEdgeCases)
{
  std::vector<std::string> Names;
  for (int I = 0; I < 34; ++I) Names.push_back("m" + std::to_string(I));
  static const TTypeInfo* Wide = NewSetType("TWide", NewEnumType("TWideItem", Names));
  static const TTypeInfo* Two = NewSetType("TTwo", NewEnumType("TTwoItem", {"a", "b"}));
  struct TCase {
    const char* Text;
    std::optional<uint32_t> Bits;
    const char* Written;  // the stored text of the set read: brackets, no blanks, ordinal order
  };
  const TCase Cases[] = {
      {"[fsItalic,fsBold]", Bold | Italic, "[fsBold,fsItalic]"},
      {"[]", 0u, "[]"},
      {"fsBold", std::nullopt, ""},                         // no bracket: unchanged
      {"[fsBold,,fsItalic]", Bold, "[fsBold]"},             // an empty part ends the list
      {"[fsStrikeOut,fsFoo]", StrikeOut, "[fsStrikeOut]"},  // unknown names are skipped
      {"[ FSBOLD , fsitalic ]", Bold | Italic, "[fsBold,fsItalic]"},
      {"[", 0u, "[]"},
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(C.Bits, ParseSetText(Styles(), C.Text)) << C.Text;
    if (C.Bits) EXPECT_EQ(C.Written, SetToString(&Styles(), *C.Bits)) << C.Text;
  }
  // At most as many parts as the member type has values.
  EXPECT_EQ(1u, ParseSetText(*Two, "[x,a,b]"));
  EXPECT_EQ(3u, ParseSetText(*Two, "[a,b,x]"));
  EXPECT_EQ(0x80000001u, ParseSetText(*Wide, "[m0,m31,m32,m33]"));  // beyond bit 31: skipped
}
