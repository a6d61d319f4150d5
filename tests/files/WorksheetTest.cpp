#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "files/Worksheet.h"
#include "support/TestTrees.h"
#include "tree/CrossingFree.h"

namespace {

std::vector<int> LabelsOf(const WorksheetSolution& solution) {
  if (!solution.labeling) return {};
  return std::vector<int>(solution.labeling->begin() + 1, solution.labeling->begin() + solution.tree.n + 1);
}

TEST(Worksheet, GivesEachTreeTheFirstLabelingOfTheSearch) {
  // The triangle 1-2-3 beside the edge 4-5 has no graceful labeling.
  const std::vector<WorksheetTree> trees = {
      {5, PathEdges(5)}, {10, StarEdges(10)}, {12, PathEdges(12)}, {5, {{1, 2}, {2, 3}, {1, 3}, {4, 5}}}};
  std::vector<int> progress;
  const WorksheetOutcome outcome =
      SolveWorksheet(trees, {[&](int i, int total) { progress.push_back(i * 10 + total); }, {}});
  EXPECT_EQ(progress, (std::vector<int>{14, 24, 34, 44}));
  ASSERT_EQ(outcome.solutions.size(), trees.size());
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(LabelsOf(outcome.solutions[0]), (std::vector<int>{2, 5, 1, 3, 4}));
  EXPECT_EQ(LabelsOf(outcome.solutions[1]), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(LabelsOf(outcome.solutions[2]), (std::vector<int>{5, 12, 1, 11, 2, 10, 4, 8, 3, 6, 7, 9}));
  EXPECT_FALSE(outcome.solutions[3].labeling);

  int breaths = 0;
  const WorksheetOutcome stopped = SolveWorksheet(trees, {{}, [&breaths] { return ++breaths < 3; }});
  EXPECT_TRUE(stopped.stopped);
  EXPECT_LT(stopped.solutions.size(), trees.size());
}

TEST(Worksheet, SolvesTwelveRandomTreesOfTwentyVerticesInSeconds) {
  std::mt19937 engine(5);
  const RandomBelow random = [&engine](int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(engine);
  };
  EXPECT_EQ(RandomWorksheetTrees(0, 1, random).size(), 1u);
  EXPECT_EQ(RandomWorksheetTrees(0, 1, random)[0].n, 2);
  const std::vector<WorksheetTree> trees = RandomWorksheetTrees(13, 25, random);
  ASSERT_EQ(trees.size(), 12u);
  const auto start = std::chrono::steady_clock::now();
  const WorksheetOutcome outcome = SolveWorksheet(trees, {});
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("12 trees of 20 vertices solved in %.2f s\n", took.count());
  EXPECT_LT(took.count(), 10.0);
  ASSERT_EQ(outcome.solutions.size(), 12u);
  for (const WorksheetSolution& solution : outcome.solutions) {
    EXPECT_EQ(solution.tree.n, 20);
    EXPECT_EQ(CrossingCount(20, solution.tree.edges), 0);
    ASSERT_TRUE(solution.labeling);
    std::uint32_t values = 0;
    for (const Edge& e : solution.tree.edges)
      values |= 1u << std::abs((*solution.labeling)[e.a] - (*solution.labeling)[e.b]);
    EXPECT_EQ(values, 0xFFFFEu);
  }
}

}  // namespace
