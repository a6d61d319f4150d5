#include "tree/Connectivity.h"

#include <algorithm>
#include <array>
#include <numeric>

bool IsConnected(int n, std::span<const Edge> edges) {
  if (n <= 1) return true;
  // Vertex numbers are bytes; a vertex outside 1..n joins nothing, so it cannot connect the graph.
  std::array<int, 256> root{};
  std::iota(root.begin(), root.end(), 0);
  const auto find = [&](int v) {
    while (root[v] != v) v = root[v] = root[root[v]];
    return v;
  };
  int pieces = n;
  for (const Edge& e : edges) {
    if (e.a < 1 || e.a > n || e.b < 1 || e.b > n) continue;
    const int ra = find(e.a);
    const int rb = find(e.b);
    if (ra == rb) continue;
    root[ra] = rb;
    --pieces;
  }
  return pieces == 1;
}
