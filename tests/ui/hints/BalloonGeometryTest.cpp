#include "ui/hints/BalloonGeometry.h"

#include <gtest/gtest.h>

TEST(BalloonGeometry, MaxWidthIsPixelsOrAFractionOfTheScreenAndTheTextLimitTheFartherEdgeBeyondIt)
{
  EXPECT_EQ(EffectiveMaxWidth(-4, 640), 160);
  EXPECT_EQ(EffectiveMaxWidth(-3, 1024), 341);  // truncated
  EXPECT_EQ(EffectiveMaxWidth(250, 1024), 250);
  EXPECT_EQ(EffectiveMaxWidth(0, 1024), 0);
  // A quarter of a 640-pixel screen, wherever the cursor is.
  EXPECT_EQ(BalloonTextLimit(160, 640, 10, 5), 160 - 38);
  EXPECT_EQ(BalloonTextLimit(160, 640, 630, 8), 160 - 41);
  // Wider than half the screen: the cursor's distance to the farther edge.
  EXPECT_EQ(BalloonTextLimit(800, 1000, 300, 5), 700 - 38);
  EXPECT_EQ(BalloonTextLimit(950, 1000, 900, 0), 900 - 33);
}

TEST(BalloonGeometry, SizeAddsTheMarginAndKeepsAMinimumWidth)
{
  EXPECT_EQ(BalloonSize(100, 13, 5), (TBalloonSize{138, 56}));
  EXPECT_EQ(BalloonSize(100, 26, 0), (TBalloonSize{133, 64}));
  EXPECT_EQ(BalloonSize(16, 13, 5), (TBalloonSize{59, 56}));  // one short word
  EXPECT_EQ(BalloonSize(26, 13, 0), (TBalloonSize{59, 51}));
  EXPECT_EQ(BalloonSize(27, 13, 16), (TBalloonSize{76, 67}));
}

TEST(BalloonGeometry, EachPositionPutsItsCornerAtTheCursorAndScreenEdgesFlipTheSideThatWouldLeave)
{
  const TBalloonPoint p{500, 400};
  const TBalloonSize s{100, 60};
  EXPECT_EQ(PlaceBalloon(bpAboveLeft, p, s), (TBalloonPoint{400, 340}));
  EXPECT_EQ(PlaceBalloon(bpAboveRight, p, s), (TBalloonPoint{500, 340}));
  EXPECT_EQ(PlaceBalloon(bpBelowLeft, p, s), (TBalloonPoint{400, 400}));
  EXPECT_EQ(PlaceBalloon(bpBelowRight, p, s), (TBalloonPoint{501, 401}));
  const int w = 1024, h = 768;
  // Room everywhere: the preferred position stays.
  for (auto pos : {bpAboveLeft, bpAboveRight, bpBelowLeft, bpBelowRight})
    EXPECT_EQ(FitBalloon(pos, {500, 400}, s, w, h), pos);
  // Right edge.
  EXPECT_EQ(FitBalloon(bpAboveRight, {1000, 400}, s, w, h), bpAboveLeft);
  EXPECT_EQ(FitBalloon(bpBelowRight, {924, 400}, s, w, h), bpBelowLeft);   // 925 + 100 > 1024
  EXPECT_EQ(FitBalloon(bpAboveRight, {924, 400}, s, w, h), bpAboveRight);  // 924 + 100 fits
  // Left edge.
  EXPECT_EQ(FitBalloon(bpAboveLeft, {99, 400}, s, w, h), bpAboveRight);
  EXPECT_EQ(FitBalloon(bpAboveLeft, {100, 400}, s, w, h), bpAboveLeft);
  // Top edge.
  EXPECT_EQ(FitBalloon(bpAboveRight, {500, 59}, s, w, h), bpBelowRight);
  EXPECT_EQ(FitBalloon(bpAboveLeft, {500, 60}, s, w, h), bpAboveLeft);
  // Bottom edge.
  EXPECT_EQ(FitBalloon(bpBelowLeft, {500, 709}, s, w, h), bpAboveLeft);
  EXPECT_EQ(FitBalloon(bpBelowLeft, {500, 708}, s, w, h), bpBelowLeft);
  // Corners flip both sides.
  EXPECT_EQ(FitBalloon(bpAboveRight, {1010, 5}, s, w, h), bpBelowLeft);
  EXPECT_EQ(FitBalloon(bpBelowLeft, {5, 760}, s, w, h), bpAboveRight);
}

TEST(BalloonGeometry, BodyPointerAndTextPerPositionShrunkByTheShadowDepth)
{
  struct TCase {
    TBalloonPosition Position;
    TBalloonRect Body;
    TBalloonPoint Tip, Base1, Base2;
    TBalloonRect Text;
  };
  // Shadow 5: the body is 118 × 32.
  for (const TCase& c : {TCase{bpAboveLeft, {0, 0, 118, 32}, {133, 51}, {112, 31}, {92, 31}, {9, 9, 109, 23}},
                         TCase{bpAboveRight, {15, 0, 133, 32}, {0, 51}, {21, 31}, {41, 31}, {24, 9, 124, 23}},
                         TCase{bpBelowLeft, {0, 19, 118, 51}, {133, 0}, {112, 19}, {92, 19}, {9, 28, 109, 42}},
                         TCase{bpBelowRight, {15, 19, 133, 51}, {0, 0}, {21, 19}, {41, 19}, {24, 28, 124, 42}}}) {
    SCOPED_TRACE(c.Position);
    const auto g = BalloonGeometry(c.Position, {138, 56}, 5);
    EXPECT_EQ(g.Body, c.Body);
    EXPECT_EQ(g.Tip, c.Tip);
    EXPECT_EQ(g.Base1, c.Base1);
    EXPECT_EQ(g.Base2, c.Base2);
    EXPECT_EQ(g.Text, c.Text);
  }
  // Without a shadow the balloon fills the window.
  auto g = BalloonGeometry(bpAboveLeft, {100, 60}, 0);
  EXPECT_EQ(g.Body, (TBalloonRect{0, 0, 85, 41}));
  EXPECT_EQ(g.Tip, (TBalloonPoint{100, 60}));
  // The deepest shadow leaves 16 pixels on the right and bottom.
  g = BalloonGeometry(bpBelowLeft, {100, 60}, 16);
  EXPECT_EQ(g.Body, (TBalloonRect{0, 19, 69, 44}));
  EXPECT_EQ(g.Tip, (TBalloonPoint{84, 0}));
  EXPECT_EQ(g.Base2, (TBalloonPoint{43, 19}));
}
