#include "search/ChainedGracefulSearch.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <thread>

#include "search/Bitmask.h"

namespace {

// Search nodes between two calls of breathe(): a node costs well under a microsecond.
constexpr int NodesPerBreath = 1024;
// Nodes of the first, single-threaded try at a question: a fraction of a millisecond. (Four times
// as many was a few per cent slower on the hard corpus; sixteen times as many, a tenth slower.)
constexpr long long FirstTryBudget = 1024;

int Lowest(std::uint32_t mask) { return std::countr_zero(mask); }
int Highest(std::uint32_t mask) { return 31 - std::countl_zero(mask); }
// Without a popcount instruction in the target, std::popcount is a library call; this stays inline.
int Count(std::uint32_t mask) {
  mask -= (mask >> 1) & 0x55555555u;
  mask = (mask & 0x33333333u) + ((mask >> 2) & 0x33333333u);
  return static_cast<int>((((mask + (mask >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
}

}  // namespace

std::optional<SearchGraph> MakeSearchGraphWithoutPaths(int n, const std::vector<Edge>& edges) {
  SearchGraph graph;
  graph.n = n;
  graph.edges = edges;
  for (const Edge& e : edges) {
    if (e.a == e.b || (graph.adjacent[e.a] & Bit(e.b))) return std::nullopt;
    graph.adjacent[e.a] |= Bit(e.b);
    graph.adjacent[e.b] |= Bit(e.a);
  }
  for (int v = 1; v <= n; ++v) {
    if (Count(graph.adjacent[v]) % 2) graph.oddDegree |= Bit(v);
  }
  return graph;
}

std::optional<SearchGraph> MakeSearchGraph(int n, const std::vector<Edge>& edges) {
  std::optional<SearchGraph> made = MakeSearchGraphWithoutPaths(n, edges);
  if (!made) return std::nullopt;
  SearchGraph& graph = *made;
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
  return made;
}

ChainedGracefulSearch::ChainedGracefulSearch(const SearchGraph& graph, SearchReporter& reporter)
    : graph_(graph), reporter_(reporter), untilBreath_(NodesPerBreath) {}

ChainedGracefulSearch::~ChainedGracefulSearch() = default;

std::optional<Labels> ChainedGracefulSearch::Find(const std::vector<LabelChain>& chains,
                                                  long long nodeLimit) {
  best_.reset();
  gaveUp_ = false;
  Prepare(chains);
  if (Count(broken_) > maxBroken_) return std::nullopt;
  // Most questions are settled within a thousand nodes or so, too few to be worth a second thread.
  const long long firstTry = nodeLimit < 0 ? FirstTryBudget : std::min(FirstTryBudget, nodeLimit);
  Result r = Run(Strategy::LargestValue, firstTry);
  if (r == Result::OutOfBudget && firstTry != nodeLimit) r = Race(chains, nodeLimit);
  if (r == Result::Stopped) return std::nullopt;
  gaveUp_ = r == Result::OutOfBudget;
  return best_;
}

std::optional<Labels> ChainedGracefulSearch::FindBy(Strategy strategy, const std::vector<LabelChain>& chains,
                                                    long long nodeLimit) {
  best_.reset();
  gaveUp_ = false;
  Prepare(chains);
  if (Count(broken_) > maxBroken_) return std::nullopt;
  const Result r = Run(strategy, nodeLimit);
  if (r == Result::Stopped) return std::nullopt;
  gaveUp_ = r == Result::OutOfBudget;
  return best_;
}

void ChainedGracefulSearch::Prepare(const std::vector<LabelChain>& chains) {
  const int n = graph_.n;
  chains_ = &chains;
  neighbourPairs_.clear();
  for (int r = 0; r < MaxVertices; ++r) {
    gapsFromBelow_[r].clear();
    gapsToAbove_[r].clear();
  }
  if (!chains.empty()) PrepareGapBounds(chains.front().members);
  ordered_ = 0;
  for (const LabelChain& chain : chains) {
    for (int v : chain.members) ordered_ |= Bit(v);
  }
  std::fill(std::begin(label_), std::end(label_), 0);
  std::fill(std::begin(vertexAt_), std::end(vertexAt_), 0);
  freeLabels_ = (Bit(n + 1) - 1) & ~1u;
  unplaced_ = freeLabels_;
  allValues_ = (Bit(n) - 1) & ~1u;
  usedValues_ = 0;
  broken_ = 0;
  for (std::uint32_t p = pinned_; p; p &= p - 1) {
    if (!pin_[Lowest(p)]) broken_ |= Bit(Lowest(p));
  }
}

ChainedGracefulSearch::Result ChainedGracefulSearch::Run(Strategy strategy, long long nodeLimit) {
  strategy_ = strategy;
  nodesLeft_ = nodeLimit < 0 ? std::numeric_limits<long long>::max() : nodeLimit;
  return Descend();
}

// This thread goes on with LargestValue, the rival takes FewestChoices; the first to answer (or a
// stop from the window) sets answered_, and the other side unwinds as Overtaken. Either answer is
// right: both sides decide the same question.
ChainedGracefulSearch::Result ChainedGracefulSearch::Race(const std::vector<LabelChain>& chains,
                                                          long long nodeLimit) {
  if (!rival_) rival_ = std::make_unique<ChainedGracefulSearch>(graph_, quietReporter_);
  rival_->pinned_ = pinned_;
  std::copy(std::begin(pin_), std::end(pin_), std::begin(rival_->pin_));
  std::copy(std::begin(pinnedAt_), std::end(pinnedAt_), std::begin(rival_->pinnedAt_));
  rival_->maxBroken_ = maxBroken_;
  std::copy(std::begin(forbidden_), std::end(forbidden_), std::begin(rival_->forbidden_));
  rival_->best_.reset();
  rival_->Prepare(chains);
  std::atomic<bool> answered{false};
  answered_ = &answered;
  rival_->answered_ = &answered;
  Result theirs = Result::OutOfBudget;
  std::thread rival;
  try {
    rival = std::thread([&] {
      theirs = rival_->Run(Strategy::FewestChoices, nodeLimit);
      if (theirs != Result::Overtaken && theirs != Result::OutOfBudget) answered = true;
    });
  } catch (const std::system_error&) {
    // No thread to be had: this side alone still answers the question.
    answered_ = nullptr;
    rival_->answered_ = nullptr;
    Prepare(chains);
    return Run(Strategy::LargestValue, nodeLimit);
  }
  Prepare(chains);
  Result ours = Run(Strategy::LargestValue, nodeLimit);
  if (ours != Result::Overtaken && ours != Result::OutOfBudget) answered = true;
  rival.join();
  answered_ = nullptr;
  rival_->answered_ = nullptr;
  if (ours == Result::Stopped || ours == Result::Found || ours == Result::Exhausted) return ours;
  if (theirs == Result::Found) best_ = rival_->best_;
  return theirs == Result::Overtaken ? Result::OutOfBudget : theirs;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::Complete() {
  best_.emplace();
  for (int v = 1; v <= graph_.n; ++v) (*best_)[v] = static_cast<std::uint8_t>(label_[v]);
  return Result::Found;
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
      int steps = 0;
      bool rising = true;
      while (rising && v != high) {
        const int next = graph_.parent[high][v];
        rising = next != 0 && position[next] > position[v];
        v = next;
        ++steps;
      }
      if (rising && steps == 1) neighbourPairs_.push_back({chain[r], high});
      if (rising && steps >= 2) {
        gapsFromBelow_[s].push_back({chain[r], steps * (steps + 1) / 2});
        gapsToAbove_[r].push_back({high, steps * (steps + 1) / 2});
      }
    }
  }
}

std::optional<ChainedGracefulSearch::Result> ChainedGracefulSearch::CountNode() {
  if (--nodesLeft_ < 0) return Result::OutOfBudget;
  if (answered_ && answered_->load(std::memory_order_relaxed)) return Result::Overtaken;
  if (--untilBreath_ <= 0) {
    untilBreath_ = NodesPerBreath;
    if (!reporter_.Breathe()) return Result::Stopped;
  }
  return std::nullopt;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::Descend() {
  if (const std::optional<Result> stop = CountNode()) return *stop;
  const std::uint32_t missing = allValues_ & ~usedValues_;
  if (!missing) return PlaceRest();
  if (!DomainsFit(missing)) return Result::Exhausted;
  // Branch where the choices are fewest: on the ways to realise the largest missing value, or on
  // the labels left to one vertex whose placed neighbours or chain position pin it down.
  const int value = Highest(missing);
  int vertex = 0;
  int fewest = MaxVertices + 1;
  std::uint32_t vertexLabels = 0;
  for (std::uint32_t open = unplaced_; open; open &= open - 1) {
    const int x = Lowest(open);
    const bool ordered = ordered_ & Bit(x);
    if (!ordered && !(forced_ & Bit(x)) && !(graph_.adjacent[x] & ~unplaced_)) continue;
    std::uint32_t labels = domain_[x];
    if (ordered) labels &= (Bit(high_[x] + 1) - 1) & ~(Bit(low_[x]) - 1);
    const int count = Count(labels);
    if (count == 0) return Result::Exhausted;
    if (count < fewest && (count <= 1 || strategy_ == Strategy::FewestChoices)) {
      fewest = count;
      vertex = x;
      vertexLabels = labels;
    }
  }
  const bool byVertex = vertex && (fewest <= 1 || fewest < ValueOptions(value));
  if (byVertex) {
    for (; vertexLabels; vertexLabels &= vertexLabels - 1) {
      const Result r = TryVertex(vertex, Lowest(vertexLabels));
      if (r != Result::Exhausted) return r;
    }
    return Result::Exhausted;
  }
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

int ChainedGracefulSearch::ValueOptions(int value) const {
  int options = 0;
  int unplacedEdges = -1;
  for (int a = 1; a + value <= graph_.n; ++a) {
    const int x = vertexAt_[a];
    const int y = vertexAt_[a + value];
    if (x && y) continue;
    if (x || y) {
      options += Count(graph_.adjacent[x ? x : y] & unplaced_);
      continue;
    }
    if (unplacedEdges < 0) {
      unplacedEdges = 0;
      for (const Edge& e : graph_.edges) unplacedEdges += (unplaced_ & Bit(e.a)) && (unplaced_ & Bit(e.b));
    }
    options += 2 * unplacedEdges;
  }
  return options;
}

// An unplaced vertex next to placed ones can only take a free label that differs from each placed
// neighbour's by a missing value; with these domains the chains are checked again, more tightly.
bool ChainedGracefulSearch::DomainsFit(std::uint32_t missing) {
  std::uint64_t mirrored = 0;
  for (std::uint32_t m = missing; m; m &= m - 1) mirrored |= std::uint64_t{1} << (63 - Lowest(m));
  for (std::uint32_t open = unplaced_; open; open &= open - 1) {
    const int x = Lowest(open);
    std::uint32_t domain = freeLabels_ & ~Bit(forbidden_[x]);
    for (std::uint32_t placed = graph_.adjacent[x] & ~unplaced_; placed; placed &= placed - 1) {
      const int label = label_[Lowest(placed)];
      domain &= static_cast<std::uint32_t>((std::uint64_t{missing} << label) | (mirrored >> (63 - label)));
    }
    if (!domain) return false;
    domain_[x] = domain;
  }
  if (!NarrowChainRanges(LabelSource::Domains) || !PinsFit()) return false;
  if (forced_) {
    for (std::uint32_t f = forced_; f; f &= f - 1) domain_[Lowest(f)] = Bit(pin_[Lowest(f)]);
    if (!NarrowChainRanges(LabelSource::Domains)) return false;
  }
  if (!ParityFits()) return false;
  // Neighbours in the first chain whose edge is still unrealised differ by a missing value at most.
  const int largest = Highest(missing);
  for (const auto& [low, high] : neighbourPairs_) {
    if ((unplaced_ & (Bit(low) | Bit(high))) && low_[high] - high_[low] > largest) return false;
  }
  return true;
}

// Each |x - y| has the parity of x + y, so the labels of the odd-degree vertices sum to the parity
// of 1 + 2 + ... + (n-1). The unplaced vertices take exactly the free labels, which bounds how many
// odd labels the unplaced odd-degree vertices can get.
bool ChainedGracefulSearch::ParityFits() const {
  const int n = graph_.n;
  int sum = 0;
  for (std::uint32_t placed = graph_.oddDegree & ~unplaced_; placed; placed &= placed - 1) {
    sum += label_[Lowest(placed)];
  }
  const int open = Count(graph_.oddDegree & unplaced_);
  const int oddFree = Count(freeLabels_ & 0xAAAAAAAAu);
  const int evenFree = Count(freeLabels_) - oddFree;
  const int fewest = std::max(0, open - evenFree);
  const int most = std::min(open, oddFree);
  if (fewest < most) return true;
  return (sum + fewest) % 2 == (n * (n - 1) / 2) % 2;
}

// Every value is realised, so only isolated vertices can be left; they take the free labels.
ChainedGracefulSearch::Result ChainedGracefulSearch::PlaceRest() {
  if (!unplaced_) return Complete();
  if (const std::optional<Result> stop = CountNode()) return *stop;
  const int vertex = Lowest(unplaced_);
  for (std::uint32_t labels = freeLabels_; labels; labels &= labels - 1) {
    if (!Place(vertex, Lowest(labels))) continue;
    const Result r = PlaceRest();
    Unplace(vertex);
    if (r != Result::Exhausted) return r;
  }
  return Result::Exhausted;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::TryVertex(int vertex, int label) {
  if (!Place(vertex, label)) return Result::Exhausted;
  const Result r = Descend();
  Unplace(vertex);
  return r;
}

ChainedGracefulSearch::Result ChainedGracefulSearch::TryEdge(int first, int firstLabel, int second,
                                                             int secondLabel) {
  if (!Place(first, firstLabel)) return Result::Exhausted;
  const Result r = TryVertex(second, secondLabel);
  Unplace(first);
  return r;
}

bool ChainedGracefulSearch::Place(int vertex, int label) {
  if (forbidden_[vertex] == label) return false;
  std::uint32_t broke = pinnedAt_[label] & ~Bit(vertex);
  if ((pinned_ & Bit(vertex)) && pin_[vertex] != label) broke |= Bit(vertex);
  broke &= ~broken_;
  if (broke && Count(broken_ | broke) > maxBroken_) return false;
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
  broken_ |= broke;
  brokenBy_[vertex] = broke;
  if (!(ordered_ & Bit(vertex)) || NarrowChainRanges(LabelSource::FreeLabels)) return true;
  Unplace(vertex);
  return false;
}

void ChainedGracefulSearch::Unplace(int vertex) {
  const int label = label_[vertex];
  usedValues_ &= ~valuesAddedBy_[vertex];
  broken_ &= ~brokenBy_[vertex];
  unplaced_ |= Bit(vertex);
  freeLabels_ |= Bit(label);
  vertexAt_[label] = 0;
  label_[vertex] = 0;
}

// Gives each chain member the lowest label it could still get (members below it take the free
// labels first) and the highest one likewise from above, in low_ and high_; false when a member's
// range is empty. An unplaced member draws on the free labels, or on its domain when those are
// current (DomainsFit() has just computed them for this node).
bool ChainedGracefulSearch::NarrowChainRanges(LabelSource source) {
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
        for (const GapBound& g : gapsFromBelow_[r]) bound = std::max(bound, low_[g.other] + g.gap);
      }
      if (bound > n) return false;
      if (label_[x]) {
        if (label_[x] < bound) return false;
        low_[x] = label_[x];
      } else {
        const std::uint32_t options = Options(x, source) & ~(Bit(bound) - 1);
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
        for (const GapBound& g : gapsToAbove_[r]) bound = std::min(bound, high_[g.other] - g.gap);
      }
      if (bound < 1) return false;
      if (label_[x]) {
        if (label_[x] > bound) return false;
        high_[x] = label_[x];
      } else {
        const std::uint32_t options = Options(x, source) & (Bit(bound + 1) - 1);
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

void ChainedGracefulSearch::SetPins(const Labels& pins, int maxBroken) {
  pinned_ = 0;
  std::fill(std::begin(pinnedAt_), std::end(pinnedAt_), 0);
  for (int v = 1; v <= graph_.n; ++v) {
    // A pin outside 1..n can never hold: it keeps label 0, which no vertex gets.
    pin_[v] = pins[v] <= graph_.n ? pins[v] : 0;
    if (pins[v]) pinned_ |= Bit(v);
    if (pin_[v]) pinnedAt_[pin_[v]] |= Bit(v);
  }
  maxBroken_ = maxBroken;
  forced_ = 0;
}

void ChainedGracefulSearch::SetForbiddenLabels(const Labels& forbidden) {
  // A label outside 1..n is no vertex's anyway.
  for (int v = 1; v <= graph_.n; ++v) forbidden_[v] = forbidden[v] <= graph_.n ? forbidden[v] : 0;
}

// An unbroken pin of an unplaced vertex can still hold while its label is in the vertex's domain
// (and, for a chain member, in its range). Fewer such pins than must hold is a dead end; exactly as
// many forces them all.
bool ChainedGracefulSearch::PinsFit() {
  forced_ = 0;
  const int mayStillBreak = maxBroken_ - Count(broken_);
  if (!pinned_ || mayStillBreak >= Count(pinned_ & unplaced_ & ~broken_)) return true;
  int cannotHold = 0;
  std::uint32_t open = 0;
  for (std::uint32_t p = pinned_ & unplaced_ & ~broken_; p; p &= p - 1) {
    const int v = Lowest(p);
    const int pin = pin_[v];
    if ((domain_[v] & Bit(pin)) && (!(ordered_ & Bit(v)) || (low_[v] <= pin && pin <= high_[v]))) {
      open |= Bit(v);
    } else {
      ++cannotHold;
    }
  }
  if (cannotHold > mayStillBreak) return false;
  if (cannotHold == mayStillBreak) forced_ = open;
  return true;
}
