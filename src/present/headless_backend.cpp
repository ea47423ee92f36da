// The headless backend: no window and no GL. Draws are recorded by the common
// layer; this backend only answers the questions a window would.
#include "present/backend.h"

namespace {

class HeadlessBackend : public Backend {
 public:
  const char* Name() const override { return "headless"; }
  void SetTitle(const std::string&) override {}
  bool OpenGraphics(int, int, bool) override { return true; }
  void CloseGraphics() override {}
  int DesktopWidth() override { return 1280; }
  int DesktopHeight() override { return 1024; }
  int DesktopDepth() override { return 32; }
  void ShowPointer(bool) override {}
  void MovePointer(int x, int y) override { InjectMouseMove(x, y); }
  void UploadImage(Image&) override {}
  void ReleaseImage(Image&) override {}
  void Quad(const Image*, const QuadVertex*, uint8_t, uint8_t, uint8_t, float, int) override {}
  void SetViewport(int, int, int, int) override {}
  void Clear(uint8_t, uint8_t, uint8_t) override {}
  void Grab(Image&, int, int, int) override {}
  void Present(bool) override {}
  void PresentAgain() override {}
  bool Screenshot(const std::string&) override { return false; }
  bool PumpEvents() override { return true; }
  bool PacedByDisplay() const override { return true; }
};

}  // namespace

std::unique_ptr<Backend> MakeHeadlessBackend() { return std::make_unique<HeadlessBackend>(); }
