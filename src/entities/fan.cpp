// Fans: a solid body and an air stream that pushes the hero while it runs.
#include "entities/active_object_parts.h"

#include "present/timer.h"

EntityList<TFan> FanList;

BOINGLE_STATE_VALUE(FanList, FanList.Size());

namespace {

using namespace active_parts;

}  // namespace

void CreateFan(const ActiveLine& line) {
  auto f = std::make_shared<TFan>();
  f->x = static_cast<float>(line.x);
  f->y = static_cast<float>(line.y);
  f->direction = line.Int("direction");
  f->on = line.Int("on");
  double p3 = line.Real("power");
  f->power = static_cast<float>(p3 / 20.0);
  // A fan of no power would divide by zero: it never turns.
  f->interval = p3 > 0 ? static_cast<int>(100.0 / (p3 / 2.0)) : 1 << 30;
  f->right = line.x + line.WidthPx();
  f->bottom = line.y + line.HeightPx();
  f->bodyX = line.x;
  f->bodyY = line.y;
  if (f->direction == static_cast<int>(Direction::Up)) f->bodyY = f->bottom - kT;
  if (f->direction == static_cast<int>(Direction::Left)) f->bodyX = f->right - kT;
  f->stamp = Millisecs();
  AddCollisionBlock(f->bodyX, f->bodyY, static_cast<int>(BlockKind::Solid));
  JoinActor(FanList, f);
}

void TFan::Step() {
  if (!on) {
    anim = 0;
    return;
  }
  int now = Millisecs();
  if (MsPassed(stamp, interval, now)) {
    stamp = now;
    anim = (anim + 1) % 4;
  }
}

void TFan::Draw() {
  DrawCell(ImgFan, static_cast<float>(bodyX), static_cast<float>(bodyY), anim + direction * 4);
}

bool TFan::FixedDrawBox(Box* box) const {
  *box = {static_cast<float>(bodyX), static_cast<float>(bodyY), static_cast<float>(bodyX + kT),
          static_cast<float>(bodyY + kT)};
  return true;
}

void FanChecks() {
  FanList.Walk([](TFan& f) {
    if (!f.on ||
        !Touches(BodyBox, f.x, f.y, static_cast<float>(f.right), static_cast<float>(f.bottom)))
      return;
    switch (static_cast<Direction>(f.direction)) {
      case Direction::Up:
        P_YS -= f.power;
        break;
      case Direction::Down:
        P_YS += f.power;
        break;
      case Direction::Right:
        P_XS += f.power;
        break;
      case Direction::Left:
        P_XS -= f.power;
        break;
    }
  });
}
