// F12 in any screen: the picture on show goes into a PNG beside the saves,
// named by the date and time, and one line says where. Handled here, where
// keys come in, so every loop of the game has it without knowing of it.
#include <ctime>
#include <iostream>

#include "present/present_internal.h"

namespace {

bool g_asked = false;

// boingle-YYYYMMDD-HHMMSS.png, with -2, -3 ... for more shots in one second.
std::string FreeShotName() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  std::string base = std::string("boingle-") + stamp;
  std::string name = base + ".png";
  for (int n = 2; FileType(UserFile(name)) != 0; ++n)
    name = base + "-" + std::to_string(n) + ".png";
  return UserFile(name);
}

}  // namespace

void NoteScreenshotKey() {
  g_asked = true;
}
void ForgetScreenshotKey() {
  g_asked = false;
}

void TakeNotedScreenshot() {
  if (!g_asked) return;
  g_asked = false;
  if (Options.headless) {
    PrintLine("boingle: no screenshot: a headless run draws no pixels");
    return;
  }
  std::string path = FreeShotName();
  if (SaveScreenshot(path))
    PrintLine("boingle: screenshot saved to " + path);
  else
    std::cerr << "boingle: could not write the screenshot " << path << "\n";
}
