// The enemy base: what every enemy kind shares.
//
// Each kind derives from TEnemy and fills in its own behaviour (Behave), its
// animation (Update) and which picture it shows (Strip, StripFrame). The base
// does the rest the same way for every kind, in Step, once a frame from the
// enemy pass:
//   - asleep (state 0): the wake test, and the kind's OnWake when it wakes;
//   - defeated (state 2, for kinds that fall): the death fall, then Kill;
//   - otherwise the kind's Behave;
//   - then the sleep rule for an enemy left far behind.
// Contact with the hero is one routine (HeroContact) that each kind calls
// with its body and its row of the catalogue.
#pragma once

#include <memory>

#include "enemies/enemy_catalogue.h"
#include "entities/entity.h"

struct Image;
struct ActiveLine;

// States every kind shares; kinds name their own further states.
namespace EnemyState {
constexpr int Asleep = 0;
constexpr int Active = 1;
constexpr int Falling = 2;  // defeated, dropping out of the level
}  // namespace EnemyState

// Waking and sleeping follow the view: an enemy wakes within this margin
// around it and sleeps again at twice the margin.
constexpr float kWakeMargin = 200;
constexpr float kSleepMargin = 2 * kWakeMargin;

class TEnemy : public TTriggerable {
 public:
  int mode = 0;  // behaviour variant or phase, per kind (level field 5 for many)
  int aux = 0;   // spare, per kind
  // Motion most kinds share: 0 moving left, 1 right; pixels per frame.
  int direction = 0;
  float speed = 0;
  float ySpeed = 0;  // positive downwards; also the death fall's
  bool hopping = false;  // a walker in the air over a gap it hopped
  const EnemyKindInfo* info = nullptr;

  // The enemy pass's step, the same for every kind.
  void Step();

  // Slot 0: the current picture, unless hidden or out of view.
  void Draw() override;
  // Asleep, a kind that idles stands still inside its view box.
  bool FixedDrawBox(Box* box) const override;
  // True for a kind whose Update does nothing at all while it is asleep and
  // that draws through the base's Draw: asleep, it then stands still and
  // unchanged, so a far one needs no visit of any pass until the view comes
  // within its wake margin (or a link fires).
  virtual bool IdleAsleep() const { return false; }
  // Slot 2: a kind the catalogue marks as revealed by its link appears with
  // a sparkle; for the others a link does nothing.
  void Trigger() override;
  // Slot 3: fires `target`, then leaves every list it joined.
  void Kill() override;
  // Leaves every list it joined without firing anything: a spent projectile
  // is not a defeat that anyone listens for.
  // Slot 4: the kind's own behaviour while awake (and, for kinds with their
  // own death, while defeated).
  virtual void Behave() {}

 protected:
  // Called once when the wake test wakes the enemy.
  virtual void OnWake() {}
  // Whether the base runs the death fall in state 2 (kinds with their own
  // do it in Behave).
  virtual bool FallsWhenDefeated() const { return true; }
  // The picture and frame shown now, and the box tested against the view.
  virtual const Image* Strip() const;
  virtual int StripFrame() const { return frame; }
  virtual void ViewBox(float* left, float* top, float* w, float* h) const;
  // Leaves the kind's own list (each kind's list is its own type).
  virtual void LeaveKindList() = 0;
  // Leaves every list it joined, firing nothing: Kill's second half, and
  // the whole of a quiet exit.
  void LeaveLists();

 public:
  // Tests used by the step and by kinds.
  bool InWakeRange() const;
  bool FarOutOfView() const;
};

// The view box of a kind drawn around its anchor at its middle (the bee,
// the hive, the projectiles), for their ViewBox.
void CentredViewBox(const TEnemy& e, float* left, float* top, float* w, float* h);

// Every enemy of every kind, in creation order: the enemy pass walks it.
extern EntityList<TEnemy> EnemyList;

// What a contact did, so a kind can add its own effects to the shared ones.
enum class Contact { None, Defeated, Touched };

// The one contact rule between an enemy and the hero: once a frame, while
// the hero is not dead, the enemy's body (relative to its anchor) against his
// body box. A dash defeats it (one enemy per dash) with the catalogue row's
// defeat; otherwise, while the hero is not hurt, the row's touch. `body`
// defaults to the row's; kinds whose body changes pass their own.
Contact HeroContact(TEnemy& e);
Contact HeroContact(TEnemy& e, const BodyRect& body);
// The same with a touch of the kind's own, for kinds whose touch changes with
// their phase (a kicked-off starfish hurts more, a wompth hits as it falls).
Contact HeroContact(TEnemy& e, const BodyRect& body, const EnemyTouch& touch);
// The overlap alone (no effects), for kinds with phases of their own.
bool BodyTouchesHero(const TEnemy& e, const BodyRect& body);

// The defeat's standard effects (burst, score, sound, state 2, the hero's
// bounce), for kinds that decide on a defeat by rules of their own.
void DefeatEnemy(TEnemy& e);
// The same with a defeat of the kind's own (a knight stamped on makes no sound).
void DefeatEnemy(TEnemy& e, const EnemyDefeat& defeat);

// The death fall: the y speed grows by `gravity`, the enemy drops, and once
// it has passed the bottom of the view by its margin it is killed.
void DeathFall(TEnemy& e, float gravity = 0.1f);

// Creation shared by every kind: position, size from the catalogue's main
// strip, stamp, the row's kind number, and the level line's hidden, target
// and link (codes 84 and 85 read their link from field 5, as their rows
// name it). Then `join` adds it to the kind list; the base adds it to the
// enemy list, TriggerList and DrawList.
template <class T, class List>
std::shared_ptr<T> MakeEnemy(const EnemyKindInfo& info, float x, float y, List& kindList);
std::shared_ptr<TEnemy> PrepareEnemy(std::shared_ptr<TEnemy> e, const EnemyKindInfo& info, float x, float y);
void JoinEnemyLists(const std::shared_ptr<TEnemy>& e);
// Reads hidden, target and link from a level line into a new enemy.
void TakeLineLinks(TEnemy& e, const ActiveLine& line);

template <class T, class List>
std::shared_ptr<T> MakeEnemy(const EnemyKindInfo& info, float x, float y, List& kindList) {
  auto e = std::make_shared<T>();
  PrepareEnemy(e, info, x, y);
  kindList.Add(e);
  JoinEnemyLists(e);
  return e;
}

// A kind's own list, in the kind's .cpp: defined, emptied with the level's
// objects (so a level load removes every enemy without firing a link),
// counted in the --state dump under its name, and left by the kind's Kill.
#define BOINGLE_ENEMY_LIST(Class, List)                                                        \
  EntityList<Class> List;                                                                      \
  static const int boingle_joined_##List = RegisterLevelList([] { List.Clear(); }, ListRole::LevelObjects); \
  BOINGLE_STATE_VALUE(List, List.Size());                                                      \
  void Class::LeaveKindList() { List.Remove(this); }
