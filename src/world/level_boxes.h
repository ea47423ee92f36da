// The level's fixed boxes: single records, not objects. A later line of the
// same type code replaces an earlier one. Boxes are (left, top, right, bottom)
// in world pixels; what touching them does belongs to the level-completion
// code.
#pragma once

struct TLevelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

extern TLevelBox LevelExitBox;     // type 121 with field 4 = 0
extern TLevelBox WarpBox;          // type 122
extern TLevelBox TimerStartGate;   // type 123, field 4 = 0
extern TLevelBox TimerFinishGate;  // type 123, field 4 = 1
extern TLevelBox SecretBox;        // type 143

// Where a box stands when the level has none: nothing can touch it.
constexpr int kNoBoxEdge = -20000;

void ResetLevelBoxes();
