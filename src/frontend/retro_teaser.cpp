#include "frontend/retro_teaser.h"

#include "frontend/scene_kit.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/settings.h"

namespace {

constexpr float kFrameFade = 0.005f;  // the TV frame's alpha, lost every frame
constexpr float kLampX = 736, kLampY = 590;
constexpr int kGreyTint = 128;

enum TeaserStep {
  kFrameFading = 0,
  kSpoof = 1,
  kSpoofGrey = 2,
  kDark = 3,
  kTitle = 4,
  kLevelCard = 5
};
constexpr int kStepMs[] = {2000, 3000, 500, 1000, 0, 2000};

class RetroTeaser : public Scene {
 public:
  RetroTeaser() {
    frame_ = tv_.Load("TV_Screen");
    lamp_ = tv_.Load("TV_On");
    spoof_ = pictures_.LoadCentred("spoof");
    title_ = pictures_.Load("retro_title");
    pressSpace_ = pictures_.LoadCentred("pressspace");
    levelCard_ = pictures_.LoadCentred("level11");
  }

 protected:
  void Play() override {
    int s = steps.step;
    if (s == kTitle) {
      if (SpaceHit) steps.Next();
    } else if (steps.Passed(kStepMs[s])) {
      if (s == kLevelCard) {
        Finish();
        return;
      }
      steps.Next();
      if (steps.step == kTitle) PlayMusic(MusicId::Retro);
    }
    s = steps.step;
    if (s == kSpoof) DrawPicture(spoof_, 400, 300);
    if (s == kSpoofGrey) {
      SetColor(kGreyTint, kGreyTint, kGreyTint);
      DrawPicture(spoof_, 400, 300);
      SetColor(255, 255, 255);
    }
    if (s == kTitle) {
      DrawPicture(title_, 0, 0);
      DrawPicture(pressSpace_, 400, 470);
    }
    if (s == kLevelCard) DrawPicture(levelCard_, 400, 300);
    if (s <= kSpoofGrey && frameAlpha_ > 0) {
      DrawPicture(frame_, 0, 0, frameAlpha_);
      DrawPicture(lamp_, kLampX, kLampY, frameAlpha_);
      frameAlpha_ -= kFrameFade;
    }
  }

  void Leave() override {
    GameState = GameStateId::Level;
    LevelId = LevelIds::Retro;
  }

 private:
  ScenePictures pictures_{"Intro_Retro"};
  ScenePictures tv_{"Intro_Chan"};
  Image* frame_ = nullptr;
  Image* lamp_ = nullptr;
  Image* spoof_ = nullptr;
  Image* title_ = nullptr;
  Image* pressSpace_ = nullptr;
  Image* levelCard_ = nullptr;
  float frameAlpha_ = 1.0f;
};

}  // namespace

void RunRetroTeaser() {
  RetroTeaser teaser;
  RunScene(teaser);
}
