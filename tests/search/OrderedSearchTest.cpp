#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/CandidateEnumeration.h"
#include "search/ChainedGracefulSearch.h"
#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"
#include "tests/search/OrderedSearchCheck.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/PlainEnumeration.h"

namespace {

// The candidate number: d_1 is the least significant digit with radix n, d_2 the next with radix
// n-1, and d_i - 1 counts the later vertices with a smaller label.
long long CandidateNumber(const Labels& labels, int n) {
  long long number = 0;
  for (int i = n; i >= 1; --i) {
    int below = 0;
    for (int j = i + 1; j <= n; ++j) below += labels[j] < labels[i];
    number = number * (n - i + 1) + below;
  }
  return number;
}

TEST(CandidateOrder, StepsThroughEveryCandidateInTurn) {
  const std::vector<Edge> noEdges;
  CandidateLabeling four(4, noEdges);
  const std::vector<std::vector<int>> firstTen = {{1, 2, 3, 4}, {2, 1, 3, 4}, {3, 1, 2, 4}, {4, 1, 2, 3},
                                                  {1, 3, 2, 4}, {2, 3, 1, 4}, {3, 2, 1, 4}, {4, 2, 1, 3},
                                                  {1, 4, 2, 3}, {2, 4, 1, 3}};
  for (const std::vector<int>& expected : firstTen) {
    EXPECT_EQ(LabelList(four.Current(), 4), expected);
    four.Advance();
  }
  for (int n = 2; n <= 7; ++n) {
    CandidateLabeling candidate(n, noEdges);
    long long j = 0;
    Labels last{};
    do {
      last = candidate.Current();
      ASSERT_EQ(CandidateNumber(last, n), j) << n;
      ++j;
    } while (candidate.Advance());
    long long factorial = 1;
    for (int k = 2; k <= n; ++k) factorial *= k;
    EXPECT_EQ(j, factorial);
    for (int v = 1; v <= n; ++v) EXPECT_EQ(last[v], n + 1 - v) << n;
  }
}

TEST(OrderedSearch, MatchesThePlainEnumerationOnEveryTreeUpToSixVertices) {
  for (int n = 2; n <= 6; ++n) {
    for (const std::vector<Edge>& tree : AllLabeledTrees(n)) ExpectOrderedMatchesPlain(n, tree);
  }
}

// Every set of n-1 edges on n <= 6 vertices: cycles, parts apart, even vertices on no edge.
TEST(OrderedSearch, MatchesThePlainEnumerationOnGraphsThatAreNotTrees) {
  for (int n = 4; n <= 6; ++n) {
    std::vector<Edge> pairs;
    for (int a = 1; a <= n; ++a) {
      for (int b = a + 1; b <= n; ++b)
        pairs.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
    }
    for (std::uint32_t chosen = 0; chosen < (1u << pairs.size()); ++chosen) {
      if (std::popcount(chosen) != n - 1) continue;
      std::vector<Edge> edges;
      for (std::size_t k = 0; k < pairs.size(); ++k) {
        if (chosen & (1u << k)) edges.push_back(pairs[k]);
      }
      ExpectOrderedMatchesPlain(n, edges);
      EXPECT_EQ(LabelLists(FindGracefulLabelings(n, edges, {}), n),
                LabelLists(FindGracefulLabelingsPlain(n, edges, {}), n));
    }
  }
}

TEST(OrderedSearch, MatchesTheExpectedAnswersOfTheSmallCorpusTrees) {
  std::string error;
  int checked = 0;
  for (const ExpectedAnswer& expected : ReadExpectedAnswers(CorpusFile("expected.txt"), &error)) {
    const TreeLine& tree = expected.tree;
    if (tree.n > 11) continue;
    EXPECT_EQ(LabelsText(Ordered(tree.n, tree.edges), tree.n), expected.labels) << expected.text;
    if (tree.n <= 8) {
      EXPECT_EQ(std::to_string(FindGracefulLabelings(tree.n, tree.edges, {}).solutions.size()),
                expected.count)
          << expected.text;
    }
    ++checked;
  }
  EXPECT_EQ(error, "");
  EXPECT_GT(checked, 100);
}

// A node limit may only turn an answer into "gave up": never into a different labeling, and never
// into "none" where a labeling exists.
TEST(ChainedSearch, ANodeLimitEitherGivesTheAnswerOrGivesUp) {
  std::string error;
  int gaveUp = 0;
  for (const ExpectedAnswer& expected : ReadExpectedAnswers(CorpusFile("expected.txt"), &error)) {
    const TreeLine& tree = expected.tree;
    if (tree.n < 11 || tree.n > 12) continue;
    const std::optional<SearchGraph> graph = MakeSearchGraph(tree.n, tree.edges);
    ASSERT_TRUE(graph);
    const SearchHooks hooks;
    SearchReporter reporter(hooks);
    // Vertex 1 below vertex 2 below vertex n: a question with and without an answer across the corpus.
    const std::vector<LabelChain> chains{{{1, 2, tree.n}}};
    const std::optional<Labels> unlimited = ChainedGracefulSearch(*graph, reporter).Find(chains);
    for (long long limit : {1, 50, 5000}) {
      ChainedGracefulSearch search(*graph, reporter);
      const std::optional<Labels> limited = search.Find(chains, limit);
      if (search.GaveUp()) {
        EXPECT_FALSE(limited);
        ++gaveUp;
      } else {
        EXPECT_EQ(limited.has_value(), unlimited.has_value()) << expected.text;
        if (limited) {
          EXPECT_TRUE((*limited)[1] < (*limited)[2] && (*limited)[2] < (*limited)[tree.n]);
        }
      }
    }
  }
  EXPECT_EQ(error, "");
  EXPECT_GT(gaveUp, 10);
}

// With every degree even the labels' parity forbids n = 2, 3 (mod 4): the search must see it at its
// first node, pinned or not, where a search without it would run for ages at 15 vertices and more.
TEST(ChainedSearch, ParityRulesOutACycleAndAnIsolatedVertexAtOnce) {
  for (int n : {6, 15, 18, 19}) {
    std::vector<Edge> edges;
    for (int v = 1; v < n; ++v)
      edges.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v % (n - 1) + 1)});
    const std::optional<SearchGraph> graph = MakeSearchGraph(n, edges);
    ASSERT_TRUE(graph);
    int breaths = 0;
    const SearchHooks hooks{nullptr, [&] { return ++breaths > 0; }};
    SearchReporter reporter(hooks);
    ChainedGracefulSearch search(*graph, reporter);
    EXPECT_FALSE(search.Find({{{n}}}, 1));
    EXPECT_FALSE(search.GaveUp()) << n;
    Labels pins{};
    for (int v = 1; v <= n; ++v) pins[v] = static_cast<std::uint8_t>(v);
    search.SetPins(pins, 1);
    EXPECT_FALSE(search.Find({{{n}}}, 1));
    EXPECT_FALSE(search.GaveUp()) << n;
    EXPECT_FALSE(FindClosestLabeling(n, edges, pins, hooks).found);
    EXPECT_EQ(breaths, 0) << n;
  }
}

}  // namespace
