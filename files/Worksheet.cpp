#include "files/Worksheet.h"

#include <algorithm>
#include <cctype>
#include <random>

#include "search/ClosestLabeling.h"
#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"
#include "search/SearchReporter.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"

namespace {

const std::string AnswersSuffix = "-riesenia.pdf";

std::string Range(int first, int last) { return std::to_string(first) + " až " + std::to_string(last); }

bool IsPerPageChoice(int perPage) {
  return std::find(TreesPerPageChoices.begin(), TreesPerPageChoices.end(), perPage) !=
         TreesPerPageChoices.end();
}

bool Searchable(const WorksheetTree& tree) {
  return tree.n >= 2 && tree.n <= MaxVertices && static_cast<int>(tree.edges.size()) == tree.n - 1 &&
         std::all_of(tree.edges.begin(), tree.edges.end(), [&tree](const Edge& e) {
           return e.a >= 1 && e.a <= tree.n && e.b >= 1 && e.b <= tree.n;
         });
}

}  // namespace

ConfirmedLines ConfirmTreeLines(const std::vector<std::string>& edgeLines) {
  const EdgeListParseResult parsed = ParseEdgeList(edgeLines);
  if (!parsed.list) return {std::nullopt, InvalidIntegerMessage(parsed.failedField)};
  if (std::optional<std::string> message = ValidateEdgeList(*parsed.list)) return {std::nullopt, *message};
  WorksheetTree tree{parsed.list->vertexCount, {}, {}, 0};
  for (const auto& [a, b] : parsed.list->pairs)
    tree.edges.push_back({static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)});
  return {std::move(tree), std::string()};
}

std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n, const RandomBelow& random) {
  count = std::clamp(count, 1, MaxRandomWorksheetTrees);
  n = std::clamp(n, 2, MaxVertices);
  std::vector<WorksheetTree> trees;
  for (int k = 1; k <= count; ++k) trees.push_back({n, RandomTreeEdges(n, random), {}, k});
  return trees;
}

std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n) {
  std::mt19937 engine{std::random_device{}()};
  return RandomWorksheetTrees(
      count, n, [&engine](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(engine); });
}

std::optional<std::string> WorksheetChoiceFault(const WorksheetChoice& choice, int setTrees) {
  if (!IsPerPageChoice(choice.perPage))
    return "Na strane môže byť 1, 2, 4 alebo 6 stromov; " + std::to_string(choice.perPage) +
           " sa nedá použiť.";
  if (choice.source == WorksheetSource::Random) {
    if (choice.vertices < 2 || choice.vertices > MaxVertices)
      return "Strom môže mať 2 až 20 vrcholov; " + std::to_string(choice.vertices) + " sa nedá použiť.";
    if (choice.count < 1 || choice.count > MaxRandomWorksheetTrees)
      return "Náhodných stromov môže byť 1 až 60; " + std::to_string(choice.count) + " sa nedá použiť.";
    return std::nullopt;
  }
  if (setTrees <= 0) return "Nie je otvorený žiadny súbor stromov.";
  const int first = choice.wholeSet ? 1 : choice.first;
  const int last = choice.wholeSet ? setTrees : choice.last;
  if (first > last) return "Rozsah stromov " + Range(first, last) + " je prázdny.";
  if (first < 1 || last > setTrees)
    return "Súbor má " + TreeCountWords(setTrees) + "; stromy " + Range(first, last) + " v ňom nie sú.";
  if (last - first + 1 > MaxSetWorksheetTrees) {
    return "Na pracovný list sa zmestí najviac 200 stromov zo súboru; stromov " + Range(first, last) +
           " je " + std::to_string(last - first + 1) + ".";
  }
  return std::nullopt;
}

SetTrees SelectSetTrees(const TreeFileReading& file, int first, int last, bool givens) {
  SetTrees chosen;
  first = std::max(first, 1);
  last = std::min(last, static_cast<int>(file.trees.size()));
  for (int number = first; number <= last; ++number) {
    const std::size_t k = static_cast<std::size_t>(number - 1);
    const FileTree& tree = file.trees[k];
    const TreeSource source = k < file.sources.size() ? file.sources[k] : TreeSource{};
    if (std::optional<std::string> refusal = TreeRefusal(tree, source)) {
      chosen.leftOut.push_back({number, *refusal});
      continue;
    }
    ConfirmedLines confirmed = ConfirmTreeLines(tree.edgeLines);
    if (!confirmed.tree) {
      chosen.leftOut.push_back({number, confirmed.message});
      continue;
    }
    WorksheetTree& taken = *confirmed.tree;
    taken.number = number;
    if (givens && tree.filling &&
        std::any_of(tree.filling->begin(), tree.filling->end(), [](int x) { return x != 0; })) {
      taken.givens = *tree.filling;
      taken.givens.resize(static_cast<std::size_t>(taken.n), 0);
    }
    chosen.trees.push_back(std::move(taken));
  }
  return chosen;
}

SetTrees ChosenTrees(const WorksheetChoice& choice, const TreeFileReading* set) {
  if (choice.source == WorksheetSource::Random)
    return {RandomWorksheetTrees(choice.count, choice.vertices), {}};
  if (!set) return {};
  const int size = static_cast<int>(set->trees.size());
  return choice.wholeSet ? SelectSetTrees(*set, 1, size, choice.givens)
                         : SelectSetTrees(*set, choice.first, choice.last, choice.givens);
}

bool HasFillings(const TreeFileReading& file) {
  return std::any_of(file.trees.begin(), file.trees.end(), [](const FileTree& tree) {
    return tree.filling && std::any_of(tree.filling->begin(), tree.filling->end(), [](int x) { return x; });
  });
}

std::string TreeCountWords(int count) {
  const std::string number = std::to_string(count);
  if (count == 1) return number + " strom";
  return number + (count >= 2 && count <= 4 ? " stromy" : " stromov");
}

std::string LeftOutTreesMessage(const std::vector<LeftOutTree>& leftOut, int asked) {
  const int count = static_cast<int>(leftOut.size());
  const std::string verb = count >= 2 && count <= 4 ? "nedostanú " : "nedostane ";
  std::string text =
      "Na pracovný list sa " + verb + TreeCountWords(count) + " z " + std::to_string(asked) + ":";
  for (const LeftOutTree& tree : leftOut)
    text += "\nStrom " + std::to_string(tree.number) + ", " + tree.reason + ".";
  return text;
}

std::string AnswersFilePath(const std::string& worksheetPath) {
  std::string stem = worksheetPath;
  const std::string ending = stem.size() >= 4 ? stem.substr(stem.size() - 4) : std::string();
  std::string lower = ending;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (lower == ".pdf") stem.resize(stem.size() - 4);
  return stem + AnswersSuffix;
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
    Labels givens{};
    for (std::size_t v = 0; v < tree.givens.size() && v < MaxVertices; ++v)
      givens[v + 1] = static_cast<std::uint8_t>(std::clamp(tree.givens[v], 0, 255));
    const bool given = std::any_of(givens.begin(), givens.end(), [](int x) { return x != 0; });
    // The ordered search settles the first labeling without visiting the candidates before it, so
    // even a star of ten vertices, with 725,760 labelings, costs no full enumeration.
    SearchReporter reporter(searchHooks);
    WorksheetSolution solution{tree, std::nullopt, 0};
    if (Searchable(tree) && given) {
      if (const auto closest = FindClosestGracefulLabeling(tree.n, tree.edges, givens, reporter)) {
        solution.labeling = closest->labels;
        solution.contradicted = closest->differing;
      }
    } else if (Searchable(tree)) {
      solution.labeling = FirstGracefulLabelingInCandidateOrder(tree.n, tree.edges, reporter);
    }
    if (reporter.Stopped()) {
      outcome.stopped = true;
      return outcome;
    }
    outcome.solutions.push_back(std::move(solution));
  }
  return outcome;
}
