#include "frame/pending_steps.h"

#include "frame/settings.h"

#define WEAK __attribute__((weak))

WEAK void AnimationClockStep() {}
WEAK void ActiveObjectPasses() {}
WEAK void ItemPass() {}
WEAK void EnemyPass() {}
WEAK void BlockBitPass() {}
WEAK void DrawWater() {}

WEAK void BuildWorldMapNodes() {}
WEAK void BuildMenuButtons() {}
