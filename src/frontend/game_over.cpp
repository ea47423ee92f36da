#include "frontend/game_over.h"

#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/screen_loop.h"

namespace {

constexpr float kFadeStep = 0.02f;
constexpr int kShowMs = 4000;

enum class GameOverState { FadingIn = 0, Showing = 1, FadingOut = 2, Done = 3 };

class GameOverScreen : public Screen {
 public:
  bool Running() const override { return state_ != GameOverState::Done; }

  void Step() override {
    SetBlend(BLEND_ALPHA);
    SetImageFont(FontLarge);
    SetScale(1, 1);
    SetAlpha(1);
    SetColor(255, 255, 255);
    DrawText("GAME OVER!", 300, 285);
    switch (state_) {
      case GameOverState::FadingIn:
        alpha_ -= kFadeStep;
        DrawBlackCover(alpha_);
        if (alpha_ < 0) {
          state_ = GameOverState::Showing;
          alpha_ = 0;
          shown_.Start(kShowMs);
        }
        break;
      case GameOverState::Showing:
        if (shown_.Passed()) state_ = GameOverState::FadingOut;
        break;
      case GameOverState::FadingOut:
        alpha_ += kFadeStep;
        DrawBlackCover(alpha_);
        if (alpha_ > 1.0f) state_ = GameOverState::Done;
        break;
      case GameOverState::Done: break;
    }
  }

 private:
  GameOverState state_ = GameOverState::FadingIn;
  float alpha_ = 1.0f;
  Timer shown_;
};

}  // namespace

void RunGameOver() {
  PlayMusic(MusicId::GameOver);
  FadeAlpha = 0;  // the level's own fade ended at full black
  GameOverScreen screen;
  RunScreen(screen);
  GameState = GameStateId::Continue;
}
