// The forge's pictures: every catalogued picture is in the program folder at a
// size that holds its cells, every frame shows something, the hero's strips
// face both ways and animate, the story scenes' pictures are there at the
// sizes their scenes draw them, and the picture stage is quick and makes the
// same bytes on every run.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "world/asset_table.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

fs::path GameDir() { return fs::path(BOINGLE_GAME_DIR); }

bool SameNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The file for a game path, matching every folder without regard to letter
// case the way the game's file layer does; empty when something is missing.
fs::path Resolve(const fs::path& root, std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  fs::path at = root;
  std::stringstream parts(gamePath);
  std::string part;
  while (std::getline(parts, part, '/')) {
    if (part.empty()) continue;
    fs::path found;
    std::error_code ec;
    if (fs::is_directory(at, ec))
      for (auto& e : fs::directory_iterator(at, ec))
        if (SameNoCase(e.path().filename().string(), part)) {
          found = e.path();
          break;
        }
    if (found.empty()) return {};
    at = found;
  }
  return at;
}

struct Png {
  cairo_surface_t* s;
  explicit Png(const fs::path& p) : s(cairo_image_surface_create_from_png(p.c_str())) { cairo_surface_flush(s); }
  ~Png() { cairo_surface_destroy(s); }
  Png(const Png&) = delete;
  Png& operator=(const Png&) = delete;
  bool ok() const { return cairo_surface_status(s) == CAIRO_STATUS_SUCCESS; }
  int w() const { return cairo_image_surface_get_width(s); }
  int h() const { return cairo_image_surface_get_height(s); }
  uint32_t At(int x, int y) const {
    const unsigned char* d = cairo_image_surface_get_data(s);
    return reinterpret_cast<const uint32_t*>(d + y * cairo_image_surface_get_stride(s))[x];
  }
  int Alpha(int x, int y) const { return At(x, y) >> 24; }
  // The largest difference of any channel between two pixels.
  static int Diff(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift = 0; shift < 32; shift += 8)
      most = std::max(most, std::abs(int((a >> shift) & 255) - int((b >> shift) & 255)));
    return most;
  }
};

struct Row {
  const char* path;
  int cellW, cellH, frames, handleX;
};
const std::vector<Row>& Catalogue() {
  static const std::vector<Row> rows = {
#define TEST_IMAGE_ROW(name, path, cw, ch, frames, hx, hy) {path, cw, ch, frames, hx},
      BOINGLE_ALL_IMAGES(TEST_IMAGE_ROW)
#undef TEST_IMAGE_ROW
  };
  return rows;
}

// Cell `f` of a strip laid left to right, then top to bottom.
struct Cell {
  int x, y;
};
Cell CellOf(const Png& png, int cellW, int cellH, int f) {
  int cols = png.w() / cellW;
  return {(f % cols) * cellW, (f / cols) * cellH};
}

int OpaquePixels(const Png& png, Cell c, int w, int h) {
  int n = 0;
  for (int y = c.y; y < c.y + h; ++y)
    for (int x = c.x; x < c.x + w; ++x) n += png.Alpha(x, y) > 32;
  return n;
}

// Checks that a strip's sheet holds exactly the rows its frames need, within
// the 2048-pixel limit of a texture side.
void ExpectStripLayout(const std::string& what, const Png& png, int cellW, int cellH, int frames) {
  ASSERT_GT(png.w(), 0) << what;
  EXPECT_LE(png.w(), 2048) << what;
  EXPECT_LE(png.h(), 2048) << what;
  EXPECT_EQ(png.w() % cellW, 0) << what << " width " << png.w();
  EXPECT_EQ(png.h() % cellH, 0) << what << " height " << png.h();
  int cols = png.w() / cellW, rows = png.h() / cellH;
  EXPECT_GE(cols * rows, frames) << what;
  EXPECT_LT(cols * (rows - 1), frames) << what << ": a row of empty cells";
}

TEST(ForgePictures, EveryCataloguedPictureHoldsItsCellsAndItsFramesShow) {
  for (const Row& r : Catalogue()) {
    SCOPED_TRACE(r.path);
    fs::path file = Resolve(GameDir(), r.path);
    ASSERT_FALSE(file.empty()) << "missing";
    Png png(file);
    ASSERT_TRUE(png.ok());
    if (r.frames == 0) {
      // A plain picture is drawn at the catalogue's size.
      EXPECT_EQ(png.w(), r.cellW);
      EXPECT_EQ(png.h(), r.cellH);
      EXPECT_GT(OpaquePixels(png, {0, 0}, png.w(), png.h()), 0) << "blank";
      continue;
    }
    ExpectStripLayout(r.path, png, r.cellW, r.cellH, r.frames);
    if (png.w() % r.cellW || png.h() % r.cellH) continue;
    // A strip may start or end on nothing (a hill forming, a ghost fading
    // out), but every frame in between shows something.
    int shown = 0;
    for (int f = 0; f < r.frames; ++f) {
      bool blank = OpaquePixels(png, CellOf(png, r.cellW, r.cellH, f), r.cellW, r.cellH) == 0;
      shown += !blank;
      if (f > 0 && f < r.frames - 1) {
        EXPECT_FALSE(blank) << "frame " << f << " is blank";
      }
    }
    EXPECT_GT(shown, 0) << "every frame is blank";
  }
}

// The hero's strips: first half faces right, second half is its mirror about
// the handle, and the frames within a half change.
TEST(ForgePictures, HeroStripsFaceBothWaysAndAnimate) {
  const std::set<std::string> heroStrips = {"Images\\Quon\\pogo_sprite.png", "Images\\Quon\\quon_bounce.png",
                                            "Images\\Quon\\quon_wall.png", "Images\\Quon\\quon_dash.png",
                                            "Images\\Quon\\quon_blink.png"};
  int checked = 0;
  for (const Row& r : Catalogue()) {
    if (!heroStrips.count(r.path)) continue;
    SCOPED_TRACE(r.path);
    ++checked;
    Png png(Resolve(GameDir(), r.path));
    ASSERT_TRUE(png.ok());
    ASSERT_EQ(r.frames % 2, 0);
    int half = r.frames / 2;
    for (int f = 0; f < half; ++f) {
      Cell right = CellOf(png, r.cellW, r.cellH, f), left = CellOf(png, r.cellW, r.cellH, f + half);
      int differing = 0, mismatched = 0, compared = 0;
      for (int y = 0; y < r.cellH; ++y)
        for (int x = 0; x < r.cellW; ++x) {
          uint32_t a = png.At(right.x + x, right.y + y), b = png.At(left.x + x, left.y + y);
          differing += Png::Diff(a, b) > 64;
          int mx = 2 * r.handleX - x;  // the mirrored column about the handle
          if (mx < 0 || mx >= r.cellW) continue;
          uint32_t m = png.At(left.x + mx, left.y + y);
          compared += (a >> 24) > 32 || (m >> 24) > 32;
          mismatched += Png::Diff(a, m) > 96;
        }
      EXPECT_GT(differing, 20) << "frame " << f << " looks the same both ways";
      EXPECT_LT(mismatched, compared / 8 + 4) << "frame " << f << " is not the mirror of frame " << f + half;
    }
    if (half > 1) {
      // Somewhere in the cycle the pose changes clearly.
      Cell first = CellOf(png, r.cellW, r.cellH, 0);
      int most = 0;
      for (int f = 1; f < half; ++f) {
        Cell c = CellOf(png, r.cellW, r.cellH, f);
        int d = 0;
        for (int y = 0; y < r.cellH; ++y)
          for (int x = 0; x < r.cellW; ++x)
            d += Png::Diff(png.At(first.x + x, first.y + y), png.At(c.x + x, c.y + y)) > 64;
        most = std::max(most, d);
      }
      EXPECT_GT(most, 12) << "the frames barely change";
    }
  }
  EXPECT_EQ(checked, 5);
}

struct ScenePicture {
  const char* path;
  int w, h;
  enum Kind { Backdrop, Overlay, Part } kind;  // backdrops are opaque, overlays mostly clear
};

const ScenePicture kScenes[] = {
    {"Images\\Cutscene\\KT508\\K.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\KT508\\T.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\KT508\\5.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\KT508\\0.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\KT508\\8.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\KT508\\presents.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\TV_Screen.png", 800, 600, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\TV_Off.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\TV_On.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tv16.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tv01.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tv27.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tv04.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tv41.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\tvav.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\bacon_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Chan\\bacon_star.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\bacon_faces.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\bacon_bacon.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\news_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Chan\\news_face.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\news_mouth.png", 240, 15, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\toot_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Chan\\toot_spiral.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\toot_trumpet.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\toot_out.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\toot_100.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\toot_toot.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\deal_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Chan\\deal_arms_down.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\deal_box_closed.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\deal_arms_up.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\deal_box_open.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\cream_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Chan\\cream_arm.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\cream_slop.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Chan\\av_scene.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Retro\\spoof.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Retro\\retro_title.png", 800, 600, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_Retro\\pressspace.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_Retro\\level11.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_post\\garden.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_post\\garden_high2.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_post\\Room.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_post\\Roomflash.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_post\\tv.png", 800, 450, ScenePicture::Overlay},
    {"Images\\Cutscene\\Intro_post\\quon_wakes.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_newworld\\f_scene.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Intro_newworld\\quon.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Intro_newworld\\stick.png", 0, 0, ScenePicture::Part},
    {"Images\\Cutscene\\Cut_1\\1_1_A.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Cut_1\\1_2_A.png", 800, 450, ScenePicture::Backdrop},
    {"Images\\Cutscene\\Cut_1\\1_2_B.png", 800, 450, ScenePicture::Overlay},
    {"Images\\Cutscene\\Cut_1\\1_2_C.png", 800, 450, ScenePicture::Overlay},
};

// The share of pixels at least as opaque as `alpha`.
double OpaqueShare(const Png& png, int alpha) {
  long opaque = 0;
  for (int y = 0; y < png.h(); ++y)
    for (int x = 0; x < png.w(); ++x) opaque += png.Alpha(x, y) >= alpha;
  return double(opaque) / (double(png.w()) * png.h());
}

// Sizes of 0 mean "as it reads best": any size that fits the screen.
// Objects the game draws at direction * frames-per-facing + step (up, down,
// right, left): each facing must really face its own way, or a spring on a
// ceiling would point at the floor.
TEST(ForgePictures, SpringsFansAndSpikesHaveAPictureForEachFacing) {
  // A spring's facings are its upright picture turned about the cell's centre.
  Png spring(Resolve(GameDir(), "Images\\Active\\spring.png"));
  ASSERT_TRUE(spring.ok());
  using Turn = Cell (*)(int, int);
  const Turn kFrom[4] = {[](int x, int y) { return Cell{x, y}; }, [](int x, int y) { return Cell{31 - x, 31 - y}; },
                         [](int x, int y) { return Cell{y, 31 - x}; }, [](int x, int y) { return Cell{31 - y, x}; }};
  for (int step : {0, 3}) {
    Cell up = CellOf(spring, 32, 32, step);
    for (int facing = 1; facing < 4; ++facing) {
      Cell c = CellOf(spring, 32, 32, facing * 8 + step);
      int opaque = 0, wrong = 0;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
          Cell from = kFrom[facing](x, y);
          uint32_t a = spring.At(c.x + x, c.y + y), b = spring.At(up.x + from.x, up.y + from.y);
          opaque += (a >> 24) > 32;
          wrong += Png::Diff(a, b) > 48;
        }
      EXPECT_GT(opaque, 100);
      EXPECT_LT(wrong, opaque / 20 + 4) << "facing " << facing << " step " << step << " is not the spring turned";
    }
  }
  // A fan's arrow sits on the side the air goes.
  Png fan(Resolve(GameDir(), "Images\\Active\\fan.png"));
  ASSERT_TRUE(fan.ok());
  const Cell kArrow[4] = {{16, 4}, {16, 27}, {27, 16}, {4, 16}};
  auto yellow = [](uint32_t p) {
    return ((p >> 16) & 255) > 200 && ((p >> 8) & 255) > 150 && (p & 255) < 120;
  };
  for (int facing = 0; facing < 4; ++facing)
    for (int step = 0; step < 4; ++step) {
      Cell c = CellOf(fan, 32, 32, facing * 4 + step);
      for (int side = 0; side < 4; ++side)
        EXPECT_EQ(yellow(fan.At(c.x + kArrow[side].x, c.y + kArrow[side].y)), side == facing)
            << "fan facing " << facing << " step " << step << ", side " << side;
    }
  // Spikes: one frame a facing, all different.
  Png spikes(Resolve(GameDir(), "Images\\Active\\spikes.png"));
  ASSERT_TRUE(spikes.ok());
  for (int a = 0; a < 4; ++a)
    for (int b = a + 1; b < 4; ++b) {
      Cell ca = CellOf(spikes, 32, 32, a), cb = CellOf(spikes, 32, 32, b);
      int differing = 0;
      for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
          differing += Png::Diff(spikes.At(ca.x + x, ca.y + y), spikes.At(cb.x + x, cb.y + y)) > 64;
      EXPECT_GT(differing, 30) << "spike facings " << a << " and " << b << " look alike";
    }
}

TEST(ForgePictures, ScenePicturesHaveTheSizesTheirScenesDrawThem) {
  for (const ScenePicture& s : kScenes) {
    SCOPED_TRACE(s.path);
    fs::path file = Resolve(GameDir(), s.path);
    ASSERT_FALSE(file.empty()) << "missing";
    Png png(file);
    ASSERT_TRUE(png.ok());
    if (s.w) {
      EXPECT_EQ(png.w(), s.w);
      EXPECT_EQ(png.h(), s.h);
    } else {
      EXPECT_LE(png.w(), 1024);
      EXPECT_LE(png.h(), 1024);
    }
    if (s.kind == ScenePicture::Backdrop) {
      EXPECT_EQ(OpaqueShare(png, 255), 1.0) << "a backdrop with see-through pixels";
    } else if (s.kind == ScenePicture::Overlay) {
      EXPECT_LT(OpaqueShare(png, 128), 0.5) << "an overlay that hides the scene";
    } else {
      EXPECT_GT(OpaqueShare(png, 64), 0.0) << "blank";
    }
  }
}

TEST(ForgePictures, TvFrameHasAScreenHoleAndSolidEdges) {
  Png tv(Resolve(GameDir(), "Images\\Cutscene\\Intro_Chan\\TV_Screen.png"));
  ASSERT_TRUE(tv.ok());
  // The channels show through the middle and under the channel number at (50, 50).
  for (auto [x, y] : {std::pair{400, 300}, {60, 60}, {700, 500}}) EXPECT_EQ(tv.Alpha(x, y), 0) << x << "," << y;
  // The cabinet is solid at the corners and round the power lamp at (736, 590).
  for (auto [x, y] : {std::pair{3, 3}, {796, 3}, {3, 596}, {720, 580}}) EXPECT_EQ(tv.Alpha(x, y), 255) << x << "," << y;
}

TEST(ForgePictures, WakingStripHoldsThirteenFramesThatAllShowAndChange) {
  Png png(Resolve(GameDir(), "Images\\Cutscene\\Intro_post\\quon.png"));
  ASSERT_TRUE(png.ok());
  ExpectStripLayout("quon.png", png, 175, 172, 13);
  std::set<std::vector<uint8_t>> distinct;
  for (int f = 0; f < 13; ++f) {
    Cell c = CellOf(png, 175, 172, f);
    EXPECT_GT(OpaquePixels(png, c, 175, 172), 1000) << "frame " << f;
    std::vector<uint8_t> alpha;
    for (int y = 0; y < 172; ++y)
      for (int x = 0; x < 175; ++x) alpha.push_back(static_cast<uint8_t>(png.Alpha(c.x + x, c.y + y)));
    distinct.insert(alpha);
  }
  EXPECT_EQ(distinct.size(), 13u) << "two frames of the waking-up strip are the same";
  Png mouth(Resolve(GameDir(), "Images\\Cutscene\\Intro_Chan\\news_mouth.png"));
  ASSERT_TRUE(mouth.ok());
  ExpectStripLayout("news_mouth.png", mouth, 40, 15, 6);
}

TEST(ForgePictures, RetroTeaserUsesOnlyTheFourGreens) {
  const std::set<uint32_t> greens = {0xFF0F380F, 0xFF306230, 0xFF8BAC0F, 0xFF9BBC0F};
  for (const char* p : {"spoof.png", "retro_title.png", "pressspace.png", "level11.png"}) {
    Png png(Resolve(GameDir(), std::string("Images\\Cutscene\\Intro_Retro\\") + p));
    ASSERT_TRUE(png.ok()) << p;
    int wrong = 0;
    for (int y = 0; y < png.h(); ++y)
      for (int x = 0; x < png.w(); ++x) {
        uint32_t c = png.At(x, y);
        if ((c >> 24) && !greens.count(c)) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << p;
  }
}

// ---------------------------------------------------------------- the stage

std::string RunForge(const std::string& command, int* status) {
  std::string out;
  FILE* p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return out;
  std::array<char, 512> buf;
  while (fgets(buf.data(), buf.size(), p)) out += buf.data();
  *status = pclose(p);
  return out;
}

std::map<std::string, std::vector<uint8_t>> Files(const fs::path& root) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) files[fs::relative(e.path(), root).generic_string()] = test::ReadBytes(e.path());
  return files;
}

TEST(ForgePictures, PictureStageIsQuickAndMakesTheSameBytesEveryRun) {
  test::TempDir a, b;
  std::string content = std::string(BOINGLE_SOURCE_DIR) + "/content";
  int status = -1;
  auto t0 = std::chrono::steady_clock::now();
  std::string out = RunForge(std::string(BOINGLE_FORGE) + " --stage pictures --jobs 2 --content " + content +
                            " --out " + a.str(),
                        &status);
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  ASSERT_EQ(status, 0) << out;
  EXPECT_LT(secs, 30.0) << out;
  // The second run on one thread, so that the order the jobs run in cannot matter.
  out = RunForge(std::string(BOINGLE_FORGE) + " --stage pictures --jobs 1 --content " + content + " --out " + b.str(),
            &status);
  ASSERT_EQ(status, 0) << out;
  auto fa = Files(a.path()), fb = Files(b.path());
  ASSERT_GT(fa.size(), 100u);
  ASSERT_EQ(fa.size(), fb.size());
  for (auto& [name, bytes] : fa) {
    auto it = fb.find(name);
    ASSERT_NE(it, fb.end()) << name;
    EXPECT_TRUE(bytes == it->second) << name << " differs between runs";
  }
}

TEST(ForgePictures, ContactSheetShowsThePicturesAndRefusesAnEmptyChoice) {
  test::TempDir dir;
  int status = -1;
  fs::path sheet = dir / "sheet.png";
  std::string out = RunForge(std::string(BOINGLE_FORGE) + " --out " + GameDir().string() + " --sheet " + sheet.string() +
                            " Quon Cutscene",
                        &status);
  ASSERT_EQ(status, 0) << out;
  Png png(sheet);
  ASSERT_TRUE(png.ok());
  EXPECT_GT(png.w(), 800);
  EXPECT_GT(png.h(), 600);
  out = RunForge(std::string(BOINGLE_FORGE) + " --out " + GameDir().string() + " --sheet " + (dir / "none.png").string() +
                " no_such_picture_anywhere",
            &status);
  EXPECT_NE(status, 0) << out;
  EXPECT_FALSE(fs::exists(dir / "none.png"));
}

}  // namespace
