#include "enemies/enemy_catalogue.h"

#include <iterator>

#include "world/assets.h"
#include "world/sound_effects.h"

namespace {

// The usual results: a dash defeats for 350 points with the bee-hit sound
// and a sparkle; a touch knocks the hero up and costs one heart.
constexpr EnemyDefeat Defeated(int score, int sound, Burst burst, int count, float above) {
  EnemyDefeat d;
  d.possible = true;
  d.score = score;
  d.sound = sound;
  d.burst = burst;
  d.burstCount = count;
  d.burstAbove = above;
  return d;
}
constexpr EnemyDefeat kCannotBeDefeated{};
// A dash that scores and sounds but only bounces off (the rock rolls on).
constexpr EnemyDefeat BouncesOff(int score, int sound) {
  EnemyDefeat d;
  d.score = score;
  d.sound = sound;
  return d;
}
constexpr EnemyDefeat AtRandomPitch(EnemyDefeat d) {
  d.soundVaries = true;
  return d;
}
constexpr EnemyDefeat SmokeSize(EnemyDefeat d, float size) {
  d.burstSize = size;
  return d;
}
constexpr EnemyTouch AtRandomPitch(EnemyTouch t) {
  t.soundVaries = true;
  return t;
}
constexpr EnemyTouch Touch(float heroYSpeed, int damage, int sound = -1) {
  EnemyTouch t;
  t.heroYSpeed = heroYSpeed;
  t.damage = damage;
  t.sound = sound;
  return t;
}
constexpr BodyRect kNoBody{0, 0, 0, 0};
constexpr int kNoSound = -1;

}  // namespace

namespace EnemyKinds {

// code, class, kind, strip, has body, body, defeat, touch, revealed by a link,
// death margin, wake sound, fixed size.
const EnemyKindInfo BeeHive{60, "TBeeHive", 501, &ImgBeeHive, false, kNoBody, kCannotBeDefeated,
                            Touch(0, 0), false, 0, kNoSound, 64, 64};
const EnemyKindInfo Bee{61, "TBee", 0, &ImgBeeFlying, true, {-20, 0, 20, 20},
                        Defeated(500, Sfx::BeeHit, Burst::Sparkle, 10, 0), Touch(0, 1, Sfx::BeeCollide), true, 50,
                        Sfx::BeeBuzz, 0, 0};
const EnemyKindInfo Bear{62, "TBear", 1, &ImgBearWalking, true, {-20, -90, 20, 0},
                         Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 45), Touch(-7, 1), false, kDeathMarginFrame,
                         kNoSound, 0, 0};
const EnemyKindInfo Mole{63, "TMole", 2, &ImgMoleWalking, true, {-20, -40, 20, 0},
                         Defeated(500, Sfx::BeeHit, Burst::Sparkle, 10, 0), Touch(-5, 1), true, 0, kNoSound, 0, 0};
const EnemyKindInfo Ghost{67, "TGhost", 20, &ImgGhostFly, true, {-20, -20, 20, 20}, kCannotBeDefeated,
                          Touch(-2, 1, Sfx::GhostGiggle), true, 0, kNoSound, 0, 0};
const EnemyKindInfo Sheet{68, "TSheet", 21, &ImgSheetWalk, true, {-20, -40, 20, 0},
                          Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 10), Touch(-5, 1), true, kDeathMarginFrame,
                          kNoSound, 0, 0};
const EnemyKindInfo Zombie{69, "TZombie", 22, &ImgZombieWalk, true, {-20, -50, 20, 0},
                           Defeated(350, Sfx::ZombieDeath, Burst::Sparkle, 10, 20), Touch(-5, 1, Sfx::ZombieBreak),
                           true, kDeathMarginFrame, kNoSound, 0, 0};
const EnemyKindInfo Crab{70, "TCrab", 30, &ImgCrabWalk, true, {-20, -50, 20, 0},
                         Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 45), Touch(-5, 1), true, kDeathMarginFrame,
                         kNoSound, 0, 0};
const EnemyKindInfo Bucket{72, "TBucket", 32, &ImgBucketThrow, true, {-20, -50, 20, 0},
                           Defeated(350, Sfx::BeeHit, Burst::FireSmoke, 10, 20), Touch(-5, 1), false,
                           kDeathMarginFrame, kNoSound, 0, 0};
const EnemyKindInfo Ball{73, "TBall", 33, &ImgBallSpin, true, {-20, 0, 20, 20},
                         SmokeSize(AtRandomPitch(Defeated(500, Sfx::PlatformPop, Burst::FireSmoke, 3, 0)), 0.5f),
                         AtRandomPitch(Touch(-2, 1, Sfx::BallBounce)), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Blowfish{74, "TBlowfish", 40, &ImgBlowfishSwim, true, {-20, -10, 20, 10},
                             Defeated(350, kNoSound, Burst::FireSmoke, 10, 0), Touch(0, 3), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Starfish{76, "TStarfish", 42, &ImgStarfishWalk, true, {-30, -50, 30, 0},
                             Defeated(350, Sfx::ZombieDeath, Burst::Sparkle, 10, 20), Touch(-5, 1), false,
                             kDeathMarginFrame, kNoSound, 0, 0};
const EnemyKindInfo Goat{77, "TGoat", 50, &ImgGoatRun, true, {-20, -50, 20, 0},
                         Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 20), Touch(-2, 1), false, 100, kNoSound, 0, 0};
const EnemyKindInfo Rock{79, "TRock", 52, &ImgRockRoll, true, {-75, -75, 75, 75},
                         BouncesOff(350, Sfx::RockImpact1), Touch(-5, 2), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Scruff{80, "TScruff", 60, &ImgScruff, false, kNoBody, kCannotBeDefeated, Touch(0, 0), false, 0,
                           kNoSound, 0, 0};
const EnemyKindInfo Mushroom{81, "TMushroom", 61, &ImgMushroom, false, kNoBody, kCannotBeDefeated, Touch(0, 0), false,
                             0, kNoSound, 0, 0};
const EnemyKindInfo Invader{82, "TInvader", 62, &ImgInvader, false, kNoBody, kCannotBeDefeated, Touch(0, 0), false, 0,
                            kNoSound, 0, 0};
const EnemyKindInfo RockGuy{83, "TRockGuy", 70, &ImgRockGuyWalk, true, {-20, -50, 20, 0},
                            Defeated(350, kNoSound, Burst::Sparkle, 10, 20), Touch(-5, 0), true, kDeathMarginFrame,
                            kNoSound, 0, 0};
const EnemyKindInfo Lavaguy{84, "TLavaguy", 71, &ImgLavaguyWaddle, true, {-20, -50, 20, 0}, kCannotBeDefeated,
                            Touch(-5, 1), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Flameguy{85, "TFlameguy", 72, &ImgFlameguyFloat, true, {-30, -60, 30, 0}, kCannotBeDefeated,
                             Touch(-5, 1), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Knight{86, "TKnight", 80, &ImgKnightTrot, true, {-40, -50, 40, 0},
                           Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 20), Touch(-2, 1), true, kDeathMarginFrame,
                           kNoSound, 0, 0};
const EnemyKindInfo Wizard{87, "TWizard", 81, &ImgWizardWalk, true, {-20, -40, 20, 0},
                           Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 45), Touch(-5, 0), true, kDeathMarginFrame,
                           kNoSound, 0, 0};
const EnemyKindInfo Bat{88, "TBat", 82, &ImgBatHang, true, {-15, -30, 15, 0},
                        Defeated(350, Sfx::BeeHit, Burst::Sparkle, 10, 45), Touch(-7, 1), false, 100, kNoSound, 28, 45};
const EnemyKindInfo Cactus{90, "TCactus", 90, &ImgCactusWalk, true, {-20, -50, 20, 0}, kCannotBeDefeated, Touch(-5, 1),
                           false, 0, kNoSound, 0, 0};
const EnemyKindInfo Mummy{94, "TMummy", 100, &ImgMummyWalk, true, {-20, -40, 20, 0},
                          Defeated(350, Sfx::BeeHit, Burst::FireSmoke, 10, 20), Touch(-5, 1), true, kDeathMarginFrame,
                          kNoSound, 0, 0};
const EnemyKindInfo Wompth{96, "TWompth", 102, &ImgWompthLook, true, {-16, -16, 16, 0}, kCannotBeDefeated,
                           Touch(0, 20), true, 0, kNoSound, 0, 0};
const EnemyKindInfo Biddie{100, "TBiddie", 113, &ImgBiddieWalk, true, {-20, -60, 20, 0},
                           Defeated(350, kNoSound, Burst::FireSmoke, 10, 30), Touch(-5, 1), false, 100, kNoSound, 0, 0};
const EnemyKindInfo WalkingFan{103, "TWalkingFan", 117, &ImgFanWalk, true, {-20, -50, 20, 0},
                               Defeated(350, kNoSound, Burst::Sparkle, 10, 40), Touch(-5, 0), true, kDeathMarginFrame,
                               kNoSound, 0, 0};

const EnemyKindInfo Spade{0, "TSpade", 320, &ImgBucketSpade, true, {-25, -25, 25, 25}, kCannotBeDefeated, Touch(0, 1),
                          false, 0, kNoSound, 0, 0};
const EnemyKindInfo Ickle{0, "TIckle", kIckleTarget, &ImgFlameguyIckle1, true, {-8, -15, 8, 0}, kCannotBeDefeated,
                          Touch(-5, 1), false, 0, kNoSound, 0, 0};
const EnemyKindInfo WizardShot{0, "TWizardShot", 1234567, &ImgWizardShot, true, {-16, -16, 16, 16},
                               kCannotBeDefeated, Touch(0, 1), false, 0, kNoSound, 0, 0};
const EnemyKindInfo Comet{0, "TComet", 73, &ImgComet, true, {-50, -50, 50, 50}, kCannotBeDefeated, Touch(0, 2), false,
                          0, kNoSound, 0, 0};

}  // namespace EnemyKinds

namespace {

const EnemyKindInfo* const kAll[] = {
    &EnemyKinds::BeeHive,  &EnemyKinds::Bee,        &EnemyKinds::Bear,      &EnemyKinds::Mole,
    &EnemyKinds::Ghost,    &EnemyKinds::Sheet,      &EnemyKinds::Zombie,    &EnemyKinds::Crab,
    &EnemyKinds::Bucket,   &EnemyKinds::Ball,       &EnemyKinds::Blowfish,  &EnemyKinds::Starfish,
    &EnemyKinds::Goat,     &EnemyKinds::Rock,       &EnemyKinds::Scruff,    &EnemyKinds::Mushroom,
    &EnemyKinds::Invader,  &EnemyKinds::RockGuy,    &EnemyKinds::Lavaguy,   &EnemyKinds::Flameguy,
    &EnemyKinds::Knight,   &EnemyKinds::Wizard,     &EnemyKinds::Bat,       &EnemyKinds::Cactus,
    &EnemyKinds::Mummy,    &EnemyKinds::Wompth,     &EnemyKinds::Biddie,    &EnemyKinds::WalkingFan,
    &EnemyKinds::Spade,    &EnemyKinds::Ickle,      &EnemyKinds::WizardShot, &EnemyKinds::Comet,
};

}  // namespace

const EnemyKindInfo* const* AllEnemyKinds(int* count) {
  *count = static_cast<int>(std::size(kAll));
  return kAll;
}

const EnemyKindInfo* EnemyKindForCode(int code) {
  if (code == 0) return nullptr;
  for (const EnemyKindInfo* k : kAll)
    if (k->code == code) return k;
  return nullptr;
}
