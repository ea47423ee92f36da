#include "frontend/tv_channels.h"

#include <algorithm>
#include <iterator>

#include "entities/tv_zone.h"
#include "frontend/scene_kit.h"
#include "world/game_state.h"

namespace {

constexpr int kTvOffMs = 2000;
constexpr int kInterferenceMs = 500;
constexpr int kNumberMs = 2000;  // the channel number shows this long
constexpr float kNumberX = 50, kNumberY = 50;
constexpr float kLampX = 736, kLampY = 590;
constexpr const char* kSwitchOnSound = "Sound\\tvon.wav";

enum class Show { Bacon, News, Trumpet, Deal, Cream, AudioVideo };

struct Channel {
  Show show;
  const char* number;  // picture of the channel number
  int ms;
  const char* sound;  // nullptr: silent
  bool loop;
  const char* jingle;  // a second sound over the first, or nullptr
};

const Channel kChannels[] = {
    {Show::Bacon, "tv16", 5000, "Sound\\bacon2.ogg", false, nullptr},
    {Show::News, "tv01", 5000, "Sound\\news.ogg", true, "Sound\\news2.ogg"},
    {Show::Trumpet, "tv27", 5500, "Sound\\trumpet.ogg", false, nullptr},
    {Show::Deal, "tv04", 7000, "Sound\\deal.ogg", false, nullptr},
    {Show::Cream, "tv41", 5000, "Sound\\cream2.ogg", false, nullptr},
    {Show::AudioVideo, "tvav", 3000, nullptr, false, nullptr},
};
constexpr int kChannelCount = static_cast<int>(std::size(kChannels));

// Steps: 0 the TV is off; 2k + 1 channel k; 2k + 2 the interference after it.
constexpr int ChannelStep(int k) {
  return 2 * k + 1;
}

// Bacon: a sunburst that spins ever faster, a pan of bacon rocking.
constexpr float kStarSpin = 0.05f;  // degrees a frame, added every frame
constexpr float kBaconSwing = 10, kBaconPhaseStep = 5;
constexpr float kWarmUpStep = 0.01f;  // the picture comes up out of black
// News: the newsreader's mouth jabbers.
constexpr int kMouthFrames = 6, kMouthMs = 50;
// Trumpet: a spiral turning a degree a frame; "TOOT!" bursts out and settles.
constexpr int kTootOutMs = 1000;
constexpr float kTootStart = 0.1f, kTootGrow = 1.2f, kTootPeak = 1.25f, kTootShrink = 0.99f;
// Deal: the box opens.
constexpr int kDealOpenMs = 2750;
// Cream: the arm circles.
constexpr float kArmX = 250, kArmY = 270, kArmRadius = 20, kArmSpin = 2;

class TvChannels : public Scene {
 public:
  TvChannels() {
    frame_ = pictures_.Load("TV_Screen");
    lampOff_ = pictures_.Load("TV_Off");
    lampOn_ = pictures_.Load("TV_On");
    for (int k = 0; k < kChannelCount; ++k) numbers_[k] = pictures_.Load(kChannels[k].number);
    bacon_ = {pictures_.Load("bacon_scene"), pictures_.LoadCentred("bacon_star"),
              pictures_.Load("bacon_faces"), pictures_.LoadCentred("bacon_bacon")};
    news_ = {pictures_.Load("news_scene"), pictures_.Load("news_face"),
             pictures_.LoadStrip("news_mouth", 40, 15, kMouthFrames)};
    toot_ = {pictures_.Load("toot_scene"),
             pictures_.LoadCentred("toot_spiral"),
             pictures_.LoadCentred("toot_trumpet"),
             pictures_.LoadCentred("toot_out"),
             pictures_.Load("toot_100"),
             pictures_.Load("toot_toot")};
    deal_ = {pictures_.Load("deal_scene"), pictures_.Load("deal_arms_down"),
             pictures_.Load("deal_box_closed"), pictures_.Load("deal_arms_up"),
             pictures_.Load("deal_box_open")};
    cream_ = {pictures_.Load("cream_scene"), pictures_.Load("cream_arm"),
              pictures_.Load("cream_slop")};
    avScene_ = pictures_.Load("av_scene");
  }

 protected:
  void Play() override {
    if (steps.step == 0 && steps.Passed(kTvOffMs)) {
      sounds_.Play(kSwitchOnSound);
      StartChannel(0);
    } else if (steps.step > 0 && steps.step % 2 == 0 && !TVOverlayOn) {
      StartChannel(steps.step / 2);
    }
    if (steps.step % 2 == 1) {
      int k = steps.step / 2;
      if (steps.Passed(kChannels[k].ms)) {
        EndChannel(k);
      } else {
        DrawChannel(k);
        PlainDrawState();
        if (!steps.Passed(kNumberMs)) DrawPicture(numbers_[k], kNumberX, kNumberY);
      }
    }
    TVZonesStep();
    DrawPicture(frame_, 0, 0);
    DrawPicture(steps.step == 0 ? lampOff_ : lampOn_, kLampX, kLampY);
  }

  void Leave() override { GameState = GameStateId::RetroIntro; }

 private:
  void StartChannel(int k) {
    steps.To(ChannelStep(k));
    motion_ = Motion{};
    motion_.mouthStamp = Millisecs();
    const Channel& c = kChannels[k];
    if (c.sound) sounds_.Play(c.sound, c.loop);
    if (c.jingle) sounds_.Play(c.jingle);
  }

  void EndChannel(int k) {
    const Channel& c = kChannels[k];
    if (c.sound) sounds_.Stop(c.sound);
    if (c.jingle) sounds_.Stop(c.jingle);
    if (k + 1 == kChannelCount) {
      Finish();
      return;
    }
    steps.Next();
    StartTVOverlay(kInterferenceMs);
  }

  void DrawChannel(int k) {
    Motion& m = motion_;
    int ms = steps.Elapsed();
    switch (kChannels[k].show) {
      case Show::Bacon:
        DrawPicture(bacon_.scene, 0, 0);
        m.spinSpeed += kStarSpin;
        m.angle += m.spinSpeed;
        SetRotation(m.angle);
        DrawPicture(bacon_.star, 400, 300);
        SetRotation(0);
        DrawPicture(bacon_.faces, 100, 100);
        m.phase += kBaconPhaseStep;
        SetRotation(kBaconSwing * SinD(m.phase - 90));
        DrawPicture(bacon_.bacon, 400, 350);
        SetRotation(0);
        if (m.warmUp > 0) {
          SetColor(0, 0, 0);
          SetAlpha(m.warmUp);
          DrawRect(0, 0, 800, 600);
          PlainDrawState();
          m.warmUp -= kWarmUpStep;
        }
        break;
      case Show::News:
        if (MsPassed(m.mouthStamp, kMouthMs)) {
          m.mouthStamp = Millisecs();
          m.mouth = Rand(0, kMouthFrames - 1);
        }
        DrawPicture(news_.scene, 0, 0);
        DrawPicture(news_.face, 542, 174);
        DrawPicture(news_.mouth, 582, 305, 1, m.mouth);
        break;
      case Show::Trumpet:
        DrawPicture(toot_.scene, 0, 0);
        m.angle += 1;
        SetRotation(m.angle);
        DrawPicture(toot_.spiral, 400, 300);
        SetRotation(10 * SinD(m.angle));
        DrawPicture(toot_.trumpet, 400, 300);
        SetRotation(0);
        if (ms > kTootOutMs) {
          if (m.tootScale == 0) m.tootScale = kTootStart;
          if (m.tootGrowing) {
            m.tootScale *= kTootGrow;
            if (m.tootScale >= kTootPeak) m.tootGrowing = false;
          } else if (m.tootScale > 1.0f) {
            m.tootScale = std::max(1.0f, m.tootScale * kTootShrink);
          }
          SetScale(m.tootScale, m.tootScale);
          DrawPicture(toot_.out, 150, 400);
          SetScale(1, 1);
        }
        DrawPicture(toot_.hundred, 50, 50);
        DrawPicture(toot_.toot, 320, 300);
        break;
      case Show::Deal:
        DrawPicture(deal_.scene, 0, 0);
        if (ms <= kDealOpenMs) {
          DrawPicture(deal_.armsDown, 236, 204);
          DrawPicture(deal_.boxClosed, 327, 230);
        } else {
          DrawPicture(deal_.armsUp, 263, 151);
          DrawPicture(deal_.boxOpen, 335, 163);
        }
        break;
      case Show::Cream:
        DrawPicture(cream_.scene, 0, 0);
        m.angle += kArmSpin;
        DrawPicture(cream_.arm, kArmX + kArmRadius * CosD(m.angle),
                    kArmY + kArmRadius * SinD(m.angle));
        DrawPicture(cream_.slop, 550, 250);
        break;
      case Show::AudioVideo:
        DrawPicture(avScene_, 0, 0);
        break;
    }
  }

  // What moves on the channel now showing; fresh for every channel.
  struct Motion {
    float angle = 0, spinSpeed = 0, phase = 0;
    float warmUp = 1.0f;
    int mouth = 0, mouthStamp = 0;
    float tootScale = 0;
    bool tootGrowing = true;
  };

  ScenePictures pictures_{"Intro_Chan"};
  SceneSounds sounds_;
  Image* frame_ = nullptr;
  Image* lampOff_ = nullptr;
  Image* lampOn_ = nullptr;
  Image* numbers_[kChannelCount] = {};
  struct {
    Image *scene, *star, *faces, *bacon;
  } bacon_{};
  struct {
    Image *scene, *face, *mouth;
  } news_{};
  struct {
    Image *scene, *spiral, *trumpet, *out, *hundred, *toot;
  } toot_{};
  struct {
    Image *scene, *armsDown, *boxClosed, *armsUp, *boxOpen;
  } deal_{};
  struct {
    Image *scene, *arm, *slop;
  } cream_{};
  Image* avScene_ = nullptr;
  Motion motion_;
};

}  // namespace

void RunTvChannels() {
  TvChannels tv;
  RunScene(tv);
}
