#include "leaves/LeafRemoval.h"

#include <algorithm>
#include <array>

namespace {

// Vertex numbers are bytes, so a table of 256 covers any slot content.
using Degrees = std::array<int, 256>;

Degrees CountDegrees(const EdgeSlots& slots, int lastSlot) {
  Degrees deg{};
  for (int k = 1; k <= lastSlot; ++k) {
    if (slots[k].a == 0) continue;
    ++deg[slots[k].a];
    ++deg[slots[k].b];
  }
  return deg;
}

}  // namespace

LeafRemovalResult RemoveLeafLayer(EdgeSlots& reduced, int n) {
  n = std::clamp(n, 0, MaxVertices);
  const int lastSlot = std::max(n - 1, 0);
  Degrees deg = CountDegrees(reduced, lastSlot);

  int m = 0;
  while (m < lastSlot && reduced[m + 1].a != 0) ++m;

  // A vertex touching every remaining edge is a star's centre; with one edge the higher end wins.
  // With no edge at all there is no star, so no vertex is conjured up.
  int centre = 0;
  for (int v = 1; v <= n && m > 0; ++v) {
    if (deg[v] == m) centre = v;
  }

  std::vector<Edge> kept;
  for (int k = 1; k <= lastSlot; ++k) {
    const Edge e = reduced[k];
    if (e.a != 0 && deg[e.a] > 1 && deg[e.b] > 1) kept.push_back(e);
  }
  const int cnt = static_cast<int>(kept.size());
  for (int k = 1; k <= cnt; ++k) reduced[k] = kept[k - 1];
  for (int k = cnt + 1; k <= lastSlot; ++k) reduced[k].a = 0;

  deg = CountDegrees(reduced, lastSlot);
  if (centre != 0) deg[centre] = 1;

  LeafRemovalResult result;
  result.remaining.assign(MaxVertices + 1, false);
  for (int v = 1; v <= n; ++v) {
    if (deg[v] >= 1) {
      result.remaining[v] = true;
      result.remainingVertices.push_back(v);
    }
  }
  result.remainingEdges = std::move(kept);
  result.fewerThanTwoEdgesLeft = reduced[1].a == 0 || reduced[2].a == 0;
  return result;
}
