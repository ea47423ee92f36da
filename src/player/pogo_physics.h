// The pogo physics: steering, gravity, the bounce heights, the double bounce
// and the dash, in four sub-steps a frame against the collision blocks; and
// the step-wise movement of the retro area.
#pragma once

// Once per level frame while the hero is not dead (not in the retro area).
void PlayerPhysicsStep();
// Once per level frame in the retro area.
void RetroPlayerStep();

// The hero's four probes against the collision blocks: sets the ceiling,
// floor and wall contacts they touch (a platform only holds a falling hero,
// and only when platformsToo).
void HeroBlockContacts(bool platformsToo);

// The retro step's own state.
extern int RetroRiseCounter;
extern int RetroDashFlag;

// How far below the level's lowest block the hero may fall before it costs
// him his life.
constexpr float kFallOutDepth = 100;
