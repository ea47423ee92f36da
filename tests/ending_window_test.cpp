// "To be Continued..." in a real window (Xvfb, Mesa's software OpenGL): the
// switch-off shrinks the picture the player last saw, not an empty copy.
#include <gtest/gtest.h>

#include <cstdlib>

#include "frontend/to_be_continued.h"
#include "present/present.h"
#include "present/present_internal.h"
#include "support/test_support.h"
#include "world/assets.h"

namespace {

struct Rgb {
  int r, g, b;
};

Rgb PixelAt(const std::vector<uint8_t>& rgba, int w, int x, int y) {
  const uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
  return {p[0], p[1], p[2]};
}

TEST(EndingWindow, TheSwitchOffSqueezesTheLastPresentedFrame) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display to open a window on";
  test::TempDir dir;
  Options = RunOptions();
  Options.dataDir = BOINGLE_GAME_DIR;
  Options.saveDir = dir.str();
  ASSERT_TRUE(StartPresentation());
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  LoadCatalogue();

  // The level's last frame: red on the left, blue on the right.
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  SetColor(255, 0, 0);
  DrawRect(0, 0, 400, 600);
  SetColor(0, 0, 255);
  DrawRect(400, 0, 400, 600);
  Flip(1);

  // Twenty frames in: a band a few pixels high across the middle, at 0.8.
  Options.frameBudget = FramesPresented() + 20;
  try {
    RunToBeContinued();
  } catch (const EndOfRun&) {
  }
  std::string file = dir.str() + "/shot.png";
  ASSERT_TRUE(SaveScreenshot(file));
  std::vector<uint8_t> bytes, rgba;
  int w = 0, h = 0;
  ASSERT_TRUE(ReadWholeFile(file, &bytes));
  ASSERT_TRUE(DecodePng(bytes, &w, &h, &rgba));
  Rgb left = PixelAt(rgba, w, 100, 300), right = PixelAt(rgba, w, 700, 300);
  EXPECT_GT(left.r, 150);
  EXPECT_LT(left.b, 40);
  EXPECT_GT(right.b, 150);
  EXPECT_LT(right.r, 40);
  Rgb above = PixelAt(rgba, w, 100, 280), below = PixelAt(rgba, w, 700, 320);
  EXPECT_LT(above.r + above.g + above.b, 30) << "the picture is squeezed to a line";
  EXPECT_LT(below.r + below.g + below.b, 30);
  StopPresentation();
}

}  // namespace
