// Pictures decoded ahead of their loading, on worker threads: the start-up
// names the pictures it is about to load, in the order it loads them, and
// each LoadImage or LoadAnimImage of one of them takes its decoded sheet (or
// waits for it) instead of decoding on the game thread. Upload stays on the
// game thread. A few sheets at most are decoded ahead of the one being
// loaded, so the decoded copies never pile up. Headless runs decode nothing
// ahead (they keep only sizes until asked).
#pragma once

#include <string>
#include <vector>

void PrefetchImages(const std::vector<std::string>& paths);
// Waits for the workers and drops whatever was decoded and not taken.
void EndImagePrefetch();
