// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order (or `none`), the number of graceful labelings (n <= 10, else `-`) and
// the milliseconds the search took. `--plain` uses the literal candidate enumeration.
// `--closest` reads `n a-b a-b ... | f1,f2,...,fn` (fk = the number in box k, 0 = empty) and prints
// the closest graceful labeling to that filling (or `none`), the boxes it contradicts and the ms.
// `--hint` reads the same lines and prints the hint: `none`, `change v1,v2,...`, `graceful`,
// `forced v label` or `possible v label`, and the ms.
// `--next` reads `n a-b a-b ... | l1,l2,...,ln` (a labeling) and prints the graceful labeling after
// it in candidate order (or `last`) and the ms.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "search/NextLabeling.h"
#include "tests/support/HintAnswer.h"
#include "tests/support/PlainEnumeration.h"

namespace {

enum class Mode { First, Plain, Closest, Hint, Next };

// The answer to one line in the chosen mode, without the time.
std::string Answer(Mode mode, const TreeLine& tree, const Labels& given) {
  const SearchHooks quiet;
  SearchReporter reporter(quiet);
  switch (mode) {
    case Mode::Closest: {
      const ClosestOutcome outcome = FindClosestLabeling(tree.n, tree.edges, given, quiet);
      return outcome.found ? LabelsText(outcome.labels, tree.n) + " " + std::to_string(outcome.differing)
                           : "none -";
    }
    case Mode::Hint:
      return HintAnswer(FindHint(tree.n, tree.edges, given, reporter));
    case Mode::Next: {
      const std::optional<Labels> next = NextGracefulLabeling(tree.n, tree.edges, given, reporter);
      return next ? LabelsText(next, tree.n) : "last";
    }
    case Mode::First:
    case Mode::Plain: {
      const SearchOutcome outcome = mode == Mode::Plain
                                        ? FindGracefulLabelingsPlain(tree.n, tree.edges, quiet)
                                        : FindGracefulLabelings(tree.n, tree.edges, quiet);
      const std::string first = LabelsText(
          outcome.solutions.empty() ? std::nullopt : std::optional<Labels>(outcome.solutions.front()),
          tree.n);
      return first + ' ' + (tree.n <= 10 ? std::to_string(outcome.solutions.size()) : "-");
    }
  }
  return "?";
}

}  // namespace

int main(int argc, char** argv) {
  Mode mode = Mode::First;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--plain") {
      mode = Mode::Plain;
    } else if (arg == "--closest") {
      mode = Mode::Closest;
    } else if (arg == "--hint") {
      mode = Mode::Hint;
    } else if (arg == "--next") {
      mode = Mode::Next;
    } else {
      std::cerr << "usage: graceful-search [--plain | --closest | --hint | --next] < trees.txt\n";
      return 2;
    }
  }
  const bool withBoxes = mode == Mode::Closest || mode == Mode::Hint || mode == Mode::Next;
  std::string line;
  for (int lineNumber = 1; std::getline(std::cin, line); ++lineNumber) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (line[line.find_first_not_of(" \t")] == '#') continue;
    TreeLine tree;
    Labels given{};
    std::string error = withBoxes ? ParseFillingLine(line, tree, given) : ParseTreeLine(line, tree);
    for (int v = 1; error.empty() && mode == Mode::Next && v <= tree.n; ++v) {
      if (!given[v]) error = "a labeling gives every vertex a label";
    }
    if (!error.empty()) {
      std::cerr << "line " << lineNumber << ": " << error << "\n";
      return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string answer = Answer(mode, tree, given);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", ms);
    std::cout << answer << ' ' << time << std::endl;
  }
  return 0;
}
