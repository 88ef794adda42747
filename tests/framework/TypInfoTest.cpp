#include <gtest/gtest.h>

#include "framework/graphics/Font.h"
#include "framework/objects/StdIdents.h"
#include "framework/objects/TypInfo.h"
#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {
std::vector<std::string> Names(const TObject& o)
{
  std::vector<std::string> r;
  for (const TPropInfo* p : GetPropList(o)) r.push_back(p->Name);
  return r;
}
}  // namespace

TEST(TypInfo, PropertiesAreInheritedInDeclarationOrder)
{
  TPanelForm form(nullptr);
  EXPECT_EQ((std::vector<std::string>{"Name", "Tag", "Caption", "Left"}), Names(form));
}

TEST(TypInfo, KindsAndTypeNamesFoundIgnoringCase)
{
  TGadget g(nullptr);
  const std::pair<const char*, std::pair<TTypeKind, const char*>> cases[] = {
      {"Number", {tkInteger, "Integer"}},      {"color", {tkInteger, "TColor"}},
      {"CURSOR", {tkInteger, "TCursor"}},      {"Letter", {tkChar, "Char"}},
      {"wIDE", {tkWChar, "WideChar"}},         {"Enabled", {tkEnumeration, "Boolean"}},
      {"Shade", {tkEnumeration, "TShade"}},    {"Flags", {tkSet, "TFlags"}},
      {"Ratio", {tkFloat, "Double"}},          {"Caption", {tkLString, "string"}},
      {"Short", {tkString, "ShortString"}},    {"Font", {tkClass, "TFont"}},
      {"OnClick", {tkMethod, "TNotifyEvent"}},
  };
  for (const auto& [name, expected] : cases) {
    const TPropInfo* p = GetPropInfo(g, name);
    ASSERT_NE(nullptr, p) << name;
    EXPECT_EQ(expected.first, p->Kind()) << name;
    EXPECT_EQ(expected.second, p->PropType->Name) << name;
  }
  EXPECT_EQ(&TFont::StaticClass(), GetPropInfo(g, "Font")->PropType->ClassType);
  EXPECT_EQ(nullptr, GetPropInfo(g, "Fonts"));
  EXPECT_THROW(FindPropInfo(g, "Nope"), EPropertyError);
}

TEST(TypInfo, EnumerationNamesAndBounds)
{
  const TTypeInfo* t = TypeInfo_TFontPitch();
  // The bounds decide which values have names.
  EXPECT_EQ("fpFixed", GetEnumName(t, 2));
  EXPECT_EQ("", GetEnumName(t, 3));
  EXPECT_EQ("", GetEnumName(t, -1));
  EXPECT_EQ(1, GetEnumValue(t, "FPVARIABLE"));
  EXPECT_EQ(-1, GetEnumValue(t, "fpWide"));
  EXPECT_EQ(1, GetEnumValue(TypeInfo_Boolean(), "true"));
  EXPECT_EQ(-1, GetEnumValue(TypeInfo_Boolean(), "yes"));
}

TEST(TypInfo, GetAndSetThroughReflection)
{
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  SetOrdProp(font, "Style", TFontStyles{fsBold, fsStrikeOut}.ToInt());
  EXPECT_EQ((TFontStyles{fsBold, fsStrikeOut}), font.Style());
  EXPECT_EQ("[fsBold,fsStrikeOut]",
            SetToString(TypeInfo_TFontStyles(), static_cast<uint32_t>(GetOrdProp(font, "style"))));
  SetOrdProp(font, "Color", clWindowText);
  SetStrProp(font, "Name", "Arial");
  EXPECT_EQ("Arial", GetStrProp(font, "NAME"));
  SetOrdProp(font, "Size", 9);
  EXPECT_EQ(-12, font.Height());
  EXPECT_EQ(9, GetOrdProp(font, "Size"));
  EXPECT_EQ(3, changes);

  TGadget g(nullptr);
  SetFloatProp(g, FindPropInfo(g, "Ratio"), 0.25);
  EXPECT_EQ(0.25, g.FRatio);
  EXPECT_EQ(g.FFont, GetObjectProp(g, "Font"));
  TFont other;
  other.SetName("Tahoma");
  SetObjectProp(g, FindPropInfo(g, "Font"), &other);
  EXPECT_EQ("Tahoma", g.FFont->Name());
  TStringList wrong;
  EXPECT_THROW(SetObjectProp(g, FindPropInfo(g, "Font"), &wrong), EPropertyError);
  EXPECT_THROW(SetObjectProp(g, FindPropInfo(g, "Items"), nullptr), EPropertyError);  // read-only
  EXPECT_THROW(SetStrProp(g, FindPropInfo(g, "Number"), "1"), EPropertyError);
}

// Bound and called through a stream: the object-stream and form-file tests.
TEST(TypInfo, MethodsFoundByPublishedNameIgnoringCase)
{
  TPanelForm form(nullptr);
  TGadget g(nullptr);
  const TMethod m = MethodByName(form, "buttonclick");
  ASSERT_TRUE(m.Assigned());
  EXPECT_EQ("ButtonClick", m.Name);
  EXPECT_FALSE(MethodByName(form, "Nothing").Assigned());
  TMethod wrong;
  wrong.Name = "X";
  wrong.Code = std::function<void(int)>([](int) {});
  EXPECT_THROW(SetMethodProp(g, FindPropInfo(g, "OnClick"), wrong), EPropertyError);
}

TEST(StdIdents, ColoursCursorsAndCharsets)
{
  std::string s;
  int32_t v = 0;
  EXPECT_TRUE(ColorToIdent(static_cast<int32_t>(0x80000008), s));
  EXPECT_EQ("clWindowText", s);
  EXPECT_TRUE(IdentToColor("CLINFOBK", v));
  EXPECT_EQ(static_cast<int32_t>(0x80000018), v);
  EXPECT_TRUE(ColorToIdent(0x808080, s));
  EXPECT_EQ("clGray", s);  // not the alias clDkGray
  EXPECT_TRUE(IdentToColor("clDkGray", v));
  EXPECT_EQ(clGray, v);
  EXPECT_FALSE(ColorToIdent(0x123456, s));
  EXPECT_EQ("1193046", ColorToString(0x123456));
  EXPECT_EQ(-2147483640, StringToColor("clWindowText"));
  EXPECT_EQ(255, StringToColor("$FF"));
  EXPECT_THROW(StringToColor("blue"), EConvertError);
  EXPECT_TRUE(CursorToIdent(-11, s));
  EXPECT_EQ("crHourGlass", s);
  EXPECT_TRUE(IdentToCursor("crdefault", v));
  EXPECT_EQ(0, v);
  EXPECT_TRUE(CharsetToIdent(1, s));
  EXPECT_EQ("DEFAULT_CHARSET", s);
  EXPECT_TRUE(IdentToCharset("oem_charset", v));
  EXPECT_EQ(255, v);
  const auto colours = GetColorValues();
  EXPECT_EQ("clBlack", colours.front());
  EXPECT_EQ(colours.end(), std::find(colours.begin(), colours.end(), "clDkGray"));
}
