#include <gtest/gtest.h>

#include "check/Evaluation.h"
#include "support/TestLabels.h"
#include "support/TestTrees.h"

namespace {

// One letter per edge: U unique, R repeated, . unlabeled.
std::string Marks(const Evaluation& evaluation) {
  std::string marks;
  for (const EdgeResult& e : evaluation.edges) {
    marks += e.status == EdgeStatus::Unique ? 'U' : e.status == EdgeStatus::Repeated ? 'R' : '.';
  }
  return marks;
}

const std::vector<Edge> Star4 = {{1, 2}, {1, 3}, {1, 4}};

}  // namespace

TEST(Evaluation, MarksEveryEdgeByHowOftenItsValueOccurs) {
  const struct {
    std::vector<Edge> edges;
    Labels labels;
    std::string marks;
  } cases[] = {
      {PathEdges(3), MakeLabels({1, 3, 2}), "UU"},
      {Star4, MakeLabels({1, 2, 3, 4}), "UUU"},
      {Star4, MakeLabels({2, 1, 3, 4}), "RRU"},
      {Star4, MakeLabels({}), "..."},
      {Star4, MakeLabels({0, 1, 3, 4}), "..."},
      {Star4, MakeLabels({2, 0, 4, 1}), ".UU"},
      {PathEdges(11), MakeLabels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), "RRRRRRRRRR"},
      {PathEdges(4), MakeLabels({1, 2, 4, 3}), "RUR"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Marks(EvaluateEdges(c.edges, c.labels)), c.marks) << ::testing::PrintToString(c.labels);
  }
}

TEST(Evaluation, ValuesCountsAndTexts) {
  const Evaluation e = EvaluateEdges(Star4, MakeLabels({2, 1, 3, 4}));
  EXPECT_EQ(e.counts[1], 2);
  EXPECT_EQ(e.counts[2], 1);
  EXPECT_EQ(e.counts[3], 0);
  EXPECT_EQ(e.edges[2].value, 2);
  EXPECT_EQ(e.edges[2].valueText, " 2 ");

  const Evaluation wide = EvaluateEdges({{1, 2}, {2, 3}}, MakeLabels({20, 8, 0}));
  EXPECT_EQ(wide.edges[0].valueText, "12");
  EXPECT_EQ(wide.edges[1].valueText, "");
}

TEST(Evaluation, UnvalidatedBytesAndVertexNumbersStayInBounds) {
  // A rejected check leaves bytes such as 255 in the labels; stray vertex numbers count as unlabeled.
  const Evaluation e = EvaluateEdges({{1, 2}, {3, 4}, {21, 1}, {255, 0}}, MakeLabels({255, 0, 255, 1}));
  EXPECT_EQ(Marks(e), ".U..");
  EXPECT_EQ(e.edges[1].value, 254);
  EXPECT_EQ(e.counts[254], 1);
}
