#include "present/game_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

// Where an installed game's content lies relative to its binary; the build
// sets it from the install layout it was configured with.
#ifndef BOINGLE_SHARE_FROM_BIN
#define BOINGLE_SHARE_FROM_BIN "../share/boingle"
#endif

namespace {

// Levels and pictures are what every start needs; a folder with both is a
// content folder (the binary alone in a bin/ folder has neither).
bool HoldsContent(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "Levels", ec) && fs::is_directory(dir / "Images", ec);
}

bool Writable(const std::string& dir) {
  return access(dir.c_str(), W_OK) == 0;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
  return ".";
}

}  // namespace

std::string ContentFolderFor(const std::string& exeFolder, const std::string& shareFromBin,
                             bool* installed) {
  *installed = false;
  if (HoldsContent(exeFolder)) return exeFolder;
  fs::path share = fs::path(exeFolder) / shareFromBin;
  if (HoldsContent(share)) {
    *installed = true;
    return share.lexically_normal().string();
  }
  return exeFolder;
}

std::string UserDataFolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  std::string base = xdg && xdg[0] == '/' ? std::string(xdg) : HomeFolder() + "/.local/share";
  return base + "/boingle";
}

GameFolders ChooseGameFolders(const std::string& exeFolder, const std::string& dataDir,
                              const std::string& saveDir) {
  GameFolders f;
  f.data =
      dataDir.empty() ? ContentFolderFor(exeFolder, BOINGLE_SHARE_FROM_BIN, &f.installed) : dataDir;
  if (!saveDir.empty()) {
    f.save = saveDir;
    return f;
  }
  f.save = !f.installed && Writable(f.data) ? f.data : UserDataFolder();
  if (f.save != f.data) {
    std::error_code ec;
    fs::create_directories(f.save, ec);
    if (ec) std::cerr << "boingle: cannot make " << f.save << ": " << ec.message() << "\n";
  }
  return f;
}
