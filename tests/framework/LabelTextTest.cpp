// A label's text goes through DoDrawText, so a label with a look of its own
// overrides that one function and keeps the label's background and flags.
#include "framework/controls/Label.h"
#include "framework/forms/Forms.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/WineTestSupport.h"

namespace {

// Draws its text as a filled box in the font's colour.
class TBoxLabel : public TLabel {
public:
  using TLabel::TLabel;
  RECT Rect{};
  UINT Flags = 0;
  int Calls = 0;

protected:
  void DoDrawText(RECT& R, UINT F) override
  {
    Rect = R, Flags = F, ++Calls;
    Canvas().SetBrushColor(Canvas().Font().Color());
    RECT box{R.left + 2, R.top + 2, R.left + 6, R.top + 6};
    Canvas().FillRect(box);
  }
};

TEST(LabelText, PaintDrawsTheTextThroughTheOverridableFunction)
{
  TApplicationScope scope;
  auto* form = TForm::Create<TForm>(Application);
  form->SetBounds(100, 100, 300, 200);
  auto* plain = new TLabel(form);
  plain->SetParent(form);
  plain->SetCaption("Plain &text");
  plain->Font()->SetColor(clRed);
  plain->SetColor(clWhite);
  plain->SetBounds(10, 10, 120, 20);
  auto* box = new TBoxLabel(form);
  box->SetParent(form);
  box->SetAutoSize(false);
  box->SetCaption("Boxed &text");
  box->SetAlignment(taCenter);
  box->SetShowAccelChar(false);
  box->Font()->SetColor(clBlue);
  box->SetColor(clLime);
  box->SetBounds(10, 50, 120, 20);
  form->Show();
  qvtest::PumpMessagesFor(200);

  EXPECT_GE(box->Calls, 1);
  EXPECT_EQ(box->Rect.right, 120);
  EXPECT_EQ(box->Rect.bottom, 20);
  EXPECT_EQ(box->Flags, static_cast<UINT>(DT_CENTER | DT_EXPANDTABS | DT_NOPREFIX));
  const qvtest::Pixels px = qvtest::CaptureClient(form->Handle());
  // Nothing else on the form has the labels' font colours.
  auto count = [&](COLORREF Colour) { return std::count(px.data.begin(), px.data.end(), Colour); };
  // The override's box on the label's own background, and no text of the base.
  EXPECT_EQ(px.at(13, 53), RGB(0, 0, 255));
  EXPECT_EQ(px.at(100, 60), RGB(0, 255, 0));
  EXPECT_EQ(count(RGB(0, 0, 255)), 16);
  // The base draws the text itself.
  EXPECT_GT(count(RGB(255, 0, 0)), 20);
}

}  // namespace
