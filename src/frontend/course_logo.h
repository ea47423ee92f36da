// The title splash (game state 202): the letters of "KT508" fall and bounce
// into a row, "presents" fades in under them, and the splash tune plays.
// Leads to the main menu; Escape goes there at once.
#pragma once

void RunCourseLogo();
