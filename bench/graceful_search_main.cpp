// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order (or `none`), the number of graceful labelings (n <= 10, else `-`) and
// the milliseconds the search took. `--plain` uses the literal candidate enumeration.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "search/GracefulSearch.h"

namespace {

struct TreeLine {
  int n = 0;
  std::vector<Edge> edges;
};

std::optional<int> ParseNumber(const std::string& text) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Fills `tree` or returns what is wrong with the line.
std::string ParseTreeLine(const std::string& line, TreeLine& tree) {
  std::istringstream words(line);
  std::string word;
  words >> word;
  const std::optional<int> n = ParseNumber(word);
  if (!n || *n < 2 || *n > MaxVertices) return "the vertex count must be a number from 2 to 20";
  tree.n = *n;
  while (words >> word) {
    const std::size_t dash = word.find('-');
    const std::optional<int> a = dash == std::string::npos ? std::nullopt : ParseNumber(word.substr(0, dash));
    const std::optional<int> b =
        dash == std::string::npos ? std::nullopt : ParseNumber(word.substr(dash + 1));
    if (!a || !b) return "'" + word + "' is not an edge a-b";
    if (*a < 1 || *a > tree.n || *b < 1 || *b > tree.n)
      return "edge '" + word + "' has a vertex outside 1.." + std::to_string(tree.n);
    tree.edges.push_back({static_cast<std::uint8_t>(*a), static_cast<std::uint8_t>(*b)});
  }
  if (static_cast<int>(tree.edges.size()) != tree.n - 1) {
    return "expected " + std::to_string(tree.n - 1) + " edges, found " + std::to_string(tree.edges.size());
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  bool plain = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--plain") {
      plain = true;
    } else {
      std::cerr << "usage: graceful-search [--plain] < trees.txt\n";
      return 2;
    }
  }
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    TreeLine tree;
    if (const std::string error = ParseTreeLine(line, tree); !error.empty()) {
      std::cerr << "line " << lineNumber << ": " << error << "\n";
      return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const SearchOutcome outcome = plain ? FindGracefulLabelingsPlain(tree.n, tree.edges, {})
                                        : FindGracefulLabelings(tree.n, tree.edges, {});
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::string first = "none";
    if (!outcome.solutions.empty()) {
      first.clear();
      for (int v = 1; v <= tree.n; ++v) first += (v > 1 ? "," : "") + std::to_string(outcome.solutions[0][v]);
    }
    const std::string count = tree.n <= 10 ? std::to_string(outcome.solutions.size()) : "-";
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", ms);
    std::cout << first << ' ' << count << ' ' << time << std::endl;
  }
  return 0;
}
