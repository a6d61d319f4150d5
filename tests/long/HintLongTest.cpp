#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "search/Hint.h"
#include "search/NextLabeling.h"
#include "tests/long/ReferenceSearch.h"
#include "tests/search/ClosestCheck.h"
#include "tests/search/HintCheck.h"
#include "tests/search/SearchTestGraphs.h"

namespace {

std::string NextText(const std::optional<Labels>& labels, int n) {
  return labels ? LabelsText(labels, n) : "last";
}

std::string EngineNext(int n, const std::vector<Edge>& edges, const Labels& labeling) {
  const SearchHooks hooks;
  SearchReporter reporter(hooks);
  return NextText(NextGracefulLabeling(n, edges, labeling, reporter), n);
}

Labels RandomLabeling(int n, std::mt19937& random) {
  std::vector<int> labels(n);
  std::iota(labels.begin(), labels.end(), 1);
  std::shuffle(labels.begin(), labels.end(), random);
  Labels result{};
  for (int v = 1; v <= n; ++v) result[v] = static_cast<std::uint8_t>(labels[v - 1]);
  return result;
}

// The reference checks the engine beyond ten vertices, so it must itself give what the store of
// all labelings gives wherever there is one.
TEST(HintLong, ReferenceMatchesTheStoreOnSmallGraphs) {
  std::mt19937 random(47);
  std::vector<std::pair<int, std::vector<Edge>>> graphs;
  for (const std::vector<Edge>& tree : AllLabeledTrees(6)) graphs.push_back({6, tree});
  for (int k = 0; k < 60; ++k) graphs.push_back({8, RandomTree(8, random)});
  for (int k = 0; k < 60; ++k) {
    const int n = std::uniform_int_distribution<int>(5, 8)(random);
    graphs.push_back({n, RandomEdges(n, random)});
  }
  for (const auto& [n, edges] : graphs) {
    const std::vector<Labels> store = FindGracefulLabelings(n, edges, {}).solutions;
    std::vector<Labels> fillings = SampleFillings(n, store.empty() ? Labels{} : store.back(), random);
    if (!store.empty()) fillings.push_back(store.front());
    for (const Labels& filling : fillings) {
      ASSERT_EQ(ReferenceHint(n, edges, filling), StoreHint(n, store, filling))
          << n << " " << ::testing::PrintToString(LabelList(filling, n));
    }
    for (std::size_t k = 0; k < store.size() && k < 5; ++k) {
      const std::size_t from = random() % store.size();
      ASSERT_EQ(NextText(ReferenceNextGracefulLabeling(n, edges, store[from]), n),
                NextText(from + 1 < store.size() ? std::optional(store[from + 1]) : std::nullopt, n));
    }
  }
}

TEST(HintLong, MatchesTheReferenceOnTheCorpusPairs) {
  std::ifstream in(CorpusFile("closest.txt"));
  ASSERT_TRUE(in);
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    TreeLine tree;
    Labels filling{};
    ASSERT_EQ(ParseFillingLine(line, tree, filling), "") << line;
    if (tree.n > 16) continue;
    const SearchHooks hooks;
    SearchReporter reporter(hooks);
    EXPECT_EQ(HintAnswer(FindHint(tree.n, tree.edges, filling, reporter)),
              ReferenceHint(tree.n, tree.edges, filling))
        << line;
    ++checked;
  }
  EXPECT_GT(checked, 200);
}

// Three steps on from the first labeling, and the labeling after a random one, of every corpus tree
// of 11 to 16 vertices.
TEST(NextLabelingLong, MatchesTheReferenceOnTheCorpusTrees) {
  std::string error;
  const std::vector<CorpusTree> trees = ReadCorpus(CorpusFile("trees.txt"), &error);
  ASSERT_EQ(error, "");
  std::mt19937 random(53);
  int checked = 0;
  for (const CorpusTree& entry : trees) {
    const TreeLine& tree = entry.tree;
    if (tree.n < 11 || tree.n > 16) continue;
    const SearchOutcome first = FindGracefulLabelings(tree.n, tree.edges, {});
    ASSERT_EQ(first.solutions.size(), 1u) << entry.text;
    std::optional<Labels> current = first.solutions.front();
    for (int step = 0; step < 3 && current; ++step) {
      const std::optional<Labels> expected = ReferenceNextGracefulLabeling(tree.n, tree.edges, *current);
      ASSERT_EQ(EngineNext(tree.n, tree.edges, *current), NextText(expected, tree.n)) << entry.text;
      current = expected;
    }
    const Labels any = RandomLabeling(tree.n, random);
    EXPECT_EQ(EngineNext(tree.n, tree.edges, any),
              NextText(ReferenceNextGracefulLabeling(tree.n, tree.edges, any), tree.n))
        << entry.text << " after " << LabelsText(any, tree.n);
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
