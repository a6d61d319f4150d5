// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order found by the reference search (or `none`), its milliseconds and its
// search nodes. Used to record the corpus answers the fast search is checked against.
// `--closest` reads `n a-b a-b ... | f1,...,fn` instead and prints the closest labeling to that
// filling and the boxes it contradicts (`none -` without one), then the milliseconds and nodes.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "corpusio/Corpus.h"
#include "tests/long/ReferenceSearch.h"

int main(int argc, char** argv) {
  const bool closest = argc > 1 && std::string(argv[1]) == "--closest";
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (line.find_first_not_of(" \t\r") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') {
      continue;
    }
    TreeLine tree;
    Labels filling{};
    const std::string error = closest ? ParseFillingLine(line, tree, filling) : ParseTreeLine(line, tree);
    if (!error.empty()) {
      std::cerr << "line " << lineNumber << ": " << error << "\n";
      return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    long long nodes = 0;
    std::string answer;
    if (closest) {
      const std::optional<ReferenceClosest> found =
          ReferenceClosestGracefulLabeling(tree.n, tree.edges, filling, &nodes);
      answer = found ? LabelsText(found->labels, tree.n) + " " + std::to_string(found->differing) : "none -";
    } else {
      answer = LabelsText(ReferenceFirstGracefulLabeling(tree.n, tree.edges, &nodes), tree.n);
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    char figures[64];
    std::snprintf(figures, sizeof figures, " %.1f %lld", ms, nodes);
    std::cout << answer << figures << std::endl;
  }
  return 0;
}
