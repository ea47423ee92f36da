// Items: coins, statues and health packs, taken by touching them. Each fires
// its own target when taken, so a coin can reveal more coins or open a path.
#pragma once

#include "entities/entity.h"

enum class ItemKind { Coin = 0, Statue = 1, SmallHealth = 2, BigHealth = 3 };

class TItem : public TTriggerable {
 public:
  virtual void Move() {}
  // True when the item never moves and its Update needs no call while it is
  // away from the hero: the item pass then leaves it alone out there.
  virtual bool StaysPut() const { return false; }
};

class TCoin : public TItem {
 public:
  bool FixedDrawBox(Box* box) const override;
  bool StaysPut() const override { return onClock; }
  void Draw() override;
  void Update() override;
  void Trigger() override;
  void Kill() override;
  // Made with the same stamp as the level's coin clock: its frame is read
  // from the clock instead of being stepped here.
  bool onClock = false;
  int clockBase = 0;  // the clock's turns when this coin showed frame 0
};

class TStatue : public TItem {
 public:
  int index = 0;        // 0, 1 or 2: the level's three statues
  int foundBefore = 0;  // taken on an earlier visit: drawn faded
  bool StaysPut() const override { return true; }
  void Draw() override;
  void Kill() override;
};

// Health packs hop on the ground; taking one gives score only.
class THealthPack : public TItem {
 public:
  float ys = 0, xs = 0;
  void Draw() override;
  void Update() override;
  void Trigger() override;
  void Kill() override;
  void Move() override;

 protected:
  virtual float TopSpeed() const = 0;
  virtual float Gravity() const = 0;
  virtual float BounceSpeed() const = 0;
  virtual int Points() const = 0;
};

class TSmallHealth : public THealthPack {
 protected:
  float TopSpeed() const override { return 2.0f; }
  float Gravity() const override { return 0.05f; }
  float BounceSpeed() const override { return -1.0f; }
  int Points() const override { return 10; }
};

class TBigHealth : public THealthPack {
 protected:
  float TopSpeed() const override { return 1.0f; }
  float Gravity() const override { return 0.02f; }
  float BounceSpeed() const override { return -0.5f; }
  int Points() const override { return 50; }
};

extern EntityList<TItem> ItemList;
extern EntityList<TCoin> CoinList;
extern EntityList<TStatue> StatueList;
extern EntityList<THealthPack> HealthPackList;

// Once per level frame: update, move and take what the hero touches.
void ItemPass();

