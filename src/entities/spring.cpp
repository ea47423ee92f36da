// Springs: they throw the hero the way they face and bounce back through their frames.
#include "entities/active_object_parts.h"

#include "present/timer.h"

EntityList<TSpring> SpringList;

BOINGLE_STATE_VALUE(SpringList, SpringList.Size());

namespace {

using namespace active_parts;

constexpr int kSpringFrameMs = 10;
constexpr int kSpringLastFrame = 7;

}  // namespace

void CreateSpring(const ActiveLine& line) {
  auto s = std::make_shared<TSpring>();
  s->x = static_cast<float>(line.x);
  s->y = static_cast<float>(line.y);
  s->strength = static_cast<float>(line.Real("strength"));
  s->direction = line.Int("direction");
  s->stamp = Millisecs();
  JoinActor(SpringList, s);
}

void TSpring::Step() {
  int now = Millisecs();
  if (anim > 0 && MsPassed(stamp, kSpringFrameMs, now)) {
    ++anim;
    stamp = now;
    if (anim > kSpringLastFrame) anim = 0;
  }
}

void TSpring::Draw() {
  DrawCell(ImgSpring, x, y, direction * 8 + anim);
}

bool TSpring::FixedDrawBox(Box* box) const {
  *box = {x, y, x + kT, y + kT};
  return true;
}

void SpringChecks() {
  SpringList.Walk([](TSpring& s) {
    float x2 = s.x + kT, y2 = s.y + kT;
    bool hit = false;
    switch (static_cast<Direction>(s.direction)) {
      case Direction::Up:
        if ((hit = Touches(FootProbe, s.x, s.y, x2, y2))) P_YS = -s.strength;
        break;
      case Direction::Down:
        if ((hit = Touches(HeadProbe, s.x, s.y, x2, y2))) P_YS = s.strength;
        break;
      case Direction::Right:
        if ((hit = Touches(LeftProbe, s.x, s.y, x2, y2))) P_XS = s.strength;
        break;
      case Direction::Left:
        if ((hit = Touches(RightProbe, s.x, s.y, x2, y2))) P_XS = -s.strength;
        break;
    }
    if (!hit) return;
    DashFlag = 0;
    s.anim = 1;
    s.stamp = Millisecs();
    PlaySfx(Sfx::SpringCollide1, 0);
  });
}
