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
  const std::vector<WorksheetTree> trees = {{5, PathEdges(5), {}, 1},
                                            {10, StarEdges(10), {}, 2},
                                            {12, PathEdges(12), {}, 3},
                                            {5, {{1, 2}, {2, 3}, {1, 3}, {4, 5}}, {}, 4}};
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

  // Given numbers: the key keeps them where a labeling can, and counts the ones it must change.
  // On the path 1-2-3-4-5 the first labeling gives vertex 1 the label 2; given 1, it keeps 1.
  const WorksheetOutcome given =
      SolveWorksheet({{5, PathEdges(5), {1, 0, 0, 0, 0}, 1}, {5, PathEdges(5), {3, 3}, 2}}, {});
  ASSERT_EQ(given.solutions.size(), 2u);
  EXPECT_EQ(LabelsOf(given.solutions[0])[0], 1);
  EXPECT_EQ(given.solutions[0].contradicted, 0);
  EXPECT_EQ(given.solutions[1].contradicted, 1) << "no labeling gives two vertices 3";

  // Random trees: the count and the size kept within what a worksheet takes, no edges crossing.
  const std::vector<WorksheetTree> random = RandomWorksheetTrees(61, 25);
  ASSERT_EQ(random.size(), 60u);
  for (const WorksheetTree& tree : random) EXPECT_EQ(CrossingCount(tree.n, tree.edges), 0);
  EXPECT_EQ(random.back().number, 60);
  EXPECT_EQ(RandomWorksheetTrees(0, 1)[0].n, 2);
}

TEST(Worksheet, TakesTheSetsTreesOfTheRangeAndNamesTheOnesLeftOut) {
  // Tree 2 has a vertex 5 in a tree of 4 vertices, tree 4 is a graph6 graph of one vertex.
  const TreeFileReading file =
      ReadTreeFile("1 2\n2 3\n# čísla: 0 3 1\n---\n1 2\n2 5\n3 4\n---\nCF\n---\n@\n---\n1 2\n");
  ASSERT_EQ(file.trees.size(), 5u);
  EXPECT_TRUE(HasFillings(file));

  const SetTrees all = SelectSetTrees(file, 1, 5, true);
  std::vector<int> numbers;
  for (const WorksheetTree& tree : all.trees) numbers.push_back(tree.number);
  EXPECT_EQ(numbers, (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(all.trees[0].givens, (std::vector<int>{0, 3, 1}));
  EXPECT_TRUE(all.trees[1].givens.empty());
  ASSERT_EQ(all.leftOut.size(), 2u);
  EXPECT_EQ(all.leftOut[0].number, 2);
  EXPECT_EQ(LeftOutTreesMessage(all.leftOut, 5),
            "Na pracovný list sa nedostanú 2 stromy z 5:\n"
            "Strom 2, riadok 6: nepovolené číslo 5 (strom má 4 vrcholy).\n"
            "Strom 4, riadok 11: príliš málo vrcholov: 1 (strom má aspoň 2).");
  EXPECT_EQ(LeftOutTreesMessage({{7, "x"}}, 9), "Na pracovný list sa nedostane 1 strom z 9:\nStrom 7, x.");

  // A range takes exactly its trees, kept within the file; without givens none are printed.
  const SetTrees range = SelectSetTrees(file, 3, 9, false);
  ASSERT_EQ(range.trees.size(), 2u);
  EXPECT_EQ(range.trees[0].number, 3);
  EXPECT_EQ(range.leftOut.size(), 1u);
  EXPECT_TRUE(SelectSetTrees(file, 1, 1, false).trees[0].givens.empty());
  WorksheetChoice part;
  part.source = WorksheetSource::Set;
  part.wholeSet = false;
  part.first = part.last = 5;
  EXPECT_EQ(ChosenTrees(part, &file).trees.size(), 1u);
  EXPECT_TRUE(ChosenTrees(part, nullptr).trees.empty());
}

TEST(Worksheet, SaysWhatMakesAChoiceUnusable) {
  const auto fault = [](auto change, int setTrees) {
    WorksheetChoice choice;
    change(choice);
    return WorksheetChoiceFault(choice, setTrees).value_or("");
  };
  const auto set = [](int first, int last) {
    return [=](WorksheetChoice& c) {
      c.source = WorksheetSource::Set;
      c.wholeSet = false;
      c.first = first;
      c.last = last;
    };
  };
  EXPECT_EQ(fault([](WorksheetChoice&) {}, 0), "");
  EXPECT_EQ(fault(
                [](WorksheetChoice& c) {
                  c.count = 60;
                  c.vertices = 20;
                },
                0),
            "");
  EXPECT_EQ(fault([](WorksheetChoice& c) { c.vertices = 21; }, 0),
            "Strom môže mať 2 až 20 vrcholov; 21 sa nedá použiť.");
  EXPECT_EQ(fault([](WorksheetChoice& c) { c.count = 61; }, 0),
            "Náhodných stromov môže byť 1 až 60; 61 sa nedá použiť.");
  EXPECT_EQ(fault([](WorksheetChoice& c) { c.perPage = 3; }, 0),
            "Na strane môže byť 1, 2, 4 alebo 6 stromov; 3 sa nedá použiť.");
  EXPECT_EQ(fault(set(1, 1), 0), "Nie je otvorený žiadny súbor stromov.");
  EXPECT_EQ(fault(set(13, 20), 20), "");
  EXPECT_EQ(fault(set(7, 3), 20), "Rozsah stromov 7 až 3 je prázdny.");
  EXPECT_EQ(fault(set(2, 4), 3), "Súbor má 3 stromy; stromy 2 až 4 v ňom nie sú.");
  EXPECT_EQ(fault(set(1, 2), 1), "Súbor má 1 strom; stromy 1 až 2 v ňom nie sú.");
  EXPECT_EQ(fault(set(1, 200), 300), "");
  EXPECT_EQ(fault(set(1, 201), 300),
            "Na pracovný list sa zmestí najviac 200 stromov zo súboru; stromov 1 až 201 je 201.");
  EXPECT_EQ(fault([](WorksheetChoice& c) { c.source = WorksheetSource::Set; }, 250),
            "Na pracovný list sa zmestí najviac 200 stromov zo súboru; stromov 1 až 250 je 250.");

  EXPECT_EQ(AnswersFilePath("/a/list.pdf"), "/a/list-riesenia.pdf");
  EXPECT_EQ(AnswersFilePath("/a/LIST.PDF"), "/a/LIST-riesenia.pdf");
  EXPECT_EQ(AnswersFilePath("list"), "list-riesenia.pdf");
  EXPECT_EQ(TreeCountWords(12), "12 stromov");
}

}  // namespace
