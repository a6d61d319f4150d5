#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/GracefulSearch.h"

namespace {

std::vector<Edge> Path(int n) {
  std::vector<Edge> edges;
  for (int v = 1; v < n; ++v)
    edges.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v + 1)});
  return edges;
}

std::vector<Edge> Star(int n) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back({1, static_cast<std::uint8_t>(v)});
  return edges;
}

std::vector<int> LabelsOf(const Labels& labels, int n) {
  return std::vector<int>(labels.begin() + 1, labels.begin() + n + 1);
}

std::vector<std::vector<int>> AllLabels(const SearchOutcome& outcome, int n) {
  std::vector<std::vector<int>> all;
  for (const Labels& labels : outcome.solutions) all.push_back(LabelsOf(labels, n));
  return all;
}

TEST(GracefulSearch, SmokePaths) {
  for (int n = 2; n <= 6; ++n) {
    const auto fast = FindGracefulLabelings(n, Path(n), {});
    const auto plain = FindGracefulLabelingsPlain(n, Path(n), {});
    EXPECT_EQ(AllLabels(fast, n), AllLabels(plain, n)) << n;
  }
  const auto eleven = FindGracefulLabelings(11, Path(11), {});
  ASSERT_EQ(eleven.solutions.size(), 1u);
  EXPECT_EQ(LabelsOf(eleven.solutions[0], 11), (std::vector<int>{7, 3, 10, 4, 9, 1, 11, 2, 5, 6, 8}));
  const auto twelve = FindGracefulLabelings(12, Path(12), {});
  ASSERT_EQ(twelve.solutions.size(), 1u);
  EXPECT_EQ(LabelsOf(twelve.solutions[0], 12), (std::vector<int>{5, 12, 1, 11, 2, 10, 4, 8, 3, 6, 7, 9}));
  EXPECT_EQ(FindGracefulLabelings(10, Star(10), {}).solutions.size(), 725760u);
}

}  // namespace
