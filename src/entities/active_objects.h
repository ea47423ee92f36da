// The level's machinery: springs, fans, teleport pads, moving blocks, water,
// breakable blocks and their bits, falling platforms, spikes, floor buttons
// and trigger zones. Each kind keeps its own list, walked in creation order.
#pragma once

#include "entities/entity.h"

enum class Direction { Up = 0, Down = 1, Right = 2, Left = 3 };

class TSpring : public TActor {
 public:
  bool FixedDrawBox(Box* box) const override;
  float strength = 7.0f;
  int direction = 0;
  int stamp = 0;
  int anim = 0;  // 0 at rest, 1-7 while it springs
  void Draw() override;
  void Step();
};

class TFan : public TActor {
 public:
  bool FixedDrawBox(Box* box) const override;
  float power = 0;
  int direction = 0, on = 0;
  int right = 0, bottom = 0;  // the column's far edges
  int anim = 0, stamp = 0, interval = 0;
  int bodyX = 0, bodyY = 0;  // the tile the fan stands on
  void Draw() override;
  void Step();
};

class TTeleport : public TActor {
 public:
  bool FixedDrawBox(Box* box) const override;
  int enabled = 0, pad = 0, destination = 0;
  void Draw() override;
};

class TMovingBlock : public TActor {
 public:
  float startX = 0, startY = 0, endX = 0, endY = 0;
  int width = 1, height = 1;  // tiles
  int steps = 1, step = 0, returning = 0;
  void Draw() override;
  void Step();
};

class TWater : public TPassive {
 public:
  int width = 1, height = 1;  // tiles
};

class TBlock : public TActor {
 public:
  int style = 0;
  void Draw() override;
  void Break();
};

class TBlockBit : public TActor {
 public:
  int frame = 0;
  float xs = 0, ys = 0, scale = 1;
  void Draw() override;
  void Step();
};

class TFallingBlock : public TActor {
 public:
  int homeX = 0, homeY = 0;
  int state = 0;  // 0 resting, 1 released, 2 falling
  float fallSpeed = 0;
  void Draw() override;
  void Step();
};

class TSpikes : public TActor {
 public:
  bool FixedDrawBox(Box* box) const override;
  int direction = 0, width = 1, height = 1, hidden = 0;
  void Draw() override;
};

enum class ButtonType { Toggle = 0, OneShot = 1, Timed = 2 };

class TButton : public TTriggerable {
 public:
  bool FixedDrawBox(Box* box) const override;
  int up = 1;
  int pressedAt = 0, duration = 0;
  void Draw() override;
  void Rearm();
};

class TTriggerZone : public TTriggerable {
 public:
  bool FixedDrawBox(Box* box) const override;
  void Kill() override;
};

extern EntityList<TSpring> SpringList;
extern EntityList<TFan> FanList;
extern EntityList<TTeleport> TeleportList;
extern EntityList<TMovingBlock> MovingBlockList;
extern EntityList<TWater> WaterList;
extern EntityList<TBlock> BlockList;
extern EntityList<TBlockBit> BlockBitList;
extern EntityList<TFallingBlock> FallingBlockList;
extern EntityList<TSpikes> SpikesList;
extern EntityList<TButton> ButtonList;
extern EntityList<TTriggerZone> TriggerZoneList;

// Shared by every water area.
extern int WaterFrame, WaterStamp;

void AnimationClockStep();
void ActiveObjectPasses();
void BlockBitPass();
void DrawWater();
// Whether a point lies inside any water area's inner box.
bool InsideWater(float x, float y);

