#include "persist/PropText.h"

#include <gtest/gtest.h>

#include "tests/support/TestClasses.h"

using namespace fwtest;

namespace {

// Texts applied in turn to one component, each followed by the text it then stores.
struct TStep {
  const char* Name;
  const char* Text;
  const char* After;
};

class PropText : public ::testing::Test {
protected:
  TGadget G{nullptr};
  void SetUp() override
  {
    G.FNumber = 7;
    G.FCaption = "caption";
    G.FFlags = {flTwo};
    G.FRatio = 1.5;
    G.FWide = 65;
  }
  template <class TSet, class TGet> void Run(const std::vector<TStep>& Steps, TSet Set, TGet Get)
  {
    for (const TStep& S : Steps) {
      Set(G, FindPropInfo(G, S.Name), S.Text);
      EXPECT_EQ(S.After, Get(G, FindPropInfo(G, S.Name))) << S.Name << " = " << S.Text;
    }
  }
};

}  // namespace

TEST_F(PropText, ComponentTextsByKind)
{
  Run(
      {
          {"Number", "", "7"},  // empty: unchanged
          {"Number", "-20", "-20"},
          {"Number", "abc", "0"},  // unreadable: 0
          {"Color", "clInfoBk", "clInfoBk"},
          {"Color", "-2147483618", "-2147483618"},
          {"Color", "no colour", "clBlack"},
          {"Color", "$123456", "1193046"},
          {"Color", "clwindowtext", "clWindowText"},
          {"Cursor", "crHandPoint", "crHandPoint"},
          {"Mask", "-16", "-16"},
          {"Letter", "xyz", "x"},
          {"Letter", "", "x"},
          {"Visible", "yes", "False"},  // unknown name: unchanged
          {"Visible", "TRUE", "True"},
          {"Shade", "shdark", "shDark"},
          {"Flags", "flOne", "[flTwo]"},  // no bracket: unchanged
          {"Flags", "[flOne,flThree]", "[flOne,flThree]"},
          {"Flags", "[flOne,,flThree]", "[flOne]"},
          {"Flags", "[]", "[]"},
          {"Caption", "", ""},
          {"Short", "  padded ", "  padded "},
          // Floats, wide characters, events and objects store the empty text and are never applied.
          {"Ratio", "2.5", ""},
          {"Wide", "B", ""},
          {"OnClick", "Handler", ""},
          {"Font", "Arial", ""},
      },
      SetPropFromString, GetPropAsString);
  EXPECT_EQ(0xFFFFFFF0u, G.FMask);
  EXPECT_EQ(1.5, G.FRatio);
  EXPECT_EQ(65, G.FWide);
  EXPECT_FALSE(G.FOnClick);
}

TEST_F(PropText, ObjectManagerTextsByKind)
{
  G.FEnabled = false;
  Run(
      {
          {"Number", "abc", "7"},  // unreadable: unchanged
          {"Number", "-20", "-20"},
          {"Number", "", "-20"},
          {"Color", "clWindowText", "clWindowText"},
          {"Color", "clFoo", "clWindowText"},
          {"Letter", "q", "q"},
          {"Caption", "Quorvik", "Quorvik"},
          {"Caption", "", ""},
          // Enumerations and sets store the empty text and are never applied.
          {"Enabled", "True", ""},
          {"Flags", "[flOne]", ""},
      },
      SetObjMgrPropFromString, GetObjMgrPropAsString);
  EXPECT_FALSE(G.FEnabled);
  EXPECT_EQ(TFlags{flTwo}, G.FFlags);
}
