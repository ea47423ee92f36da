#include "enemies/top_dash.h"

#include "world/player_state.h"
#include "world/tile_map.h"

bool FootOnTop(const TEnemy& e, const BodyRect& top) {
  return BoxesOverlap(e.x + top.left, e.y + top.top, e.x + top.right, e.y + top.bottom,
                      FootProbe.left, FootProbe.top, FootProbe.right, FootProbe.bottom) != 0;
}

Contact HeroContactFromAbove(TEnemy& e, const BodyRect& top) {
  if (!e.info || !e.info->hasBody || PlayerState >= 2) return Contact::None;
  if (!BodyTouchesHero(e, e.info->body)) return Contact::None;
  if (DashFlag) {
    if (FootOnTop(e, top)) {
      DefeatEnemy(e);
      return Contact::Defeated;
    }
    P_YS = e.info->touch.heroYSpeed;
    return Contact::Touched;
  }
  return HeroContact(e);
}
