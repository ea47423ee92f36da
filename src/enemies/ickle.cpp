#include "enemies/ickle.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "enemies/walking_core.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"

BOINGLE_ENEMY_LIST(TIckle, IckleList)

namespace {

constexpr int kLifeMin = 501, kLifeMax = 600;
constexpr int kHarmlessLife = 100;  // its last frames
constexpr float kSinkGrowth = 0.01f;
constexpr float kMaxSink = 2;
constexpr int kFrameMs = 60;
constexpr int kFrames = 4;
constexpr int kLeft = 0, kRight = 1;

// The flames are 11 to 17 pixels wide on the middle of their base. The floor
// probe is the base, one pixel deep, tested only while falling so a bounce is
// never undone; the wall probes are at its sides (6-9 pixels out, between 12
// and 4 pixels up).
constexpr BodyRect kFloor{-4, 0, 4, 1};
constexpr BodyRect kLeftWall{-9, -12, -6, -4};
constexpr BodyRect kRightWall{6, -12, 9, -4};

Image* const* const kLooks[3] = {&ImgFlameguyIckle1, &ImgFlameguyIckle2, &ImgFlameguyIckle3};

}  // namespace

bool TIckle::Harmless() const {
  return life <= kHarmlessLife;
}

void TIckle::Behave() {
  x += direction == kRight ? speed : -speed;
  y += ySpeed;
  ySpeed = std::min(ySpeed + kSinkGrowth, kMaxSink);
  const BodyRect rects[3] = {kFloor, kLeftWall, kRightWall};
  const unsigned hits = ProbeBlocks(x, y, rects, 3);
  if (ySpeed > 0 && (hits & 1u)) ySpeed = -ySpeed;
  if (direction == kLeft && (hits & 2u))
    direction = kRight;
  else if (direction == kRight && (hits & 4u))
    direction = kLeft;

  if (!Harmless() && HeroContact(*this) == Contact::Touched) {
    Kill();
    return;
  }
  if (--life <= 0) Kill();
}

void TIckle::Update() {
  if (state == EnemyState::Active && FrameDue(*this, kFrameMs)) frame = (frame + 1) % kFrames;
}

// Burning low, it fades with the frames it has left, so the player sees it
// can no longer hurt.
void TIckle::Draw() {
  if (!Harmless()) {
    TEnemy::Draw();
    return;
  }
  SetAlpha(static_cast<float>(std::max(life, 0)) / kHarmlessLife);
  TEnemy::Draw();
  SetAlpha(1);
}

const Image* TIckle::Strip() const {
  return *kLooks[look];
}

TIckle& MakeIckle(float x, float y, int direction, float speed, float ySpeed) {
  auto e = MakeEnemy<TIckle>(EnemyKinds::Ickle, x, y, IckleList);
  e->look = Rand(0, 2);
  const Image* picture = *kLooks[e->look];
  e->w = ImageWidth(picture);
  e->h = ImageHeight(picture);
  e->target = kIckleTarget;
  e->direction = direction;
  e->speed = speed;
  e->ySpeed = ySpeed;
  e->life = Rand(kLifeMin, kLifeMax);
  return *e;
}
