#include <gtest/gtest.h>

#include <random>

#include "search/GracefulSearch.h"
#include "tests/search/ClosestCheck.h"
#include "tests/search/SearchTestGraphs.h"

namespace {

// Up to ten vertices the store holds every graceful labeling, and the proposal over it is the
// closest labeling by definition. Fillings the window would refuse (a number twice, a number above
// n) are answered all the same.
void ExpectClosestIsTheProposal(int n, const std::vector<Edge>& edges, std::mt19937& random) {
  const std::vector<Labels> store = FindGracefulLabelings(n, edges, {}).solutions;
  std::vector<Labels> fillings =
      SampleFillings(n, store.empty() ? Labels{} : store[random() % store.size()], random);
  Labels refused = fillings.back();
  refused[1] = refused[n] = 2;
  refused[2] = static_cast<std::uint8_t>(n + 1 + random() % 200);
  fillings.push_back(refused);
  for (const Labels& filling : fillings) {
    ASSERT_EQ(ClosestText(FindClosestLabeling(n, edges, filling, {}), n), ProposalText(n, store, filling))
        << n << " " << ::testing::PrintToString(LabelList(filling, n));
  }
}

TEST(ClosestLabeling, IsTheProposalOverAllLabelingsOfEveryTreeUpToSixVertices) {
  std::mt19937 random(3);
  for (int n = 2; n <= 6; ++n) {
    for (const std::vector<Edge>& tree : AllLabeledTrees(n)) ExpectClosestIsTheProposal(n, tree, random);
  }
}

TEST(ClosestLabeling, IsTheProposalOverAllLabelingsOfRandomTreesOfSevenToTenVertices) {
  std::mt19937 random(17);
  for (int n = 7; n <= 10; ++n) {
    for (int k = 0; k < (n <= 8 ? 60 : n == 9 ? 15 : 3); ++k) {
      ExpectClosestIsTheProposal(n, RandomTree(n, random), random);
    }
  }
  ExpectClosestIsTheProposal(10, PathEdges(10), random);
  ExpectClosestIsTheProposal(9, StarEdges(9), random);
}

// Cycles, parts apart and vertices on no edge; many of these graphs have no graceful labeling.
TEST(ClosestLabeling, IsTheProposalOverAllLabelingsOfGraphsThatAreNotTrees) {
  std::mt19937 random(29);
  for (int k = 0; k < 150; ++k) {
    const int n = std::uniform_int_distribution<int>(4, 8)(random);
    ExpectClosestIsTheProposal(n, RandomEdges(n, random), random);
  }
}

TEST(ClosestLabeling, StopsWhenTheWindowAsksTo) {
  int breaths = 0;
  const SearchHooks hooks{nullptr, [&] { return ++breaths < 3; }};
  const ClosestOutcome outcome = FindClosestLabeling(20, PathEdges(20), Labels{}, hooks);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_FALSE(outcome.found);
  EXPECT_EQ(breaths, 3);
}

}  // namespace
