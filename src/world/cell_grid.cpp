#include "world/cell_grid.h"

namespace {
bool g_indexesUsed = true;
}  // namespace

void UseSpatialIndexes(bool on) { g_indexesUsed = on; }
bool SpatialIndexesUsed() { return g_indexesUsed; }
