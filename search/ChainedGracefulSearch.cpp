#include "search/ChainedGracefulSearch.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace {

// Search nodes between two calls of breathe(): a node costs well under a microsecond.
constexpr int NodesPerBreath = 2048;

std::uint32_t Bit(int i) { return std::uint32_t{1} << i; }
int Lowest(std::uint32_t mask) { return std::countr_zero(mask); }
int Highest(std::uint32_t mask) { return 31 - std::countl_zero(mask); }

}  // namespace

std::optional<SearchGraph> MakeSearchGraph(int n, const std::vector<Edge>& edges) {
  SearchGraph graph;
  graph.n = n;
  graph.edges = edges;
  for (const Edge& e : edges) {
    if (e.a == e.b || (graph.adjacent[e.a] & Bit(e.b))) return std::nullopt;
    graph.adjacent[e.a] |= Bit(e.b);
    graph.adjacent[e.b] |= Bit(e.a);
  }
  for (int root = 1; root <= n; ++root) {
    int queue[MaxVertices];
    int head = 0;
    int tail = 0;
    std::uint32_t seen = Bit(root);
    queue[tail++] = root;
    while (head < tail) {
      const int v = queue[head++];
      for (std::uint32_t next = graph.adjacent[v] & ~seen; next; next &= next - 1) {
        const int w = Lowest(next);
        seen |= Bit(w);
        graph.parent[root][w] = static_cast<std::uint8_t>(v);
        queue[tail++] = w;
      }
    }
  }
  return graph;
}

ChainedGracefulSearch::ChainedGracefulSearch(const SearchGraph& graph, SearchReporter& reporter)
    : graph_(graph), reporter_(reporter), untilBreath_(NodesPerBreath) {}

std::optional<Labels> ChainedGracefulSearch::Find(const std::vector<LabelChain>& chains) {
  const int n = graph_.n;
  chains_ = &chains;
  gapBounds_.clear();
  if (!chains.empty()) PrepareGapBounds(chains.front().members);
  std::fill(std::begin(label_), std::end(label_), 0);
  std::fill(std::begin(vertexAt_), std::end(vertexAt_), 0);
  freeLabels_ = (Bit(n + 1) - 1) & ~1u;
  unplaced_ = freeLabels_;
  allValues_ = (Bit(n) - 1) & ~1u;
  usedValues_ = 0;
  if (Descend() != Result::Found) return std::nullopt;
  Labels found{};
  for (int v = 1; v <= n; ++v) found[v] = static_cast<std::uint8_t>(label_[v]);
  return found;
}

// Along a path whose vertices rise in chain order the labels rise too, by distinct edge values,
// so k edges lift the label by at least 1 + 2 + ... + k.
void ChainedGracefulSearch::PrepareGapBounds(const std::vector<int>& chain) {
  int position[MaxVertices + 1];
  std::fill(std::begin(position), std::end(position), -1);
  for (int r = 0; r < static_cast<int>(chain.size()); ++r) position[chain[r]] = r;
  for (int r = 0; r < static_cast<int>(chain.size()); ++r) {
    for (int s = r + 1; s < static_cast<int>(chain.size()); ++s) {
      const int high = chain[s];
      int v = chain[r];
      int last = r;
      int steps = 0;
      while (v != high) {
        v = graph_.parent[high][v];
        if (v == 0 || position[v] <= last) break;
        last = position[v];
        ++steps;
      }
      if (v == high && steps >= 2) gapBounds_.push_back({chain[r], high, steps * (steps + 1) / 2});
    }
  }
}

ChainedGracefulSearch::Result ChainedGracefulSearch::Descend() {
  if (--untilBreath_ <= 0) {
    untilBreath_ = NodesPerBreath;
    if (!reporter_.Breathe()) return Result::Stopped;
  }
  const std::uint32_t missing = allValues_ & ~usedValues_;
  if (!missing) return PlaceRest();
  // The largest missing value has the fewest label pairs (a, a + value) left to realise it.
  const int value = Highest(missing);
  for (int a = 1; a + value <= graph_.n; ++a) {
    const int b = a + value;
    const int x = vertexAt_[a];
    const int y = vertexAt_[b];
    if (x && y) continue;
    if (x || y) {
      const int anchor = x ? x : y;
      const int label = x ? b : a;
      for (std::uint32_t next = graph_.adjacent[anchor] & unplaced_; next; next &= next - 1) {
        const Result r = TryVertex(Lowest(next), label);
        if (r != Result::Exhausted) return r;
      }
      continue;
    }
    for (const Edge& e : graph_.edges) {
      if (!(unplaced_ & Bit(e.a)) || !(unplaced_ & Bit(e.b))) continue;
      Result r = TryEdge(e.a, a, e.b, b);
      if (r == Result::Exhausted) r = TryEdge(e.b, a, e.a, b);
      if (r != Result::Exhausted) return r;
    }
  }
  return Result::Exhausted;
}

// Every value is realised, so only isolated vertices can be left; they take the free labels.
ChainedGracefulSearch::Result ChainedGracefulSearch::PlaceRest() {
  if (!unplaced_) return Result::Found;
  const int vertex = Lowest(unplaced_);
  for (std::uint32_t labels = freeLabels_; labels; labels &= labels - 1) {
    if (!Place(vertex, Lowest(labels))) continue;
    const Result r = PlaceRest();
    if (r == Result::Found) return r;
    Unplace(vertex);
    if (r == Result::Stopped) return r;
  }
  return Result::Exhausted;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::TryVertex(int vertex, int label) {
  if (!Place(vertex, label)) return Result::Exhausted;
  const Result r = Descend();
  if (r != Result::Found) Unplace(vertex);
  return r;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::TryEdge(int first, int firstLabel, int second,
                                                             int secondLabel) {
  if (!Place(first, firstLabel)) return Result::Exhausted;
  const Result r = TryVertex(second, secondLabel);
  if (r != Result::Found) Unplace(first);
  return r;
}

bool ChainedGracefulSearch::Place(int vertex, int label) {
  std::uint32_t added = 0;
  for (std::uint32_t placed = graph_.adjacent[vertex] & ~unplaced_; placed; placed &= placed - 1) {
    const std::uint32_t value = Bit(std::abs(label - label_[Lowest(placed)]));
    if ((usedValues_ | added) & value) return false;
    added |= value;
  }
  label_[vertex] = label;
  vertexAt_[label] = vertex;
  freeLabels_ &= ~Bit(label);
  unplaced_ &= ~Bit(vertex);
  usedValues_ |= added;
  valuesAddedBy_[vertex] = added;
  if (ChainsFit()) return true;
  Unplace(vertex);
  return false;
}

void ChainedGracefulSearch::Unplace(int vertex) {
  const int label = label_[vertex];
  usedValues_ &= ~valuesAddedBy_[vertex];
  unplaced_ |= Bit(vertex);
  freeLabels_ |= Bit(label);
  vertexAt_[label] = 0;
  label_[vertex] = 0;
}

// Gives each chain member the lowest label it could still get (members below it take the free
// labels first) and the highest one likewise from above; a member whose range is empty is dead.
bool ChainedGracefulSearch::ChainsFit() {
  const int n = graph_.n;
  bool first = true;
  for (const LabelChain& chain : *chains_) {
    const std::vector<int>& members = chain.members;
    const int size = static_cast<int>(members.size());
    int below = 0;
    for (int r = 0; r < size; ++r) {
      const int x = members[r];
      int bound = below + 1;
      if (first) {
        for (const GapBound& g : gapBounds_) {
          if (g.high == x) bound = std::max(bound, low_[g.low] + g.gap);
        }
      }
      if (bound > n) return false;
      if (label_[x]) {
        if (label_[x] < bound) return false;
        low_[x] = label_[x];
      } else {
        const std::uint32_t options = freeLabels_ & ~(Bit(bound) - 1);
        if (!options) return false;
        low_[x] = Lowest(options);
      }
      below = low_[x];
    }
    int above = n + 1;
    for (int r = size - 1; r >= 0; --r) {
      const int x = members[r];
      int bound = above - 1;
      if (first) {
        for (const GapBound& g : gapBounds_) {
          if (g.low == x) bound = std::min(bound, high_[g.high] - g.gap);
        }
      }
      if (bound < 1) return false;
      if (label_[x]) {
        if (label_[x] > bound) return false;
        high_[x] = label_[x];
      } else {
        const std::uint32_t options = freeLabels_ & (Bit(bound + 1) - 1);
        if (!options) return false;
        high_[x] = Highest(options);
        if (high_[x] < low_[x]) return false;
      }
      above = high_[x];
    }
    first = false;
  }
  return true;
}
