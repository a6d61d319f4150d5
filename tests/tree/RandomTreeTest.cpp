#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include "tree/EdgeListParser.h"
#include "tree/RandomTree.h"

namespace {

struct Seeded {
  std::mt19937 engine{2024};
  int operator()(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine); }
};

bool Connected(int n, const std::vector<Edge>& edges) {
  std::vector<int> parent(static_cast<std::size_t>(n + 1));
  std::iota(parent.begin(), parent.end(), 0);
  const auto root = [&parent](int v) {
    while (parent[v] != v) v = parent[v];
    return v;
  };
  int joins = 0;
  for (const Edge& e : edges) {
    if (root(e.a) != root(e.b)) {
      parent[root(e.a)] = root(e.b);
      ++joins;
    }
  }
  return joins == n - 1;
}

}  // namespace

TEST(RandomTree, EveryDrawIsATreeTheEdgeListAccepts) {
  Seeded seeded;
  const RandomBelow random = std::ref(seeded);
  for (int n = 2; n <= 20; ++n) {
    for (int draw = 0; draw < 20; ++draw) {
      const std::vector<Edge> edges = RandomTreeEdges(n, random);
      ASSERT_EQ(edges.size(), static_cast<std::size_t>(n - 1)) << n;
      EXPECT_TRUE(Connected(n, edges)) << n;
      const EdgeListParseResult parsed = ParseEdgeList(EdgeListLines(edges));
      ASSERT_TRUE(parsed.list) << n;
      EXPECT_EQ(parsed.list->vertexCount, n);
      EXPECT_EQ(ValidateEdgeList(*parsed.list), std::nullopt) << n;
    }
  }
  EXPECT_EQ(EdgeListLines({{12, 3}, {3, 1}}), (std::vector<std::string>{"12 3", "3 1"}));
  EXPECT_EQ(RandomTreeEdges(2).size(), 1u);
}

TEST(RandomTree, AllSixteenTreesOnFourVerticesComeEquallyOften) {
  Seeded seeded;
  const RandomBelow random = std::ref(seeded);
  std::map<std::vector<std::pair<int, int>>, int> counts;
  const int draws = 3200;
  for (int draw = 0; draw < draws; ++draw) {
    std::vector<std::pair<int, int>> tree;
    for (const Edge& e : UniformRandomTreeEdges(4, random))
      tree.emplace_back(std::min(e.a, e.b), std::max(e.a, e.b));
    std::sort(tree.begin(), tree.end());
    ++counts[tree];
  }
  ASSERT_EQ(counts.size(), 16u);
  // 200 expected each; the bounds lie more than four standard deviations away.
  for (const auto& [tree, count] : counts) {
    EXPECT_GT(count, 140);
    EXPECT_LT(count, 260);
  }
}
