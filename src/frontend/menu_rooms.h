// The menu level's rooms: the view shows one room at a time, chosen by where
// the hero is, and glides to the next room as he passes a doorway.
#pragma once

// The left edge of the view for a hero at world x, or false in a doorway
// between two rooms (where the view stays as it is).
bool MenuRoomCameraX(float heroX, float* cameraX);

// Once per menu frame, after the hero has moved: the camera eases towards
// the hero's room by a twelfth of the way.
void MenuRoomCameraStep();

// At the menu's start: the view stands in the hero's room at once.
void PlaceMenuCamera();
