// Floor buttons: toggle, one-shot and timed; the hero presses one by landing on it.
#include "entities/active_object_parts.h"

#include "present/timer.h"

EntityList<TButton> ButtonList;

BOINGLE_STATE_VALUE(ButtonList, ButtonList.Size());

namespace {

using namespace active_parts;

}  // namespace

void CreateButton(const ActiveLine& line) {
  auto b = std::make_shared<TButton>();
  b->x = static_cast<float>(line.x);
  b->y = static_cast<float>(line.y);
  b->target = line.Int("target");
  b->up = line.Int("pressed") ? 0 : 1;
  b->kind = line.Int("type");
  b->duration = line.Int("duration");
  b->stamp = Millisecs();
  JoinActor(ButtonList, b);
}

void TButton::Draw() {
  DrawCell(ImgButton, x, y, up);
}

bool TButton::FixedDrawBox(Box* box) const {
  *box = {x, y, x + kT, y + kT};
  return true;
}

void TButton::Rearm() {
  if (kind == static_cast<int>(ButtonType::Timed) && !up && MsPassed(pressedAt, duration))
    up = 1;
}

void ButtonChecks() {
  ButtonList.Walk([](TButton& b) {
    if (P_YS > 0) {
      if (b.up) {
        if (Touches(FootProbe, b.x, b.y, b.x + kT, b.y + kT)) {
          P_YS = P_NORMAL_BOUNCE;
          b.up = 0;
          if (b.kind == static_cast<int>(ButtonType::Timed)) b.pressedAt = Millisecs();
          FireLink(b.target);
        }
      } else if (b.kind == static_cast<int>(ButtonType::Toggle)) {
        if (Touches(FootProbe, b.x, b.y + 16, b.x + kT, b.y + kT)) {
          P_YS = P_NORMAL_BOUNCE;
          b.up = 1;
          FireLink(b.target);
        }
      }
    }
    b.Rearm();
  });
}
