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

int CountEdges(const EdgeSlots& slots, int lastSlot) {
  int m = 0;
  while (m < lastSlot && slots[m + 1].a != 0) ++m;
  return m;
}

// One layer of leaves off slots 1..n-1. Gives the centre when the slots held a star, which then
// stays alone; otherwise 0.
int PeelLayer(EdgeSlots& slots, int n) {
  const int lastSlot = std::max(n - 1, 0);
  const Degrees deg = CountDegrees(slots, lastSlot);
  const int m = CountEdges(slots, lastSlot);

  // A vertex touching every remaining edge is a star's centre; with one edge the higher end wins.
  int centre = 0;
  for (int v = 1; v <= n && m > 0; ++v) {
    if (deg[v] == m) centre = v;
  }

  std::vector<Edge> kept;
  for (int k = 1; k <= lastSlot; ++k) {
    const Edge e = slots[k];
    if (e.a != 0 && deg[e.a] > 1 && deg[e.b] > 1) kept.push_back(e);
  }
  const int cnt = static_cast<int>(kept.size());
  for (int k = 1; k <= cnt; ++k) slots[k] = kept[k - 1];
  for (int k = cnt + 1; k <= lastSlot; ++k) slots[k].a = 0;
  return centre;
}

// Once no edge is left the slots no longer tell which vertex remains. They only get there by
// presses on the confirmed graph, so the same presses, repeated, find it: the centre of the last
// star. A graph whose peeling stalls (a cycle stays) never gets there and gives 0.
int LoneVertex(const EdgeSlots& confirmed, int n) {
  const int lastSlot = std::max(n - 1, 0);
  EdgeSlots slots{};
  std::copy(confirmed.begin() + 1, confirmed.begin() + 1 + lastSlot, slots.begin() + 1);
  int lone = 0;
  for (int m = CountEdges(slots, lastSlot); m > 0;) {
    lone = PeelLayer(slots, n);
    const int left = CountEdges(slots, lastSlot);
    if (left == m) return 0;
    m = left;
  }
  return lone;
}

}  // namespace

bool LeafRemovalOffered(const EdgeSlots& reduced) { return reduced[1].a != 0 && reduced[2].a != 0; }

LeafRemovalResult RemoveLeafLayer(EdgeSlots& reduced, int n, const EdgeSlots& confirmed) {
  n = std::clamp(n, 0, MaxVertices);
  const int lastSlot = std::max(n - 1, 0);
  const bool noEdgeLeft = CountEdges(reduced, lastSlot) == 0;
  int centre = PeelLayer(reduced, n);
  if (noEdgeLeft) centre = LoneVertex(confirmed, n);

  Degrees deg = CountDegrees(reduced, lastSlot);
  if (centre >= 1 && centre <= n) deg[centre] = 1;

  LeafRemovalResult result;
  result.remaining.assign(MaxVertices + 1, false);
  for (int v = 1; v <= n; ++v) {
    if (deg[v] >= 1) {
      result.remaining[v] = true;
      result.remainingVertices.push_back(v);
    }
  }
  const int m = CountEdges(reduced, lastSlot);
  result.remainingEdges.assign(reduced.begin() + 1, reduced.begin() + 1 + m);
  return result;
}
