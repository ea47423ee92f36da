#include "enemies/ghost.h"

#include <algorithm>

#include "enemies/frame_due.h"
#include "present/state_dump.h"
#include "world/assets.h"
#include "world/level_lists.h"
#include "world/level_loader.h"
#include "world/player_state.h"
#include "world/sound_effects.h"

BOINGLE_ENEMY_LIST(TGhost, GhostList)

namespace {

// It turns its picture only once the hero is clearly to one side, so it does
// not flicker while it hovers right above or below him.
constexpr float kTurnDistance = 20;
constexpr float kXAccel = 0.05f;
constexpr float kYAccel = 0.1f;
constexpr float kMaxXSpeed = 2;
constexpr float kMaxYSpeed = 4;
// Watched, it drifts to a stop.
constexpr float kWatchedDrag = 0.9f;
constexpr int kFadeFrameMs = 100;
constexpr int kLastFadeFrame = 9;
constexpr int kLeft = 0, kRight = 1;

// Whether the hero looks at something at x: looking right (facing 0) he sees
// what is at or right of him, looking left what is left of him.
bool HeroFaces(float x) {
  return Facing == 0 ? x >= P_X : x < P_X;
}

}  // namespace

void TGhost::Enter(GhostPhase phase) {
  switch (phase) {
    case GhostPhase::Chasing:
      frame = 0;
      break;
    case GhostPhase::Watched:
      // From the chase the fade starts a full step later; from a half fade
      // it carries on where it was.
      if (Phase() == GhostPhase::Chasing) stamp = Millisecs();
      break;
    case GhostPhase::Unwatched:
      PlaySfx(Sfx::GhostGiggle, 0);
      break;
  }
  mode = static_cast<int>(phase);
}

void TGhost::Behave() {
  const bool faced = HeroFaces(x);
  switch (Phase()) {
    case GhostPhase::Chasing:
      x += xSpeed;
      y += ySpeed;
      if (P_X > x + kTurnDistance) direction = kRight;
      if (P_X < x - kTurnDistance) direction = kLeft;
      if (P_X > x) xSpeed += kXAccel;
      if (P_X < x) xSpeed -= kXAccel;
      if (P_Y > y) ySpeed += kYAccel;
      if (P_Y < y) ySpeed -= kYAccel;
      xSpeed = std::clamp(xSpeed, -kMaxXSpeed, kMaxXSpeed);
      ySpeed = std::clamp(ySpeed, -kMaxYSpeed, kMaxYSpeed);
      if (faced) Enter(GhostPhase::Watched);
      break;
    case GhostPhase::Watched:
      x += xSpeed;
      y += ySpeed;
      xSpeed *= kWatchedDrag;
      ySpeed *= kWatchedDrag;
      if (!faced) Enter(GhostPhase::Unwatched);
      break;
    case GhostPhase::Unwatched:
      x += xSpeed;
      y += ySpeed;
      if (faced)
        Enter(GhostPhase::Watched);
      else if (frame == 0)
        Enter(GhostPhase::Chasing);
      break;
  }
  HeroContact(*this);
}

void TGhost::Update() {
  if (state != EnemyState::Active) return;
  if (Phase() == GhostPhase::Watched && frame < kLastFadeFrame && FrameDue(*this, kFadeFrameMs))
    ++frame;
  if (Phase() == GhostPhase::Unwatched && frame > 0 && FrameDue(*this, kFadeFrameMs)) --frame;
}

const Image* TGhost::Strip() const {
  return Phase() == GhostPhase::Chasing ? ImgGhostFly : ImgGhostFade;
}

// The flying picture holds one frame per side (0 left, 1 right); the fade is
// the same from either side.
int TGhost::StripFrame() const {
  return Phase() == GhostPhase::Chasing ? direction : frame;
}

void CreateGhost(const ActiveLine& line) {
  auto g = MakeEnemy<TGhost>(EnemyKinds::Ghost, static_cast<float>(line.x),
                             static_cast<float>(line.y), GhostList);
  TakeLineLinks(*g, line);
}
