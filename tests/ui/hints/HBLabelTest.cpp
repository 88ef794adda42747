// The raised and lowered label under Wine: which copy lands where, in which colour.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/forms/Forms.h"
#include "tests/support/WineTestSupport.h"
#include "ui/hints/HBLabel.h"

namespace {

class HBLabelTest : public ::testing::Test {
protected:
  TApplicationScope Scope;
  TForm* Form = nullptr;
  THBLabel* Label = nullptr;
  const COLORREF Shadow = GetSysColor(COLOR_BTNSHADOW);

  void SetUp() override
  {
    Form = TForm::Create<TForm>(Application);
    Form->SetBounds(100, 100, 200, 120);
    Form->SetColor(clTeal);
    Label = new THBLabel(Form);
    Label->SetParent(Form);
    Label->SetTransparent(true);
    Label->Font()->SetName("MS Sans Serif");  // a bitmap font: no smoothed edges
    Label->Font()->SetHeight(-32);
    Label->Font()->SetStyle({fsBold});
    Label->Font()->SetColor(clRed);
    Label->SetShadowColor(clYellow);
    // Room around the letter: the label's own size leaves none for the copies.
    Label->SetAutoSize(false);
    Label->SetCaption(" I");
    Label->SetBounds(20, 10, 80, 60);
    Form->Show();
  }

  // Which side of the letter's stem the light (yellow) copy shows on, in a
  // row through the letter. Edges may be smoothed, so a pixel counts as
  // yellow when its green clearly exceeds its blue (teal, red and greys do not).
  struct TSides {
    bool Left = false, Right = false;
    int Red = 0;
  };
  TSides LightCopySides()
  {
    Form->Invalidate();
    qvtest::PumpMessagesFor(150);
    const qvtest::Pixels px = qvtest::CaptureClient(Form->Handle());
    const int y = Label->Top() + 18;
    int stemFirst = -1, stemLast = -1;
    TSides sides;
    for (int x = 0; x < px.width; ++x) {
      const COLORREF c = px.at(x, y);
      if (c == RGB(255, 0, 0) || c == GetSysColor(COLOR_GRAYTEXT)) {
        if (stemFirst < 0) stemFirst = x;
        stemLast = x;
        sides.Red += c == RGB(255, 0, 0);
      }
    }
    for (int x = 0; x < px.width && stemFirst >= 0; ++x) {
      const COLORREF c = px.at(x, y);
      if (GetGValue(c) - GetBValue(c) <= 60) continue;
      if (x < stemFirst) sides.Left = true;
      if (x > stemLast) sides.Right = true;
    }
    return sides;
  }
};

TEST_F(HBLabelTest, TheLightCopyShowsUpLeftWhenRaisedDownRightWhenLoweredAndDisabledTextIsGrey)
{
  EXPECT_EQ(Label->Style(), tsLowered);  // the constructor's default
  struct TCase {
    TTextStyle Style;
    bool Enabled, Left, Right, Red;
  };
  for (const TCase& c : {TCase{tsRaised, true, true, false, true}, TCase{tsLowered, true, false, true, true},
                         TCase{tsNone, true, false, false, true}, TCase{tsRaised, false, true, false, false}}) {
    SCOPED_TRACE(testing::Message() << "style " << c.Style << (c.Enabled ? "" : " disabled"));
    Label->SetStyle(c.Style);
    Label->SetEnabled(c.Enabled);
    const TSides sides = LightCopySides();
    EXPECT_EQ(sides.Left, c.Left);
    EXPECT_EQ(sides.Right, c.Right);
    EXPECT_EQ(sides.Red > 0, c.Red);
  }
}

}  // namespace
