// Message points: touched (or woken by a link) they open a framed box with a
// speaker's portrait and a text, lock the hero's keys, and close on Space,
// firing their target so the next one in a chain can open.
#pragma once

#include <string>

#include "entities/entity.h"

class TMessagePoint : public TTriggerable {
 public:
  enum State { kWaiting = 0, kOpen = 1, kClosing = 2, kFinished = 3 };
  int message = 0;
  std::string text;
  int icon = 0;
  float alpha = 0;
  int offsetX = 0, offsetY = 0;
  void Step();
  void Draw() override;
  void Trigger() override;
  void Kill() override;
};

extern EntityList<TMessagePoint> MessagePoints;
extern int MessageOpen;  // a point is open: the hero's keys are locked

std::shared_ptr<TMessagePoint> MakeMessagePoint(int x, int y, int w, int h, int message, int target, int link,
                                                int offsetX, int offsetY);
// Who may open a waiting point: in a level the hero's touch or a fired link;
// in a scene there is no hero's body (its box still holds wherever the last
// level left it), so only links.
enum class MessageOpening { TouchOrLink, LinkOnly };
// Frame step: every point's step and drawing, then opening by touch.
void MessagePointsStep(MessageOpening opening = MessageOpening::TouchOrLink);
int MessagePointOpen();
// Takes every point out of all its lists: a scene left before its dialogue
// ends must not leave boxes waiting for the next level.
void RemoveMessagePoints();
