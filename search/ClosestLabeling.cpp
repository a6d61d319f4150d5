#include "search/ClosestLabeling.h"

#include <bit>

#include "search/ChainedGracefulSearch.h"
#include "search/OrderedSearch.h"

// The filled boxes become pins of which at most B may break. The least B is found first; under
// that limit every labeling found contradicts exactly B boxes, so the first of them in candidate
// order is settled digit by digit as for the first labeling of all.
std::optional<ClosestLabeling> FindClosestGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                           const Labels& filling, SearchReporter& reporter) {
  const std::optional<SearchGraph> graph = MakeSearchGraph(n, edges);
  if (!graph) return std::nullopt;
  std::uint32_t pinned = 0;
  for (int v = 1; v <= n; ++v) {
    if (filling[v]) pinned |= std::uint32_t{1} << v;
  }
  ChainedGracefulSearch search(*graph, reporter);
  const std::vector<LabelChain> unordered = OrderConstraints(*graph, {n}, pinned);
  // Any labeling at all first, with every leg symmetry since no pin counts yet: it bounds B, and a
  // graph without one is told apart at once. (Without the symmetry, finding one for a tree with
  // many leaves on a short spine took seconds.)
  std::optional<Labels> witness = search.Find(OrderConstraints(*graph, {n}, 0));
  if (!witness) return std::nullopt;
  int broken = 0;
  for (int v = 1; v <= n; ++v) broken += filling[v] && filling[v] != (*witness)[v];
  for (int limit = 0; limit < broken; ++limit) {
    search.SetPins(filling, limit);
    if (std::optional<Labels> closer = search.Find(unordered)) {
      witness = closer;
      broken = limit;
      break;
    }
    if (reporter.Stopped()) return std::nullopt;
  }
  search.SetPins(filling, broken);
  const std::optional<Labels> first = SettleCandidateOrder(*graph, search, *witness, pinned, reporter);
  if (!first) return std::nullopt;
  return ClosestLabeling{*first, broken};
}

std::vector<int> ContradictedBoxes(int n, const Labels& labeling, const Labels& filling) {
  std::vector<int> boxes;
  for (int v = 1; v <= n; ++v) {
    if (filling[v] != 0 && filling[v] != labeling[v]) boxes.push_back(v);
  }
  return boxes;
}
