#include "worldmap/world_map.h"

#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/level_loader.h"
#include "world/level_reset.h"
#include "world/music.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/screen_loop.h"
#include "world/settings.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"
#include "worldmap/map_nodes.h"
#include "worldmap/map_stars.h"
#include "worldmap/record_time.h"

std::string MapRecordText[3];

namespace {

constexpr const char* kMapLevelFile = "f_worldmap.doy";
constexpr int kOpeningStars = 25;
constexpr int kStarWaitMin = 600, kStarWaitMax = 1200;
constexpr float kPanelY = 500;

// The record row of the current node (a node number is always a row).
const int* CurrentRecord() {
  int row = CurrentMapNode >= 0 && CurrentMapNode < kLevelRecords ? CurrentMapNode : 0;
  return LevelRecord[row];
}

// The key that counts this frame: the first hit of Up, Down, Left, Right.
bool FirstArrowHit(MapKey* key) {
  const int hits[kMapKeys] = {UpHit, DownHit, LeftHit, RightHit};
  for (int k = 0; k < kMapKeys; ++k)
    if (hits[k]) {
      *key = static_cast<MapKey>(k);
      return true;
    }
  return false;
}

// A slot loaded after another slot's visit can leave the highlight on a level
// this slot has not opened; Space must never enter a locked level.
void KeepCurrentNodeOpen() {
  const TMapNode* current = MapNodeNumbered(CurrentMapNode);
  if (current && current->unlocked) return;
  for (const TMapNode& n : MapNodes)
    if (n.unlocked) {
      CurrentMapNode = n.number;
      return;
    }
}

void DrawPanel() {
  const int* record = CurrentRecord();
  SetScale(1, 1);
  SetRotation(0);
  SetColor(255, 255, 255);
  SetAlpha(0.75f);
  DrawImage(ImgMapGui, 0, kPanelY, 0);
  SetAlpha(1);
  for (int i = MaxHealth - 1; i >= 0; --i)
    DrawImage(i <= Health - 1 ? ImgHeartFull : ImgHeartEmpty, 510.0f + 8 * i, 520, 0);
  for (int i = 0; i < 3; ++i) {
    SetAlpha(record[Record::Statue1 + i] ? 1.0f : 0.1f);
    DrawImage(ImgItemStatue, 20.0f + 50 * i, 540, 0);
  }
  SetAlpha(1);
  SetImageFont(FontSmall);
  SetColor(0, 0, 0);
  DrawText("Records", 300, 510);
  for (int k = 0; k < 3; ++k)
    DrawText(std::to_string(k + 1) + ") " + MapRecordText[k], 300, 530.0f + 22 * k);
  SetColor(255, 255, 255);
  DrawImage(ImgMiscCoin, 510, 540, 0);
  DrawImage(ImgPogoIcon, 510, 560, 0);
  SetColor(0, 0, 0);
  DrawText(" x " + std::to_string(Coins), 530, 544);
  DrawText(" x " + std::to_string(Lives), 530, 564);
  DrawText(MapPanelName, 20, 520);
  SetColor(255, 255, 255);
}

class WorldMapScreen : public Screen {
 public:
  WorldMapScreen() {
    fadeIn.alpha = 1.0f;
    starTimer_.Start(Rand(kStarWaitMin, kStarWaitMax));
  }

  bool Running() const override { return GameState == GameStateId::WorldMap; }

  void FadedOut() override {
    if (leaving_ == MapLeaving::ToMenu) {
      GameState = GameStateId::Menu;
      LevelId = 0;
    } else {
      GameState = GameStateId::Level;
      LevelIndex = CurrentMapNode;
      LevelId = kMapLevelBase + CurrentMapNode;
    }
  }

  void Background() override {
    SetOrigin(0, 0);
    SetBlend(BLEND_ALPHA);
    SetScale(1, 1);
    SetRotation(0);
    SetAlpha(1);
    SetColor(8, 8, 32);  // the night sky round the map
    DrawRect(0, 0, 800, 600);
    SetColor(255, 255, 255);
  }

  void Step() override {
    if (starTimer_.Passed()) {
      AddMapStar(true);
      starTimer_.Start(Rand(kStarWaitMin, kStarWaitMax));
    }
    UpdateMusicFade();
    MapStarsStep();
    SetAlpha(1);
    SetScale(1, 1);
    SetRotation(0);
    CameraStepForMap();
    DrawTileLayers();
    bool moved = MoveAlongLinks();
    for (const TMapNode& n : MapNodes) {
      n.Draw();
      n.ShowName();
    }
    if (!moved && (UpHit || DownHit || LeftHit || RightHit)) PlaySfx(Sfx::WorldmapNo, 0);
    Leave();
    DrawPanel();
  }

 private:
  // One move a frame, from the current node: a link to a locked level is a
  // move that stays (its sound says the way exists); no link is no move.
  bool MoveAlongLinks() {
    TMapNode* current = MapNodeNumbered(CurrentMapNode);
    if (!current) return false;
    MapFocusX = static_cast<float>(current->x);
    MapFocusY = static_cast<float>(current->y);
    MapKey key;
    if (!FirstArrowHit(&key)) return false;
    int to = current->Link(key);
    if (to == 0) return false;
    const TMapNode* next = MapNodeNumbered(to);
    if (next && next->unlocked) CurrentMapNode = to;
    FillMapRecordTexts();
    PlaySfx(Sfx::WorldmapMove, 0);
    return true;
  }

  // Escape and Space start the fade once: pressed again while it runs they
  // would restart it for ever, and a second music fade would take the
  // already lowered volume for the player's setting.
  void Leave() {
    if (FadeAlpha != 0) return;
    bool escape = EscapeHit > 0, space = SpaceHit > 0;
    if (space) {
      const TMapNode* current = MapNodeNumbered(CurrentMapNode);
      if (!current || !current->unlocked) {
        PlaySfx(Sfx::WorldmapNo, 0);
        space = false;
      }
    }
    if (escape) {
      leaving_ = MapLeaving::ToMenu;
      FadeAlpha = 0.01f;
    }
    if (space) {
      leaving_ = MapLeaving::IntoLevel;
      FadeAlpha = 0.01f;
      StartMusicFadeOut();
    }
  }

  Timer starTimer_;
  MapLeaving leaving_ = MapLeaving::ToMenu;
};

}  // namespace

void FillMapRecordTexts() {
  for (int k = 0; k < 3; ++k)
    MapRecordText[k] = FormatRecordTime(CurrentRecord()[Record::BestTime + k]);
}

void RunWorldMap() {
  SetImageFont(FontSmall);
  RefreshMapUnlocks();
  KeepCurrentNodeOpen();
  SaveSlot(CurrentSlot);
  RestoreMusicVolume();
  MusicFadeMode = 0;
  PlayMusic(MusicId::Worldmap);
  SetAlpha(1);
  LoadLevel(kMapLevelFile);
  MapStars.clear();
  for (int i = 0; i < kOpeningStars; ++i) AddMapStar(false);
  FadeAlpha = 0;
  FillMapRecordTexts();
  // The view opens on the current node rather than gliding in from the
  // map's corner; from here on it eases from node to node.
  if (const TMapNode* current = MapNodeNumbered(CurrentMapNode)) {
    MapFocusX = static_cast<float>(current->x);
    MapFocusY = static_cast<float>(current->y);
    MapPanelName = current->name;
  }
  CameraX = MapFocusX - kViewWidth / 2;
  CameraY = MapFocusY - kViewHeight / 2;

  WorldMapScreen map;
  RunScreen(map);
  ResetLevel();
  FadeAlpha = 0;
}
