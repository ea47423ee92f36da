#include "frontend/course_logo.h"

#include "frontend/scene_kit.h"
#include "world/game_state.h"
#include "world/music.h"

namespace {

constexpr const char* kLetters = "KT508";
constexpr int kLetterCount = 5;
constexpr float kRowX = 300, kLetterGap = 5;
constexpr float kFirstTop = -50, kTopStep = -10;  // each letter starts higher
constexpr float kGravity = 0.1f;
constexpr float kFloor = 250;
constexpr float kPresentsX = 302, kPresentsY = 412;
constexpr float kPresentsFade = 0.01f;
constexpr int kPresentsMs = 3000;

enum LogoStep { kFalling = 0, kPresents = 1, kFadingOut = 2 };

struct Letter {
  Image* img = nullptr;
  float x = 0, y = 0, speed = 0;
  int landings = 0;  // the first bounces back up, the second stays
};

class CourseLogo : public Scene {
 public:
  CourseLogo() {
    float x = kRowX;
    for (int i = 0; i < kLetterCount; ++i) {
      Letter& l = letters_[i];
      l.img = pictures_.Load(std::string(1, kLetters[i]));
      l.x = x;
      l.y = kFirstTop + kTopStep * static_cast<float>(i);
      x += static_cast<float>(ImageWidth(l.img)) + kLetterGap;
    }
    presents_ = pictures_.Load("presents");
  }

 protected:
  void Play() override {
    for (Letter& l : letters_) Fall(l);
    if (steps.step == kFalling && letters_[kLetterCount - 1].landings == 2) {
      steps.To(kPresents);
      PlayMusic(MusicId::Splash);
    }
    if (steps.step == kPresents) {
      presentsAlpha_ = std::min(1.0f, presentsAlpha_ + kPresentsFade);
      if (steps.Passed(kPresentsMs)) {
        steps.To(kFadingOut);
        FadeAlpha = 0.01f;  // the shared fade-out; its end calls FadedOut
      }
    }
    for (const Letter& l : letters_) DrawPicture(l.img, l.x, l.y);
    if (presentsAlpha_ > 0) DrawPicture(presents_, kPresentsX, kPresentsY, presentsAlpha_);
  }

  void Leave() override { GameState = GameStateId::Menu; }

 private:
  static void Fall(Letter& l) {
    if (l.landings >= 2) return;
    l.speed += kGravity;
    l.y += l.speed;
    if (l.y < kFloor) return;
    l.y = kFloor;
    ++l.landings;
    l.speed = l.landings == 1 ? -l.speed / 2 : 0;
  }

  ScenePictures pictures_{"KT508"};
  Letter letters_[kLetterCount];
  Image* presents_ = nullptr;
  float presentsAlpha_ = 0;
};

}  // namespace

void RunCourseLogo() {
  CourseLogo logo;
  RunScene(logo);
}
