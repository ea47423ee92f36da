// The level reset: everything that belongs to one level goes back to how it
// stands before any level is loaded. Run before every load and after every
// level ends.
#pragma once

void ResetLevel();
// The same; the loader calls it by this name so that linking the loader always
// brings this reset along, never a stand-in of the same name.
void ResetLevelState();

// The hero's part: position, previous position and speeds 0, facing right,
// alive, the level's tuning variables restored.
void ResetPlayerMotion();

// Later parts hook their own per-level state into the reset: more of the
// hero's (Player, run right after ResetPlayerMotion) and the level-end
// sequence and timer-run state (Boxes, run last).
enum class ResetPhase { Player, Boxes };
int RegisterLevelResetStep(ResetPhase phase, void (*step)());
