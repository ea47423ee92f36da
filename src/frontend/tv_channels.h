// The first-run intro (game state 206): the TV switches on and the hero zaps
// through six channels, each broken off by a burst of interference. Leads to
// the retro teaser (207); Escape cuts the channels short and goes there too.
#pragma once

void RunTvChannels();
