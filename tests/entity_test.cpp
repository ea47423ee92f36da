// The entity lists: links wake listeners in creation order, and a walk
// survives its current object leaving and new objects arriving.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "entities/entity.h"

namespace {

std::vector<int>* g_woken = nullptr;

class Listener : public TTriggerable {
 public:
  explicit Listener(int id) : id_(id) {}
  void Trigger() override { g_woken->push_back(id_); }
  int id_;
};

TEST(EntityTest, FiringALinkWakesEveryListenerInCreationOrder) {
  std::vector<int> woken;
  g_woken = &woken;
  TriggerList.Clear();
  for (int i = 0; i < 4; ++i) {
    auto l = std::make_shared<Listener>(i);
    l->link = i % 2 ? 7 : 3;
    TriggerList.Add(l);
  }
  FireLink(7);
  EXPECT_EQ(woken, (std::vector<int>{1, 3}));
  woken.clear();
  FireLink(12);  // nobody listens
  EXPECT_TRUE(woken.empty());
  TriggerList.Clear();
}

TEST(EntityTest, AWalkSurvivesRemovalOfTheCurrentAndAppending) {
  EntityList<TEntity> list;
  std::vector<std::shared_ptr<TEntity>> made;
  for (int i = 0; i < 3; ++i) {
    made.push_back(std::make_shared<TEntity>());
    made.back()->x = static_cast<float>(i);
    list.Add(made.back());
  }
  std::vector<float> seen;
  list.Walk([&](TEntity& e) {
    seen.push_back(e.x);
    if (e.x == 1) list.Remove(&e);  // the current object leaves
    if (e.x == 2) {
      auto late = std::make_shared<TEntity>();
      late->x = 9;
      list.Add(late);  // appended during the walk: visited too
    }
  });
  EXPECT_EQ(seen, (std::vector<float>{0, 1, 2, 9}));
  EXPECT_EQ(list.Size(), 3u);
  EXPECT_FALSE(list.Contains(made[1].get()));
  seen.clear();
  list.Walk([&](TEntity& e) { seen.push_back(e.x); });
  EXPECT_EQ(seen, (std::vector<float>{0, 2, 9}));
}

}  // namespace
