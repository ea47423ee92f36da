// Which members of an object list can matter near a box (the view, the
// hero): a pass over a level ten times as large must not cost ten times as
// much when the extra objects are far away.
//
// Members that never move are filed by their box in a grid of 256-pixel
// cells (world/cell_grid.h); every other member ("roaming") is visited by every
// walk. A walk visits the filed members near the box and the roaming ones,
// in list order, and each visitor still makes its own exact test, so a pass
// does what the plain walk over the whole list did for every member that can
// be near; the members it leaves out are those for which the plain walk did
// nothing. The filing is made again after the list changes (Version()) and
// after anything that can change a member's answer (ObjectChanges).
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "entities/entity.h"
#include "world/cell_grid.h"
#include "world/player_state.h"

template <class T>
class NearIndex {
 public:
  // A member whose box spans more than this is visited every time: the
  // question box grows by the largest filed box, and a long row of spikes
  // would make every question cover half the level.
  static constexpr int kCell = 8 * CellGrid::kCellSize;
  static constexpr float kMostReach = kCell;

  // fn(member) for the members of `list` that can touch `near`, in list
  // order. fixedBox(member, &box) says whether the member stays put inside
  // `box` for as long as it is in the list.
  template <class FixedBox, class F>
  void Walk(EntityList<T>& list, FixedBox&& fixedBox, const Box& near, F&& fn) {
    if (list.Version() != builtVersion_ || list.Slots() != builtSlots_ ||
        ObjectChanges != builtChanges_ || !built_)
      Rebuild(list, fixedBox);
    const size_t slots = list.Slots();
    if (slots == 0) return;
    // The exact tests compare in float, which rounds far from the origin.
    auto slack = [](float v) { return 2.0f + std::fabs(v) / (1 << 18); };
    grid_.VisitNear(near.left - reachW_ - slack(near.left), near.top - reachH_ - slack(near.top),
                    near.right + slack(near.right), near.bottom + slack(near.bottom), [&](int k) {
                      found_.Add(filed_[static_cast<size_t>(k)]);
                      return true;
                    });
    for (int slot : roaming_) found_.Add(slot);
    list.WalkPicked(
        [&](auto&& visit) {
          found_.DrainInOrder([&](int slot) { visit(static_cast<size_t>(slot)); });
        },
        fn);
  }

  // The next walk files the members again.
  void Invalidate() { built_ = false; }

 private:
  template <class FixedBox>
  void Rebuild(EntityList<T>& list, FixedBox& fixedBox) {
    const size_t slots = list.Slots();
    filed_.clear();
    boxes_.clear();
    roaming_.clear();
    reachW_ = reachH_ = 0;
    for (size_t i = 0; i < slots; ++i) {
      const T* member = list.Slot(i);
      if (!member) continue;
      Box b{};
      if (fixedBox(*member, &b) && std::isfinite(b.left) && std::isfinite(b.top) &&
          std::isfinite(b.right) && std::isfinite(b.bottom) && b.right - b.left <= kMostReach &&
          b.bottom - b.top <= kMostReach) {
        filed_.push_back(static_cast<int>(i));
        boxes_.push_back(b);
        reachW_ = std::max(reachW_, b.right - b.left);
        reachH_ = std::max(reachH_, b.bottom - b.top);
      } else {
        roaming_.push_back(static_cast<int>(i));
      }
    }
    grid_.Build(static_cast<int>(filed_.size()), [&](int k, double* x, double* y) {
      *x = boxes_[static_cast<size_t>(k)].left;
      *y = boxes_[static_cast<size_t>(k)].top;
    });
    found_.Reserve(static_cast<int>(slots));
    builtVersion_ = list.Version();
    builtChanges_ = ObjectChanges;
    builtSlots_ = slots;
    built_ = true;
  }

  CellGrid grid_{kCell};
  std::vector<int> filed_;    // grid member -> list slot
  std::vector<Box> boxes_;    // grid member -> its box
  std::vector<int> roaming_;  // list slots visited every time
  IndexSet found_;
  float reachW_ = 0, reachH_ = 0;
  unsigned builtVersion_ = 0, builtChanges_ = 0;
  size_t builtSlots_ = 0;
  bool built_ = false;
};
