#include "entities/items.h"

#include "entities/near_index.h"

#include "world/level_lists.h"
#include "world/particles.h"
#include "world/assets.h"
#include "world/game_state.h"
#include "world/progress.h"
#include "world/sound_effects.h"
#include "present/state_dump.h"
#include "world/player_state.h"
#include "present/present.h"
#include "present/timer.h"
#include "world/camera.h"
#include "world/level_loader.h"
#include "world/save_game.h"
#include "world/tile_map.h"

EntityList<TItem> ItemList;
EntityList<TCoin> CoinList;
EntityList<TStatue> StatueList;
EntityList<THealthPack> HealthPackList;

BOINGLE_STATE_VALUE(ItemList, ItemList.Size());
BOINGLE_STATE_VALUE(CoinList, CoinList.Size());
BOINGLE_STATE_VALUE(StatueList, StatueList.Size());
BOINGLE_STATE_VALUE(HealthPackList, HealthPackList.Size());

namespace {

constexpr int kCoinFrames = 10;
constexpr int kCoinFrameMs = 50;   // a spin every half second
constexpr int kSquashMs = 100;     // the squash frame after each hop
constexpr int kSparkles = 10;
constexpr int kCoinPoints = 10;
constexpr int kStatuePoints = 5000;
constexpr float kFoundBeforeAlpha = 0.25f;

// The coins a level's load makes all get the same stamp, so they turn on the
// same frames: one clock turns for them all, by the rule each coin followed
// on its own, and a coin far from the hero needs no step of its own. A coin
// made at another moment (another stamp) keeps stepping itself.
struct CoinClock {
  bool set = false;
  int stamp = 0;
  int turns = 0;
};
CoinClock g_coinClock;

NearIndex<TItem> g_itemIndex;

void ClearItems() {
  ItemList.Clear();
  CoinList.Clear();
  StatueList.Clear();
  HealthPackList.Clear();
  g_coinClock = {};
}
const int kItemsJoined = RegisterLevelList(&ClearItems);

// The common part of taking an item: its target first, so what it reveals can
// be taken in the same pass.
void Collected(TItem& item) {
  EmitSparkle(static_cast<int>(item.x + item.w / 2), static_cast<int>(item.y + item.h / 2), kSparkles);
  ItemList.Remove(&item);
  DrawList.Remove(&item);
  TriggerList.Remove(&item);
}

template <class T>
std::shared_ptr<T> MakeItem(const ActiveLine& line, ItemKind kind) {
  auto item = std::make_shared<T>();
  item->x = static_cast<float>(line.x);
  item->y = static_cast<float>(line.y);
  item->kind = static_cast<int>(kind);
  item->target = line.Int("target");
  item->w = ItemKindWidth[item->kind];
  item->h = ItemKindHeight[item->kind];
  item->stamp = Millisecs();
  return item;
}

template <class T>
void Join(const std::shared_ptr<T>& item) {
  ItemList.Add(item);
  TriggerList.Add(item);
  DrawList.Add(item);
}

template <class T>
void CreateHealthPack(const ActiveLine& line, ItemKind kind) {
  auto pack = MakeItem<T>(line, kind);
  pack->hidden = line.Int("hidden");
  pack->link = line.Int("link");
  HealthPackList.Add(pack);
  Join(pack);
}

void DrawItemImage(const TItem& item, const Image* img) {
  if (!OnScreen(item.x, item.y, item.w, item.h)) return;
  DrawImage(img, item.x - CameraX, item.y - CameraY, item.frame);
}

}  // namespace

void CreateCoin(const ActiveLine& line) {
  auto coin = MakeItem<TCoin>(line, ItemKind::Coin);
  if (!g_coinClock.set) g_coinClock = {true, coin->stamp, 0};
  // Without the indexes (a test's reference run) every coin steps itself.
  if (coin->stamp == g_coinClock.stamp && SpatialIndexesUsed()) {
    coin->onClock = true;
    coin->clockBase = g_coinClock.turns - coin->frame;
  }
  coin->hidden = line.Int("hidden");
  coin->link = line.Int("link");
  CoinList.Add(coin);
  Join(coin);
}

void CreateStatue(const ActiveLine& line) {
  auto statue = MakeItem<TStatue>(line, ItemKind::Statue);
  statue->index = line.Int("index");
  if (statue->index >= 0 && statue->index < 3 && LevelIndex >= 0 && LevelIndex < kLevelRecords &&
      LevelRecord[LevelIndex][Record::Statue1 + statue->index]) {
    statue->foundBefore = 1;
    StatuesFound[statue->index] = 1;
  }
  StatueList.Add(statue);
  Join(statue);
}

void CreateSmallHealth(const ActiveLine& line) { CreateHealthPack<TSmallHealth>(line, ItemKind::SmallHealth); }

void CreateBigHealth(const ActiveLine& line) { CreateHealthPack<TBigHealth>(line, ItemKind::BigHealth); }

void TCoin::Draw() {
  if (hidden) return;
  if (onClock) frame = (g_coinClock.turns - clockBase) % kCoinFrames;
  DrawItemImage(*this, ImgItemCoin);
}

bool TCoin::FixedDrawBox(Box* box) const {
  *box = {x, y, x + static_cast<float>(w), y + static_cast<float>(h)};
  return true;
}

void TCoin::Update() {
  if (onClock) {
    frame = (g_coinClock.turns - clockBase) % kCoinFrames;
    return;
  }
  int now = Millisecs();
  if (MsPassed(stamp, kCoinFrameMs, now)) {
    stamp = now;
    frame = (frame + 1) % kCoinFrames;
  }
}

void TCoin::Trigger() { hidden = 0; }

void TCoin::Kill() {
  FireLink(target);
  ++Coins;
  Collected(*this);
  CoinList.Remove(this);
  AddScore(kCoinPoints);
}

void TStatue::Draw() {
  SetAlpha(foundBefore ? kFoundBeforeAlpha : 1.0f);
  DrawItemImage(*this, ImgItemStatue);
  SetAlpha(1.0f);
}

void TStatue::Kill() {
  FireLink(target);
  if (index >= 0 && index < 3) StatuesFound[index] = 1;
  Collected(*this);
  StatueList.Remove(this);
  AddScore(kStatuePoints);
}

// A hidden pack would otherwise be drawn yet never takeable: it stays out of
// sight until its link fires, as a coin does.
void THealthPack::Draw() {
  if (hidden) return;
  DrawItemImage(*this, kind == static_cast<int>(ItemKind::SmallHealth) ? ImgMediSmall : ImgMediBig);
}

void THealthPack::Update() {
  int now = Millisecs();
  if (frame == 1 && MsPassed(stamp, kSquashMs, now)) {
    stamp = now;
    frame = 0;
  }
}

void THealthPack::Trigger() { hidden = 0; }

void THealthPack::Kill() {
  FireLink(target);
  Collected(*this);
  HealthPackList.Remove(this);
  AddScore(Points());
}

void THealthPack::Move() {
  y += ys;
  x += xs;
  if (ys < TopSpeed()) ys += Gravity();
  bool landed = !VisitBlocksNear(x, y, x + w, y + w, [&](const TCollisionBlock& c, int) {
    return !BoxesOverlap(x, y, x + w, y + w, c.x, c.y, c.x + kTileSize, c.y + kTileSize);
  });
  if (landed) {
    ys = BounceSpeed();
    frame = 1;
    stamp = Millisecs();
  }
}

void ItemPass() {
  int now = Millisecs();
  if (g_coinClock.set && MsPassed(g_coinClock.stamp, kCoinFrameMs, now)) {
    g_coinClock.stamp = now;
    ++g_coinClock.turns;
  }
  auto staysPut = [](const TItem& item, Box* box) {
    if (!item.StaysPut()) return false;
    *box = {item.x, item.y, item.x + static_cast<float>(item.w), item.y + static_cast<float>(item.h)};
    return true;
  };
  const Box body{BodyLeft(), BodyTop(), BodyRight(), BodyBottom()};
  g_itemIndex.Walk(ItemList, staysPut, body, [](TItem& item) {
    item.Update();
    item.Move();
    if (item.hidden) return;
    if (!BoxesOverlap(BodyLeft(), BodyTop(), BodyRight(), BodyBottom(), item.x, item.y, item.x + item.w,
                      item.y + item.h))
      return;
    int kind = item.kind;
    item.Kill();
    if (kind == static_cast<int>(ItemKind::Coin)) PlaySfx(Sfx::CoinCollect, 0);
    if (kind == static_cast<int>(ItemKind::Statue)) PlaySfx(Sfx::StatueCollect, 0);
  });
}
