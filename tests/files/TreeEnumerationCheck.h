#pragma once

// What the tests of the enumeration of all trees check on each tree: shared by the unit tests (the
// smaller n) and the long tests (up to 20 vertices).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "check/Evaluation.h"
#include "check/LabelCheck.h"
#include "files/AllTrees.h"
#include "files/AllTreesCheck.h"
#include "files/Graph6.h"
#include "tree/Connectivity.h"
#include "tree/CrossingFree.h"

namespace all_trees_test {

inline bool HaveNauty() { return std::system("command -v nauty-gentreeg >/dev/null 2>&1") == 0; }

inline std::string CommandOutput(const std::string& command) {
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
  return text;
}

inline std::vector<std::string> SortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1) {
    lines.push_back(text.substr(from, end - from));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

// The count nauty's generator reports for n vertices ("... 19320 trees generated ..."), -1 if none.
inline long long NautyTreeCount(int n) {
  const std::string report = CommandOutput("nauty-gentreeg -u " + std::to_string(n) + " 2>&1");
  const std::size_t at = report.find(">Z ");
  return at == std::string::npos ? -1 : std::atoll(report.c_str() + at + 3);
}

// Our trees and nauty's, each in nauty's canonical labelling, sorted: equal sets of trees up to
// isomorphism give equal lists.
inline void ExpectSameTreesAsNauty(int n) {
  const std::string file = testing::TempDir() + "all_trees_" + std::to_string(n) + ".g6";
  {
    std::ofstream out(file);
    VisitFreeTrees(n, [&out](const NumberedTree& tree) {
      out << Graph6Line(tree.n, tree.edges) << '\n';
      return true;
    });
  }
  const std::vector<std::string> ours = SortedLines(CommandOutput("nauty-labelg -qg " + file));
  const std::vector<std::string> theirs =
      SortedLines(CommandOutput("nauty-gentreeg -q " + std::to_string(n) + " | nauty-labelg -qg"));
  ASSERT_EQ(ours.size(), static_cast<std::size_t>(FreeTreeCount(n))) << n;
  EXPECT_TRUE(ours == theirs) << n;
  std::remove(file.c_str());
}

// Every tree of n vertices in order: a tree on 1..n, numbered without crossings, as many as there
// are. (That they are all different is nauty's to say.)
inline void ExpectTreesNumberedWithoutCrossings(int n) {
  long long index = 0;
  VisitFreeTrees(n, [&](const NumberedTree& tree) {
    EXPECT_EQ(tree.index, index++);
    EXPECT_EQ(tree.edges.size(), static_cast<std::size_t>(n - 1));
    EXPECT_TRUE(IsConnected(n, tree.edges)) << n << " #" << tree.index;
    EXPECT_EQ(CrossingCount(n, tree.edges), 0) << n << " #" << tree.index;
    return !testing::Test::HasFailure();
  });
  EXPECT_EQ(index, FreeTreeCount(n)) << n;
}

// The check of the window, independent of the search: labels 1..n each once, every edge value
// once.
inline bool AcceptedByTheCheck(const NumberedTree& tree, const Labels& labels) {
  BoxNumbers numbers{};
  for (int v = 1; v <= tree.n; ++v) numbers[v] = labels[v];
  if (ValidateBoxLabels(tree.n, numbers)) return false;
  const Evaluation evaluation = EvaluateEdges(tree.edges, labels);
  for (const EdgeResult& edge : evaluation.edges) {
    if (edge.status != EdgeStatus::Unique) return false;
  }
  return true;
}

// Some graceful labeling of every tree of n vertices, each accepted by the check.
inline void ExpectEveryTreeLabeled(int n, int threads) {
  AllTreesOptions options;
  options.n = n;
  options.threads = threads;
  options.keepLabelings = true;
  const AllTreesResult result = CheckAllTrees(options);
  EXPECT_EQ(result.n, n);
  EXPECT_EQ(result.total, FreeTreeCount(n));
  EXPECT_EQ(result.checked, result.total);
  EXPECT_FALSE(result.stopped);
  EXPECT_TRUE(result.withoutLabeling.empty()) << n;
  ASSERT_EQ(static_cast<long long>(result.labelings.size()), result.total);
  long long accepted = 0;
  VisitFreeTrees(n, [&](const NumberedTree& tree) {
    const bool ok = AcceptedByTheCheck(tree, result.labelings[static_cast<std::size_t>(tree.index)]);
    EXPECT_TRUE(ok) << n << " #" << tree.index;
    accepted += ok;
    return true;
  });
  EXPECT_EQ(accepted, result.total);
  ASSERT_TRUE(result.slowest);
  EXPECT_EQ(result.slowest->labeling, result.labelings[static_cast<std::size_t>(result.slowest->tree.index)]);
  EXPECT_LE(result.slowest->ms, result.seconds * 1000);
}

}  // namespace all_trees_test
