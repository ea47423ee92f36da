#include "frontend/villains.h"

#include <algorithm>
#include <cmath>

#include "entities/entity.h"
#include "entities/message_point.h"
#include "frontend/scene_kit.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/settings.h"

namespace {

constexpr int kFirstMessage = 100, kMessages = 8;
constexpr int kStartLink = -1;
constexpr int kBoxX = 200, kBoxY = 80, kBoxW = 400, kBoxH = 200;

constexpr const char* kMeanwhile = "Meanwhile...";
constexpr float kMeanwhileX = 320, kMeanwhileY = 275;
constexpr float kTextFadeIn = 0.01f, kTextFadeOut = 0.01f;
constexpr float kCastleFadeIn = 0.01f, kCastleFadeOut = 0.02f;
constexpr float kCoverFade = 0.02f;
constexpr int kFlickerMs = 10;
constexpr float kPulseRate = 0.82f;  // degrees of the pulse per millisecond
constexpr float kEndFade = 0.005f;

enum StoryStep {
  kBlack = 0,          // 1000 ms
  kMeanwhileIn = 1,    // the text fades in
  kMeanwhileHold = 2,  // 1000 ms
  kCastleIn = 3,       // 2000 ms, the castle fades in under the text
  kTextOut = 4,        // 7000 ms, the text fades away
  kCastleOut = 5,      // the castle fades to black
  kTorchlight = 6,     // 14650 ms in the throne room
  kWatching = 7,       // the ball glows; after 5000 ms they talk
  kTalking = 8,
  kAfterTalk = 9,   // 1000 ms
  kFadingOut = 10,  // 5000 ms, the music fading too
};

class Villains : public Scene {
 public:
  Villains() {
    castle_ = pictures_.Load("1_1_A");
    throneRoom_ = pictures_.Load("1_2_A");
    glow_ = pictures_.Load("1_2_B");
    torchlight_ = pictures_.Load("1_2_C");
    for (int n = 0; n < kMessages; ++n)
      MakeMessagePoint(kBoxX, kBoxY, kBoxW, kBoxH, kFirstMessage + n, n,
                       n == 0 ? kStartLink : n - 1, 0, 0);
  }

 protected:
  void Start() override {
    Cut1Seen = 1;
    PlayMusic(MusicId::Castle);
  }

  void Play() override {
    Update();
    Draw();
    UpdateMusicFade();
  }

  void Leave() override { GameState = GameStateId::WorldMap; }

 private:
  void Update() {
    switch (steps.step) {
      case kBlack:
        if (steps.Passed(1000)) steps.Next();
        break;
      case kMeanwhileIn:
        textAlpha_ = std::min(1.0f, textAlpha_ + kTextFadeIn);
        if (textAlpha_ >= 1.0f) steps.Next();
        break;
      case kMeanwhileHold:
        if (steps.Passed(1000)) steps.Next();
        break;
      case kCastleIn:
        castleAlpha_ = std::min(1.0f, castleAlpha_ + kCastleFadeIn);
        if (steps.Passed(2000)) steps.Next();
        break;
      case kTextOut:
        textAlpha_ = std::max(0.0f, textAlpha_ - kTextFadeOut);
        if (steps.Passed(7000)) steps.Next();
        break;
      case kCastleOut:
        castleAlpha_ -= kCastleFadeOut;
        if (castleAlpha_ <= 0) {
          castleAlpha_ = 0;
          cover_ = 1.0f;
          steps.Next();
        }
        break;
      case kTorchlight:
        cover_ = std::max(0.0f, cover_ - kCoverFade);
        if (MsPassed(flickerStamp_, kFlickerMs)) {
          flickerStamp_ = Millisecs();
          flicker_ = Rnd(0, 1);
        }
        if (steps.Passed(14650)) steps.Next();
        break;
      case kWatching:
        if (steps.Passed(5000)) {
          FireLink(kStartLink);
          steps.Next();
        }
        break;
      case kTalking:
        if (MessagePoints.Size() == 0) steps.Next();
        break;
      case kAfterTalk:
        if (steps.Passed(1000)) {
          StartSlowMusicFadeOut();
          steps.Next();
        }
        break;
      case kFadingOut:
        cover_ = std::min(1.0f, cover_ + kEndFade);
        if (steps.Passed(5000)) Finish();
        break;
    }
  }

  void Draw() {
    int s = steps.step;
    if (s >= kCastleIn && s <= kCastleOut) DrawLetterboxed(castle_, castleAlpha_);
    if (s >= kMeanwhileIn && s <= kTextOut && textAlpha_ > 0) {
      SetImageFont(FontLarge);
      SetAlpha(textAlpha_);
      DrawText(kMeanwhile, kMeanwhileX, kMeanwhileY);
      SetAlpha(1);
    }
    if (s == kTorchlight) {
      DrawLetterboxed(throneRoom_);
      DrawLetterboxed(torchlight_, flicker_);
    }
    if (s >= kWatching) {
      DrawLetterboxed(throneRoom_);
      float degrees =
          static_cast<float>(std::fmod(static_cast<double>(Millisecs()) * kPulseRate, 360.0));
      DrawLetterboxed(glow_, (1 + CosD(degrees)) / 2);
    }
    DrawLetterboxCover(cover_);
    DrawLetterboxBands();
    MessagePointsStep(MessageOpening::LinkOnly);
  }

  ScenePictures pictures_{"Cut_1"};
  Image* castle_ = nullptr;
  Image* throneRoom_ = nullptr;
  Image* glow_ = nullptr;
  Image* torchlight_ = nullptr;
  float textAlpha_ = 0;
  float castleAlpha_ = 0;
  float cover_ = 0;
  float flicker_ = 1.0f;
  int flickerStamp_ = 0;
};

}  // namespace

void RunVillains() {
  Villains scene;
  RunScene(scene);
}
