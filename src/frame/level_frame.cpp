// The level frame: the fixed order in which every subsystem steps and draws
// once per frame.
#include <cstdio>

#include "entities/light_zone.h"
#include "entities/message_point.h"
#include "entities/screen_shake.h"
#include "entities/tv_zone.h"
#include "world/assets.h"
#include "frame/game_loop.h"
#include "enemies/enemy_pass.h"
#include "world/screen_loop.h"
#include "entities/entity.h"
#include "entities/level_completion.h"
#include "world/game_state.h"
#include "frame/hud.h"
#include "frame/pause_menu.h"
#include "entities/active_objects.h"
#include "entities/items.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/tile_map.h"
#include "world/settings.h"
#include "world/title_card.h"
#include "world/particles.h"
#include "player/console.h"
#include "player/player_health.h"
#include "player/player_sprite.h"
#include "player/pogo_physics.h"
#include "world/player_state.h"
#include "present/present.h"
#include "world/area.h"
#include "world/sky.h"

namespace {

// The whole level frame, in its fixed order; the screen loop clears, reads
// the keys, draws the fade-out and presents around it.
class LevelScreen : public Screen {
 public:
  explicit LevelScreen(std::FILE* trace) : trace_(trace) {}

  bool HoldsInput() const override { return MessagePointOpen() || ConsoleIsOpen(); }
  bool Running() const override { return LevelExitCode == ExitCode::Running; }
  void FadedOut() override { LevelExitCode = PendingExitCode; }

  void Background() override {
    DrawSky(AreaIndex);
    SetBlend(BLEND_ALPHA);
    SetColor(255, 255, 255);
    SetAlpha(1);
    float sx = 0, sy = 0;
    ScreenShakeStep(&sx, &sy);
    SetOrigin(sx, sy);
  }

  void Step() override {
    // The console's keys belong to it: a blank typed into a command must not
    // close a message box or answer the end of the level as well.
    if (ConsoleIsOpen()) SpaceHit = 0;
    LightZonesStep();
    if (AreaIndex != Area::Retro) {
      if (PlayerState < 2) {
        PlayerPhysicsStep();
        PlayerFollowUpStep();
      }
      if (PlayerState == 2) PlayerDyingStep();
    } else {
      RetroPlayerStep();
      if (P_X > 500 && P_Y > 300) LevelExitCode = ExitCode::RetroLeft;
    }
    AnimationClockStep();
    WarpBoxStep();
    ActiveObjectPasses();
    ItemPass();
    UpdateEnemies();
    ParticlePass();
    BlockBitPass();
    CameraStep();
    DrawTileLayers();
    CommonDrawPass();
    if (AreaIndex != Area::Retro) {
      AnimatePlayer();
      DrawPlayer();
    } else {
      DrawPlayerRetro();
    }
    DrawParticles();
    DrawWater();
    TimerGatesStep();
    TickLevelTime();
    RollScore();
    LevelEndStep();
    MessagePointsStep();
    if (AreaIndex != Area::Retro && AreaIndex != Area::Tutorial) DrawHud();
    UpdateMusicFade();
    TVZonesStep();
    if (ConsoleIsOpen()) ConsoleFrame();
    ConsoleCheckOpenKey();
    // A window that loses its focus pauses the level where Escape would; in
    // the retro area, where Escape leaves, it does nothing.
    bool focusLost = TakeFocusLoss();
    if (AreaIndex == Area::Retro) {
      if (EscapeHit) LevelExitCode = ExitCode::RetroLeft;
    } else if ((EscapeHit || focusLost) && FadeAlpha == 0 && PlayerState < 2 && !ConsoleIsOpen()) {
      EscapeHit = 0;
      OpenPauseMenu();
      TakeFocusLoss();  // lost again while the menu was up: no second menu
    }
    UpdateTitleCard();
    DrawTitleCard();
    if (trace_) std::fprintf(trace_, "%ld %.2f %.2f\n", FramesPresented(), P_X, P_Y);
  }

 private:
  std::FILE* trace_;
};

}  // namespace

void RunLevelFrames() {
  RestoreMusicVolume();
  PlayMusic(CurrentLevelMusic());
  ResetLevelTime();
  ScoreShown = Score;
  MusicFadeMode = 22;
  FadeAlpha = 0;
  TitleState = 0;
  TitleAlpha = 0;
  TitleTime = Millisecs();
  LevelExitCode = ExitCode::Running;
  PlayerState = 0;
  LoadLevelCompletionRecord();
  Health = 5;
  TakeFocusLoss();  // a loss on an earlier screen is no reason to pause this one

  // --trace: the hero's way through the level, for the level picture. A run
  // that ends in the middle of a level (the frame budget) still leaves every
  // line written so far.
  std::FILE* trace = Options.traceFile.empty() ? nullptr : std::fopen(Options.traceFile.c_str(), "a");
  LevelScreen level(trace);
  try {
    RunScreen(level);
  } catch (...) {
    if (trace) std::fclose(trace);
    throw;
  }
  if (trace) std::fclose(trace);
  StoreBestTimes();
  InputLocked = 0;
  EscapeHit = 0;
}
