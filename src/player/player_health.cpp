#include "player/player_health.h"

#include "world/particles.h"
#include "world/game_state.h"
#include "world/progress.h"
#include "world/music.h"
#include "world/sound_effects.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/level_reset.h"

int HurtTime = 0;
float HurtTint = 0;
int DeathTime = 0;
int ExitReached = 0;
FlyingPiece BodyPiece{0, 0, 0, 0}, StickPiece{0, 0, 0, 0};

namespace {

void ResetForLevel() {
  ExitReached = 0;
  HurtTint = 0;
}
const int kResetJoined = RegisterLevelResetStep(ResetPhase::Player, &ResetForLevel);
}  // namespace

void HurtPlayer(int n) {
  if (ExitReached || PlayerState != 0) return;
  Health -= n;
  EmitHearts(static_cast<int>(P_X), static_cast<int>(P_Y - 10), n);
  PlaySfx(Sfx::BeeCollide, 0);  // the hurt thud
  if (Health > 0) {
    PlayerState = 1;
    HurtTime = Millisecs();
  } else {
    StartDeath();
  }
}

void PlayerFollowUpStep() {
  if (PlayerState != 1) return;
  int now = Millisecs();
  // The clock's milliseconds taken as degrees: a pulse every 360 ms.
  HurtTint = (SinD(static_cast<float>(now)) + 1) / 2;
  if (MsPassed(HurtTime, kHurtSafeMs, now)) PlayerState = 0;
}

void StartDeath() {
  DeathTime = Millisecs();
  PlayMusic(MusicId::Death);
  PlayerState = 2;
  BodyPiece = {P_X, P_Y - 23, 2, -4};
  StickPiece = {P_X, P_Y - 23, -2, -4};
}

void PlayerDyingStep() {
  for (FlyingPiece* p : {&BodyPiece, &StickPiece}) {
    p->ys += 0.2f;
    p->y += p->ys;
    p->x += p->xs;
  }
  if (MsPassed(DeathTime, kDeathFadeMs)) {
    PendingExitCode = 2;
    if (FadeAlpha == 0) FadeAlpha = 0.01f;
  }
}
