// Spikes: they hurt whoever touches them, hidden or not, except in the tutorial forest.
#include "entities/active_object_parts.h"
#include "entities/near_index.h"

EntityList<TSpikes> SpikesList;

BOINGLE_STATE_VALUE(SpikesList, SpikesList.Size());

namespace {

using namespace active_parts;

constexpr int kSpikeHurt = 20;

NearIndex<TSpikes> g_spikeIndex;

}  // namespace

void CreateSpikes(const ActiveLine& line) {
  auto s = std::make_shared<TSpikes>();
  s->x = static_cast<float>(line.x);
  s->y = static_cast<float>(line.y);
  s->width = line.Int("w");
  s->height = line.Int("h");
  s->direction = line.Int("direction");
  s->hidden = line.Int("hidden");
  JoinActor(SpikesList, s);
}

void TSpikes::Draw() {
  if (hidden) return;
  CellSpan rows = VisibleCells(y, height, CameraY, kViewHeight), cols = VisibleCells(x, width, CameraX, kViewWidth);
  for (int row = rows.first; row < rows.last; ++row)
    for (int col = cols.first; col < cols.last; ++col)
      DrawCell(ImgSpikes, x + col * kT, y + row * kT, direction);
}

bool TSpikes::FixedDrawBox(Box* box) const {
  *box = {x, y, x + static_cast<float>(width * kT), y + static_cast<float>(height * kT)};
  return true;
}

void SpikeChecks() {
  if (AreaIndex == Area::Tutorial) return;
  auto fixedBox = [](const TSpikes& s, Box* box) { return s.FixedDrawBox(box); };
  g_spikeIndex.Walk(SpikesList, fixedBox, BodyBox, [](TSpikes& s) {
    if (Touches(BodyBox, s.x, s.y, s.x + s.width * kT, s.y + s.height * kT)) HurtPlayer(kSpikeHurt);
  });
}
