#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "tree/CrossingFree.h"
#include "tree/RandomTree.h"

namespace {

std::vector<Edge> Edges(std::initializer_list<std::pair<int, int>> pairs) {
  std::vector<Edge> edges;
  for (const auto& [a, b] : pairs)
    edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  return edges;
}

TEST(CrossingFree, CountsTheChordsThatInterleave) {
  EXPECT_EQ(CrossingCount(4, Edges({{3, 1}, {2, 4}})), 1);
  EXPECT_EQ(CrossingCount(4, Edges({{1, 3}, {3, 4}, {1, 4}, {1, 2}})), 0);
  EXPECT_EQ(CrossingCount(6, Edges({{1, 4}, {2, 5}, {3, 6}})), 3);
  EXPECT_EQ(CrossingCount(4, Edges({{1, 3}, {2, 7}, {0, 2}})), 0);
}

TEST(CrossingFree, NumbersByTheWalkFromVertexOne) {
  // 1 has the children 3 (with 4 below) and 5 (with 2 below).
  const std::vector<Edge> tree = Edges({{1, 5}, {5, 2}, {1, 3}, {3, 4}});
  const std::vector<int> numbering = CrossingFreeNumbering(5, tree);
  EXPECT_EQ(numbering, (std::vector<int>{0, 1, 5, 2, 3, 4}));
  EXPECT_EQ(RenumberEdges(tree, numbering), Edges({{1, 4}, {4, 5}, {1, 2}, {2, 3}}));
  EXPECT_EQ(MoveWithVertices(std::vector<int>{10, 20, 30, 40, 50}, numbering),
            (std::vector<int>{10, 30, 40, 50, 20}));
  EXPECT_EQ(MoveWithVertices(std::vector<std::string>{"a", "b"}, numbering),
            (std::vector<std::string>{"a", "", "", "", "b"}));

  // A triangle and a path apart: each piece takes consecutive numbers and nothing crosses.
  const std::vector<Edge> pieces = Edges({{1, 3}, {3, 5}, {5, 1}, {2, 4}, {4, 6}});
  EXPECT_EQ(CrossingCount(6, pieces), 4);
  const std::vector<int> apart = CrossingFreeNumbering(6, pieces);
  EXPECT_EQ(apart, (std::vector<int>{0, 1, 4, 2, 5, 3, 6}));
  EXPECT_EQ(CrossingCount(6, RenumberEdges(pieces, apart)), 0);
}

// Moving the old vertex numbers with their vertices gives the way back: every renumbered edge must
// lead back to the edge it came from.
TEST(CrossingFree, RenumberedRandomTreesKeepTheirEdgesAndLoseTheirCrossings) {
  std::mt19937 engine(11);
  const RandomBelow random = [&engine](int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(engine);
  };
  for (int n = 2; n <= MaxVertices; ++n) {
    for (int draw = 0; draw < 30; ++draw) {
      EXPECT_EQ(CrossingCount(n, RandomTreeEdges(n, random)), 0) << n;
      const std::vector<Edge> tree = UniformRandomTreeEdges(n, random);
      const std::vector<int> numbering = CrossingFreeNumbering(n, tree);
      std::vector<int> oldNumbers(static_cast<std::size_t>(n));
      std::iota(oldNumbers.begin(), oldNumbers.end(), 1);
      const std::vector<int> back = MoveWithVertices(oldNumbers, numbering);
      std::vector<int> sorted = back;
      std::sort(sorted.begin(), sorted.end());
      ASSERT_EQ(sorted, oldNumbers) << n;
      const std::vector<Edge> renumbered = RenumberEdges(tree, numbering);
      EXPECT_EQ(CrossingCount(n, renumbered), 0) << n;
      for (std::size_t k = 0; k < tree.size(); ++k) {
        EXPECT_EQ(back[renumbered[k].a - 1], tree[k].a);
        EXPECT_EQ(back[renumbered[k].b - 1], tree[k].b);
      }
    }
  }
}

}  // namespace
