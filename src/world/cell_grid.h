// Spatial indexes over the level's lists: the collision blocks, the tiles
// and image tiles, and the objects the hero and the view ask about.
//
// The lists stay what they are (ordered records, walked in list order); a
// grid only says which members can be near a box, so that a question about
// the hero's surroundings or the view does not walk a whole level. Each
// member is filed under the square cell (32 pixels, unless the grid is made
// with another size) that holds its anchor point (a block's or tile's top-left corner), the members of a cell in list
// order, the cells row after row. A question for the members whose anchor
// lies in a box visits the cells the box spans: every such member, and a few
// more from the same cells, so a visitor always makes its own exact test.
// Where order matters, the visitor compares the list indices it is given, or
// collects them in an IndexSet, which hands them back in list order.
//
// A list whose anchors spread over too many cells, or are not finite, gets no
// grid: every question then walks the whole list in order, as the plain walk
// always did. UseSpatialIndexes(false) does the same for every list, so a
// test can compare the two ways.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

void UseSpatialIndexes(bool on);
bool SpatialIndexesUsed();

class CellGrid {
 public:
  static constexpr int kCellSize = 32;
  CellGrid() = default;
  // Sparse lists (a level's objects) take larger cells: a rebuild costs the
  // cells the level spans as well as the members.
  explicit CellGrid(int cellSize) : cellSize_(cellSize) {}
  // More cells than this (16 MB of cell starts) and the list is walked plainly.
  static constexpr int64_t kMostCells = int64_t{1} << 22;

  // Files `count` members under the cells of their anchors; anchorOf(i, &x, &y).
  template <class AnchorFn>
  void Build(int count, AnchorFn&& anchorOf);
  // Forgets everything: every question walks `count` members plainly.
  void BuildPlain(int count) {
    count_ = count;
    plain_ = true;
    starts_.clear();
    members_.clear();
  }

  int Count() const { return count_; }
  bool Plain() const { return plain_ || !SpatialIndexesUsed(); }

  // visit(index) for the members whose anchor can lie in [x0, x1] by [y0, y1];
  // visit returns false to stop. Returns false when stopped.
  template <class Visit>
  bool VisitNear(double x0, double y0, double x1, double y1, Visit&& visit) const;

 private:
  int64_t CellOf(double v) const { return static_cast<int64_t>(std::floor(v / cellSize_)); }

  int cellSize_ = kCellSize;
  int count_ = 0;
  bool plain_ = true;
  int64_t cellX0_ = 0, cellY0_ = 0;
  int cols_ = 0, rows_ = 0;
  std::vector<int> starts_;   // cols * rows + 1 offsets into members_
  std::vector<int> members_;  // list indices, cell by cell, each cell in list order
};

// A set of list indices that gives them back in ascending order: the members
// a grid found, put back in the order the plain walk visits them.
class IndexSet {
 public:
  void Reserve(int count) {
    size_t words = (static_cast<size_t>(count) + 63) / 64;
    if (words_.size() < words) words_.resize(words, 0);
  }
  void Add(int i) {
    size_t w = static_cast<size_t>(i) >> 6;
    words_[w] |= uint64_t{1} << (i & 63);
    if (w < low_) low_ = w;
    if (w + 1 > high_) high_ = w + 1;
  }
  // fn(index) in ascending order; the set is empty afterwards.
  template <class Fn>
  void DrainInOrder(Fn&& fn) {
    for (size_t w = low_; w < high_; ++w) {
      uint64_t bits = words_[w];
      words_[w] = 0;
      while (bits) {
        int bit = __builtin_ctzll(bits);
        bits &= bits - 1;
        fn(static_cast<int>(w * 64) + bit);
      }
    }
    low_ = SIZE_MAX;
    high_ = 0;
  }

 private:
  std::vector<uint64_t> words_;
  size_t low_ = SIZE_MAX, high_ = 0;
};

template <class AnchorFn>
void CellGrid::Build(int count, AnchorFn&& anchorOf) {
  BuildPlain(count);
  if (count == 0) {
    plain_ = false;
    cols_ = rows_ = 0;
    return;
  }
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (int i = 0; i < count; ++i) {
    double x, y;
    anchorOf(i, &x, &y);
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (i == 0 || x < minX) minX = x;
    if (i == 0 || y < minY) minY = y;
    if (i == 0 || x > maxX) maxX = x;
    if (i == 0 || y > maxY) maxY = y;
  }
  // Far-flung anchors (a fuzzed level) would make cell numbers overflow.
  constexpr double kFar = 1e15;
  if (minX < -kFar || minY < -kFar || maxX > kFar || maxY > kFar) return;
  cellX0_ = CellOf(minX);
  cellY0_ = CellOf(minY);
  int64_t cols = CellOf(maxX) - cellX0_ + 1, rows = CellOf(maxY) - cellY0_ + 1;
  if (cols * rows > kMostCells) return;
  cols_ = static_cast<int>(cols);
  rows_ = static_cast<int>(rows);
  starts_.assign(static_cast<size_t>(cols * rows) + 1, 0);
  std::vector<int> cellOf(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    double x, y;
    anchorOf(i, &x, &y);
    int64_t c = (CellOf(y) - cellY0_) * cols_ + (CellOf(x) - cellX0_);
    cellOf[static_cast<size_t>(i)] = static_cast<int>(c);
    ++starts_[static_cast<size_t>(c) + 1];
  }
  for (size_t c = 1; c < starts_.size(); ++c) starts_[c] += starts_[c - 1];
  members_.resize(static_cast<size_t>(count));
  std::vector<int> fill(starts_.begin(), starts_.end() - 1);
  for (int i = 0; i < count; ++i) members_[static_cast<size_t>(fill[static_cast<size_t>(cellOf[static_cast<size_t>(i)])]++)] = i;
  plain_ = false;
}

template <class Visit>
bool CellGrid::VisitNear(double x0, double y0, double x1, double y1, Visit&& visit) const {
  // A box with a side that is not a number overlaps everything (every
  // comparison with it is false), so it gets the plain walk too.
  if (Plain() || std::isnan(x0) || std::isnan(y0) || std::isnan(x1) || std::isnan(y1)) {
    for (int i = 0; i < count_; ++i)
      if (!visit(i)) return false;
    return true;
  }
  if (x0 > x1 || y0 > y1 || cols_ == 0) return true;
  // Clamped while still floating point: an infinite side clamps too.
  auto cell = [this](double v, int64_t first, int n) {
    double c = std::floor(v / cellSize_) - static_cast<double>(first);
    if (c < 0) return -1;
    if (c >= n) return n;
    return static_cast<int>(c);
  };
  int c0 = cell(x0, cellX0_, cols_), c1 = cell(x1, cellX0_, cols_);
  int r0 = cell(y0, cellY0_, rows_), r1 = cell(y1, cellY0_, rows_);
  if (c1 < 0 || r1 < 0 || c0 >= cols_ || r0 >= rows_) return true;
  if (c0 < 0) c0 = 0;
  if (r0 < 0) r0 = 0;
  if (c1 >= cols_) c1 = cols_ - 1;
  if (r1 >= rows_) r1 = rows_ - 1;
  for (int r = r0; r <= r1; ++r) {
    // The cells of one row of the box are neighbours in members_.
    size_t row = static_cast<size_t>(r) * static_cast<size_t>(cols_);
    int from = starts_[row + static_cast<size_t>(c0)], to = starts_[row + static_cast<size_t>(c1) + 1];
    for (int k = from; k < to; ++k)
      if (!visit(members_[static_cast<size_t>(k)])) return false;
  }
  return true;
}
