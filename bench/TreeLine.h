#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

// One tree of a corpus file: `n a-b a-b ...`, the n-1 edges with vertex numbers 1..n.
struct TreeLine {
  int n = 0;
  std::vector<Edge> edges;
};

inline std::optional<int> ParseSmallNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Fills `tree` and returns an empty string, or returns what is wrong with the line.
inline std::string ParseTreeLine(const std::string& line, TreeLine& tree) {
  std::istringstream words(line);
  std::string word;
  words >> word;
  const std::optional<int> n = ParseSmallNumber(word);
  if (!n || *n < 2 || *n > MaxVertices) return "the vertex count must be a number from 2 to 20";
  tree.n = *n;
  tree.edges.clear();
  while (words >> word) {
    const std::size_t dash = word.find('-');
    if (dash == std::string::npos) return "'" + word + "' is not an edge a-b";
    const std::optional<int> a = ParseSmallNumber(word.substr(0, dash));
    const std::optional<int> b = ParseSmallNumber(word.substr(dash + 1));
    if (!a || !b) return "'" + word + "' is not an edge a-b";
    if (*a < 1 || *a > tree.n || *b < 1 || *b > tree.n) {
      return "edge '" + word + "' has a vertex outside 1.." + std::to_string(tree.n);
    }
    tree.edges.push_back({static_cast<std::uint8_t>(*a), static_cast<std::uint8_t>(*b)});
  }
  if (static_cast<int>(tree.edges.size()) != tree.n - 1) {
    return "expected " + std::to_string(tree.n - 1) + " edges, found " + std::to_string(tree.edges.size());
  }
  return {};
}
