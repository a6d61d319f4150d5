#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "search/GracefulSearch.h"
#include "support/TestTrees.h"
#include "tree/RandomTree.h"

// Every labeled tree on n vertices, one per Prüfer sequence.
inline std::vector<std::vector<Edge>> AllLabeledTrees(int n) {
  std::vector<std::vector<Edge>> trees;
  std::vector<int> sequence(n - 2, 1);
  for (;;) {
    trees.push_back(PruferTreeEdges(n, sequence));
    int k = 0;
    while (k < n - 2 && sequence[k] == n) sequence[k++] = 1;
    if (k == n - 2) return trees;
    ++sequence[k];
  }
}

inline std::vector<int> LabelList(const Labels& labels, int n) {
  return std::vector<int>(labels.begin() + 1, labels.begin() + n + 1);
}

inline std::vector<std::vector<int>> LabelLists(const SearchOutcome& outcome, int n) {
  std::vector<std::vector<int>> lists;
  for (const Labels& labels : outcome.solutions) lists.push_back(LabelList(labels, n));
  return lists;
}

inline std::string CorpusFile(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path() / "../../corpus" / name).string();
}
