#include "search/Hint.h"

#include <bit>

#include "search/Bitmask.h"
#include "search/ChainedGracefulSearch.h"
#include "search/ClosestLabeling.h"
#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"
#include "search/Proposal.h"
#include "tree/NumberList.h"

namespace {

// Vertex v is certain when no graceful labeling keeps the filling and gives v another label than
// the closest one does. Each labeling found on the way shows every vertex it labels differently
// uncertain as well, which spares their searches.
int FirstCertainVertex(int n, const std::vector<Edge>& edges, const Labels& filling, const Labels& closest,
                       SearchReporter& reporter) {
  const std::optional<SearchGraph> graph = MakeSearchGraph(n, edges);
  if (!graph) return 0;
  std::uint32_t pinned = 0;
  for (int v = 1; v <= n; ++v) {
    if (filling[v]) pinned |= Bit(v);
  }
  ChainedGracefulSearch search(*graph, reporter);
  search.SetPins(filling, 0);
  std::uint32_t open = (Bit(n + 1) - 2) & ~pinned;
  while (open) {
    const int v = std::countr_zero(open);
    Labels forbidden{};
    forbidden[v] = closest[v];
    search.SetForbiddenLabels(forbidden);
    // v's label matters, so v is kept out of the leg symmetry like the pinned vertices.
    const std::optional<Labels> other = search.Find(OrderConstraints(*graph, {v}, pinned));
    if (reporter.Stopped()) return 0;
    if (!other) return v;
    for (std::uint32_t rest = open; rest; rest &= rest - 1) {
      const int u = std::countr_zero(rest);
      if ((*other)[u] != closest[u]) open &= ~Bit(u);
    }
  }
  return 0;
}

}  // namespace

std::optional<Hint> FindHint(int n, const std::vector<Edge>& edges, const Labels& filling,
                             SearchReporter& reporter) {
  Hint hint;
  if (!IsSearchableGraph(n, edges)) return hint;
  const std::optional<ClosestLabeling> closest = FindClosestGracefulLabeling(n, edges, filling, reporter);
  if (reporter.Stopped()) return std::nullopt;
  if (!closest) return hint;
  hint.closest = closest->labels;
  if (closest->differing > 0) {
    hint.kind = HintKind::Change;
    hint.changes = ContradictedBoxes(n, hint.closest, filling);
    return hint;
  }
  int firstEmpty = 0;
  for (int v = n; v >= 1; --v) {
    if (!filling[v]) firstEmpty = v;
  }
  if (!firstEmpty) {
    hint.kind = HintKind::Graceful;
    return hint;
  }
  const int certain = FirstCertainVertex(n, edges, filling, hint.closest, reporter);
  if (reporter.Stopped()) return std::nullopt;
  hint.kind = certain ? HintKind::Forced : HintKind::Possible;
  hint.vertex = certain ? certain : firstEmpty;
  hint.label = hint.closest[hint.vertex];
  return hint;
}

HintLines HintTexts(const Hint& hint) {
  const std::string vertex = std::to_string(hint.vertex);
  const std::string label = std::to_string(hint.label);
  switch (hint.kind) {
    case HintKind::None:
      return {NoLabelingText, ""};
    case HintKind::Change: {
      const std::size_t count = hint.changes.size();
      const char* numbers = count == 1 ? " číslo" : count <= 4 ? " čísla" : " čísel";
      const char* where = count == 1 ? ": vo vrchole " : ": vo vrcholoch ";
      return {CannotCompleteText,
              "Stačí zmeniť " + std::to_string(count) + numbers + where + NumberList(hint.changes) + "."};
    }
    case HintKind::Graceful:
      return {GracefulFillingText, ""};
    case HintKind::Forced:
      return {"Vrchol " + vertex + " musí mať číslo " + label + ",", OtherwiseStuckText};
    case HintKind::Possible:
      return {"Vrchol " + vertex + " môže mať číslo " + label + ",", NotTheOnlyChoiceText};
  }
  return {};
}
