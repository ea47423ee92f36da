// The level frame loop and the main menu's frame: the fixed order in which
// every subsystem steps and draws once per frame.
#include "entities/light_zone.h"
#include "entities/message_point.h"
#include "entities/screen_shake.h"
#include "entities/tv_zone.h"
#include "frame/assets.h"
#include "frame/game_loop.h"
#include "entities/entity.h"
#include "entities/level_completion.h"
#include "frame/game_state.h"
#include "frame/hud.h"
#include "frame/pause_menu.h"
#include "frame/pending_steps.h"
#include "frame/settings.h"
#include "frame/title_card.h"
#include "entities/particles.h"
#include "player/console.h"
#include "player/player_health.h"
#include "player/player_sprite.h"
#include "player/pogo_physics.h"
#include "player/player_state.h"
#include "present/present.h"
#include "world/area.h"
#include "world/sky.h"

namespace {

constexpr int kRetroArea = 6;
constexpr int kTutorialArea = 16;
constexpr float kFadeStep = 0.05f;

void BeginFrameDrawing() {
  Cls();
  DrawSky(AreaIndex);
  SetBlend(BLEND_ALPHA);
  SetColor(255, 255, 255);
  SetAlpha(1);
  float sx = 0, sy = 0;
  ScreenShakeStep(&sx, &sy);
  SetOrigin(sx, sy);
}

// Returns true when the fade has just completed.
bool DrawFadeOut() {
  if (FadeAlpha <= 0) return false;
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetAlpha(FadeAlpha);
  SetColor(0, 0, 0);
  DrawRect(0, 0, 800, 600);
  FadeAlpha += kFadeStep;
  return FadeAlpha > 1.0f;
}

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

  while (LevelExitCode == ExitCode::Running) {
    if (MessagePointOpen() || ConsoleIsOpen()) InputLocked = 1;
    BeginFrameDrawing();
    LightZonesStep();
    if (AreaIndex != kRetroArea) {
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
    EnemyPass();
    ParticlePass();
    BlockBitPass();
    CameraStep();
    DrawTileLayers();
    CommonDrawPass();
    if (AreaIndex != kRetroArea) {
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
    if (AreaIndex != kRetroArea && AreaIndex != kTutorialArea) DrawHud();
    UpdateMusicFade();
    TVZonesStep();
    if (ConsoleIsOpen()) ConsoleFrame();
    ConsoleCheckOpenKey();
    // Escape: GatherKeys (in the physics step) has read it this frame. A
    // window that loses its focus pauses the level where Escape would; in
    // the retro area, where Escape leaves, it does nothing.
    bool focusLost = TakeFocusLoss();
    if (AreaIndex == kRetroArea) {
      if (EscapeHit) LevelExitCode = ExitCode::RetroLeft;
    } else if ((EscapeHit || focusLost) && FadeAlpha == 0 && PlayerState < 2 && !ConsoleIsOpen()) {
      EscapeHit = 0;
      OpenPauseMenu();
      TakeFocusLoss();  // lost again while the menu was up: no second menu
    }
    UpdateTitleCard();
    DrawTitleCard();
    if (DrawFadeOut()) LevelExitCode = PendingExitCode;
    Flip(1);
  }
  StoreBestTimes();
  InputLocked = 0;
  EscapeHit = 0;
}

// The menu level's own objects; stands in until the menu is built.
__attribute__((weak)) bool MenuObjectsStep() { return false; }

void RunMenu() {
  LoadLevel("f_menu.doy");
  GameState = GameStateId::Level;
  SetImageFont(FontTiny);
  RestoreMusicVolume();
  PlayMusic(CurrentLevelMusic());
  MusicFadeMode = 22;
  FadeAlpha = 0;
  TitleState = 0;
  TitleAlpha = 0;
  TitleTime = Millisecs();
  PlayerState = 0;
  while (GameState == GameStateId::Level) {
    BeginFrameDrawing();
    PlayerPhysicsStep();
    ActiveObjectPasses();
    ParticlePass();
    CameraStep();
    DrawTileLayers();
    CommonDrawPass();
    bool menuBuilt = MenuObjectsStep();
    DrawPlayerSimple();
    DrawParticles();
    UpdateMusicFade();
    if (!menuBuilt) {
      // Until the menu level has its doors and buttons, Space walks straight
      // onto the world map.
      SetOrigin(0, 0);
      SetScale(1, 1);
      SetAlpha(1);
      SetColor(255, 255, 255);
      SetImageFont(FontSmall);
      DrawText("Boingle - Space: world map, Escape: quit", 240, 560);
      if (SpaceHit && FadeAlpha == 0) GameState = GameStateId::WorldMap;
    }
    if (EscapeHit && FadeAlpha == 0) FadeAlpha = 0.01f;
    UpdateTitleCard();
    DrawTitleCard();
    if (DrawFadeOut()) {
      GameState = GameStateId::Quit;
      LevelId = 5;
    }
    Flip(1);
  }
  ResetLevel();
}
