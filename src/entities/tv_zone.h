// TV zones: the picture breaks into TV interference with its noise for a
// while, once per zone.
#pragma once

#include <vector>

struct TTVZone {
  int x = 0, y = 0, w = 0, h = 0;
  int duration = 50;  // ms
};
extern std::vector<TTVZone> TVZones;
extern int TVOverlayOn, TVOverlayDuration, TVOverlayStart;

void StartTVOverlay(int durationMs);
// Ends the overlay now and silences its noise.
void StopTVOverlay();
// Frame step: ends, draws and starts the overlay.
void TVZonesStep();
