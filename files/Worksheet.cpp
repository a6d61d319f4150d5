#include "files/Worksheet.h"

#include <algorithm>
#include <random>

#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"
#include "search/SearchReporter.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"

ConfirmedLines ConfirmTreeLines(const std::vector<std::string>& edgeLines) {
  const EdgeListParseResult parsed = ParseEdgeList(edgeLines);
  if (!parsed.list) return {std::nullopt, InvalidIntegerMessage(parsed.failedField)};
  if (std::optional<std::string> message = ValidateEdgeList(*parsed.list)) return {std::nullopt, *message};
  WorksheetTree tree{parsed.list->vertexCount, {}};
  for (const auto& [a, b] : parsed.list->pairs)
    tree.edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  return {std::move(tree), std::string()};
}

std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n, const RandomBelow& random) {
  count = std::clamp(count, 1, MaxWorksheetTrees);
  n = std::clamp(n, 2, MaxVertices);
  std::vector<WorksheetTree> trees;
  for (int k = 0; k < count; ++k) trees.push_back({n, RandomTreeEdges(n, random)});
  return trees;
}

std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n) {
  std::mt19937 engine{std::random_device{}()};
  return RandomWorksheetTrees(
      count, n, [&engine](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine); });
}

WorksheetOutcome SolveWorksheet(const std::vector<WorksheetTree>& trees, const WorksheetHooks& hooks) {
  WorksheetOutcome outcome;
  const SearchHooks searchHooks{{}, hooks.breathe};
  const int total = static_cast<int>(trees.size());
  for (int index = 1; index <= total; ++index) {
    const WorksheetTree& tree = trees[static_cast<std::size_t>(index - 1)];
    if (hooks.progress) hooks.progress(index, total);
    if (hooks.breathe && !hooks.breathe()) {
      outcome.stopped = true;
      return outcome;
    }
    const bool searchable = tree.n >= 2 && tree.n <= MaxVertices &&
                            static_cast<int>(tree.edges.size()) == tree.n - 1 &&
                            std::all_of(tree.edges.begin(), tree.edges.end(), [&tree](const Edge& e) {
                              return e.a >= 1 && e.a <= tree.n && e.b >= 1 && e.b <= tree.n;
                            });
    // The ordered search settles the first labeling without visiting the candidates before it, so
    // even a star of ten vertices, with 725,760 labelings, costs no full enumeration.
    SearchReporter reporter(searchHooks);
    std::optional<Labels> labeling =
        searchable ? FirstGracefulLabelingInCandidateOrder(tree.n, tree.edges, reporter) : std::nullopt;
    if (reporter.Stopped()) {
      outcome.stopped = true;
      return outcome;
    }
    outcome.solutions.push_back({tree, labeling});
  }
  return outcome;
}
