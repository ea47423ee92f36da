#include "enemies/mole.h"

#include "enemies/walking_core.h"
#include "present/present.h"
#include "present/state_dump.h"
#include "present/timer.h"
#include "world/assets.h"
#include "world/camera.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

BOINGLE_ENEMY_LIST(TMole, MoleList)

namespace {

constexpr int kFirstWalkMs = 3000;
constexpr int kDugInMs = 2000;
// Tunnelling and walking last a whole number of seconds in this range.
constexpr int kShortestSeconds = 2, kLongestSeconds = 5;
constexpr float kLeapSpeed = -2;
constexpr float kTunnelSpeed = 2;
constexpr float kTopWalkSpeed = 2, kSpeedUp = 0.05f;

constexpr int kFrameMs = 50;
constexpr int kWalkFrames = 8;  // per direction
constexpr int kLeapFrames = 6;  // per direction: two bursting out, four paddling
constexpr int kLeapLoopFirst = 2, kLeapLoopLast = 5;
constexpr int kHillFrameMs = 20;
constexpr int kHillFormedFrame = 9, kHillGoneAfter = 4;
constexpr float kHillHandleX = 25, kHillHandleY = 13, kHillW = 50, kHillH = 19;
// The leaping pictures reach below the feet, where it breaks the ground.
constexpr float kPictureTop = 53, kPictureH = 67;

// A small creature's probes: walls and ledges close in, a long fall.
WalkerProbes MoleProbes() {
  WalkerProbes p;
  p.leftWall = {-10, -10, -7, -6};
  p.rightWall = {7, -10, 10, -6};
  p.nearLeft = {-12, 5, -8, 7};
  p.nearRight = {8, 5, 12, 7};
  p.maxFall = 5;
  p.ledgeRule = 1;  // it turns back at ledges, above and below ground
  return p;
}

int RandomSecondsMs() {
  return Rand(kShortestSeconds, kLongestSeconds) * 1000;
}

}  // namespace

bool TMole::AboveGround() const {
  return Phase() == MolePhase::Walking || Phase() == MolePhase::Leaping ||
         Phase() == MolePhase::LeapingOut;
}

void TMole::RaiseHill() {
  hillX = x;
  hillY = y;
  hill = MoleHill::Forming;
  hillFrame = 0;
  hillStamp = Millisecs();
}

void TMole::LowerHill() {
  if (hill == MoleHill::None) return;
  hill = MoleHill::Subsiding;
  hillFrame = 0;
  hillStamp = Millisecs();
}

void TMole::Enter(MolePhase phase) {
  mode = static_cast<int>(phase);
  frame = 0;
  switch (phase) {
    case MolePhase::Walking:
      speed = 0;
      maxSpeed = kTopWalkSpeed;
      direction = Rand(0, 1);
      phaseStart = Millisecs();
      phaseLength = RandomSecondsMs();
      LowerHill();
      break;
    case MolePhase::Leaping:
      ySpeed = kLeapSpeed;
      speed = 0;
      break;
    case MolePhase::DugIn:
      ySpeed = 0;
      PlaySfx(Sfx::MoleDig, 0);
      phaseStart = Millisecs();
      phaseLength = kDugInMs;
      RaiseHill();
      break;
    case MolePhase::Tunnelling:
      phaseStart = Millisecs();
      phaseLength = RandomSecondsMs();
      speed = kTunnelSpeed;
      direction = Rand(0, 1);
      LowerHill();
      break;
    case MolePhase::LeapingOut:
      speed = 0;
      ySpeed = kLeapSpeed;
      PlaySfx(Sfx::MoleReturn, 0);
      RaiseHill();
      break;
  }
}

void TMole::Behave() {
  static const WalkerProbes kProbes = MoleProbes();
  const bool onGround = WalkStep(*this, kProbes).onGround;
  const bool phaseOver = MsPassed(phaseStart, phaseLength);
  switch (Phase()) {
    case MolePhase::Walking:
      if (speed < maxSpeed) speed += kSpeedUp;
      if (phaseOver) Enter(MolePhase::Leaping);
      break;
    case MolePhase::Leaping:
      if (onGround) Enter(MolePhase::DugIn);
      break;
    case MolePhase::DugIn:
      speed = 0;
      ySpeed = 0;
      if (phaseOver) Enter(MolePhase::Tunnelling);
      break;
    case MolePhase::Tunnelling:
      ySpeed = 0;
      if (phaseOver) Enter(MolePhase::LeapingOut);
      break;
    case MolePhase::LeapingOut:
      if (onGround) Enter(MolePhase::Walking);
      break;
  }
  if (AboveGround()) HeroContact(*this);
}

void TMole::Update() {
  const int now = Millisecs();
  if (hill != MoleHill::None && MsPassed(hillStamp, kHillFrameMs, now)) {
    hillStamp = now;
    if (hill == MoleHill::Forming && hillFrame < kHillFormedFrame) ++hillFrame;
    if (hill == MoleHill::Subsiding && ++hillFrame > kHillGoneAfter) hill = MoleHill::None;
  }
  if (state == EnemyState::Asleep || !MsPassed(stamp, kFrameMs, now)) return;
  const bool leaping = state == EnemyState::Falling || Phase() == MolePhase::Leaping ||
                       Phase() == MolePhase::LeapingOut;
  if (leaping) {
    stamp = now;
    if (++frame > kLeapLoopLast) frame = kLeapLoopFirst;
  } else if (Phase() == MolePhase::Walking) {
    stamp = now;
    frame = (frame + 1) % kWalkFrames;
  }
}

const Image* TMole::Strip() const {
  if (state == EnemyState::Falling) return ImgMoleJumpingDown;
  switch (Phase()) {
    case MolePhase::Walking:
      return ImgMoleWalking;
    case MolePhase::Leaping:
      return ySpeed < 0 ? ImgMoleJumpingUp : ImgMoleJumpingDown;
    default:
      return ImgMoleJumpingUp;
  }
}

int TMole::StripFrame() const {
  if (state != EnemyState::Falling && Phase() == MolePhase::Walking)
    return direction * kWalkFrames + frame;
  return direction * kLeapFrames + frame;
}

void TMole::ViewBox(float* left, float* top, float* bw, float* bh) const {
  *left = x - w / 2.0f;
  *top = y - kPictureTop;
  *bw = static_cast<float>(w);
  *bh = kPictureH;
}

void TMole::Draw() {
  if (hidden) return;
  if (state == EnemyState::Falling || AboveGround()) TEnemy::Draw();
  // The earth it throws up stands in front of it.
  if (hill == MoleHill::None) return;
  if (!OnScreen(hillX - kHillHandleX, hillY - kHillHandleY, static_cast<int>(kHillW),
                static_cast<int>(kHillH)))
    return;
  DrawImage(hill == MoleHill::Forming ? ImgMoleHillForm : ImgMoleHillSubside, hillX - CameraX,
            hillY - CameraY, hillFrame);
}

void CreateMole(const ActiveLine& line) {
  auto mole = MakeEnemy<TMole>(EnemyKinds::Mole, static_cast<float>(line.x),
                               static_cast<float>(line.y), MoleList);
  TakeLineLinks(*mole, line);
  // It starts as if in a leap, so it digs in as soon as it stands on ground.
  mole->mode = static_cast<int>(MolePhase::Leaping);
  mole->phaseLength = kFirstWalkMs;
}
