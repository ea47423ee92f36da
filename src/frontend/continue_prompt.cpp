#include "frontend/continue_prompt.h"

#include "frontend/rising_stars.h"
#include "present/present.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/progress.h"
#include "world/save_game.h"
#include "world/screen_loop.h"
#include "world/settings.h"

namespace {

constexpr float kFadeStep = 0.02f;
constexpr int kLivesAfterContinue = 5;
// Where the hero's picture heads: left for no, right for yes.
constexpr int kGoalNo = 200, kGoalYes = 600, kGoalNone = 400;
constexpr float kHeroY = 300;

enum class ContinueState { FadingIn = 0, Choosing = 1, FadingOut = 2, Done = 3 };

class ContinueScreen : public Screen {
 public:
  ContinueChoice choice = ContinueChoice::None;

  bool Running() const override { return state_ != ContinueState::Done; }

  void Step() override {
    RisingStarsStep();
    if (state_ == ContinueState::Choosing) {
      if (LeftHit) choice = ContinueChoice::No;
      if (RightHit) choice = ContinueChoice::Yes;
      if (SpaceHit && choice != ContinueChoice::None) state_ = ContinueState::FadingOut;
    }
    int goal = choice == ContinueChoice::No ? kGoalNo : choice == ContinueChoice::Yes ? kGoalYes : kGoalNone;
    heroX_ = (heroX_ + goal) / 2;
    Draw();
    switch (state_) {
      case ContinueState::FadingIn:
        alpha_ -= kFadeStep;
        DrawBlackCover(alpha_);
        if (alpha_ < 0) {
          state_ = ContinueState::Choosing;
          alpha_ = 0;
        }
        break;
      case ContinueState::FadingOut:
        alpha_ += kFadeStep;
        DrawBlackCover(alpha_);
        if (alpha_ > 1.0f) state_ = ContinueState::Done;
        break;
      default: break;
    }
  }

 private:
  void Draw() {
    DrawRisingStars();
    SetBlend(BLEND_ALPHA);
    SetAlpha(1);
    SetColor(255, 255, 255);
    SetRotation(static_cast<float>(Millisecs() / 4));
    DrawImage(ImgQuonDead, static_cast<float>(heroX_), kHeroY);
    SetRotation(0);
    SetImageFont(FontLarge);
    DrawText("Continue?", 350, 100);
    if (choice == ContinueChoice::No) DrawText("=(", 390, 150);
    if (choice == ContinueChoice::Yes) DrawText("=)", 390, 150);
    DrawText("NO!", 190, 200);
    DrawText("YES!", 580, 200);
    // How to answer, for a player who has never met the question.
    SetImageFont(FontSmall);
    SetColor(150, 150, 190);
    const char* hint = choice == ContinueChoice::None ? "Left or Right to choose" : "Space to answer";
    DrawText(hint, static_cast<float>(400 - TextWidth(hint) / 2), 540);
    SetColor(255, 255, 255);
  }

  ContinueState state_ = ContinueState::FadingIn;
  float alpha_ = 1.0f;
  int heroX_ = kGoalNone;
};

}  // namespace

void RunContinuePrompt() {
  PlayMusic(MusicId::Continue);
  FadeAlpha = 0;
  InputLocked = 0;  // Left and Right are bound keys: nothing may hold them now
  StartRisingStars();
  ContinueScreen screen;
  RunScreen(screen);
  Lives = kLivesAfterContinue;
  SaveSlot(CurrentSlot);
  GameState = screen.choice == ContinueChoice::No ? GameStateId::Menu : GameStateId::WorldMap;
}
