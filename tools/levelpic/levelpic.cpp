// levelpic: a whole level in one picture, for level makers.
//
//   levelpic [--data DIR] [--scale S] [--blocks] [--path TRACE]
//            [--from X --to X] LEVEL.doy OUT.png
//
// The level is read by the game's own loader (so the picture shows what the
// game loads), then drawn with cairo: the sky, the far tiles and half-speed
// pictures where they stand when the view is centred on them, the tile
// layers with their image tiles, and every object of the active list (the
// kind's own picture, or a labelled box for zones and boxes; hidden ones
// faded). --blocks outlines the collision blocks (solid red, platforms
// yellow); --path draws the hero's way from a trace the game writes with
// `boingle --trace FILE` (one "frame x y" line a frame).
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "enemies/enemy_catalogue.h"
#include "present/present.h"
#include "world/area.h"
#include "world/assets.h"
#include "world/level_fields.h"
#include "world/level_loader.h"
#include "world/object_kinds.h"
#include "world/player_state.h"
#include "world/sky.h"
#include "world/tile_map.h"

namespace {

struct Args {
  std::string data = ".";
  double scale = 0.5;
  bool blocks = false;
  std::string path, level, out;
  bool window = false;
  int from = 0, to = 0;  // a part of the level, in world x
};

[[noreturn]] void Usage(const char* why) {
  std::fprintf(stderr,
               "levelpic: %s\nusage: levelpic [--data DIR] [--scale S] [--blocks] [--path TRACE] [--from X --to X] "
               "LEVEL.doy OUT.png\n",
               why);
  std::exit(2);
}

Args Parse(int argc, char** argv) {
  Args a;
  std::vector<std::string> plain;
  for (int i = 1; i < argc; ++i) {
    std::string s = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) Usage(("missing value after " + s).c_str());
      return argv[++i];
    };
    if (s == "--data")
      a.data = next();
    else if (s == "--scale")
      a.scale = std::atof(next().c_str());
    else if (s == "--blocks")
      a.blocks = true;
    else if (s == "--path")
      a.path = next();
    else if (s == "--from")
      a.window = true, a.from = std::atoi(next().c_str());
    else if (s == "--to")
      a.window = true, a.to = std::atoi(next().c_str());
    else if (s.rfind("--", 0) == 0)
      Usage(("unknown option " + s).c_str());
    else
      plain.push_back(s);
  }
  if (plain.size() != 2) Usage("a level and an output file");
  if (a.scale <= 0 || a.scale > 4) Usage("the scale runs from above 0 to 4");
  a.level = plain[0];
  a.out = plain[1];
  return a;
}

// The sheets of the game's pictures as cairo surfaces, premultiplied.
class Sheets {
 public:
  ~Sheets() {
    for (auto& [img, surface] : surfaces_) cairo_surface_destroy(surface);
  }
  cairo_surface_t* Of(Image* img) {
    if (!img) return nullptr;
    auto it = surfaces_.find(img);
    if (it != surfaces_.end()) return it->second;
    cairo_surface_t* s = nullptr;
    if (EnsurePixels(img) && img->sheetW > 0) {
      s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img->sheetW, img->sheetH);
      cairo_surface_flush(s);
      unsigned char* dst = cairo_image_surface_get_data(s);
      int stride = cairo_image_surface_get_stride(s);
      for (int y = 0; y < img->sheetH; ++y) {
        for (int x = 0; x < img->sheetW; ++x) {
          const uint8_t* p = &img->pixels[(static_cast<size_t>(y) * img->sheetW + x) * 4];
          uint32_t a = p[3];
          uint32_t r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
          *reinterpret_cast<uint32_t*>(dst + y * stride + x * 4) = (a << 24) | (r << 16) | (g << 8) | b;
        }
      }
      cairo_surface_mark_dirty(s);
    }
    surfaces_[img] = s;
    return s;
  }

 private:
  std::map<Image*, cairo_surface_t*> surfaces_;
};

class Picture {
 public:
  Picture(const Args& args, int left, int top, int right, int bottom)
      : scale_(args.scale), left_(left), top_(top) {
    int w = static_cast<int>(std::ceil((right - left) * scale_)), h = static_cast<int>(std::ceil((bottom - top) * scale_));
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr_ = cairo_create(surface_);
    cairo_scale(cr_, scale_, scale_);
    cairo_translate(cr_, -left, -top);
    width_ = right - left;
    height_ = bottom - top;
  }
  ~Picture() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  cairo_t* cr() { return cr_; }
  bool Save(const std::string& file) { return cairo_surface_write_to_png(surface_, file.c_str()) == CAIRO_STATUS_SUCCESS; }

  void Sky(int area) {
    SkyColours sky = SkyOf(area);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top_, 0, top_ + height_);
    auto stop = [p](double at, unsigned c) {
      cairo_pattern_add_color_stop_rgb(p, at, ((c >> 16) & 255) / 255.0, ((c >> 8) & 255) / 255.0, (c & 255) / 255.0);
    };
    stop(0, sky.top);
    stop(1, sky.bottom);
    cairo_set_source(cr_, p);
    cairo_rectangle(cr_, left_, top_, width_, height_);
    cairo_fill(cr_);
    cairo_pattern_destroy(p);
  }

  // One frame of a picture with its top-left at (x, y) (the handle is the
  // caller's business), at this alpha.
  void Frame(Image* img, int frame, double x, double y, double alpha = 1.0) {
    cairo_surface_t* s = sheets_.Of(img);
    if (!s || frame < 0 || frame >= img->Frames()) return;
    const CellRect& c = img->cells[frame];
    cairo_save(cr_);
    cairo_rectangle(cr_, x, y, c.w, c.h);
    cairo_clip(cr_);
    cairo_set_source_surface(cr_, s, x - c.x, y - c.y);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
  }
  // The same, placed by the picture's handle at (x, y).
  void AtHandle(Image* img, int frame, double x, double y, double alpha = 1.0) {
    if (img) Frame(img, frame, x - img->handleX, y - img->handleY, alpha);
  }

  void Box(double x, double y, double w, double h, double r, double g, double b, const std::string& label,
           bool dashed = false) {
    cairo_set_source_rgba(cr_, r, g, b, 0.18);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill_preserve(cr_);
    cairo_set_source_rgba(cr_, r, g, b, 0.9);
    cairo_set_line_width(cr_, 2 / scale_);
    if (dashed) {
      double d[] = {6 / scale_, 4 / scale_};
      cairo_set_dash(cr_, d, 2, 0);
    }
    cairo_stroke(cr_);
    cairo_set_dash(cr_, nullptr, 0, 0);
    if (!label.empty()) Label(x + 3, y + 3, label, r, g, b);
  }

  void Label(double x, double y, const std::string& text, double r = 0, double g = 0, double b = 0) {
    cairo_select_font_face(cr_, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr_, 11 / std::max(scale_, 0.35));
    cairo_text_extents_t e;
    cairo_text_extents(cr_, text.c_str(), &e);
    cairo_set_source_rgba(cr_, 1, 1, 1, 0.75);
    cairo_rectangle(cr_, x - 1, y - 1, e.x_advance + 2, e.height + 4);
    cairo_fill(cr_);
    cairo_set_source_rgb(cr_, r * 0.6, g * 0.6, b * 0.6);
    cairo_move_to(cr_, x, y + e.height + 1);
    cairo_show_text(cr_, text.c_str());
  }

 private:
  double scale_;
  int left_, top_, width_ = 0, height_ = 0;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  Sheets sheets_;
};

// An active-list line read back from the level file: code, position and
// fields by the kind table's names.
struct Line {
  int code = 0, x = 0, y = 0;
  std::vector<std::string> fields;  // 1-based: fields[n]
  int Int(const char* name) const {
    const ObjectKindRow* row = FindObjectKind(code);
    int n = row ? KindFieldNumber(*row, name) : 0;
    return n > 0 && n < static_cast<int>(fields.size()) ? LenientInt(fields[n]) : 0;
  }
  int Tiles(const char* name) const { return std::max(1, Int(name)); }
};

std::vector<Line> ActiveLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text;
  bool active = false;
  std::vector<Line> lines;
  while (std::getline(in, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (text == "ACTIVE_LIST") {
      active = true;
      continue;
    }
    if (text == "FIN! :D") break;
    if (!active) continue;
    Line l;
    l.fields.push_back("");
    for (int n = 1; n <= 11; ++n) l.fields.push_back(Field(text, ',', n));
    l.x = LenientInt(l.fields[1]);
    l.y = LenientInt(l.fields[2]);
    l.code = LenientInt(l.fields[3]);
    lines.push_back(l);
  }
  return lines;
}

void DrawTiles(Picture& pic) {
  // Far tiles and half-speed pictures move at half the camera's speed: each
  // is drawn where it stands when the view is centred on it.
  auto farX = [](double x) { return 2 * x - kViewWidth / 2; };
  auto farY = [](double y) { return 2 * y - kViewHeight / 2; };
  for (const TBackTile& t : BackTiles) pic.Frame(Tileset, t.frame, farX(t.x), farY(t.y));
  auto images = [&](int low, int high) {
    for (const TImageTile& t : ImageTiles) {
      if (t.layer < low || t.layer >= high || t.layer < 0 || t.layer >= kLayerCount || !t.set) continue;
      int mode = LayerScrollMode[t.layer];
      if (mode == static_cast<int>(LayerScroll::WithCamera))
        pic.Frame(t.set->image, 0, t.x, t.y);
      else if (mode == static_cast<int>(LayerScroll::HalfSpeed))
        pic.Frame(t.set->image, 0, farX(t.x), farY(t.y));
    }
  };
  int current = 0;
  for (const TTile& t : Tiles) {
    if (t.layer > current) {
      images(current, t.layer);
      current = t.layer;
    }
    pic.Frame(Tileset, t.frame, t.x, t.y);
  }
  images(current, kLayerCount);
}

void DrawBlocks(Picture& pic) {
  cairo_t* cr = pic.cr();
  for (const TCollisionBlock& b : CollisionBlocks) {
    if (b.kind == static_cast<int>(BlockKind::Platform)) {
      cairo_set_source_rgba(cr, 1, 0.85, 0.1, 0.9);
      cairo_rectangle(cr, b.x, b.y, kTileSize, 3);
      cairo_fill(cr);
    } else {
      cairo_set_source_rgba(cr, 0.9, 0.1, 0.1, 0.55);
      cairo_set_line_width(cr, 1.5);
      cairo_rectangle(cr, b.x + 1, b.y + 1, kTileSize - 2, kTileSize - 2);
      cairo_stroke(cr);
    }
  }
}

void DrawObject(Picture& pic, const Line& l) {
  const double fade = l.Int("hidden") ? 0.35 : 1.0;
  const double x = l.x, y = l.y;
  auto size = [&](const char* n) { return l.Tiles(n) * kTileSize; };
  if (const EnemyKindInfo* enemy = EnemyKindForCode(l.code)) {
    Image* strip = *enemy->strip;
    // Walkers hold both facings: show the one facing right.
    int frame = strip && strip->Frames() >= 32 ? strip->Frames() / 2 : 0;
    pic.AtHandle(strip, frame, x, y, fade);
    if (fade < 1) pic.Label(x - 10, y + 4, "hidden", 0.4, 0.4, 0.4);
    return;
  }
  switch (l.code) {
    case 0: pic.Frame(ImgSpring, l.Int("direction") * 8, x, y, fade); break;
    case 1:
      pic.Box(x, y, size("w"), size("h"), 0.5, 0.8, 1.0, "fan air");
      pic.Frame(ImgFan, 0, x, y);
      break;
    case 2: pic.Frame(ImgTeleport, 0, x, y); pic.Label(x, y - 14, "pad " + std::to_string(l.Int("pad"))); break;
    case 4: pic.Box(x, y, size("w"), size("h"), 0.1, 0.4, 0.9, "water"); break;
    case 5: {
      for (int i = 0; i < l.Tiles("w"); ++i)
        for (int j = 0; j < l.Tiles("h"); ++j) pic.Frame(ImgMovingBlock, 0, x + i * kTileSize, y + j * kTileSize);
      cairo_t* cr = pic.cr();
      cairo_set_source_rgba(cr, 0.9, 0.4, 0.1, 0.9);
      cairo_set_line_width(cr, 2);
      cairo_move_to(cr, x + 16, y + 16);
      cairo_line_to(cr, l.Int("end_x") + 16, l.Int("end_y") + 16);
      cairo_stroke(cr);
      break;
    }
    case 6: pic.Frame(ImgFallingBlock, 0, x, y); break;
    case 41: pic.Frame(ImgItemCoin, 0, x, y, fade); break;
    case 42: pic.Frame(ImgItemStatue, 0, x, y); break;
    case 43: pic.Frame(ImgMediSmall, 0, x, y, fade); break;
    case 44: pic.Frame(ImgMediBig, 0, x, y, fade); break;
    case 46: pic.Frame(ImgBlock, l.Int("style") & 15, x, y); break;
    case 47:
      for (int i = 0; i < l.Tiles("w"); ++i)
        for (int j = 0; j < l.Tiles("h"); ++j)
          pic.Frame(ImgSpikes, l.Int("direction") & 3, x + i * kTileSize, y + j * kTileSize, l.Int("hidden") ? 0.35 : 1);
      break;
    case 120: pic.AtHandle(ImgPogoSprite, 0, x, y); pic.Label(x - 12, y + 4, "start", 0.1, 0.5, 0.1); break;
    case 140: pic.Frame(ImgButton, 0, x, y); break;
    case 21: pic.Box(x, y, size("w"), size("h"), 1.0, 0.8, 0.2, "light", true); break;
    case 22: pic.Box(x, y, size("w"), size("h"), 0.6, 0.6, 0.6, "tv", true); break;
    case 24: pic.Box(x, y, size("w"), size("h"), 0.7, 0.4, 0.2, "shake", true); break;
    case 25: pic.Box(x, y, size("w"), size("h"), 0.3, 0.3, 0.9, "camera", true); break;
    case 26: pic.Box(x, y, size("w"), size("h"), 0.6, 0.2, 0.8, "gravity", true); break;
    case 102: pic.Box(x, y, size("w"), size("h"), 0.9, 0.3, 0.1, "comets", true); break;
    case 141: pic.Box(x, y, size("w"), size("h"), 0.2, 0.7, 0.7, "trigger", true); break;
    case 142: pic.Box(x, y, size("w"), size("h"), 0.2, 0.6, 0.2, "msg " + std::to_string(l.Int("number"))); break;
    case 121: pic.Box(x, y, size("w"), size("h"), 0.1, 0.8, 0.1, "EXIT"); break;
    case 122: pic.Box(x, y, size("w"), size("h"), 0.8, 0.1, 0.8, "WARP"); break;
    case 123: pic.Box(x, y, size("w"), size("h"), 0.9, 0.6, 0.1, l.Int("gate") ? "timer end" : "timer start"); break;
    case 143: pic.Box(x, y, size("w"), size("h"), 0.9, 0.1, 0.5, "SECRET"); break;
    default: pic.Box(x, y, 32, 32, 0.5, 0.5, 0.5, "code " + std::to_string(l.code)); break;
  }
}

void DrawPath(Picture& pic, const std::string& file) {
  std::ifstream in(file);
  long frame;
  double x, y;
  cairo_t* cr = pic.cr();
  cairo_set_source_rgba(cr, 1, 0.1, 0.6, 0.85);
  cairo_set_line_width(cr, 2);
  bool first = true;
  while (in >> frame >> x >> y) {
    if (first)
      cairo_move_to(cr, x, y - 20);
    else
      cairo_line_to(cr, x, y - 20);
    first = false;
  }
  cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
  Args args = Parse(argc, argv);
  Options.headless = true;
  Options.dataDir = args.data;
  Options.saveDir = "/tmp";
  if (!StartPresentation()) return 1;
  LoadCatalogue();
  if (!LoadLevel(args.level)) {
    std::fprintf(stderr, "levelpic: cannot read Levels/%s\n", args.level.c_str());
    return 1;
  }
  std::vector<Line> lines = ActiveLines(args.data + "/Levels/" + args.level);
  // The picture spans the blocks and every object, with a margin.
  int left = LevelMinX, top = LevelMinY, right = LevelMaxX, bottom = LevelMaxY;
  for (const Line& l : lines) {
    left = std::min(left, l.x - 64);
    top = std::min(top, l.y - 128);
    right = std::max(right, l.x + 96);
    bottom = std::max(bottom, l.y + 64);
  }
  left -= 32, top -= 32, right += 32, bottom += 32;
  if (args.window) {
    left = args.from;
    right = std::max(args.to, args.from + 32);
  }
  Picture pic(args, left, top, right, bottom);
  pic.Sky(AreaIndex);
  DrawTiles(pic);
  if (args.blocks) DrawBlocks(pic);
  for (const Line& l : lines) DrawObject(pic, l);
  if (!args.path.empty()) DrawPath(pic, args.path);
  if (!pic.Save(args.out)) {
    std::fprintf(stderr, "levelpic: cannot write %s\n", args.out.c_str());
    return 1;
  }
  std::printf("levelpic: %s, %d by %d pixels of level at scale %.2f\n", args.out.c_str(), right - left, bottom - top,
              args.scale);
  StopPresentation();
  return 0;
}
