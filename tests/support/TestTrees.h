#pragma once

#include <vector>

#include "tree/TreeModel.h"

// The path 1-2-...-n, edges in order.
inline std::vector<Edge> PathEdges(int n) {
  std::vector<Edge> edges;
  for (int v = 1; v < n; ++v)
    edges.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v + 1)});
  return edges;
}

// The star with centre 1 and leaves 2..n.
inline std::vector<Edge> StarEdges(int n) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back({1, static_cast<std::uint8_t>(v)});
  return edges;
}
