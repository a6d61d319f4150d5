#include "search/SomeGracefulLabeling.h"

#include <cstdint>
#include <utility>

#include "search/OrderedSearch.h"

namespace {

// Nodes of each way of branching in the first round; the budget doubles from round to round. (On
// every 41st tree of 20 vertices, starting at 256 cost a tenth more nodes; a Luby sequence of
// budgets saved up to a twentieth but let the slowest tree take up to three times as many.)
constexpr long long FirstBudget = 128;

// A small generator of its own, so that the renumberings are the same on every platform.
class SplitMix {
 public:
  explicit SplitMix(std::uint64_t seed) : state_(seed) {}
  int Below(int bound) {
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(bound));
  }

 private:
  std::uint64_t state_;
};

// The graph with its vertices renumbered at random (newNumber[v] for vertex v) and its edges in a
// random order: the search then meets the branches in another order.
std::vector<Edge> Renumbered(const SearchGraph& graph, SplitMix& random, int (&newNumber)[MaxVertices + 1]) {
  const int n = graph.n;
  for (int v = 1; v <= n; ++v) newNumber[v] = v;
  for (int v = n; v >= 2; --v) std::swap(newNumber[v], newNumber[1 + random.Below(v)]);
  std::vector<Edge> edges;
  edges.reserve(graph.edges.size());
  for (const Edge& e : graph.edges) {
    edges.push_back({static_cast<std::uint8_t>(newNumber[e.a]), static_cast<std::uint8_t>(newNumber[e.b])});
  }
  for (int k = static_cast<int>(edges.size()) - 1; k >= 1; --k)
    std::swap(edges[k], edges[random.Below(k + 1)]);
  return edges;
}

// One round: each way of branching within the budget. Found: the labeling; nullopt and settled: no
// labeling exists (or stopped); nullopt and not settled: both ran out of nodes.
std::optional<Labels> Round(const SearchGraph& graph, SearchReporter& reporter, long long budget,
                            bool& settled) {
  ChainedGracefulSearch search(graph, reporter);
  const std::vector<LabelChain> legs = OrderConstraints(graph, {}, 0);
  for (const auto strategy :
       {ChainedGracefulSearch::Strategy::LargestValue, ChainedGracefulSearch::Strategy::FewestChoices}) {
    std::optional<Labels> found = search.FindBy(strategy, legs, budget);
    settled = found || !search.GaveUp() || reporter.Stopped();
    if (settled) return found;
  }
  return std::nullopt;
}

}  // namespace

// Which way of branching finds a labeling fast cannot be told in advance, and a search that goes
// astray early stays astray for long: on the trees of 20 vertices the slowest tree of each way alone
// needed four thousand times the median's nodes. So the two ways take turns with a node budget that
// doubles, each round after the first on the graph renumbered anew, which cut the slowest tree's
// nodes to a two-hundredth and the mean to a quarter. Both ways decide the same question: a run that
// ends within its budget settles it either way.
std::optional<Labels> SomeGracefulLabeling(const SearchGraph& graph, SearchReporter& reporter) {
  bool settled = false;
  std::optional<Labels> found = Round(graph, reporter, FirstBudget, settled);
  SplitMix random(0x5EED0F7AEE5ull);
  for (long long budget = 2 * FirstBudget; !settled; budget *= 2) {
    int newNumber[MaxVertices + 1];
    const std::optional<SearchGraph> renumbered =
        MakeSearchGraphWithoutPaths(graph.n, Renumbered(graph, random, newNumber));
    const std::optional<Labels> labels = Round(*renumbered, reporter, budget, settled);
    if (!labels) continue;
    found.emplace();
    for (int v = 1; v <= graph.n; ++v) (*found)[v] = (*labels)[newNumber[v]];
  }
  return found;
}

std::optional<Labels> SomeGracefulLabeling(int n, const std::vector<Edge>& edges, SearchReporter& reporter) {
  // No chain of two members or more, so no gap bounds: the paths are not needed.
  const std::optional<SearchGraph> graph = MakeSearchGraphWithoutPaths(n, edges);
  if (!graph) return std::nullopt;
  return SomeGracefulLabeling(*graph, reporter);
}
