#include "entities/active_objects.h"

#include "entities/entity_lists.h"
#include "entities/object_checks.h"
#include "frame/assets.h"
#include "frame/hud.h"
#include "frame/pending_steps.h"
#include "frame/settings.h"
#include "frame/state_dump.h"
#include "player/object_hooks.h"
#include "player/player_health.h"
#include "player/player_state.h"
#include "present/present.h"
#include "world/area.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/tile_map.h"

EntityList<TSpring> SpringList;
EntityList<TFan> FanList;
EntityList<TTeleport> TeleportList;
EntityList<TMovingBlock> MovingBlockList;
EntityList<TWater> WaterList;
EntityList<TBlock> BlockList;
EntityList<TBlockBit> BlockBitList;
EntityList<TFallingBlock> FallingBlockList;
EntityList<TSpikes> SpikesList;
EntityList<TButton> ButtonList;
EntityList<TTriggerZone> TriggerZoneList;

BOINGLE_STATE_VALUE(SpringList, SpringList.Size());
BOINGLE_STATE_VALUE(FanList, FanList.Size());
BOINGLE_STATE_VALUE(TeleportList, TeleportList.Size());
BOINGLE_STATE_VALUE(MovingBlockList, MovingBlockList.Size());
BOINGLE_STATE_VALUE(WaterList, WaterList.Size());
BOINGLE_STATE_VALUE(BlockList, BlockList.Size());
BOINGLE_STATE_VALUE(BlockBitList, BlockBitList.Size());
BOINGLE_STATE_VALUE(FallingBlockList, FallingBlockList.Size());
BOINGLE_STATE_VALUE(SpikesList, SpikesList.Size());
BOINGLE_STATE_VALUE(ButtonList, ButtonList.Size());
BOINGLE_STATE_VALUE(TriggerZoneList, TriggerZoneList.Size());

int WaterFrame = 0, WaterStamp = 0;

namespace {

constexpr int kT = kTileSize;
constexpr int kSpringFrameMs = 10;
constexpr int kSpringLastFrame = 7;
constexpr int kWaterFrames = 32;
constexpr int kWaterFrameMs = 100;
constexpr int kBlockPoints = 10;
constexpr float kBitGravity = 0.5f;
constexpr float kPlatformGravity = 0.2f;
constexpr int kPlatformDrop = 1000;  // how far a platform falls before it pops back
constexpr int kSpikeHurt = 20;
constexpr float kTeleportLift = -4.0f;

void ClearActiveLists() {
  SpringList.Clear();
  FanList.Clear();
  TeleportList.Clear();
  MovingBlockList.Clear();
  WaterList.Clear();
  BlockList.Clear();
  BlockBitList.Clear();
  FallingBlockList.Clear();
  SpikesList.Clear();
  ButtonList.Clear();
  TriggerZoneList.Clear();
}
const int kListsJoined = RegisterLevelList(&ClearActiveLists, ListRole::LevelObjects);

template <class T>
void JoinActor(EntityList<T>& own, const std::shared_ptr<T>& obj) {
  own.Add(obj);
  LevelObjects.Add(obj);
  DrawList.Add(obj);
}

bool Touches(const Box& probe, float x1, float y1, float x2, float y2) {
  return BoxesOverlap(probe.left, probe.top, probe.right, probe.bottom, x1, y1, x2, y2) != 0;
}

void DrawCell(const Image* img, float x, float y, int frame) {
  if (OnScreen(x, y, kT, kT)) DrawImage(img, x - CameraX, y - CameraY, frame);
}

void CreateSpring(const ActiveLine& line) {
  auto s = std::make_shared<TSpring>();
  s->x = static_cast<float>(line.x);
  s->y = static_cast<float>(line.y);
  s->strength = static_cast<float>(line.Real(4));
  s->direction = line.Int(5);
  s->stamp = Millisecs();
  JoinActor(SpringList, s);
}

void CreateFan(const ActiveLine& line) {
  auto f = std::make_shared<TFan>();
  f->x = static_cast<float>(line.x);
  f->y = static_cast<float>(line.y);
  f->direction = line.Int(4);
  f->on = line.Int(5);
  double p3 = line.Real(6);
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

void CreateTeleport(const ActiveLine& line) {
  auto t = std::make_shared<TTeleport>();
  t->x = static_cast<float>(line.x);
  t->y = static_cast<float>(line.y);
  t->enabled = line.Int(4);
  t->pad = line.target;
  t->destination = line.link;
  JoinActor(TeleportList, t);
}

void CreateWater(const ActiveLine& line) {
  auto w = std::make_shared<TWater>();
  w->x = static_cast<float>(line.x);
  w->y = static_cast<float>(line.y);
  w->width = line.wTiles;
  w->height = line.hTiles;
  WaterList.Add(w);
  LevelObjects.Add(w);
}

void CreateMovingBlock(const ActiveLine& line) {
  auto m = std::make_shared<TMovingBlock>();
  m->x = m->startX = static_cast<float>(line.x);
  m->y = m->startY = static_cast<float>(line.y);
  m->width = line.wTiles;
  m->height = line.hTiles;
  m->endX = static_cast<float>(line.Int(4));
  m->endY = static_cast<float>(line.Int(5));
  // Zero steps would divide by zero and never turn back.
  m->steps = line.Int(6) > 0 ? line.Int(6) : 1;
  JoinActor(MovingBlockList, m);
}

void CreateFallingBlock(const ActiveLine& line) {
  auto f = std::make_shared<TFallingBlock>();
  f->x = static_cast<float>(line.x);
  f->y = static_cast<float>(line.y);
  f->homeX = line.x;
  f->homeY = line.y;
  for (int k = 0; k < 3; ++k) AddCollisionBlock(line.x + k * kT, line.y, static_cast<int>(BlockKind::Solid));
  JoinActor(FallingBlockList, f);
}

void CreateBlock(const ActiveLine& line) {
  auto b = std::make_shared<TBlock>();
  b->x = static_cast<float>(line.x);
  b->y = static_cast<float>(line.y);
  b->style = line.Int(4);
  AddCollisionBlock(line.x, line.y, static_cast<int>(BlockKind::Solid));
  JoinActor(BlockList, b);
}

void CreateSpikes(const ActiveLine& line) {
  auto s = std::make_shared<TSpikes>();
  s->x = static_cast<float>(line.x);
  s->y = static_cast<float>(line.y);
  s->width = line.wTiles;
  s->height = line.hTiles;
  s->direction = line.Int(4);
  s->hidden = line.Int(5);
  JoinActor(SpikesList, s);
}

void CreateButton(const ActiveLine& line) {
  auto b = std::make_shared<TButton>();
  b->x = static_cast<float>(line.x);
  b->y = static_cast<float>(line.y);
  b->target = line.target;
  b->up = line.Int(4) ? 0 : 1;
  b->kind = line.Int(5);
  b->duration = line.Int(6);
  b->stamp = Millisecs();
  JoinActor(ButtonList, b);
}

void CreateTriggerZone(const ActiveLine& line) {
  auto z = std::make_shared<TTriggerZone>();
  z->x = static_cast<float>(line.x);
  z->y = static_cast<float>(line.y);
  z->target = line.target;
  z->w = line.WidthPx();
  z->h = line.HeightPx();
  z->stamp = Millisecs();
  JoinActor(TriggerZoneList, z);
}

const int kSpringKind = RegisterActiveKind(0, &CreateSpring);
const int kFanKind = RegisterActiveKind(1, &CreateFan);
const int kTeleportKind = RegisterActiveKind(2, &CreateTeleport);
const int kWaterKind = RegisterActiveKind(4, &CreateWater);
const int kMovingBlockKind = RegisterActiveKind(5, &CreateMovingBlock);
const int kFallingBlockKind = RegisterActiveKind(6, &CreateFallingBlock);
const int kBlockKind = RegisterActiveKind(46, &CreateBlock);
const int kSpikesKind = RegisterActiveKind(47, &CreateSpikes);
const int kButtonKind = RegisterActiveKind(140, &CreateButton);
const int kTriggerZoneKind = RegisterActiveKind(141, &CreateTriggerZone);

void SpawnBit(float x, float y, float xs, float ys, int style) {
  auto b = std::make_shared<TBlockBit>();
  b->x = x;
  b->y = y;
  b->xs = xs;
  b->ys = ys;
  b->frame = style;
  JoinActor(BlockBitList, b);
}

void LeaveLevel(const TEntity* e) {
  LevelObjects.Remove(e);
  DrawList.Remove(e);
}

}  // namespace

// ---------------------------------------------------------------------------
// Springs

void TSpring::Step() {
  int now = Millisecs();
  if (anim > 0 && now - stamp > kSpringFrameMs) {
    ++anim;
    stamp = now;
    if (anim > kSpringLastFrame) anim = 0;
  }
}

void TSpring::Draw() { DrawCell(ImgSpring, x, y, direction * 8 + anim); }

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
    PlaySfx(kSfxSpring, 0);
  });
}

// ---------------------------------------------------------------------------
// Fans

void TFan::Step() {
  if (!on) {
    anim = 0;
    return;
  }
  int now = Millisecs();
  if (stamp < now - interval) {
    stamp = now;
    anim = (anim + 1) % 4;
  }
}

void TFan::Draw() { DrawCell(ImgFan, static_cast<float>(bodyX), static_cast<float>(bodyY), anim + direction * 4); }

void FanChecks() {
  FanList.Walk([](TFan& f) {
    if (!f.on || !Touches(BodyBox, f.x, f.y, static_cast<float>(f.right), static_cast<float>(f.bottom))) return;
    switch (static_cast<Direction>(f.direction)) {
      case Direction::Up: P_YS -= f.power; break;
      case Direction::Down: P_YS += f.power; break;
      case Direction::Right: P_XS += f.power; break;
      case Direction::Left: P_XS -= f.power; break;
    }
  });
}

// ---------------------------------------------------------------------------
// Teleport pads

void TTeleport::Draw() { DrawCell(ImgTeleport, x, y, 0); }

void TeleportChecks() {
  int newX = 0, newY = 0;
  TeleportList.Walk([&](TTeleport& t) {
    if (!t.enabled || !FloorContact || !DownDown) return;
    if (!Touches(BodyBox, t.x, t.y, t.x + kT, t.y + kT)) return;
    const TTeleport* dest = nullptr;
    TeleportList.Walk([&](TTeleport& d) {
      if (!dest && d.enabled && d.pad == t.destination) dest = &d;
    });
    if (!dest) return;
    newX = static_cast<int>(dest->x + 15);
    newY = static_cast<int>(dest->y + 31);
  });
  if (newX != 0 && newY != 0) {
    SetPlayerPosition(static_cast<float>(newX), static_cast<float>(newY));
    P_YS = kTeleportLift;
  }
}

// ---------------------------------------------------------------------------
// Moving blocks

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
  for (int row = 0; row < height; ++row) {
    int band = row == 0 ? 0 : (row == height - 1 ? 2 : 1);
    for (int col = 0; col < width; ++col) {
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

// ---------------------------------------------------------------------------
// Water

void WaterChecks() {
  InWater = 0;
  WaterList.Walk([](TWater& w) {
    if (Touches(BodyBox, w.x, w.y, w.x + w.width * kT, w.y + w.height * kT)) InWater = 1;
  });
  if (InWater) {
    if (WaterEntryState == 0) WaterEntryState = 1;
  } else {
    WaterEntryState = 0;
  }
}

bool InsideWater(float px, float py) {
  bool inside = false;
  WaterList.Walk([&](TWater& w) {
    if (px >= w.x + 16 && px <= w.x + w.width * kT - 16 && py >= w.y && py <= w.y + w.height * kT) inside = true;
  });
  return inside;
}

void DrawWater() {
  SetColor(AmbientR, AmbientG, AmbientB);
  WaterList.Walk([](TWater& w) {
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.5f);
    if (OnScreen(w.x, w.y, w.width * kT, w.height * kT)) {
      for (int row = 0; row < w.height; ++row)
        for (int col = 0; col < w.width; ++col)
          DrawImage(row == 0 ? ImgWaterTop : ImgWater, w.x + col * kT - CameraX, w.y + row * kT - CameraY,
                    WaterFrame);
    }
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
  });
}

// ---------------------------------------------------------------------------
// Breakable blocks and their bits

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
    if ((DashFlag && Touches(FootProbe, b.x, b.y, x2, y2)) || Touches(HeadProbe, b.x, b.y, x2, y2)) {
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

// ---------------------------------------------------------------------------
// Falling platforms

void FallingBlockContacts() {
  FallingBlockList.Walk([](TFallingBlock& f) {
    if (f.state == 0 && Touches(FootProbe, f.x, f.y, f.x + 3 * kT, f.y + kT)) f.state = 1;
  });
}

void TFallingBlock::Step() {
  if (state == 1) {
    for (int k = 0; k < 3; ++k) RemoveCollisionBlock(static_cast<int>(x) + k * kT, static_cast<int>(y));
    state = 2;
  } else if (state == 2) {
    y += fallSpeed;
    fallSpeed += kPlatformGravity;
    if (y >= homeY + kPlatformDrop) {
      y = static_cast<float>(homeY);
      state = 0;
      for (int k = 0; k < 3; ++k) AddCollisionBlock(static_cast<int>(x) + k * kT, homeY, 0);
      fallSpeed = 0;
      PlaySfx(kSfxPlatformPop, 0);
    }
  }
}

void TFallingBlock::Draw() {
  if (OnScreen(x, y, 3 * kT, kT)) DrawImage(ImgFallingBlock, x - CameraX, y - CameraY, 0);
}

// ---------------------------------------------------------------------------
// Spikes

void TSpikes::Draw() {
  if (hidden) return;
  for (int row = 0; row < height; ++row)
    for (int col = 0; col < width; ++col) DrawCell(ImgSpikes, x + col * kT, y + row * kT, direction);
}

void SpikeChecks() {
  if (AreaIndex == kAreaTutorial) return;
  SpikesList.Walk([](TSpikes& s) {
    if (Touches(BodyBox, s.x, s.y, s.x + s.width * kT, s.y + s.height * kT)) HurtPlayer(kSpikeHurt);
  });
}

// ---------------------------------------------------------------------------
// Floor buttons

void TButton::Draw() { DrawCell(ImgButton, x, y, up); }

void TButton::Rearm() {
  if (kind == static_cast<int>(ButtonType::Timed) && !up && pressedAt + duration < Millisecs()) up = 1;
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

// ---------------------------------------------------------------------------
// Trigger zones

void TTriggerZone::Kill() {
  FireLink(target);
  TriggerZoneList.Remove(this);
  LeaveLevel(this);
}

void TriggerZoneChecks() {
  TriggerZoneList.Walk([](TTriggerZone& z) {
    if (Touches(BodyBox, z.x, z.y, z.x + z.w, z.y + z.h)) z.Kill();
  });
}

// ---------------------------------------------------------------------------
// The per-frame passes

void AnimationClockStep() {
  int now = Millisecs();
  if (now - WaterStamp > kWaterFrameMs) {
    WaterStamp = now;
    WaterFrame = (WaterFrame + 1) % kWaterFrames;
  }
}

void ActiveObjectPasses() {
  MovingBlockList.Walk([](TMovingBlock& m) { m.Step(); });
  FallingBlockList.Walk([](TFallingBlock& f) { f.Step(); });
  SpringList.Walk([](TSpring& s) { s.Step(); });
  FanList.Walk([](TFan& f) { f.Step(); });
}
