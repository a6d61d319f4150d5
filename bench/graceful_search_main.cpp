// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order (or `none`), the number of graceful labelings (n <= 10, else `-`) and
// the milliseconds the search took. `--plain` uses the literal candidate enumeration.
// `--closest` reads `n a-b a-b ... | f1,f2,...,fn` (fk = the number in box k, 0 = empty) and prints
// the closest graceful labeling to that filling (or `none`), the boxes it contradicts and the ms.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "tests/support/PlainEnumeration.h"

int main(int argc, char** argv) {
  bool plain = false;
  bool closest = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--plain") {
      plain = true;
    } else if (std::string(argv[i]) == "--closest") {
      closest = true;
    } else {
      std::cerr << "usage: graceful-search [--plain | --closest] < trees.txt\n";
      return 2;
    }
  }
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    TreeLine tree;
    Labels filling{};
    if (line[line.find_first_not_of(" \t")] == '#') continue;
    const std::string error = closest ? ParseFillingLine(line, tree, filling) : ParseTreeLine(line, tree);
    if (!error.empty()) {
      std::cerr << "line " << lineNumber << ": " << error << "\n";
      return 1;
    }
    if (closest) {
      const auto start = std::chrono::steady_clock::now();
      const ClosestOutcome outcome = FindClosestLabeling(tree.n, tree.edges, filling, {});
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      char time[32];
      std::snprintf(time, sizeof time, "%.3f", ms);
      std::cout << (outcome.found
                        ? LabelsText(outcome.labels, tree.n) + " " + std::to_string(outcome.differing)
                        : std::string("none -"))
                << ' ' << time << std::endl;
      continue;
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
