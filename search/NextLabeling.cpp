#include "search/NextLabeling.h"

#include <algorithm>

#include "search/Bitmask.h"
#include "search/ChainedGracefulSearch.h"
#include "search/GracefulSearch.h"
#include "search/OrderedSearch.h"

bool PrecedesInCandidateOrder(const Labels& a, const Labels& b, int n) {
  for (int i = n - 1; i >= 1; --i) {
    int belowA = 0;
    int belowB = 0;
    for (int j = i + 1; j <= n; ++j) {
      belowA += a[j] < a[i];
      belowB += b[j] < b[i];
    }
    if (belowA != belowB) return belowA < belowB;
  }
  return false;
}

// A later labeling keeps the digits of vertices i+1..n, that is the order of their labels, and puts
// vertex i higher among them; the lowest such i gives the next one. The low vertices come first:
// there the kept order pins the labeling down so far that most questions end at once.
std::optional<Labels> NextGracefulLabeling(int n, const std::vector<Edge>& edges, const Labels& labeling,
                                           SearchReporter& reporter) {
  if (!IsSearchableGraph(n, edges)) return std::nullopt;
  const std::optional<SearchGraph> graph = MakeSearchGraph(n, edges);
  if (!graph) return std::nullopt;
  ChainedGracefulSearch search(*graph, reporter);
  for (int vertex = 1; vertex < n; ++vertex) {
    std::vector<int> chain;
    for (int v = vertex + 1; v <= n; ++v) chain.push_back(v);
    std::sort(chain.begin(), chain.end(), [&](int x, int y) { return labeling[x] < labeling[y]; });
    int place = 0;
    for (int member : chain) place += labeling[member] < labeling[vertex];
    if (place == static_cast<int>(chain.size())) continue;
    std::vector<LabelChain> constraints = OrderConstraints(*graph, chain, Bit(vertex));
    constraints.push_back({{chain[place], vertex}});
    const std::optional<Labels> witness = search.Find(constraints);
    if (reporter.Stopped()) return std::nullopt;
    if (witness) return SettleRemainingDigits(*graph, search, *witness, chain, place + 1, 0, reporter);
  }
  return std::nullopt;
}

std::optional<Labels> NextStoredLabeling(const std::vector<Labels>& store, const Labels& labeling, int n) {
  const auto next =
      std::upper_bound(store.begin(), store.end(), labeling,
                       [n](const Labels& a, const Labels& b) { return PrecedesInCandidateOrder(a, b, n); });
  if (next == store.end()) return std::nullopt;
  return *next;
}
