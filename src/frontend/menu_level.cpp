#include "frontend/menu_level.h"

#include "frontend/menu_buttons.h"

#include "entities/active_objects.h"
#include "entities/entity.h"
#include "player/player_sprite.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/screen_loop.h"
#include "world/settings.h"
#include "world/sky.h"
#include "world/area.h"
#include "world/tile_map.h"
#include "world/title_card.h"
#include "entities/screen_shake.h"

namespace {

class MenuScreen : public Screen {
 public:
  bool Running() const override { return GameState == GameStateId::Level; }
  // Escape's fade ends the game.
  void FadedOut() override {
    GameState = GameStateId::Quit;
    LevelId = 5;
  }

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
    PlayerPhysicsStep();
    ActiveObjectPasses();
    ParticlePass();
    CameraStep();
    DrawTileLayers();
    CommonDrawPass();
    DrawPlayerSimple();
    DrawParticles();
    UpdateMusicFade();
    // The menu's rooms, buttons and doors are still to come: until then
    // Space walks straight onto the world map.
    SetOrigin(0, 0);
    SetScale(1, 1);
    SetAlpha(1);
    SetColor(255, 255, 255);
    SetImageFont(FontSmall);
    DrawText("Boingle - Space: world map, Escape: quit", 240, 560);
    if (SpaceHit && FadeAlpha == 0) GameState = GameStateId::WorldMap;
    if (EscapeHit && FadeAlpha == 0) FadeAlpha = 0.01f;
    UpdateTitleCard();
    DrawTitleCard();
  }
};

}  // namespace

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
  // The buttons stand in the menu level only: left in place, a bounce at
  // their spots in any other level would change the volumes.
  BuildMenuButtons();
  MenuScreen menu;
  RunScreen(menu);
  MenuButtonList.clear();
  ResetLevel();
}
