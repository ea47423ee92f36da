#include "player/object_hooks.h"

PlayerObjectHooks PlayerHooks;

void PlayerObjectChecks() {
  for (PlayerHookFn check : PlayerHooks.objectChecks)
    if (check) check();
}

std::vector<const char*> MissingPlayerHooks() {
  std::vector<const char*> missing;
  if (!PlayerHooks.movingBlockContacts) missing.push_back("moving block contacts");
  if (!PlayerHooks.fallingBlockContacts) missing.push_back("falling block contacts");
  if (!PlayerHooks.menuButtonContacts) missing.push_back("menu button contacts");
  if (!PlayerHooks.breakableBlockContacts) missing.push_back("breakable block contacts");
  if (!PlayerHooks.exitBoxCheck) missing.push_back("exit box check");
  if (!PlayerHooks.objectChecks[0]) missing.push_back("object checks");
  return missing;
}
