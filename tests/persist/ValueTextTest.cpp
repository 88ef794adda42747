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

TEST(ValueText, UnreadableIntegerGivesZeroForTheComponentAndNothingForTheObjectManager)
{
  struct TCase {
    const TTypeInfo* Type;
    const char* Text;
    std::optional<int32_t> Component, ObjMgr;
  };
  const TCase Cases[] = {
      {Color(), "clwindowtext", clWindowText, clWindowText},
      {Color(), "$123456", 0x123456, 0x123456},
      {Cursor(), "crHandPoint", crHandPoint, crHandPoint},
      {Color(), "clNoSuchColour", 0, std::nullopt},
      {Integer(), "clRed", 0, std::nullopt},
      {Integer(), "abc", 0, std::nullopt},
      {Integer(), "-20", -20, -20},
      {Integer(), "", std::nullopt, std::nullopt},  // empty: unchanged for both
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(C.Component, DecodeIntegerText(*C.Type, C.Text)) << C.Text;
    EXPECT_EQ(C.ObjMgr, DecodeObjMgrIntegerText(*C.Type, C.Text)) << C.Text;
  }
}

// The stored set text is the object model's: brackets, no blanks, ordinal order.
TEST(ValueText, SetIsWrittenInOrdinalOrderWithoutBlanks)
{
  EXPECT_EQ("[fsBold,fsItalic]", SetToString(&Styles(), Italic | Bold));
  EXPECT_EQ("[]", SetToString(&Styles(), 0));
  EXPECT_EQ("[fsStrikeOut]", SetToString(&Styles(), StrikeOut));
}

TEST(ValueText, SetTextEdgeCases)
{
  std::vector<std::string> Names;
  for (int I = 0; I < 34; ++I) Names.push_back("m" + std::to_string(I));
  static const TTypeInfo* Wide = NewSetType("TWide", NewEnumType("TWideItem", Names));
  static const TTypeInfo* Two = NewSetType("TTwo", NewEnumType("TTwoItem", {"a", "b"}));
  const std::pair<const char*, std::optional<uint32_t>> Cases[] = {
      {"[fsBold,fsItalic]", Bold | Italic},
      {"[]", 0u},
      {"fsBold", std::nullopt},      // no bracket: unchanged
      {"[fsBold,,fsItalic]", Bold},  // an empty part ends the list
      {"[fsBold,fsFoo]", Bold},      // unknown names are skipped
      {"[ FSBOLD , fsitalic ]", Bold | Italic},
      {"[", 0u},
  };
  for (const auto& [Text, Bits] : Cases) EXPECT_EQ(Bits, ParseSetText(Styles(), Text)) << Text;
  // At most as many parts as the member type has values.
  EXPECT_EQ(1u, ParseSetText(*Two, "[x,a,b]"));
  EXPECT_EQ(3u, ParseSetText(*Two, "[a,b,x]"));
  EXPECT_EQ(0x80000001u, ParseSetText(*Wide, "[m0,m31,m32,m33]"));  // beyond bit 31: skipped
}
