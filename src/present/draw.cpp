// The sticky drawing state and every draw call, turned into screen quads.
//
// A frame's rectangle runs from (-handle) to (size - handle); it is scaled,
// then rotated (positive degrees turn clockwise on a y-down screen), then moved
// to the drawing position plus the origin. Rectangles, ovals and text use the
// same transform with their top-left corner as the handle.
#include <cmath>

#include "present/backend.h"
#include "present/present_internal.h"

namespace {

DrawState g_state;
bool g_record = false;
std::vector<DrawRecord> g_current;
std::vector<DrawRecord> g_last;
Font* g_defaultFont = nullptr;
bool g_defaultFontTried = false;

struct Transform {
  float m00, m01, m10, m11;  // scale, then rotation
  float tx, ty;
  void Apply(float x, float y, float* ox, float* oy) const {
    *ox = m00 * x + m01 * y + tx;
    *oy = m10 * x + m11 * y + ty;
  }
};

Transform MakeTransform(float x, float y) {
  Transform t;
  float c = 1, s = 0;
  if (g_state.rotation != 0) {
    c = CosD(g_state.rotation);
    s = SinD(g_state.rotation);
  }
  t.m00 = c * g_state.scaleX;
  t.m01 = -s * g_state.scaleY;
  t.m10 = s * g_state.scaleX;
  t.m11 = c * g_state.scaleY;
  t.tx = x + g_state.originX;
  t.ty = y + g_state.originY;
  return t;
}

// Corners of the local rectangle (x0, y0)-(x1, y1), clockwise from top-left.
void Corners(const Transform& t, float x0, float y0, float x1, float y1, QuadVertex v[4]) {
  t.Apply(x0, y0, &v[0].x, &v[0].y);
  t.Apply(x1, y0, &v[1].x, &v[1].y);
  t.Apply(x1, y1, &v[2].x, &v[2].y);
  t.Apply(x0, y1, &v[3].x, &v[3].y);
}

void Submit(const Image* img, QuadVertex v[4]) {
  CurrentBackend().Quad(img, v, static_cast<uint8_t>(g_state.r), static_cast<uint8_t>(g_state.g),
                        static_cast<uint8_t>(g_state.b), g_state.alpha, g_state.blend);
}

DrawRecord* Record(DrawKind kind, float x, float y) {
  if (!g_record) return nullptr;
  g_current.emplace_back();
  DrawRecord& r = g_current.back();
  r.kind = kind;
  r.x = x;
  r.y = y;
  r.state = g_state;
  return &r;
}

void StoreCorners(DrawRecord* r, const QuadVertex v[4]) {
  if (!r) return;
  for (int i = 0; i < 4; ++i) {
    r->corners[i * 2] = v[i].x;
    r->corners[i * 2 + 1] = v[i].y;
  }
}

int ClampByte(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

Font* TextFont() {
  if (g_state.font) return g_state.font;
  if (!g_defaultFontTried) {
    // The layer's own small font, for text drawn before the game loads one
    // (the start-up prompts): a plain monospace face from the system, else the
    // game's font.
    g_defaultFontTried = true;
    g_defaultFont = LoadFont("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", 11);
    if (!g_defaultFont) g_defaultFont = LoadFont("Fonts/fat_free_solid.ttf", 11);
  }
  return g_defaultFont;
}

}  // namespace

void SetColor(int r, int g, int b) {
  g_state.r = ClampByte(r);
  g_state.g = ClampByte(g);
  g_state.b = ClampByte(b);
}
void SetAlpha(float a) { g_state.alpha = a < 0 ? 0 : (a > 1 ? 1 : a); }
void SetBlend(int mode) { g_state.blend = mode; }
void SetRotation(float degrees) { g_state.rotation = degrees; }
void SetScale(float sx, float sy) {
  g_state.scaleX = sx;
  g_state.scaleY = sy;
}
void SetOrigin(float x, float y) {
  g_state.originX = x;
  g_state.originY = y;
}
void SetViewport(int x, int y, int w, int h) {
  g_state.viewX = x;
  g_state.viewY = y;
  g_state.viewW = w;
  g_state.viewH = h;
  CurrentBackend().SetViewport(x, y, w, h);
}
void SetLineWidth(float w) { g_state.lineWidth = w; }
void SetMaskColor(int r, int g, int b) {
  g_state.maskR = ClampByte(r);
  g_state.maskG = ClampByte(g);
  g_state.maskB = ClampByte(b);
}
void SetClsColor(int r, int g, int b) {
  g_state.clsR = ClampByte(r);
  g_state.clsG = ClampByte(g);
  g_state.clsB = ClampByte(b);
}
void SetImageFont(Font* font) { g_state.font = font; }
const DrawState& CurrentDrawState() { return g_state; }
void ResetDrawState() {
  g_state = DrawState();
  CurrentBackend().SetViewport(0, 0, 0, 0);
}

void Cls() {
  Record(DrawKind::Clear, 0, 0);
  CurrentBackend().Clear(static_cast<uint8_t>(g_state.clsR), static_cast<uint8_t>(g_state.clsG),
                         static_cast<uint8_t>(g_state.clsB));
}

void DrawImageRect(const Image* img, float x, float y, int sx, int sy, int sw, int sh, int frame) {
  if (!img || frame < 0 || frame >= img->Frames() || sw <= 0 || sh <= 0) return;
  const CellRect& c = img->cells[frame];
  Transform t = MakeTransform(x, y);
  QuadVertex v[4];
  float x0 = sx - img->handleX, y0 = sy - img->handleY;
  Corners(t, x0, y0, x0 + sw, y0 + sh, v);
  float u0 = static_cast<float>(c.x + sx), v0 = static_cast<float>(c.y + sy);
  v[0].u = u0, v[0].v = v0;
  v[1].u = u0 + sw, v[1].v = v0;
  v[2].u = u0 + sw, v[2].v = v0 + sh;
  v[3].u = u0, v[3].v = v0 + sh;
  if (DrawRecord* r = Record(DrawKind::Image, x, y)) {
    r->image = img;
    r->frame = frame;
    r->w = static_cast<float>(sw);
    r->h = static_cast<float>(sh);
    StoreCorners(r, v);
  }
  Submit(img, v);
}

void DrawImage(const Image* img, float x, float y, int frame) {
  if (!img) return;
  DrawImageRect(img, x, y, 0, 0, img->width, img->height, frame);
}

void DrawRect(float x, float y, float w, float h) {
  Transform t = MakeTransform(x, y);
  QuadVertex v[4];
  Corners(t, 0, 0, w, h, v);
  for (auto& q : v) q.u = q.v = 0;
  if (DrawRecord* r = Record(DrawKind::Rect, x, y)) {
    r->w = w;
    r->h = h;
    StoreCorners(r, v);
  }
  Submit(nullptr, v);
}

void DrawOval(float x, float y, float w, float h) {
  Image* oval = OvalImage();
  Transform t = MakeTransform(x, y);
  QuadVertex v[4];
  Corners(t, 0, 0, w, h, v);
  float s = static_cast<float>(oval->width);
  v[0].u = 0, v[0].v = 0;
  v[1].u = s, v[1].v = 0;
  v[2].u = s, v[2].v = s;
  v[3].u = 0, v[3].v = s;
  if (DrawRecord* r = Record(DrawKind::Oval, x, y)) {
    r->w = w;
    r->h = h;
    StoreCorners(r, v);
  }
  Submit(oval, v);
}

void DrawBox(float x, float y, float w, float h) {
  DrawLine(x, y, x + w - 1, y);
  DrawLine(x, y, x, y + h - 1);
  DrawLine(x + w - 1, y, x + w - 1, y + h - 1);
  DrawLine(x, y + h - 1, x + w - 1, y + h - 1);
}

void DrawLine(float x1, float y1, float x2, float y2) {
  // A line covers the pixels of both end points: it runs between pixel centres
  // and reaches half a pixel beyond each, as wide as the line width.
  Transform t = MakeTransform(x1, y1);
  float ex, ey;
  t.Apply(x2 - x1, y2 - y1, &ex, &ey);
  float sx = t.tx + 0.5f, sy = t.ty + 0.5f;
  ex += 0.5f;
  ey += 0.5f;
  float dx = ex - sx, dy = ey - sy;
  float len = std::sqrt(dx * dx + dy * dy);
  float ux = 1, uy = 0;
  if (len > 0) {
    ux = dx / len;
    uy = dy / len;
  }
  float half = g_state.lineWidth / 2;
  float px = -uy * half, py = ux * half;
  float ax = sx - ux * 0.5f, ay = sy - uy * 0.5f;
  float bx = ex + ux * 0.5f, by = ey + uy * 0.5f;
  QuadVertex v[4] = {{ax + px, ay + py, 0, 0}, {bx + px, by + py, 0, 0}, {bx - px, by - py, 0, 0},
                     {ax - px, ay - py, 0, 0}};
  if (DrawRecord* r = Record(DrawKind::Line, x1, y1)) {
    r->w = x2;
    r->h = y2;
    StoreCorners(r, v);
  }
  Submit(nullptr, v);
}

void DrawText(const std::string& text, float x, float y) {
  Font* font = TextFont();
  DrawRecord* r = Record(DrawKind::Text, x, y);
  if (r) r->text = text;
  if (!font || !font->atlas) return;
  Transform t = MakeTransform(x, y);
  if (r) {
    QuadVertex box[4];
    Corners(t, 0, 0, static_cast<float>(TextWidth(text)), static_cast<float>(font->height), box);
    StoreCorners(r, box);
  }
  float pen = 0;
  for (unsigned char ch : text) {
    const Glyph& g = font->glyphs[ch];
    if (g.cell >= 0) {
      const CellRect& c = font->atlas->cells[g.cell];
      QuadVertex v[4];
      float gx = pen + g.offX, gy = g.offY;
      Corners(t, gx, gy, gx + c.w, gy + c.h, v);
      v[0].u = static_cast<float>(c.x), v[0].v = static_cast<float>(c.y);
      v[1].u = static_cast<float>(c.x + c.w), v[1].v = static_cast<float>(c.y);
      v[2].u = static_cast<float>(c.x + c.w), v[2].v = static_cast<float>(c.y + c.h);
      v[3].u = static_cast<float>(c.x), v[3].v = static_cast<float>(c.y + c.h);
      Submit(font->atlas, v);
    }
    pen += g.advance;
  }
}

int TextWidth(const std::string& text) {
  Font* font = TextFont();
  if (!font) return 0;
  float w = 0;
  for (unsigned char ch : text) w += font->glyphs[ch].advance;
  return static_cast<int>(w);
}

int TextHeight(const std::string& text) {
  Font* font = TextFont();
  return font ? font->height : 0;
}

void GrabImage(Image* img, int x, int y, int frame) {
  if (!img || frame < 0 || frame >= img->Frames()) return;
  if (DrawRecord* r = Record(DrawKind::Grab, static_cast<float>(x), static_cast<float>(y))) {
    r->image = img;
    r->frame = frame;
  }
  CurrentBackend().Grab(*img, frame, x, y);
  ++img->generation;
}

const std::vector<DrawRecord>& CurrentDraws() { return g_current; }
const std::vector<DrawRecord>& LastFrameDraws() { return g_last; }
void SetRecordDraws(bool on) { g_record = on; }

// Called by Flip: the frame just presented becomes the last frame.
void EndFrameRecords() {
  if (!g_record) return;
  g_last.swap(g_current);
  g_current.clear();
}
