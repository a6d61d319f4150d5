#include <gtest/gtest.h>

#include "files/AllTrees.h"
#include "tests/files/TreeEnumerationCheck.h"

namespace {

using namespace all_trees_test;

TEST(AllTreesLong, AreTheTreesOfNautysGeneratorNumberedWithoutCrossingsUpTo20Vertices) {
  for (int n = 17; n <= MaxAllTreesVertices; ++n) ExpectTreesNumberedWithoutCrossings(n);
  if (!HaveNauty()) GTEST_SKIP() << "nauty is not installed";
  for (int n = 13; n <= MaxAllTreesVertices; ++n) ExpectSameTreesAsNauty(n);
}

// The claim itself for the largest trees the program takes, each labeling checked independently.
TEST(AllTreesLong, EveryTreeOf15To20VerticesGetsALabelingTheCheckAccepts) {
  for (int n = 15; n <= MaxAllTreesVertices; ++n) ExpectEveryTreeLabeled(n, 0);
}

}  // namespace
