// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order (or `none`), the number of graceful labelings (n <= 10, else `-`) and
// the milliseconds the search took. `--plain` uses the literal candidate enumeration.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"

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
    const std::string first = LabelsText(
        outcome.solutions.empty() ? std::nullopt : std::optional<Labels>(outcome.solutions.front()), tree.n);
    const std::string count = tree.n <= 10 ? std::to_string(outcome.solutions.size()) : "-";
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", ms);
    std::cout << first << ' ' << count << ' ' << time << std::endl;
  }
  return 0;
}
