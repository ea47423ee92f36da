// The object kinds of a level's active list: one row per type code.
//
// A row gives the code, the name level sources use for the kind, the
// function that creates it, and what fields 4 to 11 of its line mean. The
// forge's level compiler turns `name=value` pairs of a source into those
// fields; the game's creators read the same fields back by the same names
// (ActiveLine::Int("mode")), so the two can never disagree about which field
// holds what. Fields 1 to 3 are always x, y and the code.
//
//   X(code, "source name", CreateFunction, fields)
//   fields: F(n, "name")               field n is named
//           FIX(n, "name", "value")    field n always holds value (the row
//                                      picks a variant of a shared code)
//
// Adding a kind is a row here plus the kind's own file with its create
// function (the game links every row's function, so a missing one is a link
// error). A code with no row creates nothing, in the game and in the forge.
// This header is included by the forge too: it must stay free of game types.
#pragma once

// Size in tiles, fields 10 and 11.
#define BOINGLE_KIND_SIZE(F) F(10, "w") F(11, "h")
// What every triggerable object listens and answers with.
#define BOINGLE_KIND_LINKS(F) F(4, "hidden") F(8, "target") F(9, "link")
// An enemy whose field 5 picks its behaviour (a walker's ledge rule, a phase).
#define BOINGLE_KIND_MODE(F) BOINGLE_KIND_LINKS(F) F(5, "mode")

#define BOINGLE_OBJECT_KINDS(X, F, FIX)                                                          \
  /* Active objects. */                                                                      \
  X(0, "spring", CreateSpring, F(4, "strength") F(5, "direction"))                           \
  X(1, "fan", CreateFan, F(4, "direction") F(5, "on") F(6, "power") BOINGLE_KIND_SIZE(F))     \
  X(2, "teleport", CreateTeleport, F(4, "enabled") F(8, "pad") F(9, "destination"))          \
  X(4, "water", CreateWater, BOINGLE_KIND_SIZE(F))                                           \
  X(5, "moving_block", CreateMovingBlock,                                                    \
    F(4, "end_x") F(5, "end_y") F(6, "steps") BOINGLE_KIND_SIZE(F))                          \
  X(6, "falling_block", CreateFallingBlock, )                                                \
  X(46, "breakable", CreateBreakableBlock, F(4, "style"))                                    \
  X(47, "spikes", CreateSpikes, F(4, "direction") F(5, "hidden") BOINGLE_KIND_SIZE(F))       \
  X(140, "button", CreateButton, F(4, "pressed") F(5, "type") F(6, "duration") F(8, "target")) \
  X(141, "trigger_zone", CreateTriggerZone, F(8, "target") BOINGLE_KIND_SIZE(F))             \
  /* Zones. */                                                                               \
  X(21, "light_zone", CreateLightZone,                                                       \
    F(4, "label") F(5, "colour") F(6, "mode") F(7, "span") BOINGLE_KIND_SIZE(F))             \
  X(22, "tv_zone", CreateTVZone, F(4, "duration") BOINGLE_KIND_SIZE(F))                      \
  X(24, "shake_zone", CreateShakeZone,                                                       \
    F(5, "mode") F(6, "ms") F(7, "amplitude") F(8, "target") BOINGLE_KIND_SIZE(F))           \
  X(25, "camera_zone", CreateCameraZone, F(4, "mode") F(5, "value") BOINGLE_KIND_SIZE(F))    \
  X(26, "gravity_zone", CreateGravityZone, F(4, "gravity") BOINGLE_KIND_SIZE(F))             \
  /* Items. */                                                                               \
  X(41, "coin", CreateCoin, BOINGLE_KIND_LINKS(F))                                           \
  X(42, "statue", CreateStatue, F(4, "index") F(8, "target"))                                \
  X(43, "small_health", CreateSmallHealth, BOINGLE_KIND_LINKS(F))                            \
  X(44, "big_health", CreateBigHealth, BOINGLE_KIND_LINKS(F))                                \
  /* The level's boxes, its start and its message points. */                                 \
  X(120, "start", CreatePlayerStart, )                                                       \
  X(121, "exit", CreateExitBox, FIX(4, "spare", "0") BOINGLE_KIND_SIZE(F))                   \
  X(122, "warp", CreateWarpBox, BOINGLE_KIND_SIZE(F))                                        \
  X(123, "timer_start", CreateTimerGate, FIX(4, "gate", "0") BOINGLE_KIND_SIZE(F))           \
  X(123, "timer_finish", CreateTimerGate, FIX(4, "gate", "1") BOINGLE_KIND_SIZE(F))          \
  X(142, "message", CreateMessagePoint,                                                      \
    F(4, "number") F(5, "box_x") F(6, "box_y") F(8, "target") F(9, "link") BOINGLE_KIND_SIZE(F)) \
  X(143, "secret", CreateSecretBox, BOINGLE_KIND_SIZE(F))                                    \
  /* Enemies (the catalogue in src/enemies/enemy_catalogue.cpp). */                          \
  /* Enemies that watch and charge, change shape and burn. */                                \
  X(67, "ghost", CreateGhost, BOINGLE_KIND_LINKS(F))                                         \
  X(74, "blowfish", CreateBlowfish, BOINGLE_KIND_LINKS(F))                                   \
  X(76, "starfish", CreateStarfish, BOINGLE_KIND_LINKS(F))                                   \
  X(77, "goat", CreateGoat, BOINGLE_KIND_LINKS(F))                                           \
  X(83, "rockguy", CreateRockGuy, BOINGLE_KIND_MODE(F))                                      \
  X(85, "flameguy", CreateFlameguy, F(4, "hidden") F(5, "link") F(8, "target"))              \
  X(86, "knight", CreateKnight, BOINGLE_KIND_LINKS(F))                                       \
  X(96, "wompth", CreateWompth, BOINGLE_KIND_LINKS(F))                                       \
  X(103, "walking_fan", CreateWalkingFan, BOINGLE_KIND_MODE(F))                              \
  /* Walkers. */                                                                             \
  X(62, "bear", CreateBear, BOINGLE_KIND_MODE(F))                                            \
  X(68, "sheet", CreateSheet, BOINGLE_KIND_MODE(F))                                          \
  X(69, "zombie", CreateZombie, BOINGLE_KIND_MODE(F))                                        \
  X(70, "crab", CreateCrab, BOINGLE_KIND_MODE(F))                                            \
  X(94, "mummy", CreateMummy, BOINGLE_KIND_MODE(F))                                          \
  /* Enemies: the small kinds, and the comet zone that drops comets. */                      \
  X(73, "ball", CreateBall, BOINGLE_KIND_LINKS(F))                                           \
  X(79, "rock", CreateRock, BOINGLE_KIND_LINKS(F))                                           \
  X(80, "scruff", CreateScruff, BOINGLE_KIND_LINKS(F))                                       \
  X(81, "mushroom", CreateMushroom, BOINGLE_KIND_LINKS(F))                                   \
  X(82, "invader", CreateInvader, BOINGLE_KIND_LINKS(F))                                     \
  X(84, "lavaguy", CreateLavaguy, F(4, "hidden") F(5, "link") F(8, "target"))                \
  X(90, "cactus", CreateCactus, BOINGLE_KIND_LINKS(F))                                       \
  X(100, "biddie", CreateBiddie, BOINGLE_KIND_LINKS(F))                                      \
  X(102, "comet_zone", CreateCometZone, F(4, "interval") BOINGLE_KIND_SIZE(F))  \
  /* Enemies that fly, dig, throw and cast. */                                               \
  X(60, "bee_hive", CreateBeeHive,                                                           \
    BOINGLE_KIND_LINKS(F) F(5, "release") F(6, "interval") F(7, "bees"))                     \
  X(61, "bee", CreateBee, BOINGLE_KIND_LINKS(F))                                             \
  X(63, "mole", CreateMole, BOINGLE_KIND_LINKS(F))                                           \
  X(72, "bucket", CreateBucket, BOINGLE_KIND_LINKS(F) F(5, "stand"))                         \
  X(87, "wizard", CreateWizard, BOINGLE_KIND_MODE(F))                                        \
  X(88, "bat", CreateBat, BOINGLE_KIND_LINKS(F))

// The rows as data, for the forge and for reading fields by name.
struct KindField {
  int field;          // 4 to 11
  const char* name;
  const char* fixed;  // the value a row always writes, or null
};

constexpr int kMaxKindFields = 9;

struct ObjectKindRow {
  int code;
  const char* name;
  KindField fields[kMaxKindFields];
};

#define BOINGLE_KIND_DATA_F(n, nm) KindField{n, nm, nullptr},
#define BOINGLE_KIND_DATA_FIX(n, nm, v) KindField{n, nm, v},
#define BOINGLE_KIND_DATA_ROW(code, nm, fn, fields) ObjectKindRow{code, nm, {fields}},
inline constexpr ObjectKindRow kObjectKinds[] = {
    BOINGLE_OBJECT_KINDS(BOINGLE_KIND_DATA_ROW, BOINGLE_KIND_DATA_F, BOINGLE_KIND_DATA_FIX)};
#undef BOINGLE_KIND_DATA_ROW
#undef BOINGLE_KIND_DATA_FIX
#undef BOINGLE_KIND_DATA_F

// The first row of a code (the variants of a shared code name their fields
// alike), or null when the code has no kind.
constexpr const ObjectKindRow* FindObjectKind(int code) {
  for (const ObjectKindRow& row : kObjectKinds)
    if (row.code == code) return &row;
  return nullptr;
}

// The field a kind gives a name, or 0 when it has no field of that name.
constexpr int KindFieldNumber(const ObjectKindRow& row, const char* name) {
  for (const KindField& f : row.fields) {
    if (!f.name) break;
    const char* a = f.name;
    const char* b = name;
    while (*a && *a == *b) ++a, ++b;
    if (*a == *b) return f.field;
  }
  return 0;
}
