// Falling platforms: they give way under the hero, drop out of sight and pop back home.
#include "entities/active_object_parts.h"

EntityList<TFallingBlock> FallingBlockList;

BOINGLE_STATE_VALUE(FallingBlockList, FallingBlockList.Size());

namespace {

using namespace active_parts;

constexpr float kPlatformGravity = 0.2f;
constexpr int kPlatformDrop = 1000;  // how far a platform falls before it pops back

}  // namespace

void CreateFallingBlock(const ActiveLine& line) {
  auto f = std::make_shared<TFallingBlock>();
  f->x = static_cast<float>(line.x);
  f->y = static_cast<float>(line.y);
  f->homeX = line.x;
  f->homeY = line.y;
  for (int k = 0; k < 3; ++k)
    AddCollisionBlock(line.x + k * kT, line.y, static_cast<int>(BlockKind::Solid));
  JoinActor(FallingBlockList, f);
}

void FallingBlockContacts() {
  FallingBlockList.Walk([](TFallingBlock& f) {
    if (f.state == 0 && Touches(FootProbe, f.x, f.y, f.x + 3 * kT, f.y + kT)) f.state = 1;
  });
}

void TFallingBlock::Step() {
  if (state == 1) {
    for (int k = 0; k < 3; ++k)
      RemoveCollisionBlock(static_cast<int>(x) + k * kT, static_cast<int>(y));
    state = 2;
  } else if (state == 2) {
    y += fallSpeed;
    fallSpeed += kPlatformGravity;
    if (y >= homeY + kPlatformDrop) {
      y = static_cast<float>(homeY);
      state = 0;
      for (int k = 0; k < 3; ++k) AddCollisionBlock(static_cast<int>(x) + k * kT, homeY, 0);
      fallSpeed = 0;
      PlaySfx(Sfx::PlatformPop, 0);
    }
  }
}

void TFallingBlock::Draw() {
  if (OnScreen(x, y, 3 * kT, kT)) DrawImage(ImgFallingBlock, x - CameraX, y - CameraY, 0);
}
