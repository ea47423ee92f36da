#include "frame/startup.h"

#include <string>
#include <vector>

#include "entities/screen_shake.h"
#include "frame/game_wiring.h"
#include "worldmap/map_nodes.h"

#include <iostream>
#include <string>

#include "world/assets.h"
#include "world/game_state.h"
#include "world/save_game.h"
#include "present/music_library.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "present/state_dump.h"
#include "present/present.h"

// Which kind of display this run opened (the stored choice may differ).
BOINGLE_STATE_VALUE(Windowed, Windowed);

namespace {

// The music library's own output numbers for the four choices.
int MusicOutputFor(int choice) {
  switch (choice) {
    case 1: return 2;  // DirectSound
    case 2: return 1;  // Windows multimedia waveout
    case 3: return 7;  // ASIO
    case 4: return 0;  // no music
    default: return -1;
  }
}

}  // namespace

void AskSoundOutput() {
  if (SoundOutputType == 0) {
    const std::string dashes(57, '-');
    const char* lines[9] = {dashes.c_str(),
                            "Output Type (1 recommended)",
                            dashes.c_str(),
                            "1 - Direct Sound",
                            "2 - Windows Multimedia Waveout",
                            "3 - ASIO",
                            "4 - No Music",
                            dashes.c_str(),
                            "Press a corresponding number or ESC to quit"};
    for (int i = 0; i < 9; ++i) DrawText(lines[i], 0, 12.0f * i);
    // The three outputs are names from another platform; here every one of
    // them is the one SDL device, and the player should know the choice
    // that matters is music or none.
    DrawText("On Linux 1, 2 and 3 all play through the same SDL output", 0, 12.0f * 9);
    Flip(1);
    int choice = 0;
    while (choice == 0) {
      // Tested in order, so the highest number hit in one poll wins.
      for (int n = 1; n <= 4; ++n)
        if (KeyHit('0' + n)) choice = n;
      if (KeyHit(VK_ESCAPE)) EndRun(0);
      if (choice == 0) WaitFrame();
    }
    SoundOutputType = choice;
  }
  int output = MusicOutputFor(SoundOutputType);
  if (output < 0) {
    std::cerr << "boingle: " << kSettingsFile << " holds sound output type " << SoundOutputType
              << ", which is none of 1-4; delete " << kSettingsFile << " to choose again\n";
    EndRun(1);
  }
  FSOUND_SetOutput(output);
  FSOUND_SetDriver(0);
  if (FSOUND_Init(44100, 32, 1) == 0) PrintLine("error");
  Cls();
  FlushKeys();
}

void AskViewingMode() {
  // A value written by something else than the game counts as not chosen.
  if (ViewingMode != 1 && ViewingMode != 2) ViewingMode = 0;
  // --windowed and --fullscreen choose for this run only: ViewingMode, which
  // config.dat receives, keeps the stored choice (or its absence, so that a
  // later run without the option still asks).
  if (Options.viewingMode == 0 && ViewingMode == 0) {
    std::string message;
    while (ViewingMode == 0) {
      SetColor(255, 255, 255);
      DrawText("Please select a viewing mode", 4, 4);
      DrawText("1) Windowed 800,600", 4, 20);
      DrawText("2) Fullscreen 800,600", 4, 36);
      DrawText(message, 4, 68);
      int c = GetKey();
      if (c == '1' || c == 'a') ViewingMode = 1;
      else if (c == '2' || c == 'b') ViewingMode = 2;
      else if (c > 0) message = "Plonker! Try again! :B";
      if (KeyHit(VK_ESCAPE)) EndRun(0);
      Flip(1);
      Cls();
    }
  }
  SelectDriver();
  int mode = Options.viewingMode != 0 ? Options.viewingMode : ViewingMode;
  if (mode == 1) {
    OpenGraphics(800, 600, 0, 60, 0);
    Windowed = 1;
  } else {
    OpenGraphics(800, 600, DesktopDepth(), 60, 0);
  }
  // The game clock starts near 0 at every launch, so seeded from it every
  // window run would play the same few sequences; a headless run keeps its
  // virtual clock and so repeats.
  if (Options.seeded)
    SeedRnd(Options.seed);
  else if (Options.headless)
    SeedRnd(Millisecs());
  else
    SeedRnd(WallClockMillis());
}

void ChooseFirstState() {
  std::string joined;
  for (const auto& a : Options.levelArgs) joined += a;
  if (!joined.empty()) {
    CommandLineLevel = joined;
    GameState = GameStateId::Level;
    LevelId = LevelIds::CommandLine;
  } else if (Options.firstState == GameStateId::WorldMap ||
             Options.firstState == GameStateId::LevelList) {
    // Straight onto the map or the level list, past the scenes and the menu,
    // playing in the scratch slot: no player's slot is touched, and the
    // scratch progress carries from one such run to the next.
    StartSlot(0);
    GameState = Options.firstState;
  } else {
    GameState = IntroSeen ? GameStateId::TitleSplash : GameStateId::TvIntro;
  }
  SetSfxVolume(SoundVolume);
  SetMusicVolume(MusicVolume);
}

void StartUp() {
  SetWindowTitle("Boingle");
  HidePointer();
  EnsureSettings();
  // The small window is for the first start's two questions; a start that
  // has its answers goes straight to the game's own mode.
  bool viewingUnasked = Options.viewingMode == 0 && ViewingMode != 1 && ViewingMode != 2;
  if (SoundOutputType == 0 || viewingUnasked) OpenGraphics(640, 480, 0, 60, 0);
  SetDefaultImageFlags(IMG_FILTERED);
  SetBlend(BLEND_ALPHA);
  AskSoundOutput();
  AskViewingMode();
  SetBlend(BLEND_ALPHA);
  SetMaskColor(255, 0, 255);
  std::vector<std::string> notices = LoadCatalogue();
  StopScreenShake();
  BuildMapNodes();
  // A table left unfilled is a mistake in the build, not in the content: say
  // which, rather than let a level run with an object kind or a hook missing.
  for (const std::string& missing : MissingWiring()) notices.push_back("Not wired in: " + missing);
  ShowNotices(notices);
}
