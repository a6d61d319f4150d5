#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "files/AllTrees.h"
#include "files/AllTreesCheck.h"
#include "files/TreeEnumerationCheck.h"

namespace {

using namespace all_trees_test;

TEST(AllTreesCheck, EveryLabelingFoundPassesTheCheckUpTo14Vertices) {
  for (int n = 2; n <= 14; ++n) ExpectEveryTreeLabeled(n, 2);
  // The slowest tree is reported as the enumeration gives it.
  const AllTreesResult result = CheckAllTrees({10, 2, {}, false});
  ASSERT_TRUE(result.slowest);
  EXPECT_EQ(result.slowest->tree.edges, AllFreeTrees(10)[result.slowest->tree.index].edges);
  // The labelings do not depend on how the trees were shared out.
  AllTreesOptions one{12, 1, {}, true};
  AllTreesOptions three{12, 3, {}, true};
  EXPECT_TRUE(CheckAllTrees(one).labelings == CheckAllTrees(three).labelings);
}

// A labeler that gives no labeling, or one that is no graceful labeling, for some trees: those are
// reported, in index order, and the others are not.
TEST(AllTreesCheck, ReportsTheTreesWithoutALabeling) {
  const TreeLabeler search = SomeLabelingOfTree();
  struct Case {
    const char* what;
    std::function<std::optional<Labels>(const NumberedTree&, SearchReporter&)> labeler;
    std::vector<long long> reported;
  };
  const Case cases[] = {
      {"none found",
       [&](const NumberedTree& tree, SearchReporter& reporter) -> std::optional<Labels> {
         if (tree.index == 3 || tree.index == 40) return std::nullopt;
         return search(tree, reporter);
       },
       {3, 40}},
      // 1, 2, ..., n on the path rooted at its centre repeats the value 1; a label twice.
      {"not graceful",
       [&](const NumberedTree& tree, SearchReporter& reporter) -> std::optional<Labels> {
         std::optional<Labels> labels = search(tree, reporter);
         if (tree.index == 0) {
           for (int v = 1; v <= tree.n; ++v) (*labels)[v] = static_cast<std::uint8_t>(v);
         }
         if (tree.index % 10 == 7) (*labels)[2] = (*labels)[1];
         return labels;
       },
       {0, 7, 17, 27, 37}},
  };
  for (const Case& c : cases) {
    const AllTreesResult result = CheckAllTrees({9, 2, c.labeler, false});
    EXPECT_EQ(result.checked, 47) << c.what;
    EXPECT_FALSE(result.stopped) << c.what;
    std::vector<long long> reported;
    for (const NumberedTree& tree : result.withoutLabeling) {
      reported.push_back(tree.index);
      EXPECT_EQ(tree.edges, AllFreeTrees(9)[tree.index].edges);
    }
    EXPECT_EQ(reported, c.reported) << c.what;
  }
}

TEST(AllTreesCheck, StopsWhenCancelled) {
  // A search that would never end without the stop: the stop reaches it through its reporter, and
  // a tree cut short counts neither as checked nor as without a labeling.
  {
    AllTreesCheck check({20, 2, [](const NumberedTree&, SearchReporter& reporter) -> std::optional<Labels> {
                           while (reporter.Breathe()) std::this_thread::yield();
                           return std::nullopt;
                         }});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(check.Progress().finished);
    check.Stop();
    const AllTreesResult& result = check.Wait();
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.checked, 0);
    EXPECT_TRUE(result.withoutLabeling.empty());
    EXPECT_FALSE(result.slowest);
    EXPECT_TRUE(check.Progress().finished);
  }
  // The real check of the trees of 20 vertices, stopped once it is under way.
  AllTreesCheck check({20, 2, {}, false});
  while (check.Progress().done < 100) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const AllTreesProgress early = check.Progress();
  EXPECT_EQ(early.total, 823065);
  EXPECT_GT(early.seconds, 0);
  ASSERT_TRUE(SecondsLeft(early));
  EXPECT_GT(*SecondsLeft(early), 0);
  EXPECT_EQ(SecondsLeft({0, 100, 5, false}), std::nullopt);
  EXPECT_EQ(SecondsLeft({25, 100, 5, false}), 15.0);
  check.Stop();
  const AllTreesResult& result = check.Wait();
  EXPECT_TRUE(result.stopped);
  EXPECT_GE(result.checked, 100);
  EXPECT_LT(result.checked, result.total / 2);
  EXPECT_TRUE(result.withoutLabeling.empty());
  EXPECT_TRUE(result.slowest);
  // Dropping a check under way stops it too.
  { AllTreesCheck dropped({20, 2, {}, false}); }
}

}  // namespace
