#include "frontend/menu_level.h"

#include "entities/active_objects.h"
#include "entities/entity.h"
#include "entities/level_completion.h"
#include "entities/message_point.h"
#include "entities/screen_shake.h"
#include "frontend/menu_buttons.h"
#include "frontend/menu_decorations.h"
#include "frontend/menu_door.h"
#include "frontend/menu_rooms.h"
#include "player/player_sprite.h"
#include "player/pogo_physics.h"
#include "present/present.h"
#include "world/area.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/screen_loop.h"
#include "world/settings.h"
#include "world/sky.h"
#include "world/tile_map.h"
#include "world/title_card.h"

namespace {

constexpr const char* kMenuLevel = "f_menu.doy";
// Music fade modes: the menu's start and Escape's fade (neither fades the
// song: the game ends under it).
constexpr int kMenuMusicFade = 22;
constexpr int kQuitMusicFade = 11;

class MenuScreen : public Screen {
 public:
  bool HoldsInput() const override { return MessagePointOpen() != 0; }
  bool Running() const override { return GameState == GameStateId::Level; }
  // Escape's fade ends the game.
  void FadedOut() override {
    GameState = GameStateId::Quit;
    LevelId = GameStateId::Quit;
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
    PlayerPhysicsStep();  // the buttons act from inside it
    ActiveObjectPasses();
    ParticlePass();
    BlockBitPass();
    MenuRoomCameraStep();
    DrawTileLayers();
    CommonDrawPass();
    DrawMenuDecorations();
    DrawPlayerSimple();
    DrawParticles();
    DrawWater();
    LevelEndStep();
    MessagePointsStep();
    DrawMenuButtons();
    MenuDoorStep();
    UpdateMusicFade();
    if (EscapeHit && FadeAlpha == 0) {
      FadeAlpha = 0.01f;
      MusicFadeMode = kQuitMusicFade;
    }
    SetOrigin(0, 0);
    UpdateTitleCard();
    DrawTitleCard();
  }
};

}  // namespace

void RunMenu() {
  if (!LoadLevel(kMenuLevel)) {
    // Without its menu the game has no way to a save slot: say so and end
    // rather than let the hero fall through an empty level for ever.
    ShowNoticesOnScreen({std::string("There is no level file Levels/") + kMenuLevel + ".",
                         "The game cannot show its menu.", "", "Press any key."});
    GameState = GameStateId::Quit;
    return;
  }
  GameState = GameStateId::Level;
  SetImageFont(FontTiny);
  RestoreMusicVolume();
  PlayMusic(CurrentLevelMusic());
  MusicFadeMode = kMenuMusicFade;
  FadeAlpha = 0;
  TitleState = 0;
  TitleAlpha = 0;
  TitleTime = Millisecs();
  PlayerState = 0;
  // The buttons stand in the menu level only: left in place, a bounce at
  // their spots in any other level would change the volumes.
  BuildMenuButtons();
  StartMenuDoor();
  LoadMenuTexts();
  PlaceMenuCamera();
  TakeFocusLoss();  // the menu has no pause: a lost focus means nothing here

  MenuScreen menu;
  RunScreen(menu);

  MenuButtonList.clear();
  InputLocked = 0;
  EscapeHit = 0;
  ResetLevel();
}
