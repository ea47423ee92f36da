// Moving blocks: they slide to their end and back, carry the hero and push him out of their way.
#include "entities/active_object_parts.h"

EntityList<TMovingBlock> MovingBlockList;

BOINGLE_STATE_VALUE(MovingBlockList, MovingBlockList.Size());

namespace {

using namespace active_parts;

}  // namespace

void CreateMovingBlock(const ActiveLine& line) {
  auto m = std::make_shared<TMovingBlock>();
  m->x = m->startX = static_cast<float>(line.x);
  m->y = m->startY = static_cast<float>(line.y);
  m->width = line.Int("w");
  m->height = line.Int("h");
  m->endX = static_cast<float>(line.Int("end_x"));
  m->endY = static_cast<float>(line.Int("end_y"));
  // Zero steps would divide by zero and never turn back.
  m->steps = line.Int("steps") > 0 ? line.Int("steps") : 1;
  JoinActor(MovingBlockList, m);
}

void TMovingBlock::Step() {
  if (!returning) {
    ++step;
    if (step == steps) returning = 1;
  }
  if (returning) {
    --step;
    if (step == 0) returning = 0;
  }
  x = startX + (endX - startX) / static_cast<float>(steps) * static_cast<float>(step);
  y = startY + (endY - startY) / static_cast<float>(steps) * static_cast<float>(step);
}

// Nine-slice: corners, edges and middle each have their own frame.
void TMovingBlock::Draw() {
  CellSpan rows = VisibleCells(y, height, CameraY, kViewHeight), cols = VisibleCells(x, width, CameraX, kViewWidth);
  for (int row = rows.first; row < rows.last; ++row) {
    int band = row == 0 ? 0 : (row == height - 1 ? 2 : 1);
    for (int col = cols.first; col < cols.last; ++col) {
      int part = col == 0 ? 0 : (col == width - 1 ? 2 : 1);
      DrawCell(ImgMovingBlock, x + col * kT, y + row * kT, band * 3 + part);
    }
  }
}

void MovingBlockContacts() {
  MovingBlockList.Walk([](TMovingBlock& m) {
    float x2 = m.x + m.width * kT, y2 = m.y + m.height * kT;
    if (Touches(HeadProbe, m.x, m.y, x2, y2)) {
      CeilingContact = 1;
      P_Y += 1.0f;
    }
    if (Touches(FootProbe, m.x, m.y, x2, y2)) {
      FloorContact = 1;
      P_Y -= 1.0f;
    }
    if (Touches(LeftProbe, m.x, m.y, x2, y2)) {
      LeftWallContact = 1;
      P_X += 1.0f;
    }
    if (Touches(RightProbe, m.x, m.y, x2, y2)) {
      RightWallContact = 1;
      P_X -= 1.0f;
    }
  });
}
