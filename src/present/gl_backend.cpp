// The real backend: an SDL2 window with an OpenGL 3.3 core context.
//
// The game draws into an offscreen frame of its own size (800 by 600, or the
// 640 by 480 prompt), which Present scales into the window with black bars.
// Every quad goes into one preallocated vertex batch; the batch is drawn only
// when the texture or the blend mode changes, the clip changes, a grab or a
// clear needs the frame, and at present. Loaded images share big atlas pages
// so that sprites from many pictures still draw in one batch.
//
// The frame is stored top row first (frame row 0 is GL row 0), so reading it
// back, grabbing from it and clipping in it all use the game's own y; only the
// blit into the window turns it over.
#include <SDL.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "present/backend.h"
#include "present/gamepad.h"
#include "present/gl_letterbox.h"
#include "present/keymap.h"
#include "present/present_internal.h"
#include "present/window_pixels.h"

namespace {

constexpr int kBatchQuads = 16384;  // 65536 vertices: the most 16-bit indices reach
constexpr int kPageSize = 2048;
constexpr int kPagePad = 2;     // edge pixels repeated around each sheet
constexpr int kWhiteBlock = 4;  // opaque white corner of every page, for untextured quads
constexpr int kFirstPageRows = 256;  // an atlas page's first memory (see EnsureStored)
constexpr int kTallPicture = kPageSize / 4;  // rows: taller pictures have their own texture
constexpr float kSnapEpsilon = 1e-3f;
// Vsync that a driver accepts but does not honour (compositors, hidden
// windows) shows as a frame rate far above the display's: over this many
// presents at less than kVsyncMinMs each, the limiter takes over.
constexpr int kVsyncCheckFrames = 60;
constexpr double kVsyncMinMs = 12.0;

// The fragment shader's treatment of the texel, one per blend family.
enum ShaderMode { kModeSolid = 0, kModeMasked = 1, kModeBlended = 2, kModeShade = 3 };

struct Vertex {
  float x, y;            // frame pixels
  float u, v;            // page texels
  float u0, v0, u1, v1;  // the source rectangle on the page: sampling stays inside it
  uint8_t r, g, b, a;
};

// Smooth sampling gets its coordinates, and the rectangle it must stay in,
// already scaled to the page: the fewer operations per pixel the better on a
// software rasterizer. Exact texel fetches keep page pixels.
const char* kVertexShader = R"(
layout(location = 0) in vec2 a_pos;
layout(location = 1) in vec2 a_uv;
layout(location = 2) in vec4 a_rect;
layout(location = 3) in vec4 a_color;
uniform vec2 u_frame;
uniform vec2 u_invPage;
uniform float u_flip;  // -1 drawing straight into the window, whose rows run bottom up
out vec2 v_uv;
flat out vec4 v_rect;
out vec4 v_color;
void main() {
#if NEAREST
  v_uv = a_uv;
  v_rect = a_rect - vec4(0.0, 0.0, 1.0, 1.0);
#else
  v_uv = a_uv * u_invPage;
  v_rect = (a_rect + vec4(0.5, 0.5, -0.5, -0.5)) * u_invPage.xyxy;
#endif
  v_color = a_color;
  vec2 ndc = a_pos * 2.0 / u_frame - 1.0;
  gl_Position = vec4(ndc.x, ndc.y * u_flip, 0.0, 1.0);
}
)";

// Pages hold premultiplied colour, so filtered edges never pick up the colour
// of the transparent texels beside them. One program per blend family and
// sampling: a software rasterizer runs every branch of a shader, so the
// choices are made when compiling, not per pixel. MODE and NEAREST are
// defined in front of this text.
const char* kFragmentShader = R"(
uniform sampler2D u_tex;
in vec2 v_uv;
flat in vec4 v_rect;
in vec4 v_color;
out vec4 o_color;
void main() {
#if NEAREST
  vec4 t = texelFetch(u_tex, ivec2(clamp(floor(v_uv), v_rect.xy, v_rect.zw)), 0);
#else
  vec4 t = texture(u_tex, clamp(v_uv, v_rect.xy, v_rect.zw));
#endif
  vec3 rgb = t.rgb * v_color.rgb;
#if MODE == 0
  o_color = vec4(rgb / max(t.a, 1.0 / 255.0), 1.0);
#elif MODE == 1
  if (t.a < 0.5) discard;
  o_color = vec4(rgb / t.a, 1.0);
#elif MODE == 2
  // Clear texels leave the frame alone; skipping them saves the blend.
  if (t.a == 0.0) discard;
  o_color = vec4(rgb, t.a) * v_color.a;
#else
  // Multiply the destination by the texel, and by white where it is clear.
  float a = t.a * v_color.a;
  o_color = vec4(vec3(1.0 - a) + rgb * v_color.a, 1.0);
#endif
}
)";

struct Shelf {
  int y, h, x;
};

struct Page {
  GLuint tex = 0;
  int w = 0, h = 0;
  bool shared = false;  // an atlas page; otherwise one image's own texture
  // The rows that have memory so far (see EnsureStored); texture
  // coordinates are divided by it.
  int storedH = 0;
  int users = 0;
  std::vector<Shelf> shelves;
  int nextShelfY = 0;
  // Places of freed sheets: a level's pictures, freed and loaded again, go
  // back where they were instead of filling new pages.
  std::vector<CellRect> freed;
};

GLuint CompileShader(GLenum kind, const char* prefix, const char* source) {
  GLuint s = glCreateShader(kind);
  const char* parts[2] = {prefix, source};
  glShaderSource(s, 2, parts, nullptr);
  glCompileShader(s);
  GLint ok = 0;
  glGetShaderiv(s, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    char log[1024] = {};
    glGetShaderInfoLog(s, sizeof log, nullptr, log);
    std::fprintf(stderr, "boingle: shader does not compile: %s\n", log);
    glDeleteShader(s);
    return 0;
  }
  return s;
}

// The sheet premultiplied, with its outermost pixels repeated kPagePad times
// on every side.
void PaddedPremultiplied(const Image& img, std::vector<uint8_t>* out) {
  int w = img.sheetW + 2 * kPagePad, h = img.sheetH + 2 * kPagePad;
  out->assign(static_cast<size_t>(w) * h * 4, 0);
  if (!img.pixelsLoaded || img.pixels.size() < static_cast<size_t>(img.sheetW) * img.sheetH * 4)
    return;
  for (int y = 0; y < h; ++y) {
    int sy = std::clamp(y - kPagePad, 0, img.sheetH - 1);
    for (int x = 0; x < w; ++x) {
      int sx = std::clamp(x - kPagePad, 0, img.sheetW - 1);
      const uint8_t* s = &img.pixels[(static_cast<size_t>(sy) * img.sheetW + sx) * 4];
      uint8_t* d = &(*out)[(static_cast<size_t>(y) * w + x) * 4];
      unsigned a = s[3];
      d[0] = static_cast<uint8_t>((s[0] * a + 127) / 255);
      d[1] = static_cast<uint8_t>((s[1] * a + 127) / 255);
      d[2] = static_cast<uint8_t>((s[2] * a + 127) / 255);
      d[3] = static_cast<uint8_t>(a);
    }
  }
}

class GLBackend : public Backend {
 public:
  GLBackend() = default;
  ~GLBackend() override { Shutdown(); }
  GLBackend(const GLBackend&) = delete;
  GLBackend& operator=(const GLBackend&) = delete;

  bool Start();

  const char* Name() const override { return "opengl"; }
  void SetTitle(const std::string& title) override { SDL_SetWindowTitle(window_, title.c_str()); }
  bool OpenGraphics(int width, int height, bool fullscreen) override;
  void CloseGraphics() override;
  int DesktopWidth() override { return DesktopMode().w; }
  int DesktopHeight() override { return DesktopMode().h; }
  int DesktopDepth() override {
    int bytes = SDL_BYTESPERPIXEL(DesktopMode().format);
    return bytes > 0 ? bytes * 8 : 32;
  }
  void ShowPointer(bool show) override { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }
  void MovePointer(int x, int y) override;

  void UploadImage(Image& img) override;
  void FillTexture(Image& img);
  void WriteTexture(Image& img);
  void ReleaseImage(Image& img) override;
  // Gives a picture that waits for its place one; false when it has none.
  bool HasPlace(Image& img);
  void Quad(const Image* img, const QuadVertex v[4], uint8_t r, uint8_t g, uint8_t b, float alpha,
            int blend) override;
  void SetViewport(int x, int y, int w, int h) override;
  void Clear(uint8_t r, uint8_t g, uint8_t b) override;
  void Grab(Image& img, int frame, int x, int y) override;
  void Present(bool sync) override;
  void PresentAgain() override;
  bool Screenshot(const std::string& pngPath) override;
  bool PumpEvents() override;
  bool PacedByDisplay() const override { return open_ && vsync_ && syncAsked_; }

 private:
  void Shutdown();
  void ShowOwnIcon();
  void MakeCurrent() { SDL_GL_MakeCurrent(window_, context_); }
  SDL_DisplayMode DesktopMode() const;
  int NewPage(int w, int h, bool shared);
  void EnsureStored(int index, int rows);
  GLuint NewTextureName();
  int RowsOf(const Image& img) const;
  void RebindBatchPage();
  bool PlaceOnSharedPage(int w, int h, int* page, int* x, int* y);
  void ResetShelves(Page& p);
  void Flush();
  void ApplyBlend(int blend);
  void ApplyScissor();
  void AllocFrameTargets(int w, int h);
  void KeepShownPicture();
  GLuint DrawTarget() const { return direct_ ? 0 : fbo_[drawBuf_]; }
  void SetDirect(bool on);
  void RescueShownPicture();
  void ApplyTarget();
  void CopyFrameTurnedOver(GLuint from, GLuint to);
  uint32_t CornerSum();
  bool BuildPrograms();
  bool BuildProgram(int mode, int nearest);
  void ShowFrame();
  void ChooseSwapInterval();
  bool SwapsWait();
  void CheckVsyncWorks();
  void ToggleFullscreen();
  Letterbox WindowBox() const;

  SDL_Window* window_ = nullptr;
  SDL_GLContext context_ = nullptr;
  bool videoStarted_ = false;
  struct Program {
    GLuint id = 0;
    GLint frame = -1, invPage = -1, flip = -1;
  };
  Program programs_[4][2];  // shader mode, nearest sampling
  GLuint usedProgram_ = 0;
  GLuint vao_ = 0, vbo_ = 0, ibo_ = 0;
  GLint maxTexture_ = 0;
  // Two frame buffers: the one drawn into, and the last presented picture
  // (what PresentAgain shows again and a screenshot saves). Right after a
  // present both are the same buffer; the first draw copies the picture
  // aside, the first clear just takes the other buffer.
  GLuint fbo_[2] = {}, fboTex_[2] = {};
  GLuint copyFbo_ = 0;  // reads a page that grows, writes a grab from the window
  int drawBuf_ = 0, shownBuf_ = 0;
  // Drawing straight into the window's back buffer instead (see ShowFrame):
  // the window is the frame, and its back buffer holds the shown picture
  // after a swap. Only where that copy was seen to hold.
  bool direct_ = false;
  bool softwareGl_ = false;  // the driver rasterizes on the CPU: a frame copy costs a pass
  bool windowReadable_ = false;  // what the window shows can be read back (RescueShownPicture)
  bool directFailed_ = false;
  // The back buffer was drawn on since the last present: the shown picture
  // is then only on the screen (see RescueShownPicture).
  bool backModified_ = false;
  int frameW_ = 0, frameH_ = 0;
  bool open_ = false;

  std::vector<Page> pages_;
  std::vector<Vertex> batch_;
  int quads_ = 0;
  int batchPage_ = -1, batchBlend_ = -1;
  bool batchNearest_ = false;
  int appliedBlend_ = -1;
  int vboWriteVertex_ = 0;  // where the next flush streams to; the buffer is orphaned when full

  bool clipOn_ = false;
  int clipX_ = 0, clipY_ = 0, clipW_ = 0, clipH_ = 0;

  bool vsync_ = false, syncAsked_ = true;
  int swapInterval_ = -1;
  int vsyncFrames_ = 0;
  uint64_t vsyncStart_ = 0;

  ModifierPairs modifiers_;
  std::vector<uint8_t> scratch_;
};

SDL_DisplayMode GLBackend::DesktopMode() const {
  SDL_DisplayMode mode{};
  int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
  if (SDL_GetDesktopDisplayMode(display, &mode) != 0) {
    mode.w = 800;
    mode.h = 600;
    mode.format = SDL_PIXELFORMAT_RGB888;
  }
  return mode;
}

bool GLBackend::Start() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  videoStarted_ = true;
  StartGamepads();
  // With no display SDL falls back on drivers that show nothing; a game
  // running in an invisible window helps nobody, unless that was asked for.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  bool invisible = driver && (!SDL_strcmp(driver, "offscreen") || !SDL_strcmp(driver, "dummy"));
  if (invisible && !(asked && SDL_strcasecmp(asked, driver) == 0)) return false;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  // The window exists (hidden) from the start so images loaded before the
  // first graphics mode already have a context to go to.
  window_ = SDL_CreateWindow(
      "Boingle", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
      SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
  if (!window_) return false;
  ShowOwnIcon();
  context_ = SDL_GL_CreateContext(window_);
  if (!context_) return false;
  MakeCurrent();
  if (epoxy_gl_version() < 33) return false;

  if (!BuildPrograms()) return false;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTexture_);
  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  softwareGl_ = renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") ||
                             std::strstr(renderer, "Software Rasterizer"));
  windowReadable_ = WindowPixelsReadable(window_);

  batch_.resize(static_cast<size_t>(kBatchQuads) * 4);
  glGenVertexArrays(1, &vao_);
  glBindVertexArray(vao_);
  glGenBuffers(1, &vbo_);
  glBindBuffer(GL_ARRAY_BUFFER, vbo_);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch_.size() * sizeof(Vertex)), nullptr,
               GL_STREAM_DRAW);
  std::vector<uint16_t> indices(static_cast<size_t>(kBatchQuads) * 6);
  for (int q = 0; q < kBatchQuads; ++q) {
    uint16_t base = static_cast<uint16_t>(q * 4);
    uint16_t* i = &indices[static_cast<size_t>(q) * 6];
    i[0] = base, i[1] = static_cast<uint16_t>(base + 1), i[2] = static_cast<uint16_t>(base + 2);
    i[3] = base, i[4] = static_cast<uint16_t>(base + 2), i[5] = static_cast<uint16_t>(base + 3);
  }
  glGenBuffers(1, &ibo_);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo_);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint16_t)),
               indices.data(), GL_STATIC_DRAW);
  auto attrib = [](GLuint index, GLint n, GLenum type, GLboolean norm, size_t offset) {
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, n, type, norm, sizeof(Vertex), reinterpret_cast<void*>(offset));
  };
  attrib(0, 2, GL_FLOAT, GL_FALSE, offsetof(Vertex, x));
  attrib(1, 2, GL_FLOAT, GL_FALSE, offsetof(Vertex, u));
  attrib(2, 4, GL_FLOAT, GL_FALSE, offsetof(Vertex, u0));
  attrib(3, 4, GL_UNSIGNED_BYTE, GL_TRUE, offsetof(Vertex, r));

  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glActiveTexture(GL_TEXTURE0);
  NewPage(kPageSize, kPageSize, true);  // page 0 always exists: untextured quads fall back on it
  SDL_StartTextInput();
  return true;
}

// The forge's icon on the window too, where the desktop shows the window's
// own picture (task bars, Alt+Tab) rather than the installed one.
void GLBackend::ShowOwnIcon() {
  std::vector<uint8_t> bytes, rgba;
  int w = 0, h = 0;
  if (!ReadWholeFile("Icons/boingle_64.png", &bytes) || !DecodePng(bytes, &w, &h, &rgba)) return;
  SDL_Surface* icon =
      SDL_CreateRGBSurfaceWithFormatFrom(rgba.data(), w, h, 32, w * 4, SDL_PIXELFORMAT_RGBA32);
  if (!icon) return;
  SDL_SetWindowIcon(window_, icon);
  SDL_FreeSurface(icon);
}

// Each program is built at its first use: the driver compiles a shader in a
// few milliseconds, and the first screen needs two or three of the eight. The
// start builds one, so a driver that cannot compile them is known at once.
bool GLBackend::BuildPrograms() { return BuildProgram(0, 0); }

bool GLBackend::BuildProgram(int mode, int nearest) {
  Program& p = programs_[mode][nearest];
  if (p.id) return true;
  char prefix[96];
  std::snprintf(prefix, sizeof prefix, "#version 330 core\n#define MODE %d\n#define NEAREST %d\n",
                mode, nearest);
  GLuint vs = CompileShader(GL_VERTEX_SHADER, prefix, kVertexShader);
  GLuint fs = vs ? CompileShader(GL_FRAGMENT_SHADER, prefix, kFragmentShader) : 0;
  if (!fs) {
    if (vs) glDeleteShader(vs);
    return false;
  }
  GLuint id = glCreateProgram();
  glAttachShader(id, vs);
  glAttachShader(id, fs);
  glLinkProgram(id);
  glDeleteShader(vs);
  glDeleteShader(fs);
  GLint linked = 0;
  glGetProgramiv(id, GL_LINK_STATUS, &linked);
  if (!linked) {
    glDeleteProgram(id);
    return false;
  }
  p.id = id;
  glUseProgram(id);
  usedProgram_ = id;
  glUniform1i(glGetUniformLocation(id, "u_tex"), 0);
  p.frame = glGetUniformLocation(id, "u_frame");
  p.invPage = glGetUniformLocation(id, "u_invPage");
  p.flip = glGetUniformLocation(id, "u_flip");
  glUniform2f(p.frame, static_cast<float>(frameW_), static_cast<float>(frameH_));
  glUniform1f(p.flip, direct_ ? -1.0f : 1.0f);
  return true;
}

void GLBackend::Shutdown() {
  if (context_) {
    MakeCurrent();
    for (Page& p : pages_)
      if (p.tex) glDeleteTextures(1, &p.tex);
    glDeleteFramebuffers(2, fbo_);
    if (copyFbo_) glDeleteFramebuffers(1, &copyFbo_);
    glDeleteTextures(2, fboTex_);
    glDeleteBuffers(1, &vbo_);
    glDeleteBuffers(1, &ibo_);
    glDeleteVertexArrays(1, &vao_);
    for (auto& modes : programs_)
      for (Program& p : modes)
        if (p.id) glDeleteProgram(p.id);
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
  }
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoStarted_ = false;
}

// ---------------------------------------------------------------------------
// Graphics modes.

void GLBackend::AllocFrameTargets(int w, int h) {
  if (!fbo_[0]) {
    glGenFramebuffers(2, fbo_);
    glGenTextures(2, fboTex_);
  }
  for (int i = 0; i < 2; ++i) {
    glBindTexture(GL_TEXTURE_2D, fboTex_[i]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_[i]);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, fboTex_[i], 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  drawBuf_ = 0;
  shownBuf_ = 1;
  direct_ = false;
  glBindFramebuffer(GL_FRAMEBUFFER, fbo_[drawBuf_]);
  // The frame's alpha stays 1: it is a picture, not a layer.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glViewport(0, 0, w, h);
  for (auto& modes : programs_)
    for (Program& p : modes) {
      if (!p.id) continue;
      glUseProgram(p.id);
      glUniform2f(p.frame, static_cast<float>(w), static_cast<float>(h));
      glUniform1f(p.flip, 1.0f);
    }
  usedProgram_ = 0;
}

// Before the first change to a frame that is also the shown picture.
void GLBackend::KeepShownPicture() {
  if (direct_ || drawBuf_ != shownBuf_) return;
  shownBuf_ = 1 - drawBuf_;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo_[drawBuf_]);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, fbo_[shownBuf_]);
  glDisable(GL_SCISSOR_TEST);
  glBlitFramebuffer(0, 0, frameW_, frameH_, 0, 0, frameW_, frameH_, GL_COLOR_BUFFER_BIT,
                    GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, fbo_[drawBuf_]);
  ApplyScissor();
}

bool GLBackend::OpenGraphics(int width, int height, bool fullscreen) {
  if (width <= 0 || height <= 0 || width > maxTexture_ || height > maxTexture_) return false;
  MakeCurrent();
  Flush();
  SetDirect(false);
  // The window is reused: a new mode replaces the old one in place.
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_SetWindowSize(window_, width, height);
  SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  if (fullscreen && SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
    return false;
  SDL_ShowWindow(window_);
  SDL_RaiseWindow(window_);
  if (width != frameW_ || height != frameH_ || !fbo_[0]) AllocFrameTargets(width, height);
  frameW_ = width;
  frameH_ = height;
  open_ = true;
  clipOn_ = false;
  ApplyScissor();
  modifiers_.Reset();
  ChooseSwapInterval();
  return true;
}

void GLBackend::CloseGraphics() {
  if (!open_) return;
  MakeCurrent();
  Flush();
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_HideWindow(window_);
  open_ = false;
}

void GLBackend::ChooseSwapInterval() {
  SDL_DisplayMode mode{};
  int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
  bool sixty = SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate >= 59 &&
               mode.refresh_rate <= 61;
  vsync_ = sixty && SDL_GL_SetSwapInterval(1) == 0 && SwapsWait();
  swapInterval_ = vsync_ ? 1 : 0;
  if (!vsync_) SDL_GL_SetSwapInterval(0);
  vsyncFrames_ = 0;
  vsyncStart_ = SDL_GetPerformanceCounter();
}

// Some drivers accept a swap interval and never wait; a few swaps of a black
// window tell, before the game runs a single unpaced frame.
bool GLBackend::SwapsWait() {
  constexpr int kProbeSwaps = 4;
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClearColor(0, 0, 0, 1);
  uint64_t start = 0;
  for (int i = 0; i < kProbeSwaps; ++i) {
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(window_);
    glFinish();
    if (i == 0) start = SDL_GetPerformanceCounter();
  }
  double ms = (SDL_GetPerformanceCounter() - start) * 1000.0 / SDL_GetPerformanceFrequency();
  glBindFramebuffer(GL_FRAMEBUFFER, DrawTarget());
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  ApplyScissor();
  return ms >= (kProbeSwaps - 1) * kVsyncMinMs;
}

void GLBackend::CheckVsyncWorks() {
  if (!vsync_ || swapInterval_ != 1) return;
  if (++vsyncFrames_ < kVsyncCheckFrames) return;
  double ms = (SDL_GetPerformanceCounter() - vsyncStart_) * 1000.0 / SDL_GetPerformanceFrequency();
  if (ms < kVsyncCheckFrames * kVsyncMinMs) {
    vsync_ = false;
    swapInterval_ = 0;
    SDL_GL_SetSwapInterval(0);
  }
  vsyncFrames_ = 0;
  vsyncStart_ = SDL_GetPerformanceCounter();
}

void GLBackend::ToggleFullscreen() {
  // The picture moves to the frame buffers before the window's buffers change
  // size (and the swap probe below clears them).
  MakeCurrent();
  Flush();
  SetDirect(false);
  bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  ChooseSwapInterval();
}

Letterbox GLBackend::WindowBox() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return Letterbox::Fit(frameW_, frameH_, w, h);
}

// ---------------------------------------------------------------------------
// Texture pages.

int GLBackend::NewPage(int w, int h, bool shared) {
  int index = -1;
  for (size_t i = 0; i < pages_.size(); ++i)
    if (!pages_[i].tex) index = static_cast<int>(i);
  if (index < 0) {
    index = static_cast<int>(pages_.size());
    pages_.emplace_back();
  }
  Page& p = pages_[index];
  p = Page();
  p.w = w;
  p.h = h;
  p.shared = shared;
  p.tex = NewTextureName();
  if (shared) ResetShelves(p);
  RebindBatchPage();
  return index;
}

// A page takes its memory when the first picture is written to it, and an
// atlas page only the rows its pictures reach, doubling as they grow: the
// driver clears a new texture's memory, and a whole page for the first
// screen's few pictures costs a noticeable part of the start.
void GLBackend::EnsureStored(int index, int rows) {
  Page& p = pages_[index];
  if (!p.tex || p.storedH >= rows) return;
  int want = p.h;
  if (p.shared) {
    want = std::max(kFirstPageRows, p.storedH);
    while (want < rows && want < p.h) want *= 2;
    want = std::min(want, p.h);
  }
  Flush();
  if (p.storedH == 0) {
    glBindTexture(GL_TEXTURE_2D, p.tex);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, p.w, want, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    if (p.shared) {
      uint8_t white[kWhiteBlock * kWhiteBlock * 4];
      std::memset(white, 255, sizeof white);
      glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kWhiteBlock, kWhiteBlock, GL_RGBA, GL_UNSIGNED_BYTE,
                      white);
    }
  } else {
    // A taller texture takes the rows so far; pictures keep their places.
    GLuint taller = NewTextureName();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, p.w, want, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    GLint readBound = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readBound);
    if (!copyFbo_) glGenFramebuffers(1, &copyFbo_);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, copyFbo_);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, p.tex, 0);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, p.w, p.storedH);
    glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readBound));
    glDeleteTextures(1, &p.tex);
    p.tex = taller;
  }
  p.storedH = want;
  RebindBatchPage();
}

GLuint GLBackend::NewTextureName() {
  GLuint tex = 0;
  glGenTextures(1, &tex);
  glBindTexture(GL_TEXTURE_2D, tex);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  return tex;
}

int GLBackend::RowsOf(const Image& img) const {
  const Page& p = pages_[img.page];
  return p.shared ? img.pageY - kPagePad + img.sheetH + 2 * kPagePad : p.h;
}

void GLBackend::RebindBatchPage() {
  glBindTexture(GL_TEXTURE_2D, batchPage_ >= 0 && batchPage_ < static_cast<int>(pages_.size())
                                   ? pages_[batchPage_].tex
                                   : 0);
}

void GLBackend::ResetShelves(Page& p) {
  p.shelves.clear();
  p.freed.clear();
  // The white block sits at the start of the first shelf.
  p.shelves.push_back({0, kWhiteBlock, kWhiteBlock});
  p.nextShelfY = kWhiteBlock;
}

bool GLBackend::PlaceOnSharedPage(int w, int h, int* page, int* x, int* y) {
  for (size_t i = 0; i < pages_.size(); ++i) {
    Page& p = pages_[i];
    if (!p.tex || !p.shared) continue;
    // A freed place that fits without wasting more than half of it.
    auto fit = p.freed.end();
    for (auto it = p.freed.begin(); it != p.freed.end(); ++it)
      if (it->w >= w && it->h >= h && it->w * it->h <= 2 * w * h &&
          (fit == p.freed.end() || it->w * it->h < fit->w * fit->h))
        fit = it;
    if (fit != p.freed.end()) {
      *page = static_cast<int>(i);
      *x = fit->x;
      *y = fit->y;
      p.freed.erase(fit);
      return true;
    }
    // The lowest shelf that takes the sheet without wasting more than half its
    // height; otherwise a new shelf below the others.
    Shelf* best = nullptr;
    for (Shelf& s : p.shelves)
      if (s.h >= h && s.h <= h + h / 2 + 2 && s.x + w <= p.w && (!best || s.h < best->h)) best = &s;
    if (!best && p.nextShelfY + h <= p.h) {
      p.shelves.push_back({p.nextShelfY, h, 0});
      p.nextShelfY += h;
      best = &p.shelves.back();
    }
    if (!best) continue;
    *page = static_cast<int>(i);
    *x = best->x;
    *y = best->y;
    best->x += w;
    return true;
  }
  return false;
}

void GLBackend::UploadImage(Image& img) {
  if (img.sheetW <= 0 || img.sheetH <= 0) return;
  int padW = img.sheetW + 2 * kPagePad, padH = img.sheetH + 2 * kPagePad;
  // The cut-scenes' full-screen pictures get textures of their own as well:
  // on a shared page each would grow it by half its height at once, and they
  // are seldom drawn among many others.
  bool own = (img.flags & IMG_DYNAMIC) || padW > kPageSize || padH > kTallPicture;
  bool placed = img.page >= 0 && img.page < static_cast<int>(pages_.size()) && pages_[img.page].tex;
  // A picture waits for its first draw to take a place on a page: placed at
  // load time, the catalogue's pictures would spread over every page, each
  // page a run draws from would take its memory, and the fonts would fill a
  // page before the first screen, which shows no text.
  if (!placed && !own) {
    img.page = -1;
    img.placeWaits = true;
    img.textureFilled = false;
    return;
  }
  MakeCurrent();
  Flush();
  if (!placed) {
    if (img.sheetW > maxTexture_ || img.sheetH > maxTexture_) return;
    img.page = NewPage(img.sheetW, img.sheetH, false);
    img.pageX = img.pageY = 0;
    ++pages_[img.page].users;
  }
  img.placeWaits = false;
  // A loaded picture's pixels are read at its first draw (FillTexture);
  // until then its place stays empty.
  img.textureFilled = false;
  if (img.pixelsLoaded) WriteTexture(img);
}

bool GLBackend::HasPlace(Image& img) {
  if (img.page >= 0 && img.page < static_cast<int>(pages_.size()) && pages_[img.page].tex)
    return true;
  if (!img.placeWaits) return false;
  // Placed as if its pixels were there; FillTexture reads them next.
  int padW = img.sheetW + 2 * kPagePad, padH = img.sheetH + 2 * kPagePad;
  int page = 0, x = 0, y = 0;
  if (!PlaceOnSharedPage(padW, padH, &page, &x, &y)) {
    Flush();
    NewPage(kPageSize, kPageSize, true);
    if (!PlaceOnSharedPage(padW, padH, &page, &x, &y)) return false;
  }
  img.page = page;
  img.pageX = x + kPagePad;
  img.pageY = y + kPagePad;
  ++pages_[page].users;
  img.placeWaits = false;
  img.textureFilled = false;
  return true;
}

void GLBackend::FillTexture(Image& img) {
  EnsureStored(img.page, RowsOf(img));
  bool had = img.pixelsLoaded;
  // A file gone since the start draws as nothing, and is not read again.
  if (had || EnsurePixels(&img)) WriteTexture(img);
  img.textureFilled = true;
  if (!had && !(img.flags & IMG_DYNAMIC)) {
    std::vector<uint8_t>().swap(img.pixels);
    img.pixelsLoaded = false;
  }
}

void GLBackend::WriteTexture(Image& img) {
  int padW = img.sheetW + 2 * kPagePad, padH = img.sheetH + 2 * kPagePad;
  Flush();
  EnsureStored(img.page, RowsOf(img));
  Page& p = pages_[img.page];
  glBindTexture(GL_TEXTURE_2D, p.tex);
  if (p.shared) {
    PaddedPremultiplied(img, &scratch_);
    glTexSubImage2D(GL_TEXTURE_2D, 0, img.pageX - kPagePad, img.pageY - kPagePad, padW, padH,
                    GL_RGBA, GL_UNSIGNED_BYTE, scratch_.data());
  } else {
    // Own textures clamp at their edges already; no padding.
    scratch_.assign(static_cast<size_t>(img.sheetW) * img.sheetH * 4, 0);
    if (img.pixelsLoaded && img.pixels.size() >= scratch_.size())
      for (size_t i = 0; i < scratch_.size(); i += 4) {
        unsigned a = img.pixels[i + 3];
        for (int c = 0; c < 3; ++c)
          scratch_[i + c] = static_cast<uint8_t>((img.pixels[i + c] * a + 127) / 255);
        scratch_[i + 3] = static_cast<uint8_t>(a);
      }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, img.sheetW, img.sheetH, GL_RGBA, GL_UNSIGNED_BYTE,
                    scratch_.data());
  }
  RebindBatchPage();
  img.textureFilled = true;
}

void GLBackend::ReleaseImage(Image& img) {
  img.placeWaits = false;
  if (img.page < 0 || img.page >= static_cast<int>(pages_.size())) return;
  MakeCurrent();
  Flush();
  Page& p = pages_[img.page];
  if (p.tex && p.shared)
    p.freed.push_back({img.pageX - kPagePad, img.pageY - kPagePad, img.sheetW + 2 * kPagePad,
                       img.sheetH + 2 * kPagePad});
  if (p.tex && --p.users <= 0) {
    if (p.shared) {
      ResetShelves(p);
      p.users = 0;
    } else {
      glDeleteTextures(1, &p.tex);
      p = Page();
      if (batchPage_ == img.page) batchPage_ = -1;
    }
  }
  img.page = -1;
}

// ---------------------------------------------------------------------------
// The batch.

int ShaderModeOf(int blend) {
  switch (blend) {
    case BLEND_SOLID:
      return kModeSolid;
    case BLEND_ALPHA:
    case BLEND_LIGHT:
      return kModeBlended;
    case BLEND_SHADE:
      return kModeShade;
    default:
      return kModeMasked;  // masked, and any number the game does not use
  }
}

void GLBackend::ApplyBlend(int blend) {
  if (blend == appliedBlend_) return;
  appliedBlend_ = blend;
  switch (blend) {
    case BLEND_ALPHA:
      glEnable(GL_BLEND);
      glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
      break;
    case BLEND_LIGHT:
      glEnable(GL_BLEND);
      glBlendFunc(GL_ONE, GL_ONE);
      break;
    case BLEND_SHADE:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      break;
    default:
      glDisable(GL_BLEND);
      break;
  }
}

void GLBackend::Flush() {
  if (quads_ == 0) return;
  int vertices = quads_ * 4;
  int capacity = kBatchQuads * 4;
  // Stream each batch after the previous one and orphan the buffer only when
  // it is full, so the driver never waits for a draw still reading it.
  if (vboWriteVertex_ + vertices > capacity) {
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(capacity * sizeof(Vertex)), nullptr,
                 GL_STREAM_DRAW);
    vboWriteVertex_ = 0;
  }
  glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(vboWriteVertex_ * sizeof(Vertex)),
                  static_cast<GLsizeiptr>(vertices * sizeof(Vertex)), batch_.data());
  const Page& page = pages_[batchPage_];
  glBindTexture(GL_TEXTURE_2D, page.tex);
  ApplyBlend(batchBlend_);
  int mode = ShaderModeOf(batchBlend_), nearest = batchNearest_ ? 1 : 0;
  // The same source built at the start: a failure here would be the driver's.
  if (!BuildProgram(mode, nearest)) {
    quads_ = 0;
    return;
  }
  const Program& prog = programs_[mode][nearest];
  if (prog.id != usedProgram_) {
    glUseProgram(prog.id);
    usedProgram_ = prog.id;
  }
  glUniform2f(prog.invPage, 1.0f / page.w, 1.0f / std::max(page.storedH, 1));
  glDrawElementsBaseVertex(GL_TRIANGLES, quads_ * 6, GL_UNSIGNED_SHORT, nullptr, vboWriteVertex_);
  vboWriteVertex_ += vertices;
  quads_ = 0;
}

void GLBackend::Quad(const Image* img, const QuadVertex v[4], uint8_t r, uint8_t g, uint8_t b,
                     float alpha, int blend) {
  if (!open_) return;
  int page;
  float ox = 0, oy = 0;
  bool nearest = batchNearest_;  // untextured quads sample white either way
  if (img) {
    if (!HasPlace(const_cast<Image&>(*img))) return;
    // The texture is the backend's own copy of the picture; filling it on
    // the first draw changes nothing the caller can see.
    if (!img->textureFilled) FillTexture(const_cast<Image&>(*img));
    page = img->page;
    ox = static_cast<float>(img->pageX);
    oy = static_cast<float>(img->pageY);
    nearest = !(img->flags & IMG_FILTERED);
  } else {
    // Any atlas page has the white block: keep the batch's page if it can.
    page = batchPage_ >= 0 && pages_[batchPage_].shared ? batchPage_ : 0;
    EnsureStored(page, kWhiteBlock);
  }
  if (!direct_ && drawBuf_ == shownBuf_) KeepShownPicture();
  backModified_ = true;
  if (page != batchPage_ || blend != batchBlend_ || nearest != batchNearest_ ||
      quads_ == kBatchQuads) {
    Flush();
    batchPage_ = page;
    batchBlend_ = blend;
    batchNearest_ = nearest;
  }

  // Unturned, unscaled quads move to whole pixels, so tiles drawn at a
  // fractional camera position meet without seams or shimmer.
  float dx = 0, dy = 0;
  bool axisAligned =
      std::fabs(v[0].y - v[1].y) < kSnapEpsilon && std::fabs(v[2].y - v[3].y) < kSnapEpsilon &&
      std::fabs(v[0].x - v[3].x) < kSnapEpsilon && std::fabs(v[1].x - v[2].x) < kSnapEpsilon;
  if (axisAligned) {
    bool unscaled =
        !img ||
        (std::fabs(std::fabs(v[1].x - v[0].x) - std::fabs(v[1].u - v[0].u)) < kSnapEpsilon &&
         std::fabs(std::fabs(v[3].y - v[0].y) - std::fabs(v[3].v - v[0].v)) < kSnapEpsilon);
    if (unscaled) {
      dx = std::floor(v[0].x + 0.5f) - v[0].x;
      dy = std::floor(v[0].y + 0.5f) - v[0].y;
    }
  }

  float u0, v0, u1, v1;
  if (img) {
    u0 = std::min({v[0].u, v[1].u, v[2].u, v[3].u}) + ox;
    u1 = std::max({v[0].u, v[1].u, v[2].u, v[3].u}) + ox;
    v0 = std::min({v[0].v, v[1].v, v[2].v, v[3].v}) + oy;
    v1 = std::max({v[0].v, v[1].v, v[2].v, v[3].v}) + oy;
  } else {
    u0 = v0 = 1;
    u1 = v1 = kWhiteBlock - 1;
  }
  uint8_t a = static_cast<uint8_t>(std::lround(std::clamp(alpha, 0.0f, 1.0f) * 255));
  Vertex* out = &batch_[static_cast<size_t>(quads_) * 4];
  for (int i = 0; i < 4; ++i) {
    Vertex& o = out[i];
    o.x = v[i].x + dx;
    o.y = v[i].y + dy;
    if (img) {
      o.u = v[i].u + ox;
      o.v = v[i].v + oy;
    } else {
      o.u = o.v = kWhiteBlock / 2.0f;
    }
    o.u0 = u0, o.v0 = v0, o.u1 = u1, o.v1 = v1;
    o.r = r, o.g = g, o.b = b, o.a = a;
  }
  ++quads_;
}

void GLBackend::ApplyScissor() {
  if (clipOn_) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(clipX_, direct_ ? frameH_ - clipY_ - clipH_ : clipY_, clipW_, clipH_);
  } else {
    glDisable(GL_SCISSOR_TEST);
  }
}

void GLBackend::SetViewport(int x, int y, int w, int h) {
  bool on = w > 0 && h > 0;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (on) {
    x0 = std::clamp(x, 0, frameW_);
    y0 = std::clamp(y, 0, frameH_);
    x1 = std::clamp(x + w, 0, frameW_);
    y1 = std::clamp(y + h, 0, frameH_);
    // A viewport covering the whole frame clips nothing.
    if (x0 == 0 && y0 == 0 && x1 == frameW_ && y1 == frameH_) on = false;
  }
  if (on == clipOn_ &&
      (!on || (x0 == clipX_ && y0 == clipY_ && x1 - x0 == clipW_ && y1 - y0 == clipH_)))
    return;
  Flush();
  clipOn_ = on;
  clipX_ = x0, clipY_ = y0, clipW_ = x1 - x0, clipH_ = y1 - y0;
  if (open_) ApplyScissor();
}

void GLBackend::Clear(uint8_t r, uint8_t g, uint8_t b) {
  if (!open_) return;
  Flush();
  backModified_ = true;
  if (!direct_ && drawBuf_ == shownBuf_) {
    // The whole frame is about to be overwritten: draw into the other buffer
    // instead of copying the shown picture out of this one.
    drawBuf_ = 1 - shownBuf_;
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_[drawBuf_]);
  }
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  ApplyScissor();
}

void GLBackend::Grab(Image& img, int frame, int x, int y) {
  if (!open_ || frame < 0 || frame >= img.Frames()) return;
  MakeCurrent();
  if (!HasPlace(img)) return;
  // The rest of the sheet must be there before part of it is painted over.
  if (!img.textureFilled) FillTexture(img);
  Flush();
  const CellRect& c = img.cells[frame];
  // Only the part of the rectangle inside the frame is copied.
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + c.w, frameW_), y1 = std::min(y + c.h, frameH_);
  if (x1 <= x0 || y1 <= y0) return;
  int w = x1 - x0, h = y1 - y0;
  int cx = c.x + (x0 - x), cy = c.y + (y0 - y);
  int px = img.pageX + cx, py = img.pageY + cy;
  if (direct_) {
    // The window's rows run bottom up: the copy turns them over.
    if (!copyFbo_) glGenFramebuffers(1, &copyFbo_);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, copyFbo_);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           pages_[img.page].tex, 0);
    glDisable(GL_SCISSOR_TEST);
    glBlitFramebuffer(x0, frameH_ - y1, x1, frameH_ - y0, px, py + h, px + w, py,
                      GL_COLOR_BUFFER_BIT, GL_NEAREST);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, 0, 0);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    ApplyScissor();
  } else {
    glBindTexture(GL_TEXTURE_2D, pages_[img.page].tex);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, px, py, x0, y0, w, h);
  }
  RebindBatchPage();
  if (img.pixelsLoaded && img.pixels.size() >= static_cast<size_t>(img.sheetW) * img.sheetH * 4) {
    scratch_.resize(static_cast<size_t>(w) * h * 4);
    glReadPixels(x0, direct_ ? frameH_ - y1 : y0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, scratch_.data());
    for (int row = 0; row < h; ++row) {
      uint8_t* dst = &img.pixels[(static_cast<size_t>(cy + row) * img.sheetW + cx) * 4];
      int from = direct_ ? h - 1 - row : row;
      std::memcpy(dst, &scratch_[static_cast<size_t>(from) * w * 4], static_cast<size_t>(w) * 4);
      for (int i = 0; i < w; ++i) dst[i * 4 + 3] = 255;
    }
  }
}

// ---------------------------------------------------------------------------
// Showing frames.

// On a software rasterizer, copying the frame into the window is a pass over
// every pixel, about a millisecond at 800 by 600: when the window shows the
// frame one to one, the frame is drawn straight into the window's back
// buffer instead. That buffer must then still hold the shown picture after a
// swap (drawing on without a clear, showing again, screenshots); drivers
// that copy on swap do, and a few pixels compared across every swap tell if
// one does not, which ends the direct drawing for the run.
void GLBackend::ShowFrame() {
  int outW = 0, outH = 0;
  SDL_GL_GetDrawableSize(window_, &outW, &outH);
  // The window changed size under a directly drawn frame: back to copying.
  if (direct_ && (outW != frameW_ || outH != frameH_)) SetDirect(false);
  if (swapInterval_ != ((syncAsked_ && vsync_) ? 1 : 0)) {
    swapInterval_ = (syncAsked_ && vsync_) ? 1 : 0;
    SDL_GL_SetSwapInterval(swapInterval_);
  }
  if (direct_) {
    uint32_t before = CornerSum();
    SDL_GL_SwapWindow(window_);
    CheckVsyncWorks();
    if (CornerSum() != before) directFailed_ = true;
  } else {
    Letterbox box = Letterbox::Fit(frameW_, frameH_, outW, outH);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo_[shownBuf_]);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glViewport(0, 0, outW, outH);
    // Only bars need clearing; on software GL a clear the blit covers anyway
    // costs a whole extra pass over the window.
    if (box.x != 0 || box.y != 0 || box.w != outW || box.h != outH) {
      glClearColor(0, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
    }
    // Whole multiples stay crisp; anything else is smoothed.
    bool whole = box.w % frameW_ == 0 && box.h % frameH_ == 0;
    int top = outH - box.y, bottom = outH - box.y - box.h;
    glBlitFramebuffer(0, 0, frameW_, frameH_, box.x, top, box.x + box.w, bottom,
                      GL_COLOR_BUFFER_BIT, whole ? GL_NEAREST : GL_LINEAR);
    SDL_GL_SwapWindow(window_);
    CheckVsyncWorks();
    glBindFramebuffer(GL_FRAMEBUFFER, fbo_[drawBuf_]);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glViewport(0, 0, frameW_, frameH_);
    ApplyScissor();
  }
  // Only with nothing in progress: the back buffer receives the shown picture.
  if (direct_ || drawBuf_ == shownBuf_)
    SetDirect(softwareGl_ && windowReadable_ && !directFailed_ && outW == frameW_ &&
              outH == frameH_);
}

// Four pixels of the window's back buffer, to see whether a swap kept it.
uint32_t GLBackend::CornerSum() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  uint32_t sum = 0;
  const int xs[2] = {0, frameW_ - 1}, ys[2] = {0, frameH_ - 1};
  for (int x : xs)
    for (int y : ys) {
      uint8_t px[4] = {};
      glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
      sum = sum * 31 + (px[0] | px[1] << 8 | px[2] << 16);
    }
  return sum;
}

// Moves the shown picture between the window's back buffer and the frame
// buffers, turned over (the window's rows run bottom up), and points the
// drawing at the new place.
void GLBackend::SetDirect(bool on) {
  if (on == direct_ || !fbo_[0]) return;
  Flush();
  glDisable(GL_SCISSOR_TEST);
  if (on) {
    CopyFrameTurnedOver(fbo_[shownBuf_], 0);
  } else {
    drawBuf_ = shownBuf_ = 0;
    CopyFrameTurnedOver(0, fbo_[0]);
  }
  direct_ = on;
  backModified_ = false;
  ApplyTarget();
}

// The whole frame from one framebuffer to another, upside down: between the
// window (rows bottom up) and a frame buffer (rows top down).
void GLBackend::CopyFrameTurnedOver(GLuint from, GLuint to) {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, from);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, to);
  glBlitFramebuffer(0, 0, frameW_, frameH_, 0, frameH_, frameW_, 0, GL_COLOR_BUFFER_BIT,
                    GL_NEAREST);
}

// Points the drawing at the frame buffer or the window, with the programs'
// rows turned to match.
void GLBackend::ApplyTarget() {
  glBindFramebuffer(GL_FRAMEBUFFER, DrawTarget());
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glViewport(0, 0, frameW_, frameH_);
  for (auto& modes : programs_)
    for (Program& p : modes) {
      if (!p.id) continue;
      glUseProgram(p.id);
      glUniform1f(p.flip, direct_ ? -1.0f : 1.0f);
    }
  usedProgram_ = 0;
  ApplyScissor();
}

// Showing again, or saving, the shown picture after the back buffer was drawn
// on (the game does neither today, but the layer promises both): the frame in
// progress goes to one frame buffer, the picture on the screen, read back from
// the display server, to the other, and drawing goes on there until the next
// present.
void GLBackend::RescueShownPicture() {
  Flush();
  glDisable(GL_SCISSOR_TEST);
  CopyFrameTurnedOver(0, fbo_[0]);
  if (ReadWindowPixels(window_, frameW_, frameH_, &scratch_)) {
    glBindTexture(GL_TEXTURE_2D, fboTex_[1]);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, frameW_, frameH_, GL_RGBA, GL_UNSIGNED_BYTE,
                    scratch_.data());
    RebindBatchPage();
  }
  drawBuf_ = 0;
  shownBuf_ = 1;
  direct_ = false;
  backModified_ = false;
  ApplyTarget();
}

void GLBackend::Present(bool sync) {
  if (!open_) return;
  MakeCurrent();
  Flush();
  syncAsked_ = sync;
  shownBuf_ = drawBuf_;
  backModified_ = false;
  ShowFrame();
}

void GLBackend::PresentAgain() {
  if (!open_) return;
  MakeCurrent();
  Flush();
  if (direct_ && backModified_) RescueShownPicture();
  ShowFrame();
}

bool GLBackend::Screenshot(const std::string& pngPath) {
  if (!fbo_[0]) return false;
  MakeCurrent();
  Flush();
  if (direct_ && backModified_) RescueShownPicture();
  std::vector<uint8_t> rgba(static_cast<size_t>(frameW_) * frameH_ * 4);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, direct_ ? 0 : fbo_[shownBuf_]);
  glReadPixels(0, 0, frameW_, frameH_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  glBindFramebuffer(GL_FRAMEBUFFER, DrawTarget());
  if (direct_) {
    size_t row = static_cast<size_t>(frameW_) * 4;
    for (int y = 0; y < frameH_ / 2; ++y)
      std::swap_ranges(rgba.begin() + y * row, rgba.begin() + (y + 1) * row,
                       rgba.begin() + (frameH_ - 1 - y) * row);
  }
  for (size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  return WritePng(pngPath, frameW_, frameH_, rgba.data());
}

// ---------------------------------------------------------------------------
// Input.

void GLBackend::MovePointer(int x, int y) {
  if (open_) {
    int wx = 0, wy = 0;
    WindowBox().ToWindow(frameW_, frameH_, x, y, &wx, &wy);
    SDL_WarpMouseInWindow(window_, wx, wy);
  }
  InjectMouseMove(x, y);
}

int MouseButton(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 3;
    default:
      return 0;
  }
}

bool GLBackend::PumpEvents() {
  bool alive = true;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (HandleGamepadEvent(e)) continue;
    switch (e.type) {
      case SDL_QUIT:
        alive = false;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) alive = false;
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) InjectFocus(false);
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) InjectFocus(true);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        bool down = e.type == SDL_KEYDOWN;
        SDL_Scancode sc = e.key.keysym.scancode;
        bool enter = sc == SDL_SCANCODE_RETURN || sc == SDL_SCANCODE_KP_ENTER;
        if (enter && (e.key.keysym.mod & KMOD_ALT)) {
          if (down && !e.key.repeat) ToggleFullscreen();
          break;  // the game never sees Alt+Enter
        }
        if (down) {
          // Held keys repeat typed characters, not presses.
          if (int ch = ControlCharFromSdl(sc)) InjectChar(ch);
          if (e.key.repeat) break;
        }
        int vk = VirtualKeyFromSdl(sc, e.key.keysym.sym);
        if (!vk) break;
        InjectKey(vk, down);
        if (int shared = modifiers_.SharedChange(vk, down)) InjectKey(shared, down);
        break;
      }
      case SDL_TEXTINPUT: {
        // UTF-8 to Latin-1: the game's text is bytes 0-255; other letters are
        // dropped rather than turned into stray bytes.
        const unsigned char* s = reinterpret_cast<const unsigned char*>(e.text.text);
        while (*s) {
          unsigned cp = *s;
          int extra = cp >= 0xF0 ? 3 : cp >= 0xE0 ? 2 : cp >= 0xC0 ? 1 : 0;
          cp = extra == 0 ? cp : cp & (0x3F >> extra);
          ++s;
          for (int i = 0; i < extra && (*s & 0xC0) == 0x80; ++i, ++s) cp = (cp << 6) | (*s & 0x3F);
          if (cp >= 32 && cp <= 255 && cp != 127) InjectChar(static_cast<int>(cp));
        }
        break;
      }
      case SDL_MOUSEMOTION: {
        int fx = 0, fy = 0;
        WindowBox().ToFrame(frameW_, frameH_, e.motion.x, e.motion.y, &fx, &fy);
        InjectMouseMove(fx, fy);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (int button = MouseButton(e.button.button))
          InjectMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN);
        break;
      default:
        break;
    }
  }
  return alive;
}

}  // namespace

std::unique_ptr<Backend> MakeGLBackend() {
  auto backend = std::make_unique<GLBackend>();
  if (!backend->Start()) return nullptr;
  return backend;
}
