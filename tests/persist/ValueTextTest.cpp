#include "persist/ValueText.h"

#include <gtest/gtest.h>

#include "framework/graphics/Font.h"
#include "framework/objects/StdIdents.h"

namespace {

const TTypeInfo& Styles() { return *TypeInfo_TFontStyles(); }
const TTypeInfo& Color() { return *TypeInfo_TColor(); }
const TTypeInfo& Cursor() { return *TypeInfo_TCursor(); }
const TTypeInfo& Integer() { return *TypeInfo_Integer(); }
constexpr uint32_t Bold = 1, Italic = 2, StrikeOut = 8;

}  // namespace

TEST(ValueText, ColorWithStandardNameIsWrittenAsIdentifier)
{
  EXPECT_EQ("clWindowText", EncodeIntegerText(Color(), clWindowText));
  EXPECT_EQ("clInfoBk", EncodeIntegerText(Color(), clInfoBk));
  EXPECT_EQ("clRed", EncodeIntegerText(Color(), clRed));
  EXPECT_EQ("1193046", EncodeIntegerText(Color(), 0x123456));
  EXPECT_EQ("-2147483623", EncodeIntegerText(Color(), SysColor(25)));
  // Only colour and cursor types use identifiers.
  EXPECT_EQ("255", EncodeIntegerText(Integer(), 255));
  EXPECT_EQ("1", EncodeIntegerText(*TypeInfo_TFontCharset(), 1));
}

TEST(ValueText, UnsignedValuesKeepTheir32Bits)
{
  EXPECT_EQ("-1", EncodeIntegerText(*TypeInfo_Cardinal(), 0xFFFFFFFFll));
  EXPECT_EQ(-1, DecodeIntegerText(*TypeInfo_Cardinal(), "-1"));
}

TEST(ValueText, ColorReadsIdentifierNumberOrZero)
{
  EXPECT_EQ(clWindowText, DecodeIntegerText(Color(), "clwindowtext"));
  EXPECT_EQ(0x123456, DecodeIntegerText(Color(), "1193046"));
  EXPECT_EQ(0x123456, DecodeIntegerText(Color(), "$123456"));
  EXPECT_EQ(SysColor(25), DecodeIntegerText(Color(), "-2147483623"));
  EXPECT_EQ(0, DecodeIntegerText(Color(), "clNoSuchColour"));
  EXPECT_EQ(std::nullopt, DecodeIntegerText(Color(), ""));
  EXPECT_EQ(0, DecodeIntegerText(Integer(), "clRed"));
  EXPECT_EQ(-7, DecodeIntegerText(Integer(), "-7"));
}

TEST(ValueText, CursorWithStandardNameRoundTrips)
{
  EXPECT_EQ("crDefault", EncodeIntegerText(Cursor(), crDefault));
  EXPECT_EQ("crHourGlass", EncodeIntegerText(Cursor(), crHourGlass));
  EXPECT_EQ("-30", EncodeIntegerText(Cursor(), -30));
  EXPECT_EQ(crHandPoint, DecodeIntegerText(Cursor(), "crHandPoint"));
  EXPECT_EQ(-30, DecodeIntegerText(Cursor(), "-30"));
}

TEST(ValueText, ObjectManagerLeavesUnreadableIntegersUnchanged)
{
  EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText(Integer(), "abc"));
  EXPECT_EQ(-20, DecodeObjMgrIntegerText(Integer(), "-20"));
  EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText(Integer(), ""));
  EXPECT_EQ(clWindowText, DecodeObjMgrIntegerText(Color(), "clWindowText"));
  EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText(Color(), "clFoo"));
}

// The stored set text is the object model's, brackets and no blanks.
TEST(ValueText, SetIsWrittenInOrdinalOrderWithoutBlanks)
{
  EXPECT_EQ("[fsBold,fsItalic]", SetToString(&Styles(), Italic | Bold));
  EXPECT_EQ("[]", SetToString(&Styles(), 0));
  EXPECT_EQ("[fsStrikeOut]", SetToString(&Styles(), StrikeOut));
}

TEST(ValueText, SetTextEdgeCases)
{
  EXPECT_EQ(Bold | Italic, ParseSetText(Styles(), "[fsBold,fsItalic]"));
  EXPECT_EQ(0u, ParseSetText(Styles(), "[]"));
  EXPECT_EQ(std::nullopt, ParseSetText(Styles(), "fsBold"));
  EXPECT_EQ(Bold, ParseSetText(Styles(), "[fsBold,,fsItalic]"));
  EXPECT_EQ(Bold, ParseSetText(Styles(), "[fsBold,fsFoo]"));
  EXPECT_EQ(Bold | Italic, ParseSetText(Styles(), "[ FSBOLD , fsitalic ]"));
  EXPECT_EQ(0u, ParseSetText(Styles(), "["));
}

TEST(ValueText, SetTakesAtMostAsManyPartsAsMembers)
{
  static const TTypeInfo* Two = NewSetType("TTwo", NewEnumType("TTwoItem", {"a", "b"}));
  EXPECT_EQ(1u, ParseSetText(*Two, "[x,a,b]"));  // the third part is beyond the limit
  EXPECT_EQ(3u, ParseSetText(*Two, "[a,b,x]"));
}

TEST(ValueText, SetMembersBeyondBit31AreSkipped)
{
  std::vector<std::string> Names;
  for (int I = 0; I < 34; ++I) Names.push_back("m" + std::to_string(I));
  static const TTypeInfo* Wide = NewSetType("TWide", NewEnumType("TWideItem", Names));
  EXPECT_EQ(0x80000001u, ParseSetText(*Wide, "[m0,m31,m32,m33]"));
}
