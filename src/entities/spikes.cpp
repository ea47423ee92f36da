// Spikes: they hurt whoever touches them, hidden or not, except in the tutorial forest.
#include "entities/active_object_parts.h"

EntityList<TSpikes> SpikesList;

BOINGLE_STATE_VALUE(SpikesList, SpikesList.Size());

namespace {

using namespace active_parts;

constexpr int kSpikeHurt = 20;

void CreateSpikes(const ActiveLine& line) {
  auto s = std::make_shared<TSpikes>();
  s->x = static_cast<float>(line.x);
  s->y = static_cast<float>(line.y);
  s->width = line.wTiles;
  s->height = line.hTiles;
  s->direction = line.Int(4);
  s->hidden = line.Int(5);
  JoinActor(SpikesList, s);
}
const int kRegistered = RegisterActiveKind(47, &CreateSpikes);

}  // namespace

void TSpikes::Draw() {
  if (hidden) return;
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col)
      DrawCell(ImgSpikes, x + col * kT, y + row * kT, direction);
}

void SpikeChecks() {
  if (AreaIndex == kAreaTutorial) return;
  SpikesList.Walk([](TSpikes& s) {
    if (Touches(BodyBox, s.x, s.y, s.x + s.width * kT, s.y + s.height * kT)) HurtPlayer(kSpikeHurt);
  });
}
