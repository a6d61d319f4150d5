#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "search/CandidateEnumeration.h"
#include "search/NextLabeling.h"
#include "tests/search/ClosestCheck.h"
#include "tests/search/SearchTestGraphs.h"

namespace {

std::optional<Labels> Next(int n, const std::vector<Edge>& edges, const Labels& labeling) {
  const SearchHooks hooks;
  SearchReporter reporter(hooks);
  return NextGracefulLabeling(n, edges, labeling, reporter);
}

std::vector<int> ListOf(const std::optional<Labels>& labels, int n) {
  return labels ? LabelList(*labels, n) : std::vector<int>{};
}

// From each stored labeling the next is the following record, and after the last there is none;
// from a labeling that is not graceful, the first record after it in candidate order.
void ExpectStoreSuccessors(int n, const std::vector<Edge>& edges, std::mt19937& random, int fromStored) {
  const std::vector<Labels> store = FindGracefulLabelings(n, edges, {}).solutions;
  for (int k = 0; k < static_cast<int>(store.size()) && k < fromStored; ++k) {
    const std::size_t from = fromStored >= static_cast<int>(store.size()) ? k : random() % store.size();
    const std::optional<Labels> expected =
        from + 1 < store.size() ? std::optional(store[from + 1]) : std::nullopt;
    ASSERT_EQ(ListOf(Next(n, edges, store[from]), n), ListOf(expected, n)) << n << " from record " << from;
    ASSERT_EQ(ListOf(NextStoredLabeling(store, store[from], n), n), ListOf(expected, n));
  }
  std::vector<int> labels(n);
  std::iota(labels.begin(), labels.end(), 1);
  std::shuffle(labels.begin(), labels.end(), random);
  Labels any{};
  for (int v = 1; v <= n; ++v) any[v] = static_cast<std::uint8_t>(labels[v - 1]);
  std::optional<Labels> expected;
  for (auto it = store.rbegin(); it != store.rend() && PrecedesInCandidateOrder(any, *it, n); ++it)
    expected = *it;
  ASSERT_EQ(ListOf(Next(n, edges, any), n), ListOf(expected, n))
      << n << " from " << ::testing::PrintToString(labels);
  ASSERT_EQ(ListOf(NextStoredLabeling(store, any, n), n), ListOf(expected, n));
}

TEST(NextLabeling, IsTheNextStoredLabelingOfSmallGraphs) {
  std::mt19937 random(9);
  for (int n = 2; n <= 7; ++n) {
    for (const std::vector<Edge>& tree : AllLabeledTrees(n))
      ExpectStoreSuccessors(n, tree, random, n <= 6 ? 1000 : 2);
  }
  for (int n = 8; n <= 10; ++n) {
    for (int k = 0; k < (n == 8 ? 40 : n == 9 ? 10 : 3); ++k)
      ExpectStoreSuccessors(n, RandomTree(n, random), random, 10);
  }
  ExpectStoreSuccessors(9, StarEdges(9), random, 20);
  for (int k = 0; k < 100; ++k) {
    const int n = std::uniform_int_distribution<int>(4, 8)(random);
    ExpectStoreSuccessors(n, RandomEdges(n, random), random, 1000);
  }
}

// The comparison against the order the enumeration walks in.
TEST(NextLabeling, ComparesInCandidateOrder) {
  const std::vector<Edge> noEdges;
  CandidateLabeling candidate(6, noEdges);
  Labels previous = candidate.Current();
  EXPECT_FALSE(PrecedesInCandidateOrder(previous, previous, 6));
  while (candidate.Advance()) {
    ASSERT_TRUE(PrecedesInCandidateOrder(previous, candidate.Current(), 6));
    ASSERT_FALSE(PrecedesInCandidateOrder(candidate.Current(), previous, 6));
    previous = candidate.Current();
  }
}

Labels Identity(int n) {
  Labels labels{};
  for (int v = 1; v <= n; ++v) labels[v] = static_cast<std::uint8_t>(v);
  return labels;
}

// The identity is candidate 0 and not graceful for a path: the next labeling is the first of all.
TEST(NextLabeling, FromTheIdentityIsTheFirstLabelingOfLongPaths) {
  EXPECT_EQ(ListOf(Next(11, PathEdges(11), Identity(11)), 11),
            (std::vector<int>{7, 3, 10, 4, 9, 1, 11, 2, 5, 6, 8}));
  EXPECT_EQ(ListOf(Next(12, PathEdges(12), Identity(12)), 12),
            (std::vector<int>{5, 12, 1, 11, 2, 10, 4, 8, 3, 6, 7, 9}));
  Labels reversed{};
  for (int v = 1; v <= 12; ++v) reversed[v] = static_cast<std::uint8_t>(13 - v);
  EXPECT_FALSE(Next(12, PathEdges(12), reversed));
}

TEST(NextLabeling, StopsWhenTheWindowAsksTo) {
  int breaths = 0;
  const SearchHooks hooks{nullptr, [&] { return ++breaths < 2; }};
  SearchReporter reporter(hooks);
  EXPECT_FALSE(NextGracefulLabeling(20, PathEdges(20), Identity(20), reporter));
  EXPECT_TRUE(reporter.Stopped());
  EXPECT_EQ(breaths, 2);
}

}  // namespace
