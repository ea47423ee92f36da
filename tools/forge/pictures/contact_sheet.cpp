// `forge --sheet FILE [WORD...] [--zoom=N]`: one PNG showing every picture under the
// program folder's Images/, each labelled with its path and with its animation
// cells outlined, for reviewing the art at a glance. Words, when given, keep
// only the pictures whose path contains one of them (letter case ignored).
//
// Small pictures are shown twice their size (or N times) so that their detail can be
// judged; large ones are shrunk to fit a column.
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "forge.h"
#include "world/asset_table.h"
#include "pictures/draw_kit.h"

namespace forge::art {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

struct Cells {
  int w = 0, h = 0, frames = 0;  // frames 0: a plain picture
};

// Cells of a picture from the catalogue, or of the scene strips that live
// outside it; matched on the lower-case path with "/" separators.
Cells CellsOf(const std::string& rel) {
  struct Row {
    const char* path;
    int w, h, frames;
  };
  static const std::vector<Row> rows = [] {
    std::vector<Row> r = {
#define SHEET_ROW(name, path, cw, ch, frames, hx, hy) {path, cw, ch, frames},
        BOINGLE_ALL_IMAGES(SHEET_ROW)
#undef SHEET_ROW
    };
    r.push_back({"Images\\Cutscene\\Intro_post\\quon.png", 175, 172, 13});
    r.push_back({"Images\\Cutscene\\Intro_Chan\\news_mouth.png", 40, 15, 6});
    return r;
  }();
  std::string key = Lower(rel);
  for (const Row& row : rows) {
    std::string p = row.path;
    std::replace(p.begin(), p.end(), '\\', '/');
    if (Lower(p) == key) return {row.w, row.h, row.frames};
  }
  return {};
}

struct Entry {
  std::string rel;
  cairo_surface_t* img;
  Cells cells;
  double scale;
  std::string label = "";
  double labelW = 0;
  double x = 0, y = 0, w = 0, h = 0;  // the tile on the sheet
};

constexpr double kColumn = 1000;  // widest picture area on the sheet
constexpr double kLabel = 16, kGap = 10;

void Checker(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.80, 0.80, 0.84);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.70, 0.70, 0.75);
  for (int yy = 0; yy * 8 < h; ++yy)
    for (int xx = 0; xx * 8 < w; ++xx)
      if ((xx + yy) % 2) cairo_rectangle(cr, x + xx * 8, y + yy * 8, 8, 8);
  cairo_fill(cr);
  cairo_restore(cr);
}

int Sheet(const Context& ctx, const std::vector<std::string>& args) {
  if (args.empty()) {
    std::fprintf(stderr, "usage: forge --sheet FILE [WORD...]\n");
    return 2;
  }
  fs::path images = ctx.out / "Images";
  if (!fs::is_directory(images)) {
    std::fprintf(stderr, "forge: no Images folder in %s\n", ctx.out.string().c_str());
    return 1;
  }
  std::vector<std::string> words;
  double zoom = 2.0;  // for the small pictures
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i].rfind("--zoom=", 0) == 0) zoom = std::max(1.0, std::atof(args[i].c_str() + 7));
    else words.push_back(Lower(args[i]));
  }
  std::vector<fs::path> files;
  for (auto& e : fs::recursive_directory_iterator(images))
    if (e.is_regular_file() && Lower(e.path().extension().string()) == ".png") files.push_back(e.path());
  std::sort(files.begin(), files.end());

  std::vector<Entry> entries;
  for (const fs::path& f : files) {
    std::string rel = fs::relative(f, ctx.out).generic_string();
    if (!words.empty() && std::none_of(words.begin(), words.end(), [&](const std::string& w) {
          return Lower(rel).find(w) != std::string::npos;
        }))
      continue;
    cairo_surface_t* img = cairo_image_surface_create_from_png(f.c_str());
    if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "forge: cannot read %s\n", f.string().c_str());
      cairo_surface_destroy(img);
      continue;
    }
    int w = cairo_image_surface_get_width(img), h = cairo_image_surface_get_height(img);
    double scale = (w <= kColumn && h <= 240) ? std::max(1.0, std::min({zoom, 2 * kColumn / w, 480.0 / h}))
                                              : std::min({1.0, kColumn / w, 600.0 / h});
    entries.push_back({rel, img, CellsOf(rel), scale});
  }
  if (entries.empty()) {
    std::fprintf(stderr, "forge: no pictures to show\n");
    return 1;
  }

  // Labels first, so that each tile is at least as wide as its label.
  cairo_surface_t* probe = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* pc = cairo_create(probe);
  cairo_select_font_face(pc, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(pc, 11);
  for (Entry& e : entries) {
    int iw = cairo_image_surface_get_width(e.img), ih = cairo_image_surface_get_height(e.img);
    e.label = e.rel.substr(e.rel.find('/') + 1);
    char size[64];
    std::snprintf(size, sizeof size, "  %dx%d", iw, ih);
    e.label += size;
    if (e.cells.frames > 0) {
      std::snprintf(size, sizeof size, " (%d of %dx%d)", e.cells.frames, e.cells.w, e.cells.h);
      e.label += size;
    }
    cairo_text_extents_t ext;
    cairo_text_extents(pc, e.label.c_str(), &ext);
    e.labelW = ext.x_advance;
  }
  cairo_destroy(pc);
  cairo_surface_destroy(probe);

  // Shelf layout: tiles left to right, a new shelf when the row is full.
  double x = kGap, y = kGap, shelf = 0, width = 0;
  for (Entry& e : entries) {
    double iw = cairo_image_surface_get_width(e.img) * e.scale;
    double ih = cairo_image_surface_get_height(e.img) * e.scale;
    e.w = std::max(iw, e.labelW);
    e.h = ih + kLabel;
    if (x > kGap && x + e.w > kColumn + 2 * kGap) {
      x = kGap;
      y += shelf + kGap;
      shelf = 0;
    }
    e.x = x;
    e.y = y;
    x += e.w + kGap;
    shelf = std::max(shelf, e.h);
    width = std::max(width, x);
  }
  int sheetW = static_cast<int>(std::ceil(width)), sheetH = static_cast<int>(std::ceil(y + shelf + kGap));

  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sheetW, sheetH);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_rgb(cr, 0.16, 0.16, 0.2);
  cairo_paint(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  for (Entry& e : entries) {
    int iw = cairo_image_surface_get_width(e.img), ih = cairo_image_surface_get_height(e.img);
    cairo_set_source_rgb(cr, 1, 1, 0.85);
    cairo_move_to(cr, e.x, e.y + 11);
    cairo_show_text(cr, e.label.c_str());
    double px = e.x, py = e.y + kLabel;
    Checker(cr, px, py, iw * e.scale, ih * e.scale);
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_scale(cr, e.scale, e.scale);
    cairo_set_source_surface(cr, e.img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), e.scale > 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
    // Cell boundaries, and the cells past the last frame greyed out.
    cairo_set_line_width(cr, 1);
    if (e.cells.frames > 0 && e.cells.w > 0 && e.cells.h > 0) {
      int cols = std::max(1, iw / e.cells.w), rows = std::max(1, ih / e.cells.h);
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
          double cx = px + c * e.cells.w * e.scale, cy = py + r * e.cells.h * e.scale;
          double cw = e.cells.w * e.scale, ch = e.cells.h * e.scale;
          if (r * cols + c >= e.cells.frames) {
            cairo_rectangle(cr, cx, cy, cw, ch);
            cairo_set_source_rgba(cr, 0.3, 0.3, 0.3, 0.7);
            cairo_fill(cr);
          }
          cairo_rectangle(cr, cx + 0.5, cy + 0.5, cw - 1, ch - 1);
          cairo_set_source_rgba(cr, 1, 0.2, 0.3, 0.8);
          cairo_stroke(cr);
        }
    } else {
      cairo_rectangle(cr, px + 0.5, py + 0.5, iw * e.scale - 1, ih * e.scale - 1);
      cairo_set_source_rgba(cr, 0.2, 0.8, 1, 0.8);
      cairo_stroke(cr);
    }
    cairo_surface_destroy(e.img);
  }
  cairo_destroy(cr);
  cairo_status_t st = cairo_surface_write_to_png(out, args[0].c_str());
  cairo_surface_destroy(out);
  if (st != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "forge: cannot write %s\n", args[0].c_str());
    return 1;
  }
  std::printf("forge: sheet of %zu pictures, %dx%d, in %s\n", entries.size(), sheetW, sheetH, args[0].c_str());
  return 0;
}

FORGE_COMMAND("--sheet", &Sheet);

}  // namespace
}  // namespace forge::art
