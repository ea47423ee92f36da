// Breakable blocks: a dash from above or a knock from below breaks one, and its four bits fly.
#include "entities/active_object_parts.h"

EntityList<TBlock> BlockList;
EntityList<TBlockBit> BlockBitList;

BOINGLE_STATE_VALUE(BlockList, BlockList.Size());
BOINGLE_STATE_VALUE(BlockBitList, BlockBitList.Size());

namespace {

using namespace active_parts;

constexpr int kBlockPoints = 10;
constexpr float kBitGravity = 0.5f;

void SpawnBit(float x, float y, float xs, float ys, int style) {
  auto b = std::make_shared<TBlockBit>();
  b->x = x;
  b->y = y;
  b->xs = xs;
  b->ys = ys;
  b->frame = style;
  JoinActor(BlockBitList, b);
}

}  // namespace

void CreateBreakableBlock(const ActiveLine& line) {
  auto b = std::make_shared<TBlock>();
  b->x = static_cast<float>(line.x);
  b->y = static_cast<float>(line.y);
  b->style = line.Int("style");
  AddCollisionBlock(line.x, line.y, static_cast<int>(BlockKind::Solid));
  JoinActor(BlockList, b);
}

void TBlock::Draw() {
  SetAlpha(1.0f);
  DrawCell(ImgBlock, x, y, style);
}

void TBlock::Break() {
  BlockList.Remove(this);
  LeaveLevel(this);
  AddScore(kBlockPoints);
  SpawnBit(x, y, -2, -5, style);
  SpawnBit(x + 16, y, 2, -5, style);
  SpawnBit(x, y + 16, -3, -3, style);
  SpawnBit(x + 16, y + 16, 3, -3, style);
  RemoveCollisionBlock(static_cast<int>(x), static_cast<int>(y));
}

void BreakableBlockContacts() {
  bool broke = false;
  BlockList.Walk([&](TBlock& b) {
    if (broke) return;
    float x2 = b.x + kT, y2 = b.y + kT;
    if ((DashFlag && Touches(FootProbe, b.x, b.y, x2, y2)) ||
        Touches(HeadProbe, b.x, b.y, x2, y2)) {
      broke = true;
      b.Break();
    }
  });
}

void TBlockBit::Step() {
  x += xs;
  y += ys;
  ys += kBitGravity;
  if (y > CameraY + kViewHeight) {
    BlockBitList.Remove(this);
    LeaveLevel(this);
  }
}

void TBlockBit::Draw() {
  if (!OnScreen(x, y, 16, 16)) return;
  SetScale(scale, scale);
  DrawImage(ImgBlockBit, x - CameraX, y - CameraY, frame);
  SetScale(1, 1);
}

void BlockBitPass() {
  BlockBitList.Walk([](TBlockBit& b) { b.Step(); });
}
