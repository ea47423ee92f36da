#include "frontend/to_be_continued.h"

#include <algorithm>

#include "present/present.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/music.h"
#include "world/screen_loop.h"
#include "world/sound_effects.h"

namespace {

constexpr const char* kPowerDownSound = "SOund\\power_down.wav";
constexpr float kShrink = 0.8f;       // of the picture's height, then width, a frame
constexpr float kThinnest = 0.01f;
constexpr float kPictureFade = 0.01f;
constexpr float kWordsFade = 0.005f;

// The numbers are the steps of the switch-off and the words.
enum class TbcState {
  Flatten = 0,   // 500 ms: the picture squeezes to a line
  Narrow = 1,    // 500 ms: the line to a dot
  Dot = 2,       // 3000 ms: the dot dies away
  Black = 3,     // 1000 ms
  WordsIn = 4,
  WordsHold = 5, // 3000 ms
  WordsOut = 6,
  Done = 7,
};

class ToBeContinuedScreen : public Screen {
 public:
  explicit ToBeContinuedScreen(Image* lastFrame) : picture_(lastFrame) { step_.Start(500); }

  bool Running() const override { return state_ != TbcState::Done; }

  void Step() override {
    SetBlend(BLEND_ALPHA);
    switch (state_) {
      case TbcState::Flatten:
        sy_ = std::max(kThinnest, sy_ * kShrink);
        alpha_ -= kPictureFade;
        if (step_.Passed()) Next(TbcState::Narrow, 500);
        break;
      case TbcState::Narrow:
        sx_ = std::max(kThinnest, sx_ * kShrink);
        alpha_ -= kPictureFade;
        if (step_.Passed()) Next(TbcState::Dot, 3000);
        break;
      case TbcState::Dot:
        alpha_ = std::max(0.0f, alpha_ - kPictureFade);
        if (step_.Passed()) Next(TbcState::Black, 1000);
        break;
      case TbcState::Black:
        if (step_.Passed()) {
          Next(TbcState::WordsIn, 0);
          alpha_ = 0;
        }
        break;
      case TbcState::WordsIn:
        alpha_ += kWordsFade;
        if (alpha_ >= 1.0f) {
          alpha_ = 1.0f;
          Next(TbcState::WordsHold, 3000);
        }
        break;
      case TbcState::WordsHold:
        if (step_.Passed()) Next(TbcState::WordsOut, 0);
        break;
      case TbcState::WordsOut:
        alpha_ -= kWordsFade;
        if (alpha_ <= 0) {
          alpha_ = 0;
          Next(TbcState::Done, 0);
        }
        break;
      case TbcState::Done: break;
    }
    Draw();
  }

 private:
  void Next(TbcState s, int ms) {
    state_ = s;
    step_.Start(ms);
  }

  void Draw() {
    if (state_ <= TbcState::Dot) {
      SetColor(255, 255, 255);
      SetAlpha(std::max(0.0f, alpha_));
      SetScale(sx_, sy_);
      DrawImage(picture_, 400, 300);
      SetScale(1, 1);
      SetAlpha(1);
    } else if (state_ >= TbcState::WordsIn && state_ <= TbcState::WordsOut) {
      SetImageFont(FontLarge);
      SetColor(255, 255, 255);
      SetAlpha(alpha_);
      DrawText("To be Continued...", 300, 285);
      SetAlpha(1);
    }
  }

  Image* picture_;
  TbcState state_ = TbcState::Flatten;
  Timer step_;
  float sx_ = 1, sy_ = 1, alpha_ = 1;
};

}  // namespace

void RunToBeContinued() {
  StopMusic();
  Sound* powerDown = LoadSound(kPowerDownSound);
  int channel = AllocChannel();
  SetChannelVolume(channel, SoundVolume);
  PlaySound(powerDown, channel);
  // The last presented frame is still in the buffer the next frame is drawn
  // into: copied before the first clear.
  Image* lastFrame = CreateImage(800, 600);
  GrabImage(lastFrame, 0, 0);
  MidHandleImage(lastFrame);
  FadeAlpha = 0;
  ToBeContinuedScreen screen(lastFrame);
  RunScreen(screen);
  FreeImage(lastFrame);
  FreeChannel(channel);
  GameState = GameStateId::Credits;
}
