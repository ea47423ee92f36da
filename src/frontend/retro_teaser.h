// The retro teaser (game state 207): the TV frame fades away, a spoof of an
// old console's logo, then the title of the retro game, which waits for
// Space before its level card. Leads to the retro level (427); Escape goes
// there at once.
#pragma once

void RunRetroTeaser();
