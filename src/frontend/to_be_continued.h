// "To be Continued..." (game state 215): the last picture of the game goes
// out like an old television, then the words fade in and out; the credits
// follow.
#pragma once

void RunToBeContinued();
