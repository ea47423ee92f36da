// Hurting the hero, the spell of safety after a hurt, and death: the boy and
// his stick fly apart and the level fades out four seconds later.
#pragma once

extern int HurtTime;
extern float HurtTint;  // 0-1, the red pulse while hurt
extern int DeathTime;
extern int ExitReached;  // the level exit was touched: no more damage

struct FlyingPiece {
  float x, y, xs, ys;
};
extern FlyingPiece BodyPiece, StickPiece;

constexpr int kHurtSafeMs = 2000;
constexpr int kDeathFadeMs = 4000;

// The one way to damage the hero.
void HurtPlayer(int n);
// Once per level frame after the physics step, while not dead.
void PlayerFollowUpStep();
// Once per level frame while dead, instead of the physics.
void PlayerDyingStep();
void StartDeath();
