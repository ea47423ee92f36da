// The level objects' class tree and the lists that own them.
//
// Objects are shared (reference-counted) and owned by the lists that hold
// them; an object leaves the game by removing itself from every list it
// joined. Passes walk a list first to last, so objects act in creation order
// (the order of their level-file lines). During a walk the current object may
// remove itself and new objects may be appended (they are visited too).
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

class TEntity {
 public:
  virtual ~TEntity() = default;
  float x = 0, y = 0;  // for almost every kind the top-left of its box
};

struct Box;

class TActor : public TEntity {
 public:
  virtual void Draw() {}
  // True when the actor never moves and all its Draw ever does is draw
  // inside `box` (world pixels), culled against the view, touching no
  // drawing state: the common draw pass then files it by that box and leaves
  // it alone while it is out of view. Anything that moves, or sets alpha,
  // scale or colour of its own, keeps the default and is asked every frame.
  virtual bool FixedDrawBox(Box*) const { return false; }
};

// Objects that fire and hear numbered links.
class TTriggerable : public TActor {
 public:
  int target = 0;  // fired when killed, collected or pressed
  int kind = 0;    // subtype: item kind, shake mode, button type ...
  int w = 0, h = 0;
  int hidden = 0;  // dormant until Trigger wakes it
  int link = 0;    // listened to
  int state = 0;
  int stamp = 0;   // creation time, then animation and timer stamps
  int frame = 0;
  virtual void Update() {}
  virtual void Trigger() {}
  virtual void Kill() {}
};

// Objects that are not drawn by the common draw pass (water).
class TPassive : public TEntity {};

template <class T>
class EntityList {
 public:
  void Add(std::shared_ptr<T> item) {
    items_.push_back(std::move(item));
    ++version_;
  }
  void Remove(const TEntity* item) {
    for (auto& p : items_) {
      if (p && p.get() == item) {
        // While walking, leave a gap so the walk's position stays right; the
        // object itself lives on until the walk ends (it may be the one
        // stepping now).
        if (walking_ > 0) {
          leaving_.push_back(std::move(p));
          dirty_ = true;
        } else {
          items_.erase(std::find(items_.begin(), items_.end(), p));
        }
        ++version_;
        return;
      }
    }
  }
  void Clear() {
    if (walking_ > 0) {
      for (auto& p : items_)
        if (p) leaving_.push_back(std::move(p));
      dirty_ = true;
    } else {
      items_.clear();
    }
    ++version_;
  }
  template <class F>
  void Walk(F&& fn) {
    ++walking_;
    // No reference is counted per visit: one that leaves during the walk
    // waits in leaving_, so the object a step runs on stays alive.
    for (size_t i = 0; i < items_.size(); ++i)
      if (T* item = items_[i].get()) fn(*item);
    EndWalk();
  }
  // The same walk over some of the members only: pick(visit) calls
  // visit(slot) for the slots to take, in ascending order, each below the
  // number of slots when the walk starts; members appended during the walk
  // are visited after them, as Walk visits them.
  template <class Pick, class F>
  void WalkPicked(Pick&& pick, F&& fn) {
    ++walking_;
    const size_t end = items_.size();
    pick([&](size_t i) {
      if (T* item = items_[i].get()) fn(*item);
    });
    for (size_t i = end; i < items_.size(); ++i)
      if (T* item = items_[i].get()) fn(*item);
    EndWalk();
  }
  // Slots are positions in the list, gaps included; they stay put while
  // Version() does not change (every Add, Remove and Clear changes it).
  size_t Slots() const { return items_.size(); }
  T* Slot(size_t i) const { return items_[i].get(); }
  unsigned Version() const { return version_; }
  size_t Size() const {
    return static_cast<size_t>(std::count_if(items_.begin(), items_.end(), [](const auto& p) { return p != nullptr; }));
  }
  bool Contains(const TEntity* item) const {
    return std::any_of(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  }

 private:
  void EndWalk() {
    if (--walking_ == 0) {
      if (dirty_) {
        items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end());
        dirty_ = false;
        ++version_;
      }
      leaving_.clear();
    }
  }

  std::vector<std::shared_ptr<T>> items_;
  std::vector<std::shared_ptr<T>> leaving_;  // removed during the walk
  int walking_ = 0;
  bool dirty_ = false;
  unsigned version_ = 0;
};

// Springs, fans, teleports, blocks, water, spikes, buttons, trigger and shake
// zones, message points: emptied by the loader before a level is read.
extern EntityList<TEntity> LevelObjects;
// Every actor but message points: the common draw pass.
extern EntityList<TActor> DrawList;
// Items, message points, enemies: what FireLink wakes.
extern EntityList<TTriggerable> TriggerList;

// Counts the changes that can alter how the object indexes (near_index.h)
// file an object while its lists stay as they are: an enemy waking or going
// back to sleep, a link firing (a trigger may do anything). Each index files
// its list again after a change.
extern unsigned ObjectChanges;
inline void ObjectsMayHaveChanged() { ++ObjectChanges; }

// Wakes every listener of link `id`, first to last.
void FireLink(int id);
// Draws every member of DrawList in the ambient colour, halved towards white.
void CommonDrawPass();
// Takes an object out of the three common lists.
void LeaveCommonLists(const TEntity* e);
