#include "fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "present/present.h"

namespace fs = std::filesystem;

namespace fuzz {

namespace {

std::string MakeScratch() {
  std::string base = fs::is_directory("/dev/shm") ? "/dev/shm" : fs::temp_directory_path().string();
  std::string tmpl = base + "/boingle-fuzz-XXXXXX";
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) {
    std::perror("boingle fuzz: scratch folder");
    std::abort();
  }
  std::string dir = buf.data();
  fs::create_directories(dir + "/data");
  fs::create_directories(dir + "/save");
  // libFuzzer ends a run with exit(), which runs this; a crash leaves the
  // folder behind, which is where its files are wanted anyway.
  static std::string keep = dir;
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(keep, ec);
  });
  return dir;
}

}  // namespace

const std::string& Scratch() {
  static const std::string dir = MakeScratch();
  return dir;
}

std::string DataDir() { return Scratch() + "/data"; }
std::string SaveDir() { return Scratch() + "/save"; }

void WriteBytes(const std::string& path, const uint8_t* data, size_t size) {
  fs::create_directories(fs::path(path).parent_path());
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    std::perror(path.c_str());
    std::abort();
  }
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);
}

void RemoveFile(const std::string& path) { ::unlink(path.c_str()); }

void StartHeadlessGame() {
  static bool started = false;
  if (started) return;
  started = true;
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  Options = RunOptions();
  Options.headless = true;
  Options.dataDir = DataDir();
  Options.saveDir = SaveDir();
  Options.seeded = true;
  Options.seed = 1;
  if (!StartPresentation()) {
    std::fprintf(stderr, "boingle fuzz: the headless layer did not start\n");
    std::abort();
  }
}

}  // namespace fuzz
