#include "player/object_hooks.h"

#define WEAK __attribute__((weak))

WEAK void MovingBlockContacts() {}
WEAK void FallingBlockContacts() {}
WEAK void MenuButtonContacts() {}
WEAK void BreakableBlockContacts() {}
