// What the menu level shows besides its tiles and buttons: the two volume
// sliders, the barrier in the slot door, and the notes on the walls (what
// each room's buttons do, the summary of the loaded file, the greetings).
#pragma once

// At the menu's start: the greetings from their file.
void LoadMenuTexts();
// Once per menu frame, after the tiles and before the hero.
void DrawMenuDecorations();
