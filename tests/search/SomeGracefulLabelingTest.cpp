#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/SomeGracefulLabeling.h"
#include "support/PlainEnumeration.h"

namespace {

bool IsGraceful(int n, const std::vector<Edge>& edges, const Labels& labels) {
  std::uint32_t seenLabels = 0;
  std::uint32_t seenValues = 0;
  for (int v = 1; v <= n; ++v) {
    if (labels[v] < 1 || labels[v] > n || (seenLabels >> labels[v]) & 1) return false;
    seenLabels |= 1u << labels[v];
  }
  for (const Edge& e : edges) {
    const int value = std::abs(labels[e.a] - labels[e.b]);
    if ((seenValues >> value) & 1) return false;
    seenValues |= 1u << value;
  }
  return true;
}

TEST(SomeGracefulLabeling, FindsOneExactlyWhenThePlainEnumerationDoes) {
  // Every set of n-1 edges on 4..6 vertices: trees, cycles, parts apart.
  const SearchHooks quiet;
  int without = 0;
  for (int n = 4; n <= 6; ++n) {
    std::vector<Edge> pairs;
    for (int a = 1; a <= n; ++a) {
      for (int b = a + 1; b <= n; ++b)
        pairs.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
    }
    const int m = static_cast<int>(pairs.size());
    for (std::uint32_t chosen = 0; chosen < (1u << m); ++chosen) {
      if (__builtin_popcount(chosen) != n - 1) continue;
      std::vector<Edge> edges;
      for (int k = 0; k < m; ++k) {
        if ((chosen >> k) & 1) edges.push_back(pairs[k]);
      }
      SearchReporter reporter(quiet);
      const std::optional<Labels> some = SomeGracefulLabeling(n, edges, reporter);
      const std::vector<Labels> all = FindGracefulLabelingsPlain(n, edges, quiet).solutions;
      ASSERT_EQ(some.has_value(), !all.empty()) << n << " edges " << chosen;
      if (some) {
        EXPECT_NE(std::find(all.begin(), all.end(), *some), all.end()) << n << " edges " << chosen;
      }
      without += all.empty();
      EXPECT_FALSE(reporter.Stopped());
    }
  }
  EXPECT_GT(without, 100);
}

TEST(SomeGracefulLabeling, AnswersLargerGraphsTheSameWayEveryTime) {
  struct Case {
    const char* tree;
    bool exists;
  };
  const Case cases[] = {
      {"20 1-2 2-3 3-4 4-5 5-6 6-7 7-8 8-9 9-10 10-11 11-12 12-13 13-14 14-15 15-16 16-17 17-18 18-19 19-20",
       true},
      {"20 1-2 1-3 1-4 1-5 1-6 1-7 1-8 1-9 1-10 1-11 1-12 1-13 1-14 1-15 1-16 1-17 1-18 1-19 1-20", true},
      // Among the slowest trees of 18 vertices: several rounds, on the graph renumbered anew.
      {"18 1-2 2-3 3-4 2-5 2-6 1-7 7-8 7-9 1-10 10-11 10-12 1-13 13-14 13-15 1-16 16-17 16-18", true},
      // Every degree even and 10 edges: the parity of the values rules out any labeling.
      {"11 1-2 2-3 3-4 4-5 5-6 6-7 7-8 8-9 9-10 10-1", false},
      {"11 1-2 2-3 3-4 4-5 5-1 6-7 7-8 8-9 9-10 10-6", false},
  };
  for (const Case& c : cases) {
    TreeLine graph;
    ASSERT_EQ(ParseTreeLine(c.tree, graph), "");
    const SearchHooks quiet;
    SearchReporter reporter(quiet);
    const std::optional<Labels> first = SomeGracefulLabeling(graph.n, graph.edges, reporter);
    ASSERT_EQ(first.has_value(), c.exists) << c.tree;
    EXPECT_FALSE(reporter.Stopped());
    if (!first) continue;
    EXPECT_TRUE(IsGraceful(graph.n, graph.edges, *first)) << c.tree;
    EXPECT_EQ(SomeGracefulLabeling(graph.n, graph.edges, reporter), first) << c.tree;
  }
}

TEST(SomeGracefulLabeling, StopsWhenBreatheSaysSo) {
  TreeLine tree;
  ASSERT_EQ(
      ParseTreeLine("18 1-2 2-3 3-4 2-5 2-6 1-7 7-8 7-9 1-10 10-11 10-12 1-13 13-14 13-15 1-16 16-17 16-18",
                    tree),
      "");
  int breaths = 0;
  const SearchHooks counting{nullptr, [&breaths] { return ++breaths > 0; }};
  SearchReporter going(counting);
  EXPECT_TRUE(SomeGracefulLabeling(tree.n, tree.edges, going));
  ASSERT_GT(breaths, 1);

  const int allowed = breaths / 2;
  breaths = 0;
  const SearchHooks stopping{nullptr, [&] { return ++breaths < allowed; }};
  SearchReporter stopped(stopping);
  EXPECT_FALSE(SomeGracefulLabeling(tree.n, tree.edges, stopped));
  EXPECT_TRUE(stopped.Stopped());
  EXPECT_EQ(breaths, allowed);
}

}  // namespace
