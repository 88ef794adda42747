#include "persist/ValueText.h"

#include <gtest/gtest.h>

#include "persist/StdIdents.h"

namespace {

const TOrdinalNames FontStyles{0, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
constexpr uint32_t Bold = 1, Italic = 2, StrikeOut = 8;
constexpr int32_t WindowText = static_cast<int32_t>(0x80000008u);

} // namespace

TEST(ValueText, IntegerTextAcceptsDecimalAndHex)
{
    EXPECT_EQ(-20, TryStrToInt("-20"));
    EXPECT_EQ(12, TryStrToInt("  +12"));
    EXPECT_EQ(255, TryStrToInt("$FF"));
    EXPECT_EQ(WindowText, TryStrToInt("$80000008"));
    EXPECT_EQ(16, TryStrToInt("0x10"));
    EXPECT_EQ(INT32_MIN, TryStrToInt("-2147483648"));
    EXPECT_EQ(std::nullopt, TryStrToInt("2147483648"));
    EXPECT_EQ(std::nullopt, TryStrToInt("$100000000"));
    EXPECT_EQ(std::nullopt, TryStrToInt("12 "));
    EXPECT_EQ(std::nullopt, TryStrToInt("abc"));
    EXPECT_EQ(std::nullopt, TryStrToInt("-"));
    EXPECT_EQ(std::nullopt, TryStrToInt("$"));
    EXPECT_EQ(std::nullopt, TryStrToInt(""));
}

TEST(ValueText, ColorWithStandardNameIsWrittenAsIdentifier)
{
    EXPECT_EQ("clWindowText", EncodeIntegerText("TColor", WindowText));
    EXPECT_EQ("clInfoBk", EncodeIntegerText("TColor", static_cast<int32_t>(0x80000018u)));
    EXPECT_EQ("clRed", EncodeIntegerText("TColor", 0x0000FF));
    EXPECT_EQ("1193046", EncodeIntegerText("TColor", 0x123456));
    EXPECT_EQ("-2147483623", EncodeIntegerText("TColor", static_cast<int32_t>(0x80000019u)));
    EXPECT_EQ("-8", EncodeIntegerText("Integer", -8));
    // Only colour and cursor types use identifiers.
    EXPECT_EQ("255", EncodeIntegerText("Integer", 255));
}

TEST(ValueText, ColorReadsIdentifierNumberOrZero)
{
    EXPECT_EQ(WindowText, DecodeIntegerText("TColor", "clwindowtext"));
    EXPECT_EQ(0x123456, DecodeIntegerText("TColor", "1193046"));
    EXPECT_EQ(0x123456, DecodeIntegerText("TColor", "$123456"));
    EXPECT_EQ(0, DecodeIntegerText("TColor", "clNoSuchColour"));
    EXPECT_EQ(std::nullopt, DecodeIntegerText("TColor", ""));
    EXPECT_EQ(0, DecodeIntegerText("Integer", "clRed"));
}

TEST(ValueText, CursorWithStandardNameRoundTrips)
{
    EXPECT_EQ("crDefault", EncodeIntegerText("TCursor", 0));
    EXPECT_EQ("crHourGlass", EncodeIntegerText("TCursor", -11));
    EXPECT_EQ("-5", EncodeIntegerText("TCursor", -5));
    EXPECT_EQ(-21, DecodeIntegerText("TCursor", "crHandPoint"));
    EXPECT_EQ(-5, DecodeIntegerText("TCursor", "-5"));
}

TEST(ValueText, ObjectManagerLeavesUnreadableIntegersUnchanged)
{
    EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText("Integer", "abc"));
    EXPECT_EQ(-20, DecodeObjMgrIntegerText("Integer", "-20"));
    EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText("Integer", ""));
    EXPECT_EQ(WindowText, DecodeObjMgrIntegerText("TColor", "clWindowText"));
    EXPECT_EQ(std::nullopt, DecodeObjMgrIntegerText("TColor", "clFoo"));
}

TEST(ValueText, StandardIdentifiersAreCanonicalAndCaseFree)
{
    EXPECT_EQ(std::optional<std::string>("clBtnFace"), StdColorName(static_cast<int32_t>(0x8000000Fu)));
    EXPECT_EQ(0x1FFFFFFF, StdColorValue("CLNONE"));
    EXPECT_EQ(std::nullopt, StdColorName(0x80000019));
    EXPECT_EQ(-22, StdCursorValue("crsizeall"));
    EXPECT_EQ(std::nullopt, StdCursorValue("crSomething"));
}

TEST(ValueText, EnumerationNamesIgnoreCase)
{
    const TOrdinalNames Boolean{0, {"False", "True"}};
    EXPECT_EQ(1, FindOrdinalName(Boolean, "TRUE"));
    EXPECT_EQ(0, FindOrdinalName(Boolean, "false"));
    EXPECT_EQ(std::nullopt, FindOrdinalName(Boolean, "yes"));
    const TOrdinalNames Shifted{2, {"two", "three"}};
    EXPECT_EQ(3, FindOrdinalName(Shifted, "three"));
}

TEST(ValueText, SetIsWrittenInOrdinalOrderWithoutBlanks)
{
    EXPECT_EQ("[fsBold,fsItalic]", FormatSetText(Italic | Bold, FontStyles));
    EXPECT_EQ("[]", FormatSetText(0, FontStyles));
    EXPECT_EQ("[fsStrikeOut]", FormatSetText(StrikeOut | 0x100, FontStyles));
}

TEST(ValueText, SetTextEdgeCases)
{
    EXPECT_EQ(Bold | Italic, ParseSetText("[fsBold,fsItalic]", FontStyles));
    EXPECT_EQ(0u, ParseSetText("[]", FontStyles));
    EXPECT_EQ(std::nullopt, ParseSetText("fsBold", FontStyles));
    EXPECT_EQ(Bold, ParseSetText("[fsBold,,fsItalic]", FontStyles));
    EXPECT_EQ(Bold, ParseSetText("[fsBold,fsFoo]", FontStyles));
    EXPECT_EQ(Bold | Italic, ParseSetText("[ FSBOLD , fsitalic ]", FontStyles));
    EXPECT_EQ(0u, ParseSetText("[", FontStyles));
}

TEST(ValueText, SetTakesAtMostAsManyPartsAsMembers)
{
    const TOrdinalNames Two{0, {"a", "b"}};
    EXPECT_EQ(1u, ParseSetText("[x,a,b]", Two));  // third part is beyond the limit
    EXPECT_EQ(3u, ParseSetText("[a,b,x]", Two));
}

TEST(ValueText, SetMembersBeyondBit31AreSkipped)
{
    TOrdinalNames Wide{30, {"m30", "m31", "m32"}};
    EXPECT_EQ(0xC0000000u, ParseSetText("[m30,m31,m32]", Wide));
    EXPECT_EQ("[m31]", FormatSetText(0x80000000u, Wide));
}
