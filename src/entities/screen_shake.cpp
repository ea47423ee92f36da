#include "entities/screen_shake.h"

#include "world/level_lists.h"
#include "entities/object_checks.h"
#include "present/state_dump.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

int ShakeOn = 0;
int ShakeModeNow = 0;
int ShakeAmplitude = 0, ShakeDuration = 0, ShakeStart = 0;
int ShakeBurstMax = 0, ShakeBurstEnd = 0, ShakeLastRoll = 0;
int ShakeOffsetX = 0, ShakeOffsetY = 0;

EntityList<TShakeZone> ShakeZones;

BOINGLE_STATE_VALUE(ShakeZones, ShakeZones.Size());

namespace {

constexpr int kQuakeRollMs = 500;

void Roll() {
  ShakeOffsetX = Rand(-ShakeAmplitude, ShakeAmplitude);
  ShakeOffsetY = Rand(-ShakeAmplitude, ShakeAmplitude);
}

// A shake never outlives its level.
const int kJoinedList = RegisterLevelList(
    [] {
      ShakeZones.Clear();
      StopScreenShake();
    },
    ListRole::LevelObjects);

}  // namespace

void CreateShakeZone(const ActiveLine& l) {
  auto z = std::make_shared<TShakeZone>();
  z->x = static_cast<float>(l.x);
  z->y = static_cast<float>(l.y);
  z->w = l.WidthPx();
  z->h = l.HeightPx();
  z->target = l.Int("target");
  z->kind = l.Int("mode");
  z->a = l.Int("ms");
  z->b = l.Int("amplitude");
  z->stamp = Millisecs();
  ShakeZones.Add(z);
  LevelObjects.Add(z);
  DrawList.Add(z);
}

void StartShake(int mode, int a, int b) {
  int now = Millisecs();
  ShakeOn = 1;
  ShakeModeNow = mode;
  switch (mode) {
    case 0:
      ShakeDuration = a;
      ShakeAmplitude = b;
      ShakeStart = now;
      break;
    case 1: ShakeAmplitude = b; break;
    case 2:
      ShakeAmplitude = b;
      ShakeBurstMax = a;
      ShakeBurstEnd = now;
      ShakeLastRoll = now;
      break;
    default: StopScreenShake(); break;
  }
}

void StopScreenShake() {
  ShakeOn = 0;
  ShakeOffsetX = ShakeOffsetY = 0;
}

void ScreenShakeStep(float* offsetX, float* offsetY) {
  // This frame draws with the offsets rolled last frame; the roll below is
  // for the next one.
  *offsetX = static_cast<float>(ShakeOffsetX);
  *offsetY = static_cast<float>(ShakeOffsetY);
  if (ShakeOn) {
    int now = Millisecs();
    switch (ShakeModeNow) {
      case 0:
        Roll();
        if (MsPassed(ShakeStart, ShakeDuration, now)) StopScreenShake();
        break;
      case 1: Roll(); break;
      case 2:
        if (MsPassed(ShakeLastRoll, kQuakeRollMs, now)) {
          ShakeLastRoll = now;
          if (Rand(0, 4) == 1) ShakeBurstEnd = now + Rand(ShakeBurstMax / 2, ShakeBurstMax);
        }
        if (now < ShakeBurstEnd) Roll();
        break;
      default: break;
    }
  }
}

void TShakeZone::Kill() {
  StartShake(kind, a, b);
  // The zone fires its target too (a level can chain a rumble to a falling
  // rock or a message), but only a real link: link 0 is what every object
  // without a link listens to.
  if (target != 0) FireLink(target);
  ShakeZones.Remove(this);
  LevelObjects.Remove(this);
  DrawList.Remove(this);
}

void ShakeZoneChecks() {
  ShakeZones.Walk([](TShakeZone& z) {
    if (BoxesOverlap(z.x, z.y, z.x + z.w, z.y + z.h, BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom))
      z.Kill();
  });
}
