#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "tests/long/ReferenceSearch.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/PlainEnumeration.h"

namespace {

std::string Answer(const std::optional<Labels>& labels, int n) { return LabelsText(labels, n); }

std::string PlainAnswer(int n, const std::vector<Edge>& edges) {
  const SearchOutcome plain = FindGracefulLabelingsPlain(n, edges, {});
  return Answer(plain.solutions.empty() ? std::nullopt : std::optional<Labels>(plain.solutions.front()), n);
}

std::string FastAnswer(int n, const std::vector<Edge>& edges) {
  const SearchOutcome fast = FindGracefulLabelings(n, edges, {});
  return Answer(fast.solutions.empty() ? std::nullopt : std::optional<Labels>(fast.solutions.front()), n);
}

// The reference records the answers for 14 to 20 vertices, so it must itself agree with the literal
// enumeration wherever that can run: every tree of 7 vertices, and graphs that are not trees.
TEST(ReferenceSearch, MatchesThePlainEnumerationOnSmallGraphs) {
  for (const std::vector<Edge>& tree : AllLabeledTrees(7)) {
    ASSERT_EQ(Answer(ReferenceFirstGracefulLabeling(7, tree), 7), PlainAnswer(7, tree));
  }
  std::mt19937 random(5);
  for (int k = 0; k < 300; ++k) {
    const int n = std::uniform_int_distribution<int>(6, 9)(random);
    std::vector<Edge> edges;
    while (static_cast<int>(edges.size()) < n - 1) {
      const auto a = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
      const auto b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
      if (a != b) edges.push_back({a, b});
    }
    ASSERT_EQ(Answer(ReferenceFirstGracefulLabeling(n, edges), n), PlainAnswer(n, edges)) << k;
  }
}

// The corpus answers for 11 to 13 vertices come from the literal enumeration.
TEST(ReferenceSearch, MatchesThePlainAnswersOfTheCorpusFromElevenToThirteenVertices) {
  std::string error;
  int checked = 0;
  for (const ExpectedAnswer& expected : ReadExpectedAnswers(CorpusFile("expected.txt"), &error)) {
    const TreeLine& tree = expected.tree;
    if (tree.n < 11 || tree.n > 13) continue;
    EXPECT_EQ(Answer(ReferenceFirstGracefulLabeling(tree.n, tree.edges), tree.n), expected.labels)
        << expected.text;
    ++checked;
  }
  EXPECT_EQ(error, "");
  EXPECT_GT(checked, 50);
}

// Fresh random trees beyond the corpus, in the range where the fast search's pruning does the work.
TEST(ReferenceSearch, AgreesWithTheFastSearchOnRandomTreesOfFourteenToSixteenVertices) {
  std::mt19937 random(23);
  for (int n : {14, 15, 16}) {
    for (int k = 0; k < 12; ++k) {
      std::vector<int> sequence(n - 2);
      for (int& v : sequence) v = std::uniform_int_distribution<int>(1, n)(random);
      const std::vector<Edge> tree = PruferTreeEdges(n, sequence);
      EXPECT_EQ(FastAnswer(n, tree), Answer(ReferenceFirstGracefulLabeling(n, tree), n)) << n << " " << k;
    }
  }
}

}  // namespace
