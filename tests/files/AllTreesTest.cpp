#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "files/AllTrees.h"
#include "files/Graph6.h"
#include "files/TreeEnumerationCheck.h"
#include "tree/RandomTree.h"

namespace {

using namespace all_trees_test;

std::vector<Edge> Sorted(std::vector<Edge> edges) {
  for (Edge& e : edges) {
    if (e.a > e.b) std::swap(e.a, e.b);
  }
  std::sort(edges.begin(), edges.end(), [](Edge x, Edge y) { return x.a != y.a ? x.a < y.a : x.b < y.b; });
  return edges;
}

TEST(AllTrees, CountsAreThoseOfNautysGenerator) {
  const long long known[] = {0,   1,   1,    1,    2,    3,     6,     11,     23,     47,    106,
                             235, 551, 1301, 3159, 7741, 19320, 48629, 123867, 317955, 823065};
  const bool nauty = HaveNauty();
  for (int n = 2; n <= MaxAllTreesVertices; ++n) {
    long long count = 0;
    for (FreeTreeGenerator generator(n); generator.Valid(); generator.Next()) ++count;
    EXPECT_EQ(count, known[n]) << n;
    EXPECT_EQ(FreeTreeCount(n), known[n]) << n;
    if (nauty) {
      EXPECT_EQ(NautyTreeCount(n), known[n]) << n;
    }
  }
  EXPECT_EQ(FreeTreeCount(0), 0);
  EXPECT_EQ(FreeTreeCount(21), 0);
}

TEST(AllTrees, AreTheTreesOfNautysGeneratorUpTo12Vertices) {
  if (!HaveNauty()) GTEST_SKIP() << "nauty is not installed";
  for (int n = 2; n <= 12; ++n) ExpectSameTreesAsNauty(n);
}

TEST(AllTrees, AreNumberedWithoutCrossingsUpTo16Vertices) {
  for (int n = 2; n <= 16; ++n) ExpectTreesNumberedWithoutCrossings(n);
}

TEST(AllTrees, RangesAreSlicesOfTheWholeOrder) {
  // The path first (rooted at its centre), the star last.
  const std::vector<NumberedTree> four = AllFreeTrees(4);
  ASSERT_EQ(four.size(), 2u);
  EXPECT_EQ(EdgeListLines(four[0].edges), (std::vector<std::string>{"1 2", "2 3", "1 4"}));
  EXPECT_EQ(EdgeListLines(four[1].edges), (std::vector<std::string>{"1 2", "1 3", "1 4"}));
  EXPECT_EQ(EdgeListLines(AllFreeTrees(2)[0].edges), (std::vector<std::string>{"1 2"}));
  EXPECT_EQ(FreeTreeGenerator(25).VertexCount(), MaxAllTreesVertices);
  EXPECT_EQ(FreeTreeGenerator(1).VertexCount(), MinAllTreesVertices);

  const std::vector<NumberedTree> all = AllFreeTrees(9);
  ASSERT_EQ(all.size(), 47u);
  struct Range {
    long long first;
    long long count;
    long long stopAfter;  // the visitor says stop after this many (0: never)
    long long visited;
  };
  const Range ranges[] = {{0, -1, 0, 47}, {0, 5, 0, 5},  {10, 7, 0, 7}, {40, 20, 0, 7},
                          {46, -1, 0, 1}, {47, 3, 0, 0}, {3, -1, 4, 4}, {3, 2, 4, 2}};
  for (const Range& range : ranges) {
    std::vector<NumberedTree> seen;
    const long long visited = VisitFreeTrees(
        9,
        [&](const NumberedTree& tree) {
          seen.push_back(tree);
          return range.stopAfter == 0 || static_cast<long long>(seen.size()) < range.stopAfter;
        },
        range.first, range.count);
    ASSERT_EQ(visited, range.visited) << range.first << "+" << range.count;
    ASSERT_EQ(static_cast<long long>(seen.size()), visited);
    for (std::size_t k = 0; k < seen.size(); ++k) {
      const NumberedTree& expected = all[static_cast<std::size_t>(range.first) + k];
      EXPECT_EQ(seen[k].index, expected.index);
      EXPECT_EQ(seen[k].edges, expected.edges);
    }
  }

  // Graph6 lines of the trees read back as the same edges.
  for (const NumberedTree& tree : all) {
    const std::optional<SixFormatGraph> read = ReadSixFormatLine(Graph6Line(tree.n, tree.edges));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->vertexCount, 9);
    EXPECT_EQ(read->edges, Sorted(tree.edges));
  }
}

}  // namespace
