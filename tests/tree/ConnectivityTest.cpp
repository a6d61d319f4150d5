#include <gtest/gtest.h>

#include <vector>

#include "tree/Connectivity.h"

namespace {

// Vertex 1 joined to each of 2..n, then the extra edges.
std::vector<Edge> Star(int n, std::vector<Edge> extra = {}) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back({1, static_cast<std::uint8_t>(v)});
  edges.insert(edges.end(), extra.begin(), extra.end());
  return edges;
}

}  // namespace

TEST(Connectivity, TellsTreesFromGraphsInPieces) {
  const struct {
    std::string name;
    int n;
    std::vector<Edge> edges;
    bool connected;
  } cases[] = {
      {"one edge", 2, {{2, 1}}, true},
      {"path typed out of order", 5, {{4, 5}, {1, 2}, {3, 4}, {2, 3}}, true},
      {"star of twenty", 20, Star(20), true},
      {"triangle beside a path", 6, {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}}, false},
      {"square beside a lone edge", 6, {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}}, false},
      {"vertex 20 left out, a cycle instead", 20, Star(19, {{2, 3}}), false},
      {"an edge naming a vertex above n", 3, {{1, 2}, {2, 4}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsConnected(c.n, c.edges), c.connected);
  }
}
