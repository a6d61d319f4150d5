// Reads trees from stdin, one per line as `n a-b a-b ...`, and prints for each the first graceful
// labeling in candidate order (or `none`), the number of graceful labelings (n <= 10, else `-`) and
// the milliseconds the search took. `--plain` uses the literal candidate enumeration.
// `--closest` reads `n a-b a-b ... | f1,f2,...,fn` (fk = the number in box k, 0 = empty) and prints
// the closest graceful labeling to that filling (or `none`), the boxes it contradicts and the ms.
// `--hint` reads the same lines and prints the hint: `none`, `change v1,v2,...`, `graceful`,
// `forced v label` or `possible v label`, and the ms.
// `--next` reads `n a-b a-b ... | l1,l2,...,ln` (a labeling) and prints the graceful labeling after
// it in candidate order (or `last`) and the ms.
// `--all-trees N [--threads K] [--verbose]` reads nothing: it finds some graceful labeling of every
// tree of N vertices on K threads (default: all the machine runs at once) and prints one line with
// the count, the seconds and the slowest tree with its ms and labeling. Each tree without one is
// printed as `n a-b ... | none`; with `--verbose` every tree is printed, as `n a-b ... | l1,...,ln`.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "corpusio/Corpus.h"
#include "files/AllTrees.h"
#include "files/AllTreesCheck.h"
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

// The tree as the other modes read it: `n a-b a-b ...`.
std::string TreeText(const NumberedTree& tree) {
  std::string text = std::to_string(tree.n);
  for (const Edge& e : tree.edges) text += ' ' + std::to_string(e.a) + '-' + std::to_string(e.b);
  return text;
}

int CheckAllTreesOf(int n, int threads, bool verbose) {
  AllTreesOptions options;
  options.n = n;
  options.threads = threads;
  options.keepLabelings = verbose;
  const AllTreesResult result = CheckAllTrees(options);
  if (verbose) {
    VisitFreeTrees(n, [&](const NumberedTree& tree) {
      const Labels& labels = result.labelings[static_cast<std::size_t>(tree.index)];
      std::cout << TreeText(tree) << " | "
                << LabelsText(labels[1] ? std::optional<Labels>(labels) : std::nullopt, n) << '\n';
      return true;
    });
  } else {
    for (const NumberedTree& tree : result.withoutLabeling) std::cout << TreeText(tree) << " | none\n";
  }
  char summary[160];
  std::snprintf(summary, sizeof summary, "%lld trees, %zu without a labeling, %.3f s", result.checked,
                result.withoutLabeling.size(), result.seconds);
  std::cout << summary;
  if (result.slowest) {
    char ms[32];
    std::snprintf(ms, sizeof ms, "%.3f", result.slowest->ms);
    std::cout << "; slowest " << ms << " ms: " << TreeText(result.slowest->tree) << " | "
              << LabelsText(result.slowest->labeling, n);
  }
  std::cout << std::endl;
  return result.withoutLabeling.empty() ? 0 : 1;
}

// A whole number from lo to hi, or nullopt.
std::optional<int> NumberArgument(const char* text, int lo, int hi) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < lo || value > hi) return std::nullopt;
  return static_cast<int>(value);
}

constexpr const char* Usage =
    "usage: graceful-search [--plain | --closest | --hint | --next] < trees.txt\n"
    "       graceful-search --all-trees N [--threads K] [--verbose]\n";

}  // namespace

int main(int argc, char** argv) {
  Mode mode = Mode::First;
  std::optional<int> allTrees;
  int threads = 0;
  bool verbose = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--all-trees" || arg == "--threads") {
      const std::optional<int> value =
          i + 1 < argc ? NumberArgument(argv[i + 1], arg == "--threads" ? 1 : MinAllTreesVertices,
                                        arg == "--threads" ? 256 : MaxAllTreesVertices)
                       : std::nullopt;
      if (!value) {
        std::cerr << (arg == "--threads" ? "--threads takes a count from 1 to 256\n"
                                         : "--all-trees takes a vertex count from 2 to 20\n")
                  << Usage;
        return 2;
      }
      if (arg == "--threads") {
        threads = *value;
      } else {
        allTrees = *value;
      }
      ++i;
    } else if (arg == "--verbose") {
      verbose = true;
    } else if (arg == "--plain") {
      mode = Mode::Plain;
    } else if (arg == "--closest") {
      mode = Mode::Closest;
    } else if (arg == "--hint") {
      mode = Mode::Hint;
    } else if (arg == "--next") {
      mode = Mode::Next;
    } else {
      std::cerr << Usage;
      return 2;
    }
  }
  if (allTrees) return CheckAllTreesOf(*allTrees, threads, verbose);
  if (threads || verbose) {
    std::cerr << "--threads and --verbose go with --all-trees\n" << Usage;
    return 2;
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
