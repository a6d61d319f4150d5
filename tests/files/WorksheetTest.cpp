#include <gtest/gtest.h>

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

  // Random trees: the count and the size kept within what a worksheet takes, no edges crossing.
  const std::vector<WorksheetTree> random = RandomWorksheetTrees(13, 25);
  ASSERT_EQ(random.size(), 12u);
  for (const WorksheetTree& tree : random) EXPECT_EQ(CrossingCount(tree.n, tree.edges), 0);
  EXPECT_EQ(RandomWorksheetTrees(0, 1)[0].n, 2);
}

}  // namespace
