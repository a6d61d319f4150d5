#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "search/GracefulSearch.h"
#include "support/TestTrees.h"

// The labeled tree of a Prüfer sequence (entries 1..n, length n-2).
inline std::vector<Edge> PruferTree(int n, const std::vector<int>& sequence) {
  std::vector<int> degree(n + 1, 1);
  for (int v : sequence) ++degree[v];
  std::vector<Edge> edges;
  for (int v : sequence) {
    int leaf = 1;
    while (degree[leaf] != 1) ++leaf;
    edges.push_back({static_cast<std::uint8_t>(leaf), static_cast<std::uint8_t>(v)});
    --degree[leaf];
    --degree[v];
  }
  int a = 1;
  while (degree[a] != 1) ++a;
  int b = a + 1;
  while (degree[b] != 1) ++b;
  edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  return edges;
}

// Every labeled tree on n vertices, one per Prüfer sequence.
inline std::vector<std::vector<Edge>> AllLabeledTrees(int n) {
  std::vector<std::vector<Edge>> trees;
  std::vector<int> sequence(n - 2, 1);
  for (;;) {
    trees.push_back(PruferTree(n, sequence));
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
