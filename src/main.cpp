// Boingle's entry point: the run options, then start-up and the game-state
// loop. However the run ends, the state dump and screenshot asked for are
// written.
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <unistd.h>
#include <iostream>
#include <string>

#include "frame/game_loop.h"
#include "frame/startup.h"
#include "present/state_dump.h"
#include "world/game_state.h"
#include "world/sound_effects.h"
#include "present/game_folders.h"
#include "present/present.h"

namespace {

void PrintHelp() {
  std::cout <<
      "Usage: boingle [options] [level file]\n"
      "Plays the game; given a level file name (all other arguments joined),\n"
      "plays that level of Levels/ and hands it back to the level editor.\n"
      "\n"
      "  --headless         no window: draws are recorded, the clock is virtual\n"
      "  --script FILE      input script (frame-numbered key events)\n"
      "  --frames N         end the run after N presented frames\n"
      "  --screenshot FILE  PNG of the last presented frame (window runs)\n"
      "  --state FILE       JSON of the main globals, written when the run ends\n"
      "  --seed N           seed the random generator with N, not the clock\n"
      "  --data DIR         the folder to read content from\n"
      "  --save-dir DIR     where settings, save slots, dumps and F12 screenshots go\n"
      "  --mixdown FILE     headless: write the sound mix to a WAV, 735 samples a frame\n"
      "  --trace FILE       write the hero's place every level frame (for tools/levelpic)\n"
      "  --map              start on the world map in the scratch slot (game0.dat)\n"
      "  --level-list       start on the developer level list: click a level file to play it\n"
      "  --windowed, --fullscreen\n"
      "                     this run in a window or full screen; config.dat keeps its choice\n"
      "  --help, --version\n";
}

std::string ExeFolder(const char* argv0) {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  std::string p = n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string(argv0);
  size_t slash = p.rfind('/');
  return slash == std::string::npos ? std::string(".") : p.substr(0, slash);
}

// Parses the options; returns -1 to go on, else the exit code.
int ParseOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto value = [&](const char* what) -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "boingle: " << a << " needs " << what << "\n";
        std::exit(2);
      }
      return argv[++i];
    };
    auto number = [&](const char* what) -> long {
      std::string v = value(what);
      char* end = nullptr;
      long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end) {
        std::cerr << "boingle: " << a << " needs " << what << ", not \"" << v << "\"\n";
        std::exit(2);
      }
      return n;
    };
    if (a == "--help" || a == "-h") {
      PrintHelp();
      return 0;
    } else if (a == "--version") {
      std::cout << "boingle " << BOINGLE_VERSION << "\n";
      return 0;
    } else if (a == "--headless") {
      Options.headless = true;
    } else if (a == "--script") {
      Options.scriptFile = value("a file");
    } else if (a == "--frames") {
      Options.frameBudget = number("a frame count");
    } else if (a == "--screenshot") {
      // From where the program was started, like --state and --script (the
      // game's own file calls would put a relative name in the save folder).
      Options.screenshotFile = std::filesystem::absolute(value("a file")).string();
    } else if (a == "--state") {
      Options.stateFile = value("a file");
    } else if (a == "--seed") {
      Options.seeded = true;
      Options.seed = static_cast<uint32_t>(number("a number"));
    } else if (a == "--data") {
      Options.dataDir = value("a folder");
    } else if (a == "--save-dir") {
      Options.saveDir = value("a folder");
    } else if (a == "--windowed") {
      Options.viewingMode = 1;
    } else if (a == "--fullscreen") {
      Options.viewingMode = 2;
    } else if (a == "--trace") {
      Options.traceFile = value("a file");
    } else if (a == "--map") {
      Options.firstState = GameStateId::WorldMap;
    } else if (a == "--level-list") {
      Options.firstState = GameStateId::LevelList;
    } else if (a == "--mixdown") {
      Options.mixdownFile = value("a file");
    } else if (a.rfind("--", 0) == 0) {
      std::cerr << "boingle: unknown option " << a << " (see --help)\n";
      return 2;
    } else {
      Options.levelArgs.push_back(a);
    }
  }
  if (Options.firstState >= 0 && !Options.levelArgs.empty()) {
    std::cerr << "boingle: a level file name and --map or --level-list cannot go together\n";
    return 2;
  }
  return -1;
}

void WriteRequestedFiles() {
  if (!Options.stateFile.empty() && !WriteStateFile(Options.stateFile))
    std::cerr << "boingle: cannot write " << Options.stateFile << "\n";
  if (!Options.screenshotFile.empty() && !Options.headless && !SaveScreenshot(Options.screenshotFile))
    std::cerr << "boingle: cannot write " << Options.screenshotFile << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  int done = ParseOptions(argc, argv);
  if (done >= 0) return done;
  GameFolders folders = ChooseGameFolders(ExeFolder(argv[0]), Options.dataDir, Options.saveDir);
  Options.dataDir = folders.data;
  Options.saveDir = folders.save;
  // The effects decode on a thread of their own while the window and the
  // driver start.
  PrefetchSoundEffects();
  if (!StartPresentation()) return 1;
  AtEndOfRun(WriteRequestedFiles);
  int code = 0;
  try {
    StartUp();
    ChooseFirstState();
    RunGame();
  } catch (const EndOfRun& end) {
    code = end.exitCode;
  }
  RunEndOfRunHooks();
  EndProcess(code);
}
