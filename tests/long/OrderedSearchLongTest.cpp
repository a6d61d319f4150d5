#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"
#include "tests/search/OrderedSearchCheck.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/PlainEnumeration.h"

namespace {

TEST(OrderedSearchLong, MatchesTheExpectedAnswersOfTheCorpus) {
  for (const char* file : {"expected.txt", "hard-expected.txt"}) {
    std::string error;
    const std::vector<ExpectedAnswer> answers = ReadExpectedAnswers(CorpusFile(file), &error);
    ASSERT_EQ(error, "");
    for (const ExpectedAnswer& expected : answers) {
      const TreeLine& tree = expected.tree;
      const SearchOutcome outcome = FindGracefulLabelings(tree.n, tree.edges, {});
      const std::optional<Labels> first =
          outcome.solutions.empty() ? std::nullopt : std::optional<Labels>(outcome.solutions.front());
      EXPECT_EQ(LabelsText(first, tree.n), expected.labels) << file << ": " << expected.text;
      if (tree.n <= 10) {
        EXPECT_EQ(std::to_string(outcome.solutions.size()), expected.count) << expected.text;
      }
    }
  }
}

TEST(OrderedSearchLong, MatchesThePlainEnumerationOnEveryTreeOfSevenVertices) {
  for (const std::vector<Edge>& tree : AllLabeledTrees(7)) ExpectOrderedMatchesPlain(7, tree);
}

TEST(OrderedSearchLong, MatchesThePlainEnumerationOnRandomTreesOfEightAndNineVertices) {
  std::mt19937 random(7);
  for (int n : {8, 9}) {
    for (int k = 0; k < 400; ++k) {
      std::vector<int> sequence(n - 2);
      for (int& v : sequence) v = std::uniform_int_distribution<int>(1, n)(random);
      ExpectOrderedMatchesPlain(n, PruferTreeEdges(n, sequence));
    }
  }
}

// Random sets of n-1 edges touching every vertex, mostly with cycles and parts apart.
TEST(OrderedSearchLong, MatchesThePlainEnumerationOnGraphsThatAreNotTrees) {
  std::mt19937 random(11);
  int checked = 0;
  while (checked < 300) {
    const int n = std::uniform_int_distribution<int>(7, 9)(random);
    std::vector<Edge> edges;
    std::uint32_t touched = 0;
    while (static_cast<int>(edges.size()) < n - 1) {
      const auto a = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
      const auto b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
      bool fresh = a != b;
      for (const Edge& e : edges) fresh = fresh && !(e == Edge{a, b}) && !(e == Edge{b, a});
      if (!fresh) continue;
      edges.push_back({a, b});
      touched |= (1u << a) | (1u << b);
    }
    if (std::popcount(touched) != n) continue;
    ExpectOrderedMatchesPlain(n, edges);
    ++checked;
  }
}

// Beyond ten vertices the plain enumeration may have to visit all 11! candidates to answer "none".
TEST(OrderedSearchLong, AnswersGraphsOfElevenVerticesThatAreNotTrees) {
  const std::vector<std::vector<Edge>> graphs = {
      {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}, {10, 11}},
      {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}, {10, 11}},
      {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}, {6, 4}, {7, 8}, {8, 9}, {9, 10}, {10, 11}},
      {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {5, 6}, {6, 7}, {5, 8}, {8, 9}, {9, 10}, {10, 11}},
  };
  for (const std::vector<Edge>& edges : graphs) {
    const SearchOutcome plain = FindGracefulLabelingsPlain(11, edges, {});
    const SearchOutcome fast = FindGracefulLabelings(11, edges, {});
    EXPECT_EQ(LabelLists(fast, 11), LabelLists(plain, 11));
  }
}

}  // namespace
