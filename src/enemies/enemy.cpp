#include "enemies/enemy.h"

#include "player/player_health.h"
#include "present/present.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/particles.h"
#include "world/player_state.h"
#include "world/progress.h"
#include "world/sound_effects.h"
#include "world/tile_map.h"

namespace {

void ThrowBurst(Burst burst, int count, float size, float x, float y) {
  int ix = static_cast<int>(x), iy = static_cast<int>(y);
  switch (burst) {
    case Burst::Sparkle: EmitSparkle(ix, iy, count); break;
    case Burst::FireSmoke: EmitFireSmoke(ix, iy, count, size); break;
    case Burst::Smoke: EmitSmoke(ix, iy, count); break;
    case Burst::None: break;
  }
}

int MarginOf(const TEnemy& e) {
  return e.info && e.info->deathMargin != kDeathMarginFrame ? e.info->deathMargin : e.h;
}

}  // namespace

bool TEnemy::InWakeRange() const {
  return CameraX - kWakeMargin <= x && x < CameraX + kViewWidth + kWakeMargin && CameraY - kWakeMargin <= y &&
         y < CameraY + kViewHeight + kWakeMargin;
}

bool TEnemy::FarOutOfView() const {
  return x < CameraX - kSleepMargin || x > CameraX + kViewWidth + kSleepMargin || y < CameraY - kSleepMargin ||
         y > CameraY + kViewHeight + kSleepMargin;
}

void TEnemy::Step() {
  Update();
  if (state == EnemyState::Asleep) {
    if (InWakeRange()) {
      state = EnemyState::Active;
      ObjectsMayHaveChanged();
      if (info && info->wakeSound >= 0) PlaySfx(info->wakeSound, 0);
      OnWake();
    }
    return;
  }
  if (state == EnemyState::Falling && FallsWhenDefeated()) {
    DeathFall(*this);
    return;
  }
  Behave();
  // Only an enemy that is simply awake goes back to sleep: one that is
  // falling, charging or spent keeps what it is doing.
  if (state == EnemyState::Active && FarOutOfView()) {
    state = EnemyState::Asleep;
    ObjectsMayHaveChanged();
  }
}

const Image* TEnemy::Strip() const {
  return info && info->strip ? *info->strip : nullptr;
}

// The picture shown now, placed around its handle (the anchor): a kind that
// swells, rears or floats at its middle is culled by what it really covers.
// Without a picture, the kind stands on its anchor at the middle of its feet.
void TEnemy::ViewBox(float* left, float* top, float* bw, float* bh) const {
  if (const Image* picture = Strip()) {
    *left = x - picture->handleX;
    *top = y - picture->handleY;
    *bw = static_cast<float>(picture->width);
    *bh = static_cast<float>(picture->height);
    return;
  }
  *left = x - w / 2.0f;
  *top = y - h;
  *bw = static_cast<float>(w);
  *bh = static_cast<float>(h);
}

void CentredViewBox(const TEnemy& e, float* left, float* top, float* bw, float* bh) {
  *left = e.x - e.w / 2.0f;
  *top = e.y - e.h / 2.0f;
  *bw = static_cast<float>(e.w);
  *bh = static_cast<float>(e.h);
}

bool TEnemy::FixedDrawBox(Box* box) const {
  if (!IdleAsleep() || state != EnemyState::Asleep) return false;
  float left, top, bw, bh;
  ViewBox(&left, &top, &bw, &bh);
  *box = {left, top, left + bw, top + bh};
  return true;
}

void TEnemy::Draw() {
  if (hidden) return;
  float left, top, bw, bh;
  ViewBox(&left, &top, &bw, &bh);
  if (!OnScreen(left, top, static_cast<int>(bw), static_cast<int>(bh))) return;
  DrawImage(Strip(), x - CameraX, y - CameraY, StripFrame());
}

void TEnemy::Trigger() {
  if (!info || !info->revealedByLink || !hidden) return;
  hidden = 0;
  EmitSparkle(static_cast<int>(x), static_cast<int>(y), 10);
}

void TEnemy::Kill() {
  FireLink(target);
  LeaveLists();
}

void TEnemy::LeaveLists() {
  LeaveKindList();
  EnemyList.Remove(this);
  TriggerList.Remove(this);
  DrawList.Remove(this);
}

bool BodyTouchesHero(const TEnemy& e, const BodyRect& body) {
  return BoxesOverlap(e.x + body.left, e.y + body.top, e.x + body.right, e.y + body.bottom, BodyBox.left,
                      BodyBox.top, BodyBox.right, BodyBox.bottom) != 0;
}

void DefeatEnemy(TEnemy& e) { DefeatEnemy(e, e.info->defeat); }

void DefeatEnemy(TEnemy& e, const EnemyDefeat& d) {
  DashFlag = 0;
  ThrowBurst(d.burst, d.burstCount, d.burstSize, e.x, e.y - d.burstAbove);
  e.state = EnemyState::Falling;
  P_YS = -5;
  e.ySpeed = 2;
  e.frame = 0;
  AddScore(d.score);
  if (d.sound >= 0) PlaySfx(d.sound, d.soundVaries ? 1 : 0);
}

Contact HeroContact(TEnemy& e) {
  return e.info ? HeroContact(e, e.info->body) : Contact::None;
}

Contact HeroContact(TEnemy& e, const BodyRect& body) {
  return e.info ? HeroContact(e, body, e.info->touch) : Contact::None;
}

Contact HeroContact(TEnemy& e, const BodyRect& body, const EnemyTouch& t) {
  if (!e.info || !e.info->hasBody || PlayerState >= 2) return Contact::None;
  if (!BodyTouchesHero(e, body)) return Contact::None;
  if (DashFlag && e.info->defeat.possible) {
    DefeatEnemy(e);
    return Contact::Defeated;
  }
  if (PlayerState != 0) return Contact::None;
  P_YS = t.heroYSpeed;
  if (t.sound >= 0) PlaySfx(t.sound, t.soundVaries ? 1 : 0);
  if (t.damage > 0) HurtPlayer(t.damage);
  return Contact::Touched;
}

void DeathFall(TEnemy& e, float gravity) {
  e.ySpeed += gravity;
  e.y += e.ySpeed;
  if (e.y > CameraY + kViewHeight + MarginOf(e)) e.Kill();
}

std::shared_ptr<TEnemy> PrepareEnemy(std::shared_ptr<TEnemy> e, const EnemyKindInfo& info, float x, float y) {
  e->info = &info;
  e->x = x;
  e->y = y;
  e->kind = info.kind;
  const Image* strip = info.strip ? *info.strip : nullptr;
  e->w = info.fixedW ? info.fixedW : ImageWidth(strip);
  e->h = info.fixedH ? info.fixedH : ImageHeight(strip);
  e->frame = 0;
  e->stamp = Millisecs();
  return e;
}

void JoinEnemyLists(const std::shared_ptr<TEnemy>& e) {
  EnemyList.Add(e);
  TriggerList.Add(e);
  DrawList.Add(e);
}

void TakeLineLinks(TEnemy& e, const ActiveLine& line) {
  e.hidden = line.Int("hidden");
  e.target = line.Int("target");
  e.link = line.Int("link");
}
