#include "tree/RandomTree.h"

#include <algorithm>
#include <random>
#include <utility>

#include "tree/CrossingFree.h"

std::vector<Edge> PruferTreeEdges(int n, const std::vector<int>& sequence) {
  std::vector<int> degree(static_cast<std::size_t>(n + 1), 1);
  for (int v : sequence) ++degree[v];
  std::vector<Edge> edges;
  const auto join = [&edges](int a, int b) {
    edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  };
  // Each entry takes the smallest leaf left; the last two leaves join at the end.
  const auto smallestLeafFrom = [&degree](int from) {
    return static_cast<int>(std::find(degree.begin() + from, degree.end(), 1) - degree.begin());
  };
  for (int v : sequence) {
    const int leaf = smallestLeafFrom(1);
    join(leaf, v);
    --degree[leaf];
    --degree[v];
  }
  const int last = smallestLeafFrom(1);
  join(last, smallestLeafFrom(last + 1));
  return edges;
}

std::vector<Edge> UniformRandomTreeEdges(int n, const RandomBelow& random) {
  n = std::clamp(n, 2, MaxVertices);
  // Labeled trees on n vertices correspond one to one to sequences of n - 2 vertex numbers
  // (Prüfer), so a uniform sequence gives a uniform tree.
  std::vector<int> sequence(static_cast<std::size_t>(n - 2));
  for (int& v : sequence) v = 1 + random(n);
  std::vector<Edge> edges = PruferTreeEdges(n, sequence);
  // The decoding lists leaves first; shuffled, the lines give nothing of the tree away.
  for (int k = static_cast<int>(edges.size()) - 1; k > 0; --k) std::swap(edges[k], edges[random(k + 1)]);
  for (Edge& e : edges) {
    if (random(2) == 1) std::swap(e.a, e.b);
  }
  return edges;
}

std::vector<Edge> RandomTreeEdges(int n, const RandomBelow& random) {
  const std::vector<Edge> drawn = UniformRandomTreeEdges(n, random);
  return RenumberEdges(drawn, CrossingFreeNumbering(static_cast<int>(drawn.size()) + 1, drawn));
}

std::vector<Edge> RandomTreeEdges(int n) {
  std::mt19937 engine{std::random_device{}()};
  return RandomTreeEdges(
      n, [&engine](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine); });
}

std::vector<std::string> EdgeListLines(const std::vector<Edge>& edges) {
  std::vector<std::string> lines;
  for (const Edge& e : edges) lines.push_back(std::to_string(e.a) + " " + std::to_string(e.b));
  return lines;
}
