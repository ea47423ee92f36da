// Start and end of the presentation layer, the frame boundary (Flip) with its
// 60 Hz pacing, and the graphics-mode calls.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <thread>

#include "present/backend.h"
#include "present/present_internal.h"
#include "present/sound_output.h"

RunOptions Options;

void EndFrameRecords();  // draw.cpp

namespace {

std::unique_ptr<Backend> g_backend;
long g_frames = 0;
int g_gfxW = 0, g_gfxH = 0;
std::vector<void (*)()> g_endHooks;
bool g_endHooksRan = false;

using Clock = std::chrono::steady_clock;
Clock::time_point g_deadline;
bool g_deadlineSet = false;
constexpr auto kFramePeriod = std::chrono::nanoseconds(16666667);

// Keeps the loop at 60 steps a second where the display does not: sleep to the
// next deadline; when far behind (a slow machine), start counting afresh
// instead of racing to catch up.
void PaceFrame() {
  auto now = Clock::now();
  if (!g_deadlineSet) {
    g_deadline = now + kFramePeriod;
    g_deadlineSet = true;
    return;
  }
  if (now < g_deadline) {
    std::this_thread::sleep_until(g_deadline);
    g_deadline += kFramePeriod;
  } else if (now - g_deadline > 6 * kFramePeriod) {
    g_deadline = now + kFramePeriod;
  } else {
    g_deadline += kFramePeriod;
  }
}

void (*g_frameHook)() = nullptr;

void EndOfFrame() {
  if (!Options.headless && !g_backend->PacedByDisplay()) PaceFrame();
  ++g_frames;
  SoundFrameTick();
  DeliverScriptEvents(g_frames);
  if (g_frameHook) g_frameHook();
  // After the script's events, so that F12 at frame N shoots frame N.
  TakeNotedScreenshot();
  if (Options.frameBudget >= 0 && g_frames >= Options.frameBudget) EndRun(0);
}

}  // namespace

Backend& CurrentBackend() {
  if (!g_backend) g_backend = MakeHeadlessBackend();
  return *g_backend;
}

int VirtualMillisecs() { return static_cast<int>(g_frames * 1000 / 60); }

bool StartPresentation() {
  if (Options.headless) {
    g_backend = MakeHeadlessBackend();
    SetRecordDraws(true);
  } else {
    g_backend = MakeGLBackend();
    if (!g_backend) {
      std::cerr << "boingle: no display to open a window on (try --headless)\n";
      return false;
    }
  }
  g_frames = 0;
  g_deadlineSet = false;
  g_endHooksRan = false;
  ResetInput();
  if (!Options.scriptFile.empty()) {
    std::string error;
    if (!LoadInputScript(Options.scriptFile, &error)) {
      std::cerr << "boingle: " << error << "\n";
      return false;
    }
  }
  if (Options.seeded) SeedRnd(Options.seed);
  DeliverScriptEvents(0);
  StartSoundOutput();
  return true;
}

void StopPresentation() {
  StopSoundOutput();
  if (g_backend) g_backend->CloseGraphics();
}

void EndProcess(int exitCode) {
  // What anyone reads afterwards is written and the window is gone; the
  // rest (the driver's context, SDL's device watcher, every picture and
  // sound in memory) the system takes back faster than we could hand it
  // back piece by piece. Under the address sanitizer the process ends the
  // long way, so that its leak check still runs.
  if (kUnderAddressSanitizer) {
    StopPresentation();
    std::exit(exitCode);
  }
  CloseSoundDevice();
  if (g_backend) g_backend->CloseGraphics();
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(exitCode);
}

void EndRun(int exitCode) { throw EndOfRun{exitCode}; }

void AtEndOfRun(void (*fn)()) { g_endHooks.push_back(fn); }

void RunEndOfRunHooks() {
  if (g_endHooksRan) return;
  g_endHooksRan = true;
  for (auto fn : g_endHooks) fn();
}

void SetWindowTitle(const std::string& title) { CurrentBackend().SetTitle(title); }
void SelectDriver() {}

bool OpenGraphics(int width, int height, int depth, int hertz, int flags) {
  (void)hertz;  // the frame loop paces itself to 60 Hz on any display
  (void)flags;
  if (!CurrentBackend().OpenGraphics(width, height, depth != 0)) return false;
  g_gfxW = width;
  g_gfxH = height;
  ResetDrawState();
  return true;
}

void CloseGraphics() { CurrentBackend().CloseGraphics(); }
int GraphicsWidth() { return g_gfxW; }
int GraphicsHeight() { return g_gfxH; }
int DesktopWidth() { return CurrentBackend().DesktopWidth(); }
int DesktopHeight() { return CurrentBackend().DesktopHeight(); }
int DesktopDepth() { return CurrentBackend().DesktopDepth(); }

void Flip(int sync) {
  EndFrameRecords();
  CurrentBackend().Present(sync != 0);
  EndOfFrame();
}

void WaitFrame() {
  CurrentBackend().PresentAgain();
  EndOfFrame();
}

long FramesPresented() { return g_frames; }
void SetFrameHook(void (*fn)()) { g_frameHook = fn; }
void ShowPointer() { CurrentBackend().ShowPointer(true); }
void HidePointer() { CurrentBackend().ShowPointer(false); }
void MovePointer(int x, int y) { CurrentBackend().MovePointer(x, y); }

bool SaveScreenshot(const std::string& path) {
  std::string real = ResolveWritePath(path);
  if (path.size() && path[0] == '/') real = path;
  return CurrentBackend().Screenshot(real);
}
