#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/CandidateEnumeration.h"
#include "search/GracefulSearch.h"
#include "tests/long/ReferenceSearch.h"
#include "tests/search/ClosestCheck.h"
#include "tests/search/SearchTestGraphs.h"

namespace {

std::string ReferenceText(int n, const std::vector<Edge>& edges, const Labels& filling) {
  const std::optional<ReferenceClosest> closest = ReferenceClosestGracefulLabeling(n, edges, filling);
  ClosestOutcome outcome;
  if (closest) outcome = {true, false, closest->labels, closest->differing};
  return ClosestText(outcome, n);
}

// One walk over all n! candidates answers every filling at once: the first graceful candidate with
// the highest score.
std::vector<std::string> WalkEveryCandidate(int n, const std::vector<Edge>& edges,
                                            const std::vector<Labels>& fillings) {
  std::vector<ClosestOutcome> best(fillings.size());
  CandidateLabeling candidate(n, edges);
  do {
    if (!candidate.Graceful()) continue;
    const Labels labels = candidate.Current();
    for (std::size_t k = 0; k < fillings.size(); ++k) {
      int differing = 0;
      for (int v = 1; v <= n; ++v) differing += fillings[k][v] && fillings[k][v] != labels[v];
      if (!best[k].found || differing < best[k].differing) best[k] = {true, false, labels, differing};
    }
  } while (candidate.Advance());
  std::vector<std::string> texts;
  for (const ClosestOutcome& outcome : best) texts.push_back(ClosestText(outcome, n));
  return texts;
}

TEST(ClosestLabelingLong, MatchesAWalkOverEveryCandidateForElevenAndTwelveVertices) {
  std::mt19937 random(41);
  std::vector<std::pair<int, std::vector<Edge>>> graphs = {{11, PathEdges(11)}, {12, StarEdges(12)}};
  for (int k = 0; k < 5; ++k) graphs.push_back({11, RandomTree(11, random)});
  for (int k = 0; k < 2; ++k) graphs.push_back({12, RandomTree(12, random)});
  for (const auto& [n, edges] : graphs) {
    const SearchOutcome first = FindGracefulLabelings(n, edges, {});
    ASSERT_FALSE(first.solutions.empty());
    std::vector<Labels> fillings;
    for (int round = 0; round < 3; ++round) {
      for (const Labels& filling : SampleFillings(n, first.solutions.front(), random))
        fillings.push_back(filling);
    }
    const std::vector<std::string> walked = WalkEveryCandidate(n, edges, fillings);
    for (std::size_t k = 0; k < fillings.size(); ++k) {
      EXPECT_EQ(ClosestText(FindClosestLabeling(n, edges, fillings[k], {}), n), walked[k])
          << n << " " << ::testing::PrintToString(LabelList(fillings[k], n));
    }
  }
}

// The reference records the answers for larger trees, so it must itself give the proposal over all
// labelings wherever the store holds them all.
TEST(ClosestLabelingLong, ReferenceIsTheProposalOverAllLabelingsOfSmallGraphs) {
  std::mt19937 random(43);
  std::vector<std::pair<int, std::vector<Edge>>> graphs;
  for (const std::vector<Edge>& tree : AllLabeledTrees(6)) graphs.push_back({6, tree});
  for (int k = 0; k < 100; ++k) graphs.push_back({8, RandomTree(8, random)});
  for (int k = 0; k < 100; ++k) {
    const int n = std::uniform_int_distribution<int>(5, 8)(random);
    graphs.push_back({n, RandomEdges(n, random)});
  }
  for (const auto& [n, edges] : graphs) {
    const std::vector<Labels> store = FindGracefulLabelings(n, edges, {}).solutions;
    for (const Labels& filling : SampleFillings(n, store.empty() ? Labels{} : store.front(), random)) {
      ASSERT_EQ(ReferenceText(n, edges, filling), ProposalText(n, store, filling))
          << n << " " << ::testing::PrintToString(LabelList(filling, n));
    }
  }
}

// Answers of the reference for corpus pairs of 11-20 vertices, recorded with `graceful-reference --closest`.
TEST(ClosestLabelingLong, MatchesTheReferenceAnswersOfTheCorpus) {
  std::ifstream expected(CorpusFile("closest-expected.txt"));
  ASSERT_TRUE(expected);
  std::string line;
  int checked = 0;
  while (std::getline(expected, line)) {
    if (line.empty() || line[0] == '#') continue;
    TreeLine tree;
    Labels filling{};
    ASSERT_EQ(ParseFillingLine(line, tree, filling), "") << line;
    const std::string answer = line.substr(line.rfind('|') + 1);
    EXPECT_EQ(ClosestText(FindClosestLabeling(tree.n, tree.edges, filling, {}), tree.n),
              answer.substr(answer.find_first_not_of(' ')))
        << line;
    ++checked;
  }
  EXPECT_GT(checked, 300);
}

}  // namespace
