#include "tree/CrossingFree.h"

#include <algorithm>
#include <utility>

namespace {

bool Within(int n, const Edge& e) { return e.a >= 1 && e.a <= n && e.b >= 1 && e.b <= n; }

}  // namespace

int CrossingCount(int n, std::span<const Edge> edges) {
  int crossings = 0;
  for (std::size_t i = 0; i < edges.size(); ++i) {
    if (!Within(n, edges[i])) continue;
    const int a = std::min(edges[i].a, edges[i].b);
    const int b = std::max(edges[i].a, edges[i].b);
    for (std::size_t j = i + 1; j < edges.size(); ++j) {
      if (!Within(n, edges[j])) continue;
      const int c = std::min(edges[j].a, edges[j].b);
      const int d = std::max(edges[j].a, edges[j].b);
      // Strict inequalities leave out chords that share an end.
      if ((a < c && c < b && b < d) || (c < a && a < d && d < b)) ++crossings;
    }
  }
  return crossings;
}

std::vector<int> CrossingFreeNumbering(int n, std::span<const Edge> edges) {
  n = std::max(n, 0);
  std::vector<std::vector<int>> neighbours(static_cast<std::size_t>(n) + 1);
  for (const Edge& e : edges) {
    if (!Within(n, e) || e.a == e.b) continue;
    neighbours[e.a].push_back(e.b);
    neighbours[e.b].push_back(e.a);
  }
  // Pushed in decreasing order, the smallest neighbour comes off the stack first.
  for (std::vector<int>& list : neighbours) std::sort(list.begin(), list.end(), std::greater<>());

  std::vector<int> numbering(static_cast<std::size_t>(n) + 1, 0);
  int next = 1;
  std::vector<int> stack;
  for (int start = 1; start <= n; ++start) {
    if (numbering[start] != 0) continue;
    stack.push_back(start);
    while (!stack.empty()) {
      const int v = stack.back();
      stack.pop_back();
      if (numbering[v] != 0) continue;
      numbering[v] = next++;
      for (int w : neighbours[v]) {
        if (numbering[w] == 0) stack.push_back(w);
      }
    }
  }
  return numbering;
}

std::vector<Edge> RenumberEdges(std::span<const Edge> edges, const std::vector<int>& numbering) {
  const auto renumber = [&numbering](std::uint8_t v) {
    return v >= 1 && v < numbering.size() ? static_cast<std::uint8_t>(numbering[v]) : v;
  };
  std::vector<Edge> renumbered;
  renumbered.reserve(edges.size());
  for (const Edge& e : edges) renumbered.push_back({renumber(e.a), renumber(e.b)});
  return renumbered;
}
