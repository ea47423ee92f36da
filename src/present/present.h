// The presentation layer: every draw, sound, key, tick and file of the game
// goes through these immediate-mode operations.
//
// The drawing state (colour, alpha, blend, rotation, scale, origin, viewport,
// font) is global and sticky, as the game expects. Two backends sit behind
// it: the real one (SDL2 window + OpenGL 3.3) and the headless one (no window;
// every draw is recorded with its full state; a virtual clock). Handles are
// plain pointers owned by the layer; a null handle (a missing file) draws and
// plays nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Constants of the game's own numbering.

// Blend modes.
constexpr int BLEND_MASKED = 1;
constexpr int BLEND_SOLID = 2;
constexpr int BLEND_ALPHA = 3;
constexpr int BLEND_LIGHT = 4;  // additive: source times alpha added
constexpr int BLEND_SHADE = 5;  // multiplicative

// Image load flags.
constexpr int IMG_MASKED = 1;
constexpr int IMG_FILTERED = 2;
constexpr int IMG_MIPMAPPED = 4;
constexpr int IMG_DYNAMIC = 8;
constexpr int IMG_DEFAULT_FLAGS = -1;

// Virtual-key codes (the settings file stores these).
constexpr int VK_BACKSPACE = 8;
constexpr int VK_TAB = 9;
constexpr int VK_ENTER = 13;
constexpr int VK_SHIFT = 16;
constexpr int VK_CONTROL = 17;
constexpr int VK_ESCAPE = 27;
constexpr int VK_SPACE = 32;
constexpr int VK_LEFT = 37;
constexpr int VK_UP = 38;
constexpr int VK_RIGHT = 39;
constexpr int VK_DOWN = 40;
constexpr int VK_F1 = 112;
constexpr int VK_F12 = 123;  // the screenshot key of every screen; the game never sees it
constexpr int VK_LCONTROL = 162;
constexpr int VK_LALT = 164;
constexpr int VK_OEM_3 = 192;  // the key left of 1 on a US keyboard

// ---------------------------------------------------------------------------
// Handles.

struct CellRect {
  int x, y, w, h;  // in the pixels of the image's sheet
};

struct Image {
  std::string path;
  int width = 0, height = 0;  // one frame
  float handleX = 0, handleY = 0;
  int flags = 0;
  std::vector<CellRect> cells;  // one per frame
  // The whole sheet, RGBA8, straight alpha. Loaded pictures decode lazily:
  // for their first draw (dropped again once on the graphics card) or for a
  // caller who asks for their pixels. Made pictures keep them.
  int sheetW = 0, sheetH = 0;
  std::vector<uint8_t> pixels;
  bool pixelsLoaded = false;
  // Backend data: which texture page and where the sheet sits in it. A
  // loaded picture takes its place at its first draw (page stays -1 until
  // then, with placeWaits set), so what a run draws packs onto few pages.
  int page = -1;
  int pageX = 0, pageY = 0;
  bool placeWaits = false;
  bool textureFilled = false;  // its place holds its pixels (filled at first draw)
  uint32_t generation = 0;  // bumped when pixels change (grab)
  int Frames() const { return static_cast<int>(cells.size()); }
};

struct Glyph {
  int cell = -1;  // cell of the font's atlas image, -1 for an empty glyph
  float offX = 0, offY = 0;  // from the pen position (top of the line) to the bitmap
  float advance = 0;
};

struct Font {
  std::string path;
  int size = 0;
  int height = 0;  // line height in pixels
  Glyph glyphs[256];
  Image* atlas = nullptr;  // owned by the layer
};

struct Sound;  // decoded sample, owned by the mixer

// ---------------------------------------------------------------------------
// Run set-up (called by main before anything else).

struct RunOptions {
  bool headless = false;
  std::string scriptFile;
  long frameBudget = -1;  // --frames
  std::string screenshotFile;
  std::string stateFile;
  bool seeded = false;
  uint32_t seed = 0;
  std::string dataDir;  // where content is read from
  std::string saveDir;  // where settings, saves and dumps are written
  std::string mixdownFile;  // headless: write the mix, 735 samples per frame
  std::string traceFile;    // the hero's place every level frame ("frame x y")
  int viewingMode = 0;  // --windowed 1, --fullscreen 2; 0: the stored choice
  int firstState = -1;  // --map 2, --level-list 6; -1: the game's own first screen
  std::vector<std::string> levelArgs;  // everything that is not ours
};

extern RunOptions Options;

// Starts the chosen backend and the sound output. Returns false when the
// layer cannot run at all (no video driver for the real backend).
bool StartPresentation();
void StopPresentation();
// Ends the process after a run: the sound device closed, the window hidden,
// the output flushed, then the exit code.
[[noreturn]] void EndProcess(int exitCode);

// Thrown to end the run from anywhere (frame budget, Escape at a prompt, Quit
// to OS); caught by main, which writes the state dump and the screenshot.
struct EndOfRun {
  int exitCode = 0;
};
[[noreturn]] void EndRun(int exitCode = 0);

// Hooks that run when the run ends, however it ends (state dump, screenshot).
void AtEndOfRun(void (*fn)());
// Called at the end of every presented frame, after the script's events:
// tools that drive the game frame by frame (the route finder) hook in here.
void SetFrameHook(void (*fn)());
void RunEndOfRunHooks();

// ---------------------------------------------------------------------------
// Graphics and frame.

void SetWindowTitle(const std::string& title);
void SelectDriver();  // the OpenGL 2-D driver; nothing to choose here
bool OpenGraphics(int width, int height, int depth, int hertz, int flags);
void CloseGraphics();
int GraphicsWidth();
int GraphicsHeight();
int DesktopWidth();
int DesktopHeight();
int DesktopDepth();
void Cls();
// Shows the back buffer. Paces the loop to 60 steps a second, counts the frame,
// delivers the input script's events for it and ends the run at the budget.
void Flip(int sync = 1);
// Presents the unchanged picture again: one frame of a loop that waits.
void WaitFrame();
long FramesPresented();
void ShowPointer();
void HidePointer();
void MovePointer(int x, int y);
bool SaveScreenshot(const std::string& path);  // real backend only

// Drawing state.
void SetColor(int r, int g, int b);
void SetAlpha(float a);
void SetBlend(int mode);
void SetRotation(float degrees);
void SetScale(float sx, float sy);
void SetOrigin(float x, float y);
void SetViewport(int x, int y, int w, int h);
void SetLineWidth(float w);
void SetMaskColor(int r, int g, int b);
void SetClsColor(int r, int g, int b);
void SetImageFont(Font* font);

struct DrawState {
  int r = 255, g = 255, b = 255;
  float alpha = 1;
  int blend = BLEND_MASKED;
  float rotation = 0;
  float scaleX = 1, scaleY = 1;
  float originX = 0, originY = 0;
  int viewX = 0, viewY = 0, viewW = 0, viewH = 0;  // 0 size: whole screen
  float lineWidth = 1;
  int maskR = 0, maskG = 0, maskB = 0;
  int clsR = 0, clsG = 0, clsB = 0;
  Font* font = nullptr;
};
const DrawState& CurrentDrawState();
void ResetDrawState();

// Images.
void SetDefaultImageFlags(int flags);
Image* LoadImage(const std::string& path, int flags = IMG_DEFAULT_FLAGS);
Image* LoadAnimImage(const std::string& path, int cellW, int cellH, int first, int count,
                     int flags = IMG_DEFAULT_FLAGS);
Image* CreateImage(int width, int height, int frames = 1, int flags = IMG_DEFAULT_FLAGS);
void GrabImage(Image* img, int x, int y, int frame = 0);
void FreeImage(Image* img);
void SetImageHandle(Image* img, float x, float y);
void MidHandleImage(Image* img);
int ImageWidth(const Image* img);
int ImageHeight(const Image* img);
// Loads the sheet's pixels if they are not in memory yet (headless keeps only
// sizes until asked).
bool EnsurePixels(Image* img);
void DrawImage(const Image* img, float x, float y, int frame = 0);
// Draws part of a frame (for nine-slice and strips drawn in pieces).
void DrawImageRect(const Image* img, float x, float y, int sx, int sy, int sw, int sh, int frame = 0);

// Primitives and text.
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2);
// A one-pixel outline whose lines include their last pixels.
void DrawBox(float x, float y, float w, float h);
void DrawOval(float x, float y, float w, float h);
Font* LoadFont(const std::string& path, int size, int style = 4);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// ---------------------------------------------------------------------------
// What was drawn: the headless backend records every draw call of a frame.

enum class DrawKind { Image, Rect, Line, Oval, Text, Clear, Grab };

struct DrawRecord {
  DrawKind kind;
  const Image* image = nullptr;  // Image and Grab
  int frame = 0;
  float x = 0, y = 0;  // the position passed in (before origin)
  float w = 0, h = 0;  // rect and oval size, or the line's second point
  std::string text;
  DrawState state;
  float corners[8] = {};  // screen corners of the whole quad, clockwise from top-left
};

// Records of the frame being drawn, and of the last presented frame.
const std::vector<DrawRecord>& CurrentDraws();
const std::vector<DrawRecord>& LastFrameDraws();
void SetRecordDraws(bool on);

// ---------------------------------------------------------------------------
// Input. Every query first processes the platform's pending events.

int KeyHeld(int key);  // 1 while the key is held
int KeyHit(int key);
void FlushKeys();
int WaitKey();
int GetKey();  // next typed character, 0 when none
int WaitChar();
int MouseX();
int MouseY();
int MouseHeld(int button);
int MouseHit(int button);

// Fed by the backends and by the input script.
void InjectKey(int key, bool down);
void InjectChar(int c);
void InjectMouseMove(int x, int y);
void InjectMouseButton(int button, bool down);
void PumpEvents();

// Window focus, reported by the window and by the input script alike. Losing
// it lets go of every held key (their releases go to another window) and
// holds all sound until it comes back.
void InjectFocus(bool focused);
bool WindowFocused();
// True once for every loss of focus since the last call; a loop that acts on
// focus loss asks every frame, and asks once before its first frame so that
// a loss from an earlier screen is not taken for a new one.
bool TakeFocusLoss();

// Reads an input script (frame-numbered events); false with a message on error.
bool LoadInputScript(const std::string& file, std::string* error);
void DeliverScriptEvents(long frame);

// ---------------------------------------------------------------------------
// Sound (the effect mixer; music goes through the music library).

Sound* LoadSound(const std::string& path, int flags = 0);
// Starts decoding these files on a thread of their own, once per run, so the
// decoding goes on while the window and the driver start; LoadSound of one of
// them takes its result (waiting for it if need be) and behaves as if it had
// decoded the file itself.
void PrefetchSounds(const std::vector<std::string>& paths);
int AllocChannel();
// Stops a channel and gives its number back for a later AllocChannel.
void FreeChannel(int channel);
int PlaySound(Sound* sound, int channel = 0);
void StopChannel(int channel);
void SetChannelVolume(int channel, float volume);
void SetChannelRate(int channel, float rate);
int ChannelPlaying(int channel);
bool SoundOutputOpen();

// ---------------------------------------------------------------------------
// Clock, random numbers, maths in degrees.

int Millisecs();
// Milliseconds of the calendar clock: a seed that differs from run to run
// (the game clock starts near 0 at every launch).
int64_t WallClockMillis();
void SeedRnd(int64_t seed);
float Rnd(float min, float max);  // uniform in [min, max)
int Rand(int min, int max);       // uniform over min..max inclusive
float SinD(float degrees);
float CosD(float degrees);
float ATan2D(float y, float x);

// ---------------------------------------------------------------------------
// Files. "\" and "/" are one separator; names match without regard to case.
// Relative paths are read from the save folder first, then the data folder;
// writes go to the save folder.

struct File;  // an open file
File* ReadFile(const std::string& path);
File* WriteFile(const std::string& path);  // created or truncated
void CloseFile(File* f);
int32_t ReadInt(File* f);
void WriteInt(File* f, int32_t v);
std::string ReadLine(File* f);
void WriteLine(File* f, const std::string& line);
bool Eof(File* f);
bool FlushFile(File* f);  // to disk (fsync)

int FileType(const std::string& path);  // 0 none, 1 file, 2 folder
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// Lets a complete, flushed file `fresh` take the name `name`: the old file is
// `backup` until the new one has its name, and comes back if it cannot take
// it. False, with `fresh` removed, when the swap could not be made.
bool ReplaceWithNewFile(const std::string& fresh, const std::string& name, const std::string& backup);
bool CreateEmptyFile(const std::string& path);
// Why the last failed write, flush or rename failed ("No space left on
// device"), for telling the player.
std::string LastFileError();
// One line on standard error, the first time only for each path: "could not
// write PATH (why); CONSEQUENCE". The game goes on.
void SayCannotWrite(const std::string& path, const std::string& consequence);
// One line on standard error, the first time only for each path: "PATH is
// missing" or "PATH is broken" (there but unreadable), then the consequence.
void NameBrokenContent(const std::string& path, const std::string& consequence);
std::vector<std::string> ReadDir(const std::string& path);  // "." and ".." first
// The real path a game path resolves to for reading ("" when none exists).
std::string ResolveReadPath(const std::string& path);
// The real path to write a game path to (parent folders resolved by case).
std::string ResolveWritePath(const std::string& path);
void PrintLine(const std::string& text);
// The path of a file the game writes for itself (settings, save slots, dumps):
// always in the save folder, never found in the data folder instead.
std::string UserFile(const std::string& name);

// Whole-file helpers for the decoders.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>* bytes);
