#include "frame/pending_steps.h"

#include "frame/settings.h"

#define WEAK __attribute__((weak))

WEAK void EnemyPass() {}

WEAK void BuildWorldMapNodes() {}
WEAK void BuildMenuButtons() {}
