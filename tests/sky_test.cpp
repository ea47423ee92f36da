// The sky behind the levels: a gradient that fills the whole frame whatever
// drawing state the level left, and leaves that state as it found it.
#include <gtest/gtest.h>

#include <algorithm>

#include "present/present.h"
#include "support/test_support.h"
#include "world/sky.h"

namespace {

int Channel(unsigned c, int shift) { return static_cast<int>((c >> shift) & 0xff); }

class SkyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::StartHeadless(dir_.str());
    SetRecordDraws(true);
  }
  test::TempDir dir_;
};

TEST_F(SkyTest, EveryAreaFillsTheFrameFromTopColourToBottomColour) {
  for (int area = 0; area <= 16; ++area) {
    Cls();
    // Whatever a level was doing before: a moved origin, a scale, a tint.
    SetOrigin(-123, 45);
    SetScale(2, 3);
    SetAlpha(0.25f);
    SetColor(10, 20, 30);
    SetBlend(BLEND_LIGHT);
    size_t before = CurrentDraws().size();
    DrawSky(area);
    std::vector<DrawRecord> bands(CurrentDraws().begin() + static_cast<long>(before), CurrentDraws().end());
    ASSERT_GE(bands.size(), 8u) << "area " << area;
    float covered = 0;
    for (const DrawRecord& r : bands) {
      ASSERT_EQ(r.kind, DrawKind::Rect);
      EXPECT_FLOAT_EQ(r.state.alpha, 1.0f);
      EXPECT_FLOAT_EQ(r.state.scaleX, 1.0f);
      EXPECT_EQ(r.state.blend, BLEND_SOLID);
      // Screen corners: top-left then clockwise.
      EXPECT_LE(r.corners[0], 0.0f);
      EXPECT_GE(r.corners[2], 800.0f);
      EXPECT_LE(r.corners[1], covered) << "a gap above band at " << r.y << " in area " << area;
      covered = std::max(covered, r.corners[5]);
    }
    EXPECT_GE(covered, 600.0f) << "area " << area;
    // The first band is nearest the top colour, the last nearest the bottom.
    SkyColours sky = SkyOf(area);
    const DrawState& top = bands.front().state;
    const DrawState& bottom = bands.back().state;
    EXPECT_NEAR(top.r, Channel(sky.top, 16), 12);
    EXPECT_NEAR(top.b, Channel(sky.top, 0), 12);
    EXPECT_NEAR(bottom.g, Channel(sky.bottom, 8), 12);
    EXPECT_NEAR(bottom.b, Channel(sky.bottom, 0), 12);
    // And the level's drawing state is given back untouched.
    const DrawState& after = CurrentDrawState();
    EXPECT_FLOAT_EQ(after.originX, -123);
    EXPECT_FLOAT_EQ(after.scaleY, 3);
    EXPECT_FLOAT_EQ(after.alpha, 0.25f);
    EXPECT_EQ(after.blend, BLEND_LIGHT);
    EXPECT_EQ(after.g, 20);
  }
  ResetDrawState();
}

TEST_F(SkyTest, AnAreaOutsideTheTableGetsTheForestSky) {
  for (int area : {-1, 17, 1000}) {
    EXPECT_EQ(SkyOf(area).top, SkyOf(0).top);
    EXPECT_EQ(SkyOf(area).bottom, SkyOf(0).bottom);
  }
}

}  // namespace
