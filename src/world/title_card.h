// The level title card: the level's name and subtitle on black, fading in
// and out over the first two seconds of a level or the menu.
#pragma once

void UpdateTitleCard();
void DrawTitleCard();
