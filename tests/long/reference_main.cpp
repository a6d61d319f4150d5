// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order found by the reference search (or `none`), its milliseconds and its
// search nodes. Used to record the corpus answers the fast search is checked against.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "corpusio/Corpus.h"
#include "tests/long/ReferenceSearch.h"

int main() {
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    TreeLine tree;
    if (const std::string error = ParseTreeLine(line, tree); !error.empty()) {
      std::cerr << "line " << lineNumber << ": " << error << "\n";
      return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    long long nodes = 0;
    const std::optional<Labels> first = ReferenceFirstGracefulLabeling(tree.n, tree.edges, &nodes);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const std::string labels = LabelsText(first, tree.n);
    char figures[64];
    std::snprintf(figures, sizeof figures, " %.1f %lld", ms, nodes);
    std::cout << labels << figures << std::endl;
  }
  return 0;
}
