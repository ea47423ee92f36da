// The enemy catalogue: every kind as data, in one table. For each kind: the
// level code that places it (0 for kinds only other enemies make), its class,
// its `kind` number, its pictures, its body, what a dash and a plain touch do,
// its sounds and whether a link reveals it. The behaviour lives in the kind's
// own file (src/enemies/<kind>.cpp); the level line's fields are named in the
// object kind table (src/world/object_kinds.h).
#pragma once

struct Image;

// A rectangle relative to the enemy's anchor: left, top, right, bottom.
struct BodyRect {
  float left, top, right, bottom;
};

enum class Burst { None, Sparkle, FireSmoke, Smoke };

// What a dash does.
struct EnemyDefeat {
  bool possible = false;
  int score = 0;
  int sound = -1;  // -1: none
  bool soundVaries = false;
  Burst burst = Burst::None;
  int burstCount = 0;
  float burstAbove = 0;  // the burst is thrown at (x, y - burstAbove)
  float burstSize = 1;   // the fire-smoke's size factor
};

// What any other touch does while the hero is not hurt.
struct EnemyTouch {
  float heroYSpeed = -5;  // P_YS afterwards
  int damage = 1;         // 0: the touch only knocks him back
  int sound = -1;
  bool soundVaries = false;
};

// Where a defeated enemy stops falling and is removed: this far below the
// view, or (kDeathMarginFrame) its own frame height below.
constexpr int kDeathMarginFrame = -1;

struct EnemyKindInfo {
  int code;               // the level code, 0 for spawned kinds
  const char* className;  // as the game's vocabulary names it
  int kind;               // the `kind` number
  Image* const* strip;    // the main picture: sets w and h at creation
  bool hasBody;           // false: never touches the hero
  BodyRect body;
  EnemyDefeat defeat;
  EnemyTouch touch;
  bool revealedByLink;    // Trigger clears `hidden`
  int deathMargin;
  int wakeSound;          // -1: none
  int fixedW, fixedH;     // a size of its own instead of the strip's (0: the strip's)
};

// The rows, by what the game calls each kind.
namespace EnemyKinds {
extern const EnemyKindInfo BeeHive, Bee, Bear, Mole, Ghost, Sheet, Zombie, Crab, Bucket, Ball, Blowfish,
    Starfish, Goat, Rock, Scruff, Mushroom, Invader, RockGuy, Lavaguy, Flameguy, Knight, Wizard, Bat, Cactus,
    Mummy, Wompth, Biddie, WalkingFan;
// Made only by other objects.
extern const EnemyKindInfo Spade, Ickle, WizardShot, Comet;
}  // namespace EnemyKinds

// Every row, level kinds first, for tests and tools; `count` receives the
// number of rows.
const EnemyKindInfo* const* AllEnemyKinds(int* count);
// The row of a level code, or null.
const EnemyKindInfo* EnemyKindForCode(int code);

// Targets the spawned kinds fire when they die.
constexpr int kReleasedBeeTarget = -1913;
constexpr int kIckleTarget = 12345;
