// Waking up in front of the TV (game state 210): the picture breaks up, the
// hero wakes on the rug by the fizzing TV, taps it, leans in, lightning
// strikes the garden and the room flashes white. Leads to the new world
// (211); Escape goes there at once.
#pragma once

void RunWakingUp();
