#include "search/OrderedSearch.h"

#include <bit>

#include "search/Bitmask.h"
#include "search/ChainedGracefulSearch.h"

namespace {

// Pendant paths of one length hanging from one vertex, none of whose vertices is ordered by the
// chain, can trade places in any labeling; keeping their first vertices in rising label order
// leaves one labeling of each such family to look at.
std::vector<LabelChain> LegOrders(const SearchGraph& graph, std::uint32_t constrained) {
  const int n = graph.n;
  // A leg starts at a neighbour of degree 1 or 2 that no chain holds.
  std::uint32_t mayStart = 0;
  for (int v = 1; v <= n; ++v) {
    if (std::popcount(graph.adjacent[v]) <= 2) mayStart |= Bit(v);
  }
  mayStart &= ~constrained;
  std::vector<LabelChain> orders;
  for (int hub = 1; hub <= n; ++hub) {
    const std::uint32_t starts = graph.adjacent[hub] & mayStart;
    if (std::popcount(starts) < 2) continue;
    int lengthOf[MaxVertices + 1] = {};
    std::uint32_t lengths = 0;
    for (std::uint32_t next = starts; next; next &= next - 1) {
      const int start = std::countr_zero(next);
      int previous = hub;
      int current = start;
      int length = 1;
      while (!(constrained & Bit(current)) && std::popcount(graph.adjacent[current]) == 2 && length <= n) {
        const int following = std::countr_zero(graph.adjacent[current] & ~Bit(previous));
        if (following == hub) break;
        previous = current;
        current = following;
        ++length;
      }
      if (!(constrained & Bit(current)) && std::popcount(graph.adjacent[current]) == 1) {
        lengthOf[start] = length;
        lengths |= Bit(length);
      }
    }
    // By length, shortest first; within a length, the first vertices in increasing order.
    for (; lengths; lengths &= lengths - 1) {
      const int length = std::countr_zero(lengths);
      std::vector<int> firsts;
      for (std::uint32_t next = starts; next; next &= next - 1) {
        if (lengthOf[std::countr_zero(next)] == length) firsts.push_back(std::countr_zero(next));
      }
      if (firsts.size() >= 2) orders.push_back({std::move(firsts)});
    }
  }
  return orders;
}

}  // namespace

std::vector<LabelChain> OrderConstraints(const SearchGraph& graph, const std::vector<int>& chain,
                                         std::uint32_t pinned) {
  std::uint32_t constrained = pinned;
  for (int v : chain) constrained |= Bit(v);
  std::vector<LabelChain> constraints{{chain}};
  for (LabelChain& order : LegOrders(graph, constrained)) constraints.push_back(std::move(order));
  return constraints;
}

std::optional<Labels> SettleCandidateOrder(const SearchGraph& graph, ChainedGracefulSearch& search,
                                           Labels witness, std::uint32_t pinned, SearchReporter& reporter) {
  return SettleRemainingDigits(graph, search, witness, {graph.n}, 0, pinned, reporter);
}

std::optional<Labels> SettleRemainingDigits(const SearchGraph& graph, ChainedGracefulSearch& search,
                                            Labels witness, std::vector<int> chain, int lowest,
                                            std::uint32_t pinned, SearchReporter& reporter) {
  for (int vertex = graph.n - static_cast<int>(chain.size()); vertex >= 1; --vertex, lowest = 0) {
    int best = 0;
    for (int member : chain) best += witness[member] < witness[vertex];
    // When the witness already has the least position, one search for "vertex below chain[best-1]"
    // proves it at once, where one search per lower position would each need a proof of its own
    // (on the hard corpus the one proof costs less, in total about a fifth less). When it finds a
    // better witness instead, the places below that one are tried one by one: asking the union
    // again was slower. (Below chain[0] is place 0 itself, asked better as such: vertex in the
    // chain, with its gaps.)
    bool settled = false;
    if (best > lowest + 1) {
      std::vector<LabelChain> constraints = OrderConstraints(graph, chain, pinned | Bit(vertex));
      std::vector<int> between{vertex, chain[best - 1]};
      if (lowest > 0) between.insert(between.begin(), chain[lowest - 1]);
      constraints.push_back({between});
      std::optional<Labels> better = search.Find(constraints);
      if (reporter.Stopped()) return std::nullopt;
      if (better) {
        witness = *better;
        best = 0;
        for (int member : chain) best += witness[member] < witness[vertex];
      } else {
        settled = true;
      }
    }
    for (int below = lowest; !settled && below < best; ++below) {
      std::vector<int> trial = chain;
      trial.insert(trial.begin() + below, vertex);
      if (std::optional<Labels> better = search.Find(OrderConstraints(graph, trial, pinned))) {
        witness = *better;
        best = below;
        break;
      }
      if (reporter.Stopped()) return std::nullopt;
    }
    chain.insert(chain.begin() + best, vertex);
  }
  return witness;
}

std::optional<Labels> FirstGracefulLabelingInCandidateOrder(int n, const std::vector<Edge>& edges,
                                                            SearchReporter& reporter) {
  const std::optional<SearchGraph> graph = MakeSearchGraph(n, edges);
  if (!graph) return std::nullopt;
  ChainedGracefulSearch search(*graph, reporter);
  std::optional<Labels> witness = search.Find(OrderConstraints(*graph, {n}, 0));
  if (!witness) return std::nullopt;
  // label -> n+1-label keeps a labeling graceful and reverses every order: vertex n-1 can always sit
  // below vertex n, with no search. (Beyond the first digit it would reverse the chain as well; and
  // it would not keep pins, so the closest labeling settles this digit by search.)
  if ((*witness)[n - 1] > (*witness)[n]) {
    for (int v = 1; v <= n; ++v) (*witness)[v] = static_cast<std::uint8_t>(n + 1 - (*witness)[v]);
  }
  return SettleCandidateOrder(*graph, search, *witness, 0, reporter);
}
