#include "frontend/new_world.h"

#include "entities/entity.h"
#include "entities/message_point.h"
#include "frontend/scene_kit.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/settings.h"

namespace {

constexpr const char* kThunder = "Sound\\thunderloop.ogg";
constexpr float kHeroStartX = 387, kGroundY = 372;
constexpr float kStickX = 595, kStickY = 381;

// The dialogue: messages 0-27, each opened by the one before it, except the
// three that wait for the scene: 0 for the start, 4 for the hero beside the
// stick, 18 for the hero past it. All 28 are shown: the conversation ends
// on 27, its last line.
constexpr int kMessages = 28;
constexpr int kStartLink = -1, kBesideStickLink = -2, kPastStickLink = -3;
constexpr int kBesideStickMessage = 4, kPastStickMessage = 18;
// The points' boxes; nobody can touch them here, only links open them.
constexpr int kBoxX = 200, kBoxY = 80, kBoxW = 400, kBoxH = 200;

// The hop: a little bounce on the spot while edging right.
constexpr float kHopAccel = 0.1f, kHopTopSpeed = 1.0f, kHopGravity = 0.1f, kHopBounce = -1.0f;
constexpr float kBesideStickX = 560, kPastStickX = 620;

constexpr float kFadeInStep = 0.005f, kFadeOutStep = 0.01f;

enum StoryStep {
  kDark = 0,      // 3000 ms with the picture covered
  kFadingIn = 1,  // 2000 ms, then the first message
  kTalking = 2,   // messages 0-3
  kHopToStick = 3,
  kBesideStick = 4,  // messages 4-17
  kHopPastStick = 5,
  kPastStick = 6,  // messages 18-27
  kFadingOut = 7,  // 3000 ms
};

class NewWorld : public Scene {
 public:
  NewWorld() {
    scene_ = pictures_.Load("f_scene");
    hero_ = pictures_.Load("quon");
    stick_ = pictures_.Load("stick");
    for (int n = 0; n < kMessages; ++n) {
      int link = n - 1;
      if (n == 0) link = kStartLink;
      if (n == kBesideStickMessage) link = kBesideStickLink;
      if (n == kPastStickMessage) link = kPastStickLink;
      MakeMessagePoint(kBoxX, kBoxY, kBoxW, kBoxH, n, n, link, 0, 0);
    }
  }

 protected:
  void Start() override { sounds_.Play(kThunder, true); }

  void Play() override {
    size_t left = MessagePoints.Size();
    switch (steps.step) {
      case kDark:
        if (steps.Passed(3000)) steps.Next();
        break;
      case kFadingIn:
        if (steps.Passed(2000)) {
          FireLink(kStartLink);
          PlayMusic(MusicId::Tutorial);
          steps.Next();
        }
        break;
      case kTalking:
        if (left <= kMessages - kBesideStickMessage) steps.Next();
        break;
      case kHopToStick:
        if (Hop(kBesideStickX)) {
          FireLink(kBesideStickLink);
          steps.Next();
        }
        break;
      case kBesideStick:
        if (left <= kMessages - kPastStickMessage) steps.Next();
        break;
      case kHopPastStick:
        if (Hop(kPastStickX)) {
          FireLink(kPastStickLink);
          steps.Next();
        }
        break;
      case kPastStick:
        if (left == 0) steps.Next();
        break;
      case kFadingOut:
        if (steps.Passed(3000)) {
          Finish();
          return;
        }
        break;
    }
    if (steps.step >= kFadingIn) cover_ = std::max(0.0f, cover_ - kFadeInStep);
    if (steps.step == kFadingOut) cover_ = std::min(1.0f, cover_ + kFadeOutStep);

    DrawLetterboxed(scene_);
    DrawPicture(stick_, kStickX, kStickY);
    DrawPicture(hero_, heroX_, heroY_);
    DrawLetterboxCover(cover_);
    DrawLetterboxBands();
    MessagePointsStep(MessageOpening::LinkOnly);
  }

  void Leave() override {
    IntroSeen = 1;
    GameState = GameStateId::Level;
    LevelId = LevelIds::Tutorial;
  }

 private:
  // One frame of the hop towards `x`; true once the hero stands there.
  bool Hop(float x) {
    speedX_ = std::min(kHopTopSpeed, speedX_ + kHopAccel);
    heroX_ += speedX_;
    speedY_ += kHopGravity;
    heroY_ += speedY_;
    if (heroY_ >= kGroundY) {
      heroY_ = kGroundY;
      speedY_ = kHopBounce;
    }
    if (heroX_ < x) return false;
    heroX_ = x;
    heroY_ = kGroundY;
    speedX_ = speedY_ = 0;
    return true;
  }

  ScenePictures pictures_{"Intro_newworld"};
  SceneSounds sounds_;
  Image* scene_ = nullptr;
  Image* hero_ = nullptr;
  Image* stick_ = nullptr;
  float heroX_ = kHeroStartX, heroY_ = kGroundY;
  float speedX_ = 0, speedY_ = 0;
  float cover_ = 1.0f;
};

}  // namespace

void RunNewWorld() {
  NewWorld scene;
  RunScene(scene);
}
