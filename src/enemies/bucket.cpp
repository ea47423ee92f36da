#include "enemies/bucket.h"

#include <algorithm>

#include "enemies/spade.h"
#include "enemies/walking_core.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TBucket, BucketList)

namespace {

constexpr float kGravity = 0.1f, kMaxFall = 3;
constexpr float kHopSpeed = -2;
constexpr int kFirstThrowMs = 2000;
// After a throw it waits a whole number of seconds in this range.
constexpr int kShortestWaitSeconds = 4, kLongestWaitSeconds = 7;
// After a throw a hopping bucket sets off at a new speed, with a little hop.
constexpr float kSlowest = 0.5f, kFastest = 1.5f;
constexpr float kHopAfterThrow = -1;
// The spade leaves its hand at frame 8, above its middle; the throw is over
// at frame 14.
constexpr int kThrowFrameMs = 20;
constexpr int kSpadeFrame = 8;
constexpr int kThrowFrames = 14;  // per direction
constexpr float kSpadeAbove = 45;

constexpr BodyRect kGroundProbe{-5, -1, 5, 0};
constexpr BodyRect kLeftWallProbe{-20, -20, -15, -10};
constexpr BodyRect kRightWallProbe{15, -20, 20, -10};
enum Probe { kGround, kLeftWall, kRightWall, kProbeCount };

constexpr int kLeft = 0, kRight = 1;

int TowardsHero(float x) {
  return P_X >= x ? kRight : kLeft;
}

}  // namespace

bool TBucket::FacesHero() const {
  return direction == TowardsHero(x);
}

void TBucket::Enter(BucketMode m) {
  mode = static_cast<int>(m);
  frame = 0;
  switch (m) {
    case BucketMode::Throwing:
      ySpeed = 0;
      stamp = Millisecs();
      PlaySfx(Sfx::BucketThrow, 0);
      break;
    case BucketMode::Moving:
      nextThrow.Start(Rand(kShortestWaitSeconds, kLongestWaitSeconds) * 1000);
      if (!Standing()) {
        speed = Rnd(kSlowest, kFastest);
        ySpeed = kHopAfterThrow;
      }
      break;
  }
}

void TBucket::Behave() {
  const bool throwing = mode == static_cast<int>(BucketMode::Throwing);
  if (Standing()) {
    speed = 0;
    direction = TowardsHero(x);
  }
  if (throwing) speed = 0;

  x += direction == kRight ? speed : -speed;
  y += ySpeed;
  ySpeed = std::min(ySpeed + kGravity, kMaxFall);

  const BodyRect probes[kProbeCount] = {kGroundProbe, kLeftWallProbe, kRightWallProbe};
  const unsigned hits = ProbeBlocks(x, y, probes, kProbeCount);
  const bool onGround = hits & (1u << kGround);
  if (onGround) {
    if (!throwing && !Standing() && ySpeed >= 0) {
      ySpeed = kHopSpeed;
      PlaySfx(Sfx::BucketBounce, 0);
    } else {
      ySpeed = 0;
    }
  }
  if (direction == kLeft && (hits & (1u << kLeftWall)))
    direction = kRight;
  else if (direction == kRight && (hits & (1u << kRightWall)))
    direction = kLeft;

  if (HeroContact(*this) == Contact::Defeated) return;

  if (!throwing && nextThrow.Passed() && onGround && FacesHero()) Enter(BucketMode::Throwing);
}

void TBucket::Update() {
  if (state != EnemyState::Active || mode != static_cast<int>(BucketMode::Throwing)) return;
  const int now = Millisecs();
  if (!MsPassed(stamp, kThrowFrameMs, now)) return;
  stamp = now;
  ++frame;
  if (frame == kSpadeFrame) ThrowSpade(x, y - kSpadeAbove);
  if (frame >= kThrowFrames) Enter(BucketMode::Moving);
}

int TBucket::StripFrame() const {
  return direction * kThrowFrames + frame;
}

void CreateBucket(const ActiveLine& line) {
  auto bucket = MakeEnemy<TBucket>(EnemyKinds::Bucket, static_cast<float>(line.x),
                                   static_cast<float>(line.y), BucketList);
  TakeLineLinks(*bucket, line);
  bucket->aux = line.Int("stand");
  bucket->direction = Rand(0, 1);
  bucket->nextThrow.stamp = bucket->stamp;
  bucket->nextThrow.length = kFirstThrowMs;
}
