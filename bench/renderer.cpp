// Our renderer against SDL's own (its OpenGL driver, SDL_RenderCopyEx), both
// drawing into an 800 by 600 target on this machine, in one run:
//  (a) small rotated, scaled, semi-transparent sprites from 8 pictures in
//      mixed order: how many fit in one 60 Hz frame;
//  (b) a level-like frame: two full layers of 32-pixel tiles, 200 sprites of
//      40 to 120 pixels, 300 additive particles and a line of text.
// Times are taken after glFinish, so the drawing has really happened.
//
// Run under Xvfb: xvfb-run -a -s "-screen 0 1280x1024x24" bench_renderer
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "present/backend.h"
#include "present/present.h"
#include "present/present_internal.h"

namespace {

constexpr int kFrameW = 800, kFrameH = 600;
constexpr double kFrameBudgetMs = 1000.0 / 60.0;
constexpr int kSpriteKinds = 8;
constexpr int kMaxSprites = 1 << 17;
constexpr int kTile = 32;
constexpr int kTilesetSide = 256;  // 8 by 8 tiles
constexpr int kBigSprites = 200;
constexpr int kParticles = 300;
const char* kTextLine = "Score 0012345   Coins 42   Lives 3   World 2-4: The Windy Ridge";
const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

// A picture made here: RGBA8, straight alpha.
struct Picture {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
};

// A soft-edged blob in one colour with a lighter middle.
Picture Blob(int size, uint8_t r, uint8_t g, uint8_t b) {
  Picture p{size, size, std::vector<uint8_t>(static_cast<size_t>(size) * size * 4)};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
      double d = std::sqrt(dx * dx + dy * dy) / (size / 2.0);
      double a = std::clamp((1.0 - d) * size / 2.0, 0.0, 1.0);
      double light = 1.0 - 0.5 * d;
      uint8_t* o = &p.rgba[(static_cast<size_t>(y) * size + x) * 4];
      o[0] = static_cast<uint8_t>(r * light);
      o[1] = static_cast<uint8_t>(g * light);
      o[2] = static_cast<uint8_t>(b * light);
      o[3] = static_cast<uint8_t>(a * 255);
    }
  return p;
}

// 64 opaque tiles: a colour per tile with a darker rim and a diagonal stripe.
Picture Tileset() {
  Picture p{kTilesetSide, kTilesetSide,
            std::vector<uint8_t>(static_cast<size_t>(kTilesetSide) * kTilesetSide * 4)};
  for (int y = 0; y < kTilesetSide; ++y)
    for (int x = 0; x < kTilesetSide; ++x) {
      int tile = (y / kTile) * (kTilesetSide / kTile) + x / kTile;
      int tx = x % kTile, ty = y % kTile;
      bool rim = tx < 2 || ty < 2 || tx > kTile - 3 || ty > kTile - 3;
      bool stripe = ((tx + ty) / 4) % 4 == 0;
      uint8_t* o = &p.rgba[(static_cast<size_t>(y) * kTilesetSide + x) * 4];
      o[0] = static_cast<uint8_t>(60 + tile * 3);
      o[1] = static_cast<uint8_t>(120 + (tile * 7) % 100);
      o[2] = static_cast<uint8_t>(40 + (tile * 13) % 150);
      if (rim) o[0] /= 2, o[1] /= 2, o[2] /= 2;
      if (stripe) o[1] = static_cast<uint8_t>(std::min(255, o[1] + 40));
      o[3] = 255;
    }
  return p;
}

struct Sprite {
  float x, y, rotation, scale, alpha;
  int kind;
};

struct BigSprite {
  float x, y, rotation, alpha;
  int kind;
  bool mirrored;
};

struct Particle {
  float x, y, scale, alpha;
};

struct Scene {
  std::vector<Picture> small;  // (a)
  Picture tiles;
  std::vector<Picture> big;  // 40 to 120 pixels
  Picture particle;
  std::vector<Sprite> sprites;
  std::vector<int> layer[2];  // a tile number per grid cell
  std::vector<BigSprite> bigSprites;
  std::vector<Particle> particles;
  float cameraX = 13.37f, cameraY = 7.61f;  // a fractional scroll position
};

Scene MakeScene() {
  Scene s;
  std::mt19937 rng(20061);
  auto uni = [&](float a, float b) { return std::uniform_real_distribution<float>(a, b)(rng); };
  const uint8_t colours[kSpriteKinds][3] = {{230, 60, 50},  {60, 200, 80},  {70, 110, 240},
                                            {240, 210, 60}, {200, 90, 220}, {60, 210, 210},
                                            {250, 150, 60}, {230, 230, 230}};
  for (int k = 0; k < kSpriteKinds; ++k)
    s.small.push_back(Blob(8 + k, colours[k][0], colours[k][1], colours[k][2]));
  s.tiles = Tileset();
  for (int size = 40; size <= 120; size += 16) {
    const uint8_t* c = colours[s.big.size() % kSpriteKinds];
    s.big.push_back(Blob(size, c[0], c[1], c[2]));
  }
  s.particle = Blob(8, 255, 220, 120);
  s.sprites.resize(kMaxSprites);
  for (Sprite& sp : s.sprites)
    sp = {uni(0, kFrameW),   uni(0, kFrameH), uni(0, 360),
          uni(0.75f, 1.35f), uni(0.3f, 1.0f), static_cast<int>(rng() % kSpriteKinds)};
  int cols = kFrameW / kTile + 2, rows = kFrameH / kTile + 2;
  for (auto& layer : s.layer) {
    layer.resize(static_cast<size_t>(cols) * rows);
    for (int& t : layer) t = static_cast<int>(rng() % 64);
  }
  for (int i = 0; i < kBigSprites; ++i)
    s.bigSprites.push_back({uni(0, kFrameW), uni(0, kFrameH), i % 4 == 0 ? uni(0, 360) : 0.0f,
                            i % 3 == 0 ? uni(0.5f, 1.0f) : 1.0f, static_cast<int>(i % s.big.size()),
                            i % 2 == 0});
  for (int i = 0; i < kParticles; ++i)
    s.particles.push_back({uni(0, kFrameW), uni(0, kFrameH), uni(0.5f, 2.0f), uni(0.2f, 0.8f)});
  return s;
}

using Clock = std::chrono::steady_clock;

// The median time of a frame, in milliseconds.
double TimeFrames(const std::function<void()>& frame, int frames = 21) {
  frame();  // warm caches and driver state
  std::vector<double> ms;
  for (int i = 0; i < frames; ++i) {
    auto t0 = Clock::now();
    frame();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// How many sprites one frame of the budget holds: double until over, then
// narrow the bracket by interpolating between its ends, each guess kept off
// the bracket's outer quarters so that the bracket shrinks even when the
// count lies just under one end (interpolation alone crawls there).
int SpritesPerFrame(const char* who, const std::function<double(int)>& timeFor, double* msAtCount) {
  int lo = 0;
  double tLo = timeFor(0);
  std::printf("    %s: %d sprites %.2f ms", who, lo, tLo);
  int n = 250;
  double t = timeFor(n);
  std::printf(", %d %.2f", n, t);
  while (t < kFrameBudgetMs && n < kMaxSprites / 2) {
    lo = n, tLo = t;
    n *= 2;
    t = timeFor(n);
    std::printf(", %d %.2f", n, t);
  }
  int hi = n;
  double tHi = t;
  int best = lo;
  double tBest = tLo;
  for (int step = 0; step < 6 && hi - lo > 1; ++step) {
    double guess = lo + (kFrameBudgetMs - tLo) * (hi - lo) / std::max(1e-6, tHi - tLo);
    int quarter = (hi - lo) / 4;
    int mid = std::clamp(static_cast<int>(guess), lo + std::max(1, quarter),
                         hi - std::max(1, quarter));
    double tMid = timeFor(mid);
    if (tMid <= kFrameBudgetMs) {
      lo = mid, tLo = tMid;
      best = mid, tBest = tMid;
    } else {
      hi = mid, tHi = tMid;
    }
  }
  std::printf("\n");
  *msAtCount = tBest;
  return best;
}

// ---------------------------------------------------------------------------
// Ours, through the game's own calls.

struct OursImages {
  std::vector<Image*> small, big;
  Image* tiles = nullptr;
  Image* particle = nullptr;
};

Image* Load(const Picture& p, const std::string& file, int flags) {
  if (!WritePng(file, p.w, p.h, p.rgba.data())) return nullptr;
  return LoadImage(file, flags);
}

void OursSprites(const Scene& s, const OursImages& img, int n) {
  Cls();
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  for (int i = 0; i < n; ++i) {
    const Sprite& sp = s.sprites[i];
    SetAlpha(sp.alpha);
    SetRotation(sp.rotation);
    SetScale(sp.scale, sp.scale);
    DrawImage(img.small[sp.kind], sp.x, sp.y);
  }
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
  CurrentBackend().Present(false);
  glFinish();
}

void OursLevel(const Scene& s, const OursImages& img) {
  Cls();
  SetColor(255, 255, 255);
  SetAlpha(1);
  int cols = kFrameW / kTile + 2, rows = kFrameH / kTile + 2;
  for (int l = 0; l < 2; ++l) {
    SetBlend(l == 0 ? BLEND_SOLID : BLEND_ALPHA);
    float ox = -std::fmod(s.cameraX * (l + 1), static_cast<float>(kTile));
    float oy = -std::fmod(s.cameraY * (l + 1), static_cast<float>(kTile));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c)
        DrawImage(img.tiles, ox + c * kTile, oy + r * kTile,
                  s.layer[l][static_cast<size_t>(r) * cols + c]);
  }
  SetBlend(BLEND_ALPHA);
  for (const BigSprite& b : s.bigSprites) {
    SetAlpha(b.alpha);
    SetRotation(b.rotation);
    SetScale(b.mirrored ? -1.0f : 1.0f, 1);
    DrawImage(img.big[b.kind], b.x, b.y);
  }
  SetRotation(0);
  SetScale(1, 1);
  SetBlend(BLEND_LIGHT);
  for (const Particle& p : s.particles) {
    SetAlpha(p.alpha);
    SetScale(p.scale, p.scale);
    DrawImage(img.particle, p.x, p.y);
  }
  SetScale(1, 1);
  SetAlpha(1);
  SetBlend(BLEND_ALPHA);
  DrawText(kTextLine, 12, 8);
  CurrentBackend().Present(false);
  glFinish();
}

// ---------------------------------------------------------------------------
// SDL's renderer, drawing the same things.

struct SdlScene {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  std::vector<SDL_Texture*> small, big;
  SDL_Texture* tiles = nullptr;
  SDL_Texture* particle = nullptr;
  SDL_Texture* glyphs = nullptr;
};

SDL_Texture* Texture(SDL_Renderer* r, const Picture& p) {
  SDL_Texture* t =
      SDL_CreateTexture(r, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC, p.w, p.h);
  if (!t) return nullptr;
  SDL_UpdateTexture(t, nullptr, p.rgba.data(), p.w * 4);
  SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
  return t;
}

void Present(SDL_Renderer* r) {
  SDL_RenderFlush(r);
  SDL_RenderPresent(r);
  glFinish();
}

void SdlSprites(const Scene& s, const SdlScene& g, int n) {
  SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
  SDL_RenderClear(g.renderer);
  for (int i = 0; i < n; ++i) {
    const Sprite& sp = s.sprites[i];
    const Picture& pic = s.small[sp.kind];
    SDL_Texture* t = g.small[sp.kind];
    SDL_SetTextureAlphaMod(t, static_cast<Uint8>(sp.alpha * 255));
    float w = pic.w * sp.scale, h = pic.h * sp.scale;
    SDL_FRect dst{sp.x - w / 2, sp.y - h / 2, w, h};
    SDL_RenderCopyExF(g.renderer, t, nullptr, &dst, sp.rotation, nullptr, SDL_FLIP_NONE);
  }
  Present(g.renderer);
}

void SdlLevel(const Scene& s, const SdlScene& g, const Font& font) {
  SDL_SetRenderDrawColor(g.renderer, 0, 0, 0, 255);
  SDL_RenderClear(g.renderer);
  int cols = kFrameW / kTile + 2, rows = kFrameH / kTile + 2;
  for (int l = 0; l < 2; ++l) {
    SDL_SetTextureBlendMode(g.tiles, l == 0 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    float ox = -std::fmod(s.cameraX * (l + 1), static_cast<float>(kTile));
    float oy = -std::fmod(s.cameraY * (l + 1), static_cast<float>(kTile));
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        int t = s.layer[l][static_cast<size_t>(r) * cols + c];
        SDL_Rect src{(t % 8) * kTile, (t / 8) * kTile, kTile, kTile};
        SDL_FRect dst{std::floor(ox + c * kTile + 0.5f), std::floor(oy + r * kTile + 0.5f), kTile,
                      kTile};
        SDL_RenderCopyF(g.renderer, g.tiles, &src, &dst);
      }
  }
  for (const BigSprite& b : s.bigSprites) {
    const Picture& pic = s.big[b.kind];
    SDL_Texture* t = g.big[b.kind];
    SDL_SetTextureAlphaMod(t, static_cast<Uint8>(b.alpha * 255));
    SDL_FRect dst{b.x - pic.w / 2.0f, b.y - pic.h / 2.0f, static_cast<float>(pic.w),
                  static_cast<float>(pic.h)};
    SDL_RenderCopyExF(g.renderer, t, nullptr, &dst, b.rotation, nullptr,
                      b.mirrored ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
  }
  for (const Particle& p : s.particles) {
    SDL_SetTextureAlphaMod(g.particle, static_cast<Uint8>(p.alpha * 255));
    float w = s.particle.w * p.scale;
    SDL_FRect dst{p.x - w / 2, p.y - w / 2, w, w};
    SDL_RenderCopyF(g.renderer, g.particle, nullptr, &dst);
  }
  float pen = 12;
  for (const char* c = kTextLine; *c; ++c) {
    const Glyph& gl = font.glyphs[static_cast<unsigned char>(*c)];
    if (gl.cell >= 0) {
      const CellRect& cr = font.atlas->cells[gl.cell];
      SDL_Rect src{cr.x, cr.y, cr.w, cr.h};
      SDL_FRect dst{pen + gl.offX, 8 + gl.offY, static_cast<float>(cr.w), static_cast<float>(cr.h)};
      SDL_RenderCopyF(g.renderer, g.glyphs, &src, &dst);
    }
    pen += gl.advance;
  }
  Present(g.renderer);
}

bool OpenSdlRenderer(const Scene& s, const Font& font, SdlScene* g) {
  SDL_GL_ResetAttributes();
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  // Asking for a driver by name turns SDL's batching off unless asked for.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  int driver = -1;
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::string(info.name) == "opengl") driver = i;
  }
  if (driver < 0) return false;
  g->window = SDL_CreateWindow("SDL renderer", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kFrameW, kFrameH, SDL_WINDOW_OPENGL);
  if (!g->window) return false;
  g->renderer = SDL_CreateRenderer(g->window, driver, SDL_RENDERER_ACCELERATED);
  if (!g->renderer) return false;
  for (const Picture& p : s.small) g->small.push_back(Texture(g->renderer, p));
  for (const Picture& p : s.big) g->big.push_back(Texture(g->renderer, p));
  g->tiles = Texture(g->renderer, s.tiles);
  g->particle = Texture(g->renderer, s.particle);
  SDL_SetTextureBlendMode(g->particle, SDL_BLENDMODE_ADD);
  Picture glyphs{font.atlas->sheetW, font.atlas->sheetH, font.atlas->pixels};
  g->glyphs = Texture(g->renderer, glyphs);
  return true;
}

}  // namespace

int main() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::string dir = (std::filesystem::temp_directory_path() / "boingle-bench-renderer").string();
  std::filesystem::create_directories(dir);
  Options = RunOptions();
  Options.dataDir = dir;
  Options.saveDir = dir;
  if (!StartPresentation() || !OpenGraphics(kFrameW, kFrameH, 0, 60, 0)) {
    std::fprintf(stderr, "bench_renderer: no OpenGL window (run it under xvfb-run)\n");
    return 1;
  }
  std::printf("GL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  Scene scene = MakeScene();
  OursImages ours;
  for (int k = 0; k < kSpriteKinds; ++k)
    ours.small.push_back(
        Load(scene.small[k], dir + "/small" + std::to_string(k) + ".png", IMG_FILTERED));
  for (size_t k = 0; k < scene.big.size(); ++k)
    ours.big.push_back(Load(scene.big[k], dir + "/big" + std::to_string(k) + ".png", IMG_FILTERED));
  std::string tileFile = dir + "/tiles.png";
  WritePng(tileFile, scene.tiles.w, scene.tiles.h, scene.tiles.rgba.data());
  ours.tiles = LoadAnimImage(tileFile, kTile, kTile, 0, 64, 0);
  ours.particle = Load(scene.particle, dir + "/particle.png", IMG_FILTERED);
  Font* font = LoadFont(kFontPath, 14);
  if (!font || !ours.tiles || !ours.particle) {
    std::fprintf(stderr, "bench_renderer: could not make the test pictures or load %s\n",
                 kFontPath);
    return 1;
  }
  SetImageFont(font);
  for (Image* i : ours.small) MidHandleImage(i);
  for (Image* i : ours.big) MidHandleImage(i);
  MidHandleImage(ours.particle);

  double oursAtCount = 0, sdlAtCount = 0;
  int oursSprites = SpritesPerFrame(
      "ours", [&](int n) { return TimeFrames([&] { OursSprites(scene, ours, n); }); },
      &oursAtCount);
  double oursLevel = TimeFrames([&] { OursLevel(scene, ours); }, 15);
  SaveScreenshot(dir + "/ours_level.png");
  CloseGraphics();

  SdlScene sdl;
  if (!OpenSdlRenderer(scene, *font, &sdl)) {
    std::fprintf(stderr, "bench_renderer: SDL's opengl renderer did not start: %s\n",
                 SDL_GetError());
    return 1;
  }
  int sdlSprites = SpritesPerFrame(
      "SDL", [&](int n) { return TimeFrames([&] { SdlSprites(scene, sdl, n); }); }, &sdlAtCount);
  double sdlLevel = TimeFrames([&] { SdlLevel(scene, sdl, *font); }, 15);

  std::printf("(a) sprites of 8-16 px from %d pictures, mixed order, rotated, scaled, own alpha\n",
              kSpriteKinds);
  std::printf("    per %.1f ms frame: ours %d (%.2f ms), SDL %d (%.2f ms), ratio %.2f\n",
              kFrameBudgetMs, oursSprites, oursAtCount, sdlSprites, sdlAtCount,
              static_cast<double>(oursSprites) / std::max(1, sdlSprites));
  std::printf(
      "(b) level frame: 2 x %d tiles, %d sprites 40-120 px, %d additive particles, 1 text line\n",
      (kFrameW / kTile + 2) * (kFrameH / kTile + 2), kBigSprites, kParticles);
  std::printf("    ms per frame: ours %.2f, SDL %.2f, ratio %.2f\n", oursLevel, sdlLevel,
              sdlLevel / std::max(1e-6, oursLevel));
  std::printf("    our level frame: %s\n", (dir + "/ours_level.png").c_str());

  SDL_DestroyRenderer(sdl.renderer);
  SDL_DestroyWindow(sdl.window);
  StopPresentation();
  return 0;
}
