// "Meanwhile..." (game state 212), after Forest I is first completed: in the
// castle the servant tells his master about the boy on the pogo stick
// (messages 100-107, chained by links). Marks itself seen as it starts, so
// it plays once. Leads to the world map; Escape goes there at once.
#pragma once

void RunVillains();
