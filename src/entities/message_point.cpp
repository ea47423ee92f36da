#include "entities/message_point.h"

#include "world/level_lists.h"
#include "entities/level_completion.h"
#include "entities/text_wrap.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/message_table.h"
#include "world/sound_effects.h"
#include "world/settings.h"
#include "present/state_dump.h"
#include "player/console.h"
#include "world/player_state.h"
#include "present/present.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

EntityList<TMessagePoint> MessagePoints;

BOINGLE_STATE_VALUE(MessagePoints, MessagePoints.Size());
int MessageOpen = 0;

namespace {

constexpr int kTextWidth = 368;
constexpr int kLineHeight = 16;

// The title card, the level end and the console lock the keys too; closing
// a message must not undo their lock.
bool OthersLockInput() { return TitleState <= 2 || TallyState > 0 || ConsoleOpen; }

const int kJoinedList = RegisterLevelList([] { MessagePoints.Clear(); }, ListRole::LevelObjects);

void Open(TMessagePoint& m) {
  m.state = TMessagePoint::kOpen;
  PlaySfx(Sfx::MsgOpen, 0);
}

}  // namespace

void CreateMessagePoint(const ActiveLine& l) {
  MakeMessagePoint(l.x, l.y, l.WidthPx(), l.HeightPx(), l.Int("number"), l.Int("target"), l.Int("link"), l.Int("box_x"), l.Int("box_y"));
}

std::shared_ptr<TMessagePoint> MakeMessagePoint(int x, int y, int w, int h, int message, int target, int link,
                                                int offsetX, int offsetY) {
  auto m = std::make_shared<TMessagePoint>();
  m->x = static_cast<float>(x);
  m->y = static_cast<float>(y);
  m->w = w;
  m->h = h;
  m->message = message;
  if (message >= 0 && message < kMessageTableSize) {
    m->text = MessageText[message];
    m->icon = MessageSpeaker[message];
  }
  m->target = target;
  m->link = link;
  m->offsetX = offsetX;
  m->offsetY = offsetY;
  m->stamp = Millisecs();
  MessagePoints.Add(m);
  LevelObjects.Add(m);
  TriggerList.Add(m);
  return m;
}

void TMessagePoint::Step() {
  switch (state) {
    case kOpen:
      if (alpha < 1.0f) alpha += 0.05f;
      if (SpaceHit) state = kClosing;
      break;
    case kClosing:
      if (alpha <= 0)
        state = kFinished;
      else
        alpha -= 0.1f;
      break;
    case kFinished: Kill(); break;
    default: break;
  }
}

void TMessagePoint::Draw() {
  if (state != kOpen && state != kClosing) return;
  float ox = static_cast<float>(offsetX), oy = static_cast<float>(offsetY);
  DrawState before = CurrentDrawState();
  SetOrigin(0, 0);
  SetScale(1, 1);
  SetRotation(0);
  SetColor(0, 0, 0);
  SetAlpha(alpha * 0.25f);
  DrawRect(0, 0, 800, 600);
  SetAlpha(alpha);
  DrawRect(ox + 200, oy + 100, 400, 200);
  SetColor(255, 255, 255);
  DrawLine(ox + 200, oy + 100, ox + 600, oy + 100);
  DrawLine(ox + 200, oy + 100, ox + 200, oy + 300);
  DrawLine(ox + 600, oy + 100, ox + 600, oy + 300);
  DrawLine(ox + 200, oy + 300, ox + 600, oy + 300);
  DrawImage(ImgIcons, ox + 208, oy + 108, icon);
  DrawImage(ImgMsgSpace, ox + 531, oy + 282, 0);
  SetImageFont(FontSmall);
  std::vector<std::string> lines = WrapText(text, kTextWidth);
  int top = static_cast<int>(oy) + 116;
  for (size_t n = 0; n < lines.size(); ++n)
    DrawText(lines[n], ox + 216, static_cast<float>(top + static_cast<int>(n + 2) * kLineHeight));
  SetImageFont(before.font);
  SetOrigin(before.originX, before.originY);
  SetAlpha(1);
}

void TMessagePoint::Trigger() {
  if (state == kWaiting) Open(*this);
}

void TMessagePoint::Kill() {
  FireLink(target);
  MessagePoints.Remove(this);
  LevelObjects.Remove(this);
  TriggerList.Remove(this);
}

void MessagePointsStep(MessageOpening opening) {
  const bool byTouch = opening == MessageOpening::TouchOrLink;
  int open = 0;
  MessagePoints.Walk([&open, byTouch](TMessagePoint& m) {
    m.Step();
    m.Draw();
    if (m.state == TMessagePoint::kOpen) ++open;
    if (byTouch && m.state == TMessagePoint::kWaiting &&
        BoxesOverlap(m.x, m.y, m.x + m.w, m.y + m.h, BodyBox.left, BodyBox.top, BodyBox.right, BodyBox.bottom)) {
      Open(m);
      ++open;
    }
  });
  if (open == 0) {
    if (MessageOpen && !OthersLockInput()) InputLocked = 0;
    MessageOpen = 0;
  } else {
    MessageOpen = 1;
    InputLocked = 1;
  }
}

int MessagePointOpen() { return MessageOpen; }

void RemoveMessagePoints() {
  MessagePoints.Walk([](TMessagePoint& m) { LeaveCommonLists(&m); });
  MessagePoints.Clear();
  MessageOpen = 0;
}
