#include "frontend/credits.h"

#include <string>

#include "entities/text_wrap.h"
#include "frontend/rising_stars.h"
#include "frontend/text_page.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/save_game.h"
#include "world/screen_loop.h"
#include "world/settings.h"

namespace {

constexpr float kFadeInStep = 0.02f;
constexpr float kFadeOutStep = 0.005f;
// The hint for the way out comes once the thanks have had time to be read.
constexpr int kHintAfterMs = 8000;

enum class CreditsState { FadingIn = 0, Showing = 1, FadingOut = 2, Done = 3 };

class CreditsScreen : public Screen {
 public:
  explicit CreditsScreen(std::string thanks) : thanks_(std::move(thanks)) { started_.Start(kHintAfterMs); }

  bool Running() const override { return state_ != CreditsState::Done; }

  void Step() override {
    UpdateMusicFade();
    RisingStarsStep();
    DrawRisingStars();
    SetColor(255, 255, 255);
    SetImageFont(FontLarge);
    DrawText("CREDITS", 350, 100);
    SetImageFont(FontSmall);
    DrawWorldText(200, 200, 400, 16, thanks_);
    if (state_ == CreditsState::Showing && started_.Passed()) {
      SetColor(150, 150, 190);
      DrawText("Escape: the end", 400 - TextWidth("Escape: the end") / 2.0f, 570);
      SetColor(255, 255, 255);
    }
    switch (state_) {
      case CreditsState::FadingIn:
        alpha_ -= kFadeInStep;
        DrawBlackCover(alpha_);
        if (alpha_ < 0) {
          alpha_ = 0;
          state_ = CreditsState::Showing;
        }
        break;
      case CreditsState::Showing:
        if (EscapeHit) {
          state_ = CreditsState::FadingOut;
          StartSlowMusicFadeOut();
        }
        break;
      case CreditsState::FadingOut:
        alpha_ += kFadeOutStep;
        DrawBlackCover(alpha_);
        if (alpha_ > 1.0f) state_ = CreditsState::Done;
        break;
      case CreditsState::Done: break;
    }
  }

 private:
  std::string thanks_;
  CreditsState state_ = CreditsState::FadingIn;
  float alpha_ = 1.0f;
  Timer started_;
};

}  // namespace

void RunCredits() {
  MusicFadeMode = 0;  // a fade left over from before must not silence the tune
  RestoreMusicVolume();
  PlayMusic(MusicId::Credits);
  FadeAlpha = 0;
  CameraX = CameraY = 0;
  StartRisingStars();
  CreditsScreen screen(ReadTextPage(BOINGLE_CREDITS_PATH));
  RunScreen(screen);
  SaveSlot(CurrentSlot);
  GameState = GameStateId::Quit;
}
