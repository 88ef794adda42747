#include "persist/PropText.h"

#include <gtest/gtest.h>

#include "tests/persist/PropHolder.h"

using namespace persisttest;

namespace {

class PropText : public ::testing::Test {
protected:
  TPropHolder Holder{nullptr};

  std::string Get(const char* Name) { return GetPropAsString(Holder, Prop(Holder, Name)); }
  void Set(const char* Name, std::string_view Text) { SetPropFromString(Holder, Prop(Holder, Name), Text); }
  std::string GetObjMgr(const char* Name) { return GetObjMgrPropAsString(Holder, Prop(Holder, Name)); }
  void SetObjMgr(const char* Name, std::string_view Text) { SetObjMgrPropFromString(Holder, Prop(Holder, Name), Text); }
};

}  // namespace

TEST_F(PropText, FontStyleSetEdgeCases)
{
  Set("Style", "[fsBold,fsItalic]");
  EXPECT_EQ((TFontStyles{fsBold, fsItalic}), Holder.FStyle);
  EXPECT_EQ("[fsBold,fsItalic]", Get("Style"));
  Set("Style", "fsUnderline");
  EXPECT_EQ((TFontStyles{fsBold, fsItalic}), Holder.FStyle);
  Set("Style", "[fsBold,,fsItalic]");
  EXPECT_EQ(TFontStyles{fsBold}, Holder.FStyle);
  Set("Style", "[fsStrikeOut,fsFoo]");
  EXPECT_EQ(TFontStyles{fsStrikeOut}, Holder.FStyle);
  Set("Style", "[]");
  EXPECT_EQ(TFontStyles{}, Holder.FStyle);
  EXPECT_EQ("[]", Get("Style"));
}

TEST_F(PropText, ColourByIdentifierOrSignedDecimal)
{
  Holder.FColor = clWindowText;
  EXPECT_EQ("clWindowText", Get("Color"));
  Holder.FColor = SysColor(30);
  const std::string Stored = Get("Color");
  EXPECT_EQ("-2147483618", Stored);
  Holder.FColor = clRed;
  Set("Color", Stored);
  EXPECT_EQ(SysColor(30), Holder.FColor);
  Set("Color", "clInfoBk");
  EXPECT_EQ(clInfoBk, Holder.FColor);
  Set("Color", "no colour");
  EXPECT_EQ(0, Holder.FColor);
}

TEST_F(PropText, CursorByIdentifier)
{
  Holder.FCursor = crHourGlass;
  EXPECT_EQ("crHourGlass", Get("Cursor"));
  Set("Cursor", "crHandPoint");
  EXPECT_EQ(crHandPoint, Holder.FCursor);
}

TEST_F(PropText, BooleanByNameAndUnknownNameChangesNothing)
{
  Holder.FChecked = true;
  EXPECT_EQ("True", Get("Checked"));
  Set("Checked", "yes");
  EXPECT_TRUE(Holder.FChecked);
  Set("Checked", "FALSE");
  EXPECT_FALSE(Holder.FChecked);
  Set("Alignment", "taCenter");
  EXPECT_EQ(2, Holder.FAlign);
  EXPECT_EQ("taCenter", Get("Alignment"));
}

TEST_F(PropText, FloatStoresEmptyTextAndIsNeverApplied)
{
  EXPECT_EQ("", Get("Ratio"));
  Set("Ratio", "2.5");
  EXPECT_EQ(1.5, Holder.FRatio);
}

TEST_F(PropText, UnsupportedKindsStoreNothing)
{
  EXPECT_EQ("", Get("Wide"));
  Set("Wide", "B");
  EXPECT_EQ(65, Holder.FWide);
  EXPECT_EQ("", Get("OnClick"));
  Set("OnClick", "Handler");
  EXPECT_FALSE(Holder.FOnClick);
  EXPECT_EQ("", Get("Font"));
}

TEST_F(PropText, IntegerReadsZeroWhenUnreadableAndEmptyChangesNothing)
{
  EXPECT_EQ("7", Get("Number"));
  Set("Number", "");
  EXPECT_EQ(7, Holder.FNumber);
  Set("Number", "-20");
  EXPECT_EQ(-20, Holder.FNumber);
  Set("Number", "abc");
  EXPECT_EQ(0, Holder.FNumber);
}

TEST_F(PropText, CardinalKeepsItsHighBit)
{
  Holder.FMask = 0xFFFFFFF0u;
  const std::string Stored = Get("Mask");
  Holder.FMask = 0;
  Set("Mask", Stored);
  EXPECT_EQ(0xFFFFFFF0u, Holder.FMask);
}

TEST_F(PropText, CharacterTakesFirstCharacter)
{
  EXPECT_EQ("A", Get("Letter"));
  Set("Letter", "xyz");
  EXPECT_EQ('x', Holder.FLetter);
  Set("Letter", "");
  EXPECT_EQ('x', Holder.FLetter);
}

TEST_F(PropText, StringsAreTheTextItself)
{
  EXPECT_EQ("caption", Get("Caption"));
  Set("Caption", "");
  EXPECT_EQ("", Holder.FCaption);
  Set("Short", "  padded ");
  EXPECT_EQ("  padded ", Holder.FShort);
}

TEST_F(PropText, ObjectManagerLeavesUnreadableIntegerUnchanged)
{
  Holder.FNumber = 12;
  SetObjMgr("Number", "abc");
  EXPECT_EQ(12, Holder.FNumber);
  SetObjMgr("Number", "-20");
  EXPECT_EQ(-20, Holder.FNumber);
  SetObjMgr("Number", "");
  EXPECT_EQ(-20, Holder.FNumber);
  SetObjMgr("Color", "clWindowText");
  EXPECT_EQ(clWindowText, Holder.FColor);
  EXPECT_EQ("clWindowText", GetObjMgr("Color"));
}

TEST_F(PropText, ObjectManagerStoresEnumerationsAsEmptyAndNeverAppliesThem)
{
  Holder.FChecked = true;
  EXPECT_EQ("", GetObjMgr("Checked"));
  SetObjMgr("Checked", "False");
  EXPECT_TRUE(Holder.FChecked);
  EXPECT_EQ("", GetObjMgr("Style"));
  SetObjMgr("Style", "[fsBold]");
  EXPECT_EQ(TFontStyles{}, Holder.FStyle);
}

TEST_F(PropText, ObjectManagerAppliesDefaultCaptionText)
{
  SetObjMgr("Caption", "Quorvik");
  EXPECT_EQ("Quorvik", Holder.FCaption);
  EXPECT_EQ("Quorvik", GetObjMgr("Caption"));
  SetObjMgr("Caption", "");
  EXPECT_EQ("", Holder.FCaption);
}
