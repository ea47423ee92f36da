// The real backend in a real window (under Xvfb with Mesa's software OpenGL):
// frames are drawn through the game's own calls and checked pixel by pixel in
// the screenshot. The key map and the letterbox maths need no window.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "present/backend.h"
#include "present/gl_letterbox.h"
#include "present/keymap.h"
#include "present/mixer.h"
#include "present/present.h"
#include "present/present_internal.h"
#include "support/test_support.h"
#include "world/level_list.h"

namespace {

// ---------------------------------------------------------------------------
// Keys.

TEST(KeyMap, KeysCarryTheSettingsFileCodes) {
  struct Case {
    SDL_Scancode sc;
    int vk;
  } cases[] = {
      // The ends of every run of codes, where an off-by-one would show.
      {SDL_SCANCODE_BACKSPACE, 8},    {SDL_SCANCODE_KP_ENTER, 13},
      {SDL_SCANCODE_PAGEUP, 33},      {SDL_SCANCODE_HOME, 36},
      {SDL_SCANCODE_LEFT, 37},        {SDL_SCANCODE_DOWN, 40},
      {SDL_SCANCODE_0, 48},           {SDL_SCANCODE_1, 49},
      {SDL_SCANCODE_9, 57},           {SDL_SCANCODE_KP_0, 96},
      {SDL_SCANCODE_KP_1, 97},        {SDL_SCANCODE_KP_9, 105},
      {SDL_SCANCODE_F1, 112},         {SDL_SCANCODE_F12, 123},
      {SDL_SCANCODE_LSHIFT, 160},     {SDL_SCANCODE_RALT, 165},
      {SDL_SCANCODE_SEMICOLON, 186},  {SDL_SCANCODE_SLASH, 191},
      {SDL_SCANCODE_GRAVE, 192},      {SDL_SCANCODE_LEFTBRACKET, 219},
      {SDL_SCANCODE_APOSTROPHE, 222},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VirtualKeyFromSdl(c.sc, SDL_GetKeyFromScancode(c.sc)), c.vk)
        << SDL_GetScancodeName(c.sc);
  for (int i = 0; i < 26; ++i) {
    auto sc = static_cast<SDL_Scancode>(SDL_SCANCODE_A + i);
    EXPECT_EQ(VirtualKeyFromSdl(sc, SDLK_a + i), 65 + i);
  }
  // On a French keyboard the key in the Q place types A, and is A to the game;
  // a key typing no Latin letter falls back on its place.
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_Q, SDLK_a), 65);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_Q, 0x439), 81);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_1, SDLK_AMPERSAND), 49);
  EXPECT_EQ(VirtualKeyFromSdl(SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN), 0);
}

TEST(KeyMap, BothSidesOfAModifierShareOneCode) {
  ModifierPairs m;
  EXPECT_EQ(m.SharedChange(160, true), 16);   // left shift: shift goes down
  EXPECT_EQ(m.SharedChange(161, true), 0);    // right shift too: no second press
  EXPECT_EQ(m.SharedChange(160, false), 0);   // one still held
  EXPECT_EQ(m.SharedChange(161, false), 16);  // both up: shift goes up
  EXPECT_EQ(m.SharedChange(163, true), 17);
  EXPECT_EQ(m.SharedChange(164, true), 18);
  EXPECT_EQ(m.SharedChange(65, true), 0);
  m.Reset();
  EXPECT_EQ(m.SharedChange(163, true), 17);
}

// ---------------------------------------------------------------------------
// Letterbox.

TEST(Letterbox, KeepsTheShapeCentresAndMapsThePointerBack) {
  Letterbox same = Letterbox::Fit(800, 600, 800, 600);
  EXPECT_EQ(same.x, 0);
  EXPECT_EQ(same.w, 800);
  EXPECT_EQ(same.h, 600);

  Letterbox wide = Letterbox::Fit(800, 600, 1920, 1080);  // bars left and right
  EXPECT_EQ(wide.h, 1080);
  EXPECT_EQ(wide.w, 1440);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);

  Letterbox tall = Letterbox::Fit(800, 600, 800, 900);  // bars above and below
  EXPECT_EQ(tall.w, 800);
  EXPECT_EQ(tall.h, 600);
  EXPECT_EQ(tall.y, 150);

  int fx, fy;
  wide.ToFrame(800, 600, 240, 0, &fx, &fy);
  EXPECT_EQ(fx, 0);
  EXPECT_EQ(fy, 0);
  wide.ToFrame(800, 600, 1919, 1079, &fx, &fy);
  EXPECT_EQ(fx, 799);
  EXPECT_EQ(fy, 599);
  wide.ToFrame(800, 600, 10, 540, &fx, &fy);  // on the left bar: the frame's edge
  EXPECT_EQ(fx, 0);
  EXPECT_EQ(fy, 300);
  for (int p : {0, 1, 250, 599}) {
    int wx, wy;
    wide.ToWindow(800, 600, p, p, &wx, &wy);
    wide.ToFrame(800, 600, wx, wy, &fx, &fy);
    EXPECT_EQ(fx, p);
    EXPECT_EQ(fy, p);
  }
}

// ---------------------------------------------------------------------------
// The window.

struct Shot {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  uint32_t At(int x, int y) const {
    const uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
};

// Channels within `tolerance` of the expected 0xRRGGBB colour.
::testing::AssertionResult Near(uint32_t got, uint32_t want, int tolerance = 2) {
  for (int shift : {16, 8, 0}) {
    int a = (got >> shift) & 255, b = (want >> shift) & 255;
    if (std::abs(a - b) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "got %06X, want %06X", got, want);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::getenv("DISPLAY")) return;
    dir_ = new test::TempDir();
    Options = RunOptions();
    Options.headless = false;
    Options.dataDir = BOINGLE_GAME_DIR;
    Options.saveDir = dir_->str();
    started_ = StartPresentation();
  }
  static void TearDownTestSuite() {
    if (started_) StopPresentation();
    started_ = false;
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display to open a window on";
    ASSERT_TRUE(started_) << "the OpenGL backend did not start";
    ASSERT_STREQ(CurrentBackend().Name(), "opengl");
    ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  }

  // Presents the frame and reads back the screenshot of it.
  Shot Present() {
    Flip();
    return Saved();
  }
  Shot Saved() {
    Shot s;
    std::string file = dir_->str() + "/shot.png";
    EXPECT_TRUE(SaveScreenshot(file));
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(file, &bytes));
    EXPECT_TRUE(DecodePng(bytes, &s.w, &s.h, &s.rgba));
    return s;
  }
  // A picture file of our own, loaded the way the game loads one.
  Image* MakeImage(const std::string& name, int w, int h, const std::vector<uint32_t>& argb,
                   int flags) {
    std::vector<uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (size_t i = 0; i < argb.size(); ++i) {
      rgba[i * 4] = (argb[i] >> 16) & 255;
      rgba[i * 4 + 1] = (argb[i] >> 8) & 255;
      rgba[i * 4 + 2] = argb[i] & 255;
      rgba[i * 4 + 3] = (argb[i] >> 24) & 255;
    }
    std::string file = dir_->str() + "/" + name;
    EXPECT_TRUE(WritePng(file, w, h, rgba.data()));
    return LoadImage(file, flags);
  }
  void Fill(int r, int g, int b, float x, float y, float w, float h) {
    SetColor(r, g, b);
    DrawRect(x, y, w, h);
  }

  static inline test::TempDir* dir_ = nullptr;
  static inline bool started_ = false;
};

TEST_F(WindowTest, BlendModesMixAsTheGameExpects) {
  SetClsColor(0, 0, 64);
  Cls();
  SetBlend(BLEND_SOLID);
  Fill(255, 0, 0, 100, 100, 50, 50);
  Fill(0, 0, 255, 200, 100, 50, 50);
  Fill(255, 255, 255, 300, 100, 50, 50);
  SetBlend(BLEND_ALPHA);
  SetAlpha(0.5f);
  Fill(255, 255, 255, 200, 100, 50, 50);  // half white over blue
  SetBlend(BLEND_LIGHT);
  SetAlpha(1);
  Fill(0, 255, 0, 100, 100, 50, 50);  // green added to red
  SetAlpha(0.25f);
  Fill(0, 0, 255, 100, 125, 50, 25);
  SetBlend(BLEND_SHADE);
  SetAlpha(1);
  Fill(128, 64, 255, 300, 100, 50, 50);  // white multiplied
  SetBlend(BLEND_MASKED);
  SetAlpha(0.1f);  // alpha means nothing to a masked draw
  Fill(0, 255, 255, 400, 100, 10, 10);
  Shot s = Present();
  ASSERT_EQ(s.w, 800);
  ASSERT_EQ(s.h, 600);
  EXPECT_TRUE(Near(s.At(0, 0), 0x000040));
  EXPECT_TRUE(Near(s.At(110, 110), 0xFFFF00));
  EXPECT_TRUE(Near(s.At(110, 140), 0xFFFF40));
  EXPECT_TRUE(Near(s.At(210, 110), 0x8080FF));
  EXPECT_TRUE(Near(s.At(310, 110), 0x8040FF));
  EXPECT_TRUE(Near(s.At(405, 105), 0x00FFFF));
  // Rectangles cover exactly their pixels.
  EXPECT_TRUE(Near(s.At(99, 120), 0x000040));
  EXPECT_TRUE(Near(s.At(149, 149), 0xFFFF40));
  EXPECT_TRUE(Near(s.At(150, 149), 0x000040));
  SetAlpha(1);
}

TEST_F(WindowTest, ImagesTurnAboutTheirHandleAndMaskOrBlendTheirAlpha) {
  // 20 by 10: red left half, green right half.
  std::vector<uint32_t> px(200);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) px[y * 20 + x] = x < 10 ? 0xFFFF0000 : 0xFF00FF00;
  Image* img = MakeImage("halves.png", 20, 10, px, 0);
  ASSERT_NE(img, nullptr);
  // 8 by 8: opaque blue left column block, the rest clear or half clear.
  std::vector<uint32_t> holes(64);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      holes[y * 8 + x] = x < 4 ? 0xFF0000FF : (y < 4 ? 0x00FFFFFF : 0x70FFFFFF);
  Image* holed = MakeImage("holes.png", 8, 8, holes, 0);
  ASSERT_NE(holed, nullptr);

  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  MidHandleImage(img);
  SetRotation(90);  // clockwise: the right half ends up below the handle
  DrawImage(img, 400, 300);
  SetRotation(0);
  SetScale(-1, 1);  // mirrored about the handle
  DrawImage(img, 100, 300);
  SetScale(1, 1);
  SetColor(255, 0, 255);  // colour multiplies: green becomes black, red stays red
  DrawImage(img, 100, 400);
  SetColor(255, 255, 255);

  SetBlend(BLEND_SOLID);
  Fill(255, 255, 0, 500, 100, 8, 8);
  Fill(255, 255, 0, 600, 100, 8, 8);
  SetColor(255, 255, 255);
  SetBlend(BLEND_MASKED);
  DrawImage(holed, 500, 100);
  SetBlend(BLEND_ALPHA);
  DrawImage(holed, 600, 100);
  Shot s = Present();
  EXPECT_TRUE(Near(s.At(400, 295), 0xFF0000));
  EXPECT_TRUE(Near(s.At(400, 305), 0x00FF00));
  EXPECT_TRUE(Near(s.At(400, 291), 0xFF0000));
  EXPECT_TRUE(Near(s.At(400, 288), 0x000000));
  EXPECT_TRUE(Near(s.At(394, 300), 0x000000));
  EXPECT_TRUE(Near(s.At(404, 300), 0xFF0000) || Near(s.At(404, 300), 0x00FF00));
  EXPECT_TRUE(Near(s.At(406, 300), 0x000000));
  EXPECT_TRUE(Near(s.At(95, 300), 0x00FF00));  // mirrored: green on the left
  EXPECT_TRUE(Near(s.At(105, 300), 0xFF0000));
  EXPECT_TRUE(Near(s.At(95, 400), 0xFF0000));
  EXPECT_TRUE(Near(s.At(105, 400), 0x000000));
  // Masked: clear and half-clear texels leave the yellow; alpha blends it.
  EXPECT_TRUE(Near(s.At(501, 101), 0x0000FF));
  EXPECT_TRUE(Near(s.At(506, 101), 0xFFFF00));
  EXPECT_TRUE(Near(s.At(506, 106), 0xFFFF00));
  EXPECT_TRUE(Near(s.At(606, 101), 0xFFFF00));
  EXPECT_TRUE(Near(s.At(606, 106), 0xFFFF70));
  FreeImage(img);
  FreeImage(holed);
}

TEST_F(WindowTest, FilteredImagesStayInsideTheirCellsAndSnapToPixels) {
  // Two strips packed side by side on a page, and cells side by side in a
  // strip: scaled up with smooth sampling, none may show its neighbour.
  std::vector<uint32_t> strip(4 * 2);
  for (int y = 0; y < 2; ++y) {
    strip[y * 4 + 0] = strip[y * 4 + 1] = 0xFFFF0000;
    strip[y * 4 + 2] = strip[y * 4 + 3] = 0xFF0000FF;
  }
  std::vector<uint32_t> green(4, 0xFF00FF00);
  std::string file = dir_->str() + "/strip.png";
  std::vector<uint8_t> rgba;
  for (uint32_t c : strip)
    rgba.insert(rgba.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 255});
  ASSERT_TRUE(WritePng(file, 4, 2, rgba.data()));
  Image* cells = LoadAnimImage(file, 2, 2, 0, 2, IMG_FILTERED);
  Image* beside = MakeImage("green.png", 2, 2, green, IMG_FILTERED);
  ASSERT_NE(cells, nullptr);
  ASSERT_NE(beside, nullptr);

  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetScale(20, 20);
  SetRotation(3);
  DrawImage(cells, 100, 100, 0);
  DrawImage(cells, 200, 100, 1);
  SetRotation(0);
  SetScale(1, 1);
  // At a fractional position an unscaled picture still lands on whole pixels.
  std::vector<uint32_t> two = {0xFFFF0000, 0xFF00FF00};
  Image* pair = MakeImage("pair.png", 2, 1, two, IMG_FILTERED);
  ASSERT_NE(pair, nullptr);
  DrawImage(pair, 300.4f, 300.3f);
  DrawImage(pair, 310.6f, 300.7f);
  DrawImage(beside, 600, 500);
  // Loaded pictures take their places at their first draw, one after another.
  EXPECT_EQ(cells->page, beside->page);
  Shot s = Present();
  for (int y = 102; y < 138; y += 4)
    for (int x = 98; x < 138; x += 4) {
      uint32_t red = s.At(x, y), blue = s.At(x + 100, y);
      EXPECT_EQ(red & 0x00FFFF, 0u) << x << "," << y;   // no green or blue in the red cell
      EXPECT_EQ(blue & 0xFFFF00, 0u) << x << "," << y;  // no red or green in the blue cell
    }
  EXPECT_TRUE(Near(s.At(120, 120), 0xFF0000));
  EXPECT_TRUE(Near(s.At(220, 120), 0x0000FF));
  EXPECT_TRUE(Near(s.At(300, 300), 0xFF0000, 0));
  EXPECT_TRUE(Near(s.At(301, 300), 0x00FF00, 0));
  EXPECT_TRUE(Near(s.At(311, 301), 0xFF0000, 0));
  EXPECT_TRUE(Near(s.At(312, 301), 0x00FF00, 0));
  EXPECT_TRUE(Near(s.At(310, 301), 0x000000, 0));
  FreeImage(cells);
  FreeImage(beside);
  FreeImage(pair);
}

TEST_F(WindowTest, FreedPicturesMakeRoomForTheNextOnes) {
  // A level's pictures are freed and the next level's loaded: over many
  // levels the pages must not keep growing.
  std::vector<uint32_t> red(40 * 40, 0xFFFF0000), green(40 * 40, 0xFF00FF00);
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  Image* first = MakeImage("level1.png", 40, 40, red, 0);
  ASSERT_NE(first, nullptr);
  EXPECT_LT(first->page, 0);  // no place until it is drawn
  DrawImage(first, 10, 10);
  int page = first->page, x = first->pageX, y = first->pageY;
  EXPECT_GE(page, 0);
  FreeImage(first);
  Image* next = MakeImage("level2.png", 40, 40, green, 0);
  ASSERT_NE(next, nullptr);
  DrawImage(next, 10, 10);
  EXPECT_EQ(next->page, page);
  EXPECT_EQ(next->pageX, x);
  EXPECT_EQ(next->pageY, y);
  Shot s = Present();
  EXPECT_TRUE(Near(s.At(10, 10), 0x00FF00));
  EXPECT_TRUE(Near(s.At(49, 49), 0x00FF00));
  FreeImage(next);
}

TEST_F(WindowTest, PicturesKeepTheirPixelsAsTheirPageGrows) {
  // A page's memory grows with the rows its pictures reach: a picture drawn
  // before the page grew must still draw as itself after, and so must one
  // placed in the new rows, even one drawn in the same frame as the growth.
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  std::vector<Image*> pictures;
  for (int i = 0; i < 40; ++i) {
    uint32_t colour = 0xFF000000u | static_cast<uint32_t>((i * 6) << 16) | 0x00FF00u;
    std::vector<uint32_t> pixels(200 * 200, colour);
    Image* img = MakeImage("big" + std::to_string(i) + ".png", 200, 200, pixels, 0);
    ASSERT_NE(img, nullptr);
    pictures.push_back(img);
  }
  // The first, then all of them in one frame, the first last: forty
  // 200-pixel pictures need some 800 rows of the page.
  DrawImage(pictures[0], 0, 0);
  Present();
  Cls();
  for (int i = 1; i <= 40; ++i) DrawImage(pictures[i % 40], (i % 40 % 8) * 100, (i % 40 / 8) * 80);
  Shot s = Present();
  auto colour = [](int i) { return (uint32_t(i * 6) << 16) | 0x00FF00; };
  EXPECT_TRUE(Near(s.At(50, 50), colour(0)));
  // The lowest rows of the last row of the grid: nothing covers them.
  EXPECT_TRUE(Near(s.At(750, 500), colour(39)));
  EXPECT_TRUE(Near(s.At(350, 500), colour(35)));
  for (Image* img : pictures) FreeImage(img);
}

TEST_F(WindowTest, ViewportClipsDrawsButNotClearsAndGrabCopiesTheFrame) {
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  SetViewport(100, 100, 50, 50);
  Fill(255, 0, 0, 0, 0, 800, 600);
  SetClsColor(0, 255, 0);
  SetViewport(0, 0, 0, 0);
  Shot clipped = Present();
  EXPECT_TRUE(Near(clipped.At(100, 100), 0xFF0000));
  EXPECT_TRUE(Near(clipped.At(149, 149), 0xFF0000));
  EXPECT_TRUE(Near(clipped.At(150, 120), 0x000000));
  EXPECT_TRUE(Near(clipped.At(120, 99), 0x000000));

  SetViewport(100, 100, 50, 50);
  Cls();  // the whole frame, whatever the viewport
  SetViewport(0, 0, 0, 0);
  Shot cleared = Present();
  EXPECT_TRUE(Near(cleared.At(5, 5), 0x00FF00));
  EXPECT_TRUE(Near(cleared.At(799, 599), 0x00FF00));

  // Grab a 16 by 16 square with a known corner, then draw the copy turned.
  SetClsColor(0, 0, 0);
  Cls();
  Fill(255, 255, 255, 20, 20, 16, 16);
  Fill(255, 0, 0, 20, 20, 8, 8);
  Image* copy = CreateImage(16, 16, 2);
  ASSERT_NE(copy, nullptr);
  GrabImage(copy, 20, 20, 1);
  const uint8_t* p = &copy->pixels[(2 * copy->sheetW + 16 + 2) * 4];
  EXPECT_EQ(p[0], 255);
  EXPECT_EQ(p[1], 0);
  p = &copy->pixels[(12 * copy->sheetW + 16 + 12) * 4];
  EXPECT_EQ(p[1], 255);
  EXPECT_EQ(copy->pixels[(2 * copy->sheetW + 2) * 4], 0);  // frame 0 untouched
  SetColor(255, 255, 255);
  SetRotation(180);
  MidHandleImage(copy);
  DrawImage(copy, 408, 308, 1);  // covers 400..415: the red corner comes bottom right
  SetRotation(0);
  Shot s = Present();
  EXPECT_TRUE(Near(s.At(413, 313), 0xFF0000));
  EXPECT_TRUE(Near(s.At(402, 302), 0xFFFFFF));
  EXPECT_TRUE(Near(s.At(416, 316), 0x000000));
  FreeImage(copy);
}

TEST_F(WindowTest, ModesReplaceEachOtherAndTheShownFrameSurvivesResizes) {
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  Fill(0, 0, 255, 0, 0, 10, 10);
  ASSERT_TRUE(OpenGraphics(640, 480, 0, 60, 0));
  SetClsColor(10, 20, 30);
  Cls();
  Fill(255, 0, 0, 630, 470, 10, 10);
  Shot prompt = Present();
  ASSERT_EQ(prompt.w, 640);
  ASSERT_EQ(prompt.h, 480);
  EXPECT_TRUE(Near(prompt.At(0, 0), 0x0A141E));
  EXPECT_TRUE(Near(prompt.At(639, 479), 0xFF0000));

  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  SetClsColor(0, 0, 0);
  Cls();
  Fill(255, 255, 0, 790, 590, 10, 10);
  SetColor(255, 255, 255);
  SetBlend(BLEND_ALPHA);
  DrawText("Boingle", 10, 10);  // the layer's own font, when the game has none loaded
  SetBlend(BLEND_SOLID);
  Shot big = Present();
  ASSERT_EQ(big.w, 800);
  EXPECT_TRUE(Near(big.At(795, 595), 0xFFFF00));
  int lit = 0;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 80; ++x) lit += (big.At(x, y) & 0xFF) > 128;
  EXPECT_GT(lit, 20);

  // Drawn but not presented: showing the frame again keeps the old picture.
  Fill(0, 255, 0, 0, 0, 800, 600);
  WaitFrame();
  EXPECT_TRUE(Near(Saved().At(400, 300), 0x000000));

  // A wider window letterboxes the frame; the frame itself stays 800 by 600,
  // and the pointer still lands on frame pixels.
  SDL_Window* win = SDL_GL_GetCurrentWindow();
  ASSERT_NE(win, nullptr);
  SDL_SetWindowSize(win, 1200, 600);
  Cls();
  Fill(255, 0, 255, 0, 0, 800, 600);
  Shot wide = Present();
  EXPECT_EQ(wide.w, 800);
  EXPECT_TRUE(Near(wide.At(0, 0), 0xFF00FF));
  MovePointer(123, 456);
  for (int i = 0; i < 5; ++i) {
    PumpEvents();
    SDL_Delay(5);
  }
  EXPECT_EQ(MouseX(), 123);
  EXPECT_EQ(MouseY(), 456);
}

TEST_F(WindowTest, TheFrameKeepsItsPictureUntilRedrawnAndStepsSixtyTimesASecond) {
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  Fill(255, 0, 0, 0, 0, 100, 100);
  Shot first = Present();
  EXPECT_TRUE(Near(first.At(50, 50), 0xFF0000));
  // Drawing on without a clear builds on the last picture (fades do this).
  SetBlend(BLEND_ALPHA);
  SetAlpha(0.5f);
  Fill(0, 0, 0, 0, 0, 800, 600);
  SetAlpha(1);
  Shot faded = Present();
  EXPECT_TRUE(Near(faded.At(50, 50), 0x800000));
  EXPECT_TRUE(Near(faded.At(150, 50), 0x000000));
  // A clear after a present starts a new picture; until it is presented the
  // old one is what shows and what a screenshot saves.
  SetClsColor(0, 0, 255);
  Cls();
  WaitFrame();
  EXPECT_TRUE(Near(Saved().At(50, 50), 0x800000));
  Shot blue = Present();
  EXPECT_TRUE(Near(blue.At(50, 50), 0x0000FF));
  SetBlend(BLEND_SOLID);
  Fill(0, 255, 0, 0, 0, 10, 10);
  Shot onBlue = Present();
  EXPECT_TRUE(Near(onBlue.At(5, 5), 0x00FF00));
  EXPECT_TRUE(Near(onBlue.At(50, 50), 0x0000FF));

  // However fast the machine draws, the game steps at 60 a second. The
  // limiter makes up for late frames, so let it catch up with the set-up first.
  for (int i = 0; i < 8; ++i) Flip();
  auto t0 = SDL_GetTicks();
  for (int i = 0; i < 30; ++i) {
    Cls();
    Flip();
  }
  EXPECT_GE(SDL_GetTicks() - t0, 450u);
}

TEST_F(WindowTest, FullScreenIsTheDesktopsSizeWithTheFrameInside) {
  ASSERT_GT(DesktopWidth(), 0);
  ASSERT_GT(DesktopHeight(), 0);
  EXPECT_GE(DesktopDepth(), 24);
  ASSERT_TRUE(OpenGraphics(800, 600, 32, 60, 0));
  SDL_Window* win = SDL_GL_GetCurrentWindow();
  ASSERT_NE(win, nullptr);
  EXPECT_EQ(SDL_GetWindowFlags(win) & SDL_WINDOW_FULLSCREEN_DESKTOP,
            unsigned(SDL_WINDOW_FULLSCREEN_DESKTOP));
  int w = 0, h = 0;
  SDL_GetWindowSize(win, &w, &h);
  EXPECT_EQ(w, DesktopWidth());
  EXPECT_EQ(h, DesktopHeight());
  SetClsColor(0, 0, 0);
  Cls();
  SetBlend(BLEND_SOLID);
  Fill(255, 255, 255, 0, 0, 1, 1);
  Shot s = Present();
  EXPECT_EQ(s.w, 800);
  EXPECT_TRUE(Near(s.At(0, 0), 0xFFFFFF));
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));  // and back into a window
  EXPECT_FALSE(SDL_GetWindowFlags(win) & SDL_WINDOW_FULLSCREEN);
  SDL_GetWindowSize(win, &w, &h);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
}

TEST_F(WindowTest, EventsBecomeKeysAndCharacters) {
  auto key = [](SDL_Scancode sc, bool down, Uint16 mod = 0, bool repeat = false) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.scancode = sc;
    e.key.keysym.sym = SDL_GetKeyFromScancode(sc);
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
  };
  FlushKeys();
  key(SDL_SCANCODE_A, true);
  key(SDL_SCANCODE_A, true, 0, true);  // a held key's repeats are no presses
  key(SDL_SCANCODE_A, false);
  key(SDL_SCANCODE_RSHIFT, true);
  key(SDL_SCANCODE_BACKSPACE, true);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  std::strcpy(text.text.text, "a\xc3\xa9\xe2\x82\xac");  // a, e acute, euro sign
  SDL_PushEvent(&text);
  EXPECT_EQ(KeyHit(65), 1);
  EXPECT_EQ(KeyHeld(65), 0);
  EXPECT_EQ(KeyHeld(161), 1);
  EXPECT_EQ(KeyHeld(16), 1);
  EXPECT_EQ(KeyHit(8), 1);
  EXPECT_EQ(GetKey(), 8);
  EXPECT_EQ(GetKey(), 'a');
  EXPECT_EQ(GetKey(), 0xE9);
  EXPECT_EQ(GetKey(), 0);  // no Latin-1 for the euro sign

  SDL_Event click{};
  click.type = SDL_MOUSEBUTTONDOWN;
  click.button.button = SDL_BUTTON_RIGHT;
  click.button.state = SDL_PRESSED;
  SDL_PushEvent(&click);
  EXPECT_EQ(MouseHit(2), 1);
  EXPECT_EQ(MouseHeld(2), 1);

  // Alt+Enter switches to the desktop-sized screen and back, unseen by the game.
  SDL_Window* win = SDL_GL_GetCurrentWindow();
  ASSERT_NE(win, nullptr);
  key(SDL_SCANCODE_RETURN, true, KMOD_LALT);
  key(SDL_SCANCODE_RETURN, false, KMOD_LALT);
  EXPECT_EQ(KeyHit(13), 0);
  EXPECT_EQ(GetKey(), 0);
  EXPECT_TRUE(SDL_GetWindowFlags(win) & SDL_WINDOW_FULLSCREEN);
  Shot full = Present();
  EXPECT_EQ(full.w, 800);
  key(SDL_SCANCODE_RETURN, true, KMOD_RALT);
  key(SDL_SCANCODE_RSHIFT, false);
  PumpEvents();
  EXPECT_FALSE(SDL_GetWindowFlags(win) & SDL_WINDOW_FULLSCREEN);
  FlushKeys();
}

TEST_F(WindowTest, F12SavesThePictureOnShowBesideTheSavesAndSaysWhere) {
  auto press = [](bool down) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.scancode = SDL_SCANCODE_F12;
    e.key.keysym.sym = SDLK_F12;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&e);
  };
  auto shots = [] {
    std::vector<std::string> found;
    for (auto& e : std::filesystem::directory_iterator(dir_->path())) {
      std::string name = e.path().filename().string();
      if (name.rfind("boingle-", 0) == 0 && e.path().extension() == ".png")
        found.push_back(e.path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  FlushKeys();
  SetBlend(BLEND_SOLID);
  SetClsColor(0, 0, 0);
  Cls();
  Fill(0, 200, 0, 0, 0, 800, 600);
  press(true);
  press(false);
  PumpEvents();
  EXPECT_EQ(KeyHit(VK_F12), 0) << "the game never sees the key";
  testing::internal::CaptureStdout();
  Flip();
  std::string said = testing::internal::GetCapturedStdout();
  std::vector<std::string> first = shots();
  ASSERT_EQ(first.size(), 1u) << said;
  // boingle-YYYYMMDD-HHMMSS.png
  std::string name = std::filesystem::path(first[0]).filename().string();
  EXPECT_EQ(name.size(), std::string("boingle-20240101-120000.png").size()) << name;
  EXPECT_EQ(said, "boingle: screenshot saved to " + first[0] + "\n");
  Shot s;
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(first[0], &bytes));
  ASSERT_TRUE(DecodePng(bytes, &s.w, &s.h, &s.rgba));
  EXPECT_EQ(s.w, 800);
  EXPECT_EQ(s.h, 600);
  EXPECT_TRUE(Near(s.At(400, 300), 0x00C800));

  // A second press in the same second keeps the first picture.
  press(true);
  press(false);
  PumpEvents();
  testing::internal::CaptureStdout();
  Flip();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(shots().size(), 2u);
  for (const std::string& f : shots()) std::filesystem::remove(f);
}

TEST_F(WindowTest, TheWindowsFocusEventsReachTheGameAndTheSound) {
  SDL_Window* win = SDL_GL_GetCurrentWindow();
  ASSERT_NE(win, nullptr);
  auto focus = [win](Uint8 event) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = event;
    e.window.windowID = SDL_GetWindowID(win);
    SDL_PushEvent(&e);
    PumpEvents();
  };
  // The X server may have moved the real focus already (a busy machine, a
  // window mapped late): start from a window that has it.
  focus(SDL_WINDOWEVENT_FOCUS_GAINED);
  TakeFocusLoss();
  focus(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_FALSE(WindowFocused());
  EXPECT_TRUE(TheMixer().Held());
  EXPECT_TRUE(TakeFocusLoss());
  focus(SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_TRUE(WindowFocused());
  EXPECT_FALSE(TheMixer().Held());
  EXPECT_FALSE(TakeFocusLoss());
}

// A click on the level list in a window of another shape than the frame, and
// full screen: the pointer is mapped through the letterbox, so the row under
// it on the screen is the row chosen.
Uint32 ClickAt(Uint32, void* param) {
  const int* at = static_cast<const int*>(param);
  SDL_Event move{};
  move.type = SDL_MOUSEMOTION;
  move.motion.x = at[0];
  move.motion.y = at[1];
  SDL_PushEvent(&move);
  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.button = SDL_BUTTON_LEFT;
  press.button.state = SDL_PRESSED;
  press.button.x = at[0];
  press.button.y = at[1];
  SDL_PushEvent(&press);
  press.type = SDL_MOUSEBUTTONUP;
  press.button.state = SDL_RELEASED;
  SDL_PushEvent(&press);
  return 0;
}

TEST_F(WindowTest, TheLevelListTakesTheRowUnderThePointerInAnyWindowShape) {
  test::WriteText(*dir_ / "Levels/a.doy", "");
  test::WriteText(*dir_ / "Levels/b.doy", "");
  test::WriteText(*dir_ / "Levels/c.doy", "");
  SDL_Window* win = SDL_GL_GetCurrentWindow();
  ASSERT_NE(win, nullptr);
  for (bool full : {true, false}) {
    if (full) {
      ASSERT_TRUE(OpenGraphics(800, 600, DesktopDepth(), 60, 0));
    } else {
      ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
      // A window just given a size takes it from the server; asked for
      // another before the answer came, the answer to the first would win.
      for (int i = 0; i < 10; ++i) {
        PumpEvents();
        SDL_Delay(10);
      }
      SDL_SetWindowSize(win, 1000, 700);
    }
    // The X server answers a new size with an event; wait for it.
    int w = 0, h = 0;
    for (int i = 0; i < 200; ++i) {
      PumpEvents();
      SDL_GetWindowSize(win, &w, &h);
      if (w != 800) break;
      SDL_Delay(10);
    }
    Letterbox box = Letterbox::Fit(800, 600, w, h);
    ASSERT_GT(box.w, 800) << "the frame is drawn larger than its pixels in " << w << " by " << h;
    // Row 1 of the list (frame y 96 to 111) holds b.doy; the pointer goes to
    // the middle of it, where it lies on the screen.
    int at[2];
    box.ToWindow(800, 600, 200, 104, &at[0], &at[1]);
    SDL_TimerID timer = SDL_AddTimer(100, ClickAt, at);
    Options.frameBudget = FramesPresented() + 300;
    std::string chosen;
    try {
      chosen = ChooseLevelFromFolder();
    } catch (const EndOfRun&) {
    }
    Options.frameBudget = -1;
    SDL_RemoveTimer(timer);
    EXPECT_EQ(chosen, "b.doy") << (full ? "full screen " : "window ") << w << " by " << h;
    EXPECT_EQ(MouseX(), 200);
    EXPECT_EQ(MouseY(), 104);
    // The hover bar lies on that row in the frame.
    Shot s = Saved();
    EXPECT_TRUE(Near(s.At(300, 97), 0x3C0000));
    EXPECT_TRUE(Near(s.At(300, 110), 0x3C0000));
    EXPECT_TRUE(Near(s.At(300, 113), 0x000000));
  }
  ASSERT_TRUE(OpenGraphics(800, 600, 0, 60, 0));
  SDL_SetWindowSize(SDL_GL_GetCurrentWindow(), 800, 600);
  PumpEvents();
}

}  // namespace
