#include "frontend/waking_up.h"

#include "entities/tv_zone.h"
#include "frontend/scene_kit.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/sound_effects.h"

namespace {

constexpr int kInterferenceMs = 5000;
constexpr const char* kTvLoop = "Sound\\tvloop.ogg";
constexpr float kHeroX = 215, kHeroY = 255;
constexpr int kHeroFrames = 13;
constexpr float kDimGarden = 0.6f;
constexpr float kFadeOutStep = 0.05f;

enum WakeStep {
  kBreakUp = 0,    // the interference starts
  kStatic = 1,     // ... and shows until it ends
  kAsleep = 2,     // 2000 ms, frame 0
  kWaking = 3,     // 2000 ms, frames up to 4, one every 100 ms
  kReaching = 4,   // 1000 ms at frame 5
  kTapping = 5,    // 1000 ms: tap, draw back, tap
  kLeaningIn = 6,  // 1500 ms, frames up to 11, one every 200 ms
  kStartled = 7,   // 500 ms at frame 12
  kLightning = 8,  // 1000 ms: the garden outside
  kFlash = 9,      // the room flashes and fades to black
};

class WakingUp : public Scene {
 public:
  WakingUp() {
    garden_ = pictures_.Load("garden");
    gardenLit_ = pictures_.Load("garden_high2");
    room_ = pictures_.Load("Room");
    roomFlash_ = pictures_.Load("Roomflash");
    tvGlow_ = pictures_.Load("tv");
    hero_ = pictures_.LoadStrip("quon", 175, 172, kHeroFrames);
  }

 protected:
  void Start() override { StopMusic(); }

  void Play() override {
    Update();
    Draw();
  }

  void Leave() override { GameState = GameStateId::NewWorldIntro; }

 private:
  void Tap() { PlaySfx(Sfx::TvTap, 0); }

  void To(WakeStep s) {
    steps.To(s);
    animStamp_ = Millisecs();
  }

  // One frame more every `ms`, up to `last`.
  bool Animate(int ms, int last) {
    if (frame_ >= last || !MsPassed(animStamp_, ms)) return false;
    animStamp_ = Millisecs();
    frame_ = frame_ == 5 ? 7 : frame_ + 1;
    return true;
  }

  void Update() {
    int ms = steps.Elapsed();
    switch (steps.step) {
      case kBreakUp:
        StartTVOverlay(kInterferenceMs);
        To(kStatic);
        break;
      case kStatic:
        if (!TVOverlayOn) {
          sounds_.Play(kTvLoop, true);
          To(kAsleep);
        }
        break;
      case kAsleep:
        if (steps.Passed(2000)) To(kWaking);
        break;
      case kWaking:
        Animate(100, 4);
        if (steps.Passed(2000)) {
          frame_ = 5;
          To(kReaching);
        }
        break;
      case kReaching:
        if (steps.Passed(1000)) {
          frame_ = 6;
          Tap();
          To(kTapping);
        }
        break;
      case kTapping:
        if (ms > 500) {
          if (frame_ != 6) Tap();
          frame_ = 6;
        } else if (ms > 250) {
          frame_ = 5;
        }
        if (steps.Passed(1000)) To(kLeaningIn);
        break;
      case kLeaningIn:
        if (Animate(200, 11) && frame_ == 11) Tap();
        if (steps.Passed(1500)) {
          frame_ = 12;
          To(kStartled);
        }
        break;
      case kStartled:
        if (steps.Passed(500)) {
          sounds_.Stop(kTvLoop);
          To(kLightning);
        }
        break;
      case kLightning:
        if (ms > 400 && !thunder_) {
          thunder_ = true;
          PlaySfx(Sfx::CloudLightning, 0);
        }
        if (steps.Passed(1000)) {
          frame_ = 12;
          To(kFlash);
        }
        break;
      case kFlash:
        if (ms > 300) frame_ = 11;
        if (ms > 450) {
          fadeOut_ += kFadeOutStep;
          if (fadeOut_ > 1.0f) Finish();
        }
        break;
    }
  }

  void Draw() {
    int ms = steps.Elapsed();
    switch (steps.step) {
      case kBreakUp:
      case kStatic:
        TVZonesStep();
        break;
      case kLightning:
        DrawLetterboxed(ms > 500 ? gardenLit_ : garden_, ms > 500 ? 1.0f : kDimGarden);
        break;
      case kFlash:
        DrawLetterboxed(ms > 200 ? roomFlash_ : room_);
        DrawPicture(hero_, kHeroX, kHeroY, 1, frame_);
        DrawLetterboxCover(fadeOut_);
        break;
      default:
        DrawLetterboxed(room_);
        DrawLetterboxed(tvGlow_);
        DrawPicture(hero_, kHeroX, kHeroY, 1, frame_);
        break;
    }
    DrawLetterboxBands();
  }

  ScenePictures pictures_{"Intro_post"};
  SceneSounds sounds_;
  Image* garden_ = nullptr;
  Image* gardenLit_ = nullptr;
  Image* room_ = nullptr;
  Image* roomFlash_ = nullptr;
  Image* tvGlow_ = nullptr;
  Image* hero_ = nullptr;
  int frame_ = 0;
  int animStamp_ = 0;
  bool thunder_ = false;
  float fadeOut_ = 0;
};

}  // namespace

void RunWakingUp() {
  WakingUp scene;
  RunScene(scene);
}
