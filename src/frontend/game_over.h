// Game over (game state 216): "GAME OVER!" out of black, four seconds, back
// into black, then the continue question.
#pragma once

void RunGameOver();
