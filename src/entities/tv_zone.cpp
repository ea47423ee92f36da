#include "entities/tv_zone.h"

#include "world/level_lists.h"
#include "world/assets.h"
#include "world/sound_effects.h"
#include "present/state_dump.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

std::vector<TTVZone> TVZones;

BOINGLE_STATE_VALUE(TVZones, TVZones.size());
int TVOverlayOn = 0, TVOverlayDuration = 0, TVOverlayStart = 0;

namespace {

const int kJoinedList = RegisterLevelList([] {
  TVZones.clear();
  TVOverlayOn = 0;
});
}  // namespace

void CreateTVZone(const ActiveLine& l) {
  TTVZone z;
  z.x = l.x;
  z.y = l.y;
  z.w = l.WidthPx();
  z.h = l.HeightPx();
  z.duration = l.Text("duration").empty() ? 50 : l.Int("duration");
  TVZones.push_back(z);
}

void StartTVOverlay(int durationMs) {
  TVOverlayOn = 1;
  TVOverlayDuration = durationMs;
  TVOverlayStart = Millisecs();
  PlaySfx(Sfx::TvNoise, 0);
}

void StopTVOverlay() {
  TVOverlayOn = 0;
  RenewSfxChannel(Sfx::TvNoise);
}

void TVZonesStep() {
  int now = Millisecs();
  if (TVOverlayOn && MsPassed(TVOverlayStart, TVOverlayDuration, now)) StopTVOverlay();
  if (TVOverlayOn) {
    SetScale(2, 2);
    DrawImage(ImgTVInterference, 0, 0, Rand(0, 2));
    SetScale(1, 1);
  }
  for (size_t i = 0; i < TVZones.size();) {
    const TTVZone& z = TVZones[i];
    if (BoxesOverlap(static_cast<float>(z.x), static_cast<float>(z.y), static_cast<float>(z.x + z.w),
                     static_cast<float>(z.y + z.h), BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom)) {
      StartTVOverlay(z.duration);
      TVZones.erase(TVZones.begin() + static_cast<long>(i));
    } else {
      ++i;
    }
  }
}
