// The main menu: a small playable level ("f_menu.doy") the hero bounces
// through. Game state 0.
#pragma once

void RunMenu();
