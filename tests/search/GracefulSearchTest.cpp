#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "search/GracefulSearch.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/PlainEnumeration.h"

namespace {

using Lists = std::vector<std::vector<int>>;

struct Example {
  const char* name;
  int n;
  std::vector<Edge> edges;
  std::size_t count;
  Lists firstStored;
};

TEST(GracefulSearch, StoresTheExamplesInCandidateOrder) {
  const std::vector<Example> examples = {
      {"edge", 2, PathEdges(2), 2, {{1, 2}, {2, 1}}},
      {"path3", 3, PathEdges(3), 4, {{2, 1, 3}, {3, 1, 2}, {1, 3, 2}, {2, 3, 1}}},
      {"path4", 4, PathEdges(4), 4, {{2, 3, 1, 4}, {1, 4, 2, 3}, {4, 1, 3, 2}, {3, 2, 4, 1}}},
      {"star4", 4, StarEdges(4), 12, {{1, 2, 3, 4}, {4, 1, 2, 3}}},
      {"path5", 5, PathEdges(5), 8, {{2, 5, 1, 3, 4}}},
      {"path6", 6, PathEdges(6), 24, {}},
      {"star9", 9, StarEdges(9), 80640, {}},
  };
  for (const Example& e : examples) {
    const SearchOutcome fast = FindGracefulLabelings(e.n, e.edges, {});
    const Lists stored = LabelLists(fast, e.n);
    ASSERT_EQ(stored.size(), e.count) << e.name;
    EXPECT_EQ(Lists(stored.begin(), stored.begin() + e.firstStored.size()), e.firstStored) << e.name;
    EXPECT_FALSE(fast.stopped);
    if (e.n <= 6) {
      EXPECT_EQ(stored, LabelLists(FindGracefulLabelingsPlain(e.n, e.edges, {}), e.n)) << e.name;
    }
  }
}

TEST(GracefulSearch, StoresAllLabelingsOfTheTenStar) {
  EXPECT_EQ(FindGracefulLabelings(10, StarEdges(10), {}).solutions.size(), 725760u);
}

TEST(GracefulSearch, FindsTheFirstLabelingOfLongPaths) {
  const std::vector<std::pair<int, std::vector<int>>> cases = {
      {11, {7, 3, 10, 4, 9, 1, 11, 2, 5, 6, 8}},
      {12, {5, 12, 1, 11, 2, 10, 4, 8, 3, 6, 7, 9}},
  };
  for (const auto& [n, expected] : cases) {
    const SearchOutcome outcome = FindGracefulLabelings(n, PathEdges(n), {});
    ASSERT_EQ(outcome.solutions.size(), 1u) << n;
    EXPECT_EQ(LabelList(outcome.solutions[0], n), expected) << n;
  }
}

struct TextLog {
  std::vector<std::pair<int, std::string>> texts;
  SearchHooks Hooks() {
    return {[this](StatusLine line, const std::string& text) {
              texts.emplace_back(line == StatusLine::Summary ? 1 : 6, text);
            },
            nullptr};
  }
};

std::vector<std::pair<int, std::string>> Percentages(std::initializer_list<int> values) {
  std::vector<std::pair<int, std::string>> texts;
  for (int p : values) texts.emplace_back(1, "Hľadám riešenia ... " + std::to_string(p) + "%");
  return texts;
}

TEST(GracefulSearch, ShowsEachChangedProgressTextOnce) {
  EXPECT_EQ(SearchProgressText(100, 6), "Hľadám riešenia ... 13%");
  EXPECT_EQ(SearchProgressText(3628700, 10), "Hľadám riešenia ... 99%");
  const std::vector<std::pair<int, std::vector<std::pair<int, std::string>>>> cases = {
      {2, Percentages({0})},
      {5, Percentages({0, 83})},
      {6, Percentages({0, 13, 27, 41, 55, 69, 83, 97})},
  };
  for (const auto& [n, expected] : cases) {
    TextLog fast;
    FindGracefulLabelings(n, PathEdges(n), fast.Hooks());
    EXPECT_EQ(fast.texts, expected) << n;
    TextLog plain;
    FindGracefulLabelingsPlain(n, PathEdges(n), plain.Hooks());
    EXPECT_EQ(plain.texts, expected) << n;
  }
  TextLog ten;
  FindGracefulLabelings(10, PathEdges(10), ten.Hooks());
  ASSERT_EQ(ten.texts.size(), 100u);
  EXPECT_EQ(ten.texts.back().second, "Hľadám riešenia ... 99%");

  const std::vector<std::pair<int, std::string>> waiting = {{1, "Hľadám riešenie ... čakajte prosím"},
                                                            {6, "(môže to trvať aj niekoľko hodín)"}};
  TextLog eleven;
  FindGracefulLabelings(11, PathEdges(11), eleven.Hooks());
  EXPECT_EQ(eleven.texts, waiting);
}

// A triangle beside a path: not a tree, so the graph may have no graceful labeling at all.
TEST(GracefulSearch, HandlesGraphsThatAreNotTrees) {
  const std::vector<Edge> triangleAndPath3 = {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}};
  const std::vector<Edge> triangleAndPath4 = {{1, 2}, {2, 3}, {3, 1}, {4, 5}, {5, 6}, {6, 7}};
  EXPECT_TRUE(FindGracefulLabelings(6, triangleAndPath3, {}).solutions.empty());
  EXPECT_TRUE(FindGracefulLabelingsPlain(6, triangleAndPath3, {}).solutions.empty());
  EXPECT_EQ(FindGracefulLabelings(7, triangleAndPath4, {}).solutions.size(), 24u);
  EXPECT_EQ(LabelLists(FindGracefulLabelings(7, triangleAndPath4, {}), 7),
            LabelLists(FindGracefulLabelingsPlain(7, triangleAndPath4, {}), 7));

  // Beyond ten vertices a loop or a repeated edge rules out every labeling at once.
  std::vector<Edge> repeated = PathEdges(12);
  repeated.back() = repeated.front();
  EXPECT_TRUE(FindGracefulLabelings(12, repeated, {}).solutions.empty());
  std::vector<Edge> loop = PathEdges(15);
  loop.back() = {7, 7};
  EXPECT_TRUE(FindGracefulLabelings(15, loop, {}).solutions.empty());
}

TEST(GracefulSearch, RejectsMalformedInputWithoutSearching) {
  const std::vector<std::pair<int, std::vector<Edge>>> cases = {{1, {}},
                                                                {21, PathEdges(21)},
                                                                {5, PathEdges(4)},
                                                                {4, {{1, 2}, {2, 3}, {3, 5}}},
                                                                {4, {{0, 1}, {1, 2}, {2, 3}}}};
  for (const auto& [n, edges] : cases) {
    EXPECT_TRUE(FindGracefulLabelings(n, edges, {}).solutions.empty()) << n;
    EXPECT_TRUE(FindGracefulLabelingsPlain(n, edges, {}).solutions.empty()) << n;
  }
}

// The spider numbered outward leg by leg: among the slowest trees for the search.
std::vector<Edge> Spider20() {
  return {{1, 2},  {2, 3},   {1, 4},   {4, 5},   {5, 6},  {1, 7},   {7, 8},   {1, 9},  {9, 10}, {10, 11},
          {1, 12}, {12, 13}, {13, 14}, {14, 15}, {1, 16}, {16, 17}, {17, 18}, {1, 19}, {19, 20}};
}

TEST(GracefulSearch, StopsWhenTheWindowSaysSo) {
  using Search = SearchOutcome (*)(int, const std::vector<Edge>&, const SearchHooks&);
  const std::vector<std::pair<int, std::vector<Edge>>> graphs = {{10, StarEdges(10)}, {20, Spider20()}};
  for (Search search : {&FindGracefulLabelings, &FindGracefulLabelingsPlain}) {
    for (const auto& [n, edges] : graphs) {
      int calls = 0;
      const SearchOutcome outcome = search(n, edges, {nullptr, [&calls] { return ++calls < 3; }});
      EXPECT_TRUE(outcome.stopped) << n;
      EXPECT_EQ(calls, 3) << n;
      if (n > 10) {
        EXPECT_TRUE(outcome.solutions.empty());
      }
    }
  }
}

// Deep into the search of a hard spider, a question is raced on two threads: a stop must end both.
TEST(GracefulSearch, StopsInTheMiddleOfARacedQuestion) {
  const std::vector<Edge> spider = {{1, 2},   {2, 3},   {3, 4},   {4, 5},   {5, 6},  {6, 7},   {1, 8},
                                    {8, 9},   {9, 10},  {10, 11}, {11, 12}, {1, 13}, {13, 14}, {14, 15},
                                    {15, 16}, {16, 17}, {1, 18},  {18, 19}, {19, 20}};
  for (int stopAt : {40, 400}) {
    int calls = 0;
    const SearchOutcome outcome =
        FindGracefulLabelings(20, spider, {nullptr, [&] { return ++calls < stopAt; }});
    EXPECT_TRUE(outcome.stopped) << stopAt;
    EXPECT_EQ(calls, stopAt);
    EXPECT_TRUE(outcome.solutions.empty());
  }
}

TEST(GracefulSearch, BreathesRegularlyDuringLongSearches) {
  int calls = 0;
  const SearchOutcome outcome =
      FindGracefulLabelings(10, StarEdges(10), {nullptr, [&calls] { return ++calls > 0; }});
  EXPECT_FALSE(outcome.stopped);
  EXPECT_GE(calls, 3628800 / 20000);
  EXPECT_LE(calls, 3628800 / 1000);
}

}  // namespace
