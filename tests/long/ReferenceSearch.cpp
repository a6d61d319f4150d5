#include "tests/long/ReferenceSearch.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

namespace {

using Mask = std::uint32_t;

Mask Bit(int i) { return Mask{1} << i; }

// Labels strictly between low and high.
Mask Between(int low, int high) { return (Bit(high) - 1) & ~(Bit(low + 1) - 1); }

// Gives the vertices labels one at a time and backtracks. Every unlabeled vertex is eventually
// tried with every label, so the choice of the next vertex only matters for speed: the one next to
// labeled vertices with the fewest labels left goes first.
class ChainLabeling {
 public:
  ChainLabeling(int n, const std::vector<Edge>& edges) : n_(n), edges_(edges) {
    for (const Edge& e : edges) {
      neighbours_[e.a].push_back(e.b);
      neighbours_[e.b].push_back(e.a);
    }
  }

  // From now on only labelings that break at most maxBroken pins count (pins[v] = 0: no pin).
  void LimitBrokenPins(const Labels& pins, int maxBroken) {
    pins_ = pins;
    maxBroken_ = maxBroken;
  }

  // From now on vertex `vertex` may not take `label` (vertex 0: no label is forbidden).
  void Forbid(int vertex, int label) {
    forbiddenVertex_ = vertex;
    forbiddenLabel_ = label;
  }

  // A graceful labeling whose labels rise along `chain`, or nullopt.
  std::optional<Labels> Find(const std::vector<int>& chain) {
    chain_ = chain;
    for (int& p : chainPosition_) p = -1;
    for (int p = 0; p < static_cast<int>(chain.size()); ++p) chainPosition_[chain[p]] = p;
    for (int& l : label_) l = 0;
    free_ = (Bit(n_ + 1) - 1) & ~1u;
    used_ = 0;
    if (!Extend(0)) return std::nullopt;
    Labels labels{};
    for (int v = 1; v <= n_; ++v) labels[v] = static_cast<std::uint8_t>(label_[v]);
    return labels;
  }

  long long nodes = 0;

 private:
  // The labels x that vertex v can take now: free, new edge values distinct and not yet present,
  // and between the labels of the nearest labeled chain members on either side.
  Mask Candidates(int v) const {
    Mask result = 0;
    int below = 0;
    int above = n_ + 1;
    if (const int p = chainPosition_[v]; p >= 0) {
      for (int q = p - 1; q >= 0 && !below; --q) below = label_[chain_[q]];
      for (int q = p + 1; q < static_cast<int>(chain_.size()) && above == n_ + 1; ++q) {
        if (label_[chain_[q]]) above = label_[chain_[q]];
      }
    }
    for (Mask options = free_ & Between(below, above); options; options &= options - 1) {
      const int x = std::countr_zero(options);
      if (v == forbiddenVertex_ && x == forbiddenLabel_) continue;
      Mask added = 0;
      bool distinct = true;
      for (int u : neighbours_[v]) {
        if (!label_[u]) continue;
        const Mask value = Bit(std::abs(x - label_[u]));
        distinct = distinct && !((used_ | added) & value);
        added |= value;
      }
      if (distinct) result |= Bit(x);
    }
    return result;
  }

  bool Extend(int placed) {
    ++nodes;
    // All n-1 edges carry distinct values from 1..n-1 by now: the labeling is graceful.
    if (placed == n_) return true;
    int vertex = 0;
    Mask options = 0;
    int fewest = MaxVertices + 1;
    for (int v = n_; v >= 1; --v) {
      if (label_[v]) continue;
      bool touches = false;
      for (int u : neighbours_[v]) touches = touches || label_[u];
      if (!touches) continue;
      const Mask candidates = Candidates(v);
      if (std::popcount(candidates) < fewest) {
        fewest = std::popcount(candidates);
        vertex = v;
        options = candidates;
      }
    }
    if (!vertex) {
      // Nothing labeled next to an unlabeled vertex: start a new part at its highest vertex.
      vertex = n_;
      while (label_[vertex]) --vertex;
      options = Candidates(vertex);
    }
    for (; options; options &= options - 1) {
      const int x = std::countr_zero(options);
      Mask added = 0;
      for (int u : neighbours_[vertex]) {
        if (label_[u]) added |= Bit(std::abs(x - label_[u]));
      }
      label_[vertex] = x;
      free_ &= ~Bit(x);
      used_ |= added;
      if (ChainHasRoom() && MissingValuesReachable() && FewEnoughPinsBroken() && Extend(placed + 1))
        return true;
      label_[vertex] = 0;
      free_ |= Bit(x);
      used_ &= ~added;
    }
    return false;
  }

  // The labeled chain members rise, and between two of them (and below the first, above the last)
  // there are at least as many free labels as unlabeled members waiting there.
  bool ChainHasRoom() const {
    int lastLabel = 0;
    int waiting = 0;
    for (int v : chain_) {
      const int x = label_[v];
      if (!x) {
        ++waiting;
        continue;
      }
      if (x <= lastLabel || std::popcount(free_ & Between(lastLabel, x)) < waiting) return false;
      lastLabel = x;
      waiting = 0;
    }
    return std::popcount(free_ & Between(lastLabel, n_ + 1)) >= waiting;
  }

  // A pin is surely broken once its vertex has another label or its label went to another vertex.
  bool FewEnoughPinsBroken() const {
    int broken = 0;
    for (int v = 1; v <= n_; ++v) {
      if (!pins_[v]) continue;
      broken += label_[v] ? label_[v] != pins_[v] : !(free_ & Bit(pins_[v]));
    }
    return broken <= maxBroken_;
  }

  // Every value no labeled edge has yet must still fit some edge with an unlabeled end.
  bool MissingValuesReachable() const {
    const Mask missing = ((Bit(n_) - 1) & ~1u) & ~used_;
    if (!missing) return true;
    Mask reachable = 0;
    bool bothOpenSeen = false;
    for (const Edge& e : edges_) {
      const int a = label_[e.a];
      const int b = label_[e.b];
      if (a && b) continue;
      if (a || b) {
        const int fixed = a ? a : b;
        for (Mask f = free_; f; f &= f - 1) reachable |= Bit(std::abs(std::countr_zero(f) - fixed));
      } else if (!bothOpenSeen) {
        bothOpenSeen = true;
        for (Mask f = free_; f; f &= f - 1) reachable |= (free_ >> std::countr_zero(f)) & ~1u;
      }
    }
    return !(missing & ~reachable);
  }

  int n_;
  std::vector<Edge> edges_;
  std::vector<int> neighbours_[MaxVertices + 1];
  std::vector<int> chain_;
  int chainPosition_[MaxVertices + 1] = {};
  int label_[MaxVertices + 1] = {};
  Mask free_ = 0;
  Mask used_ = 0;
  Labels pins_{};
  int maxBroken_ = 0;
  int forbiddenVertex_ = 0;
  int forbiddenLabel_ = 0;
};

// Settles the digits from the most significant one down. The chain lists vertices n, n-1, ..., i
// by rising label; the digit of vertex i is the number of chain members below it, so the least
// digit is the lowest place in the chain that still allows a labeling. A labeling found on the way
// bounds the next digit. A chain given by the caller has its digits settled already.
Labels FirstInCandidateOrder(int n, ChainLabeling& search, Labels witness, std::vector<int> chain) {
  for (int vertex = n - static_cast<int>(chain.size()); vertex >= 1; --vertex) {
    int place = 0;
    for (int member : chain) place += witness[member] < witness[vertex];
    for (int below = 0; below < place; ++below) {
      std::vector<int> trial = chain;
      trial.insert(trial.begin() + below, vertex);
      if (std::optional<Labels> lower = search.Find(trial)) {
        witness = *lower;
        place = below;
        break;
      }
    }
    chain.insert(chain.begin() + place, vertex);
  }
  return witness;
}

bool HasLoop(const std::vector<Edge>& edges) {
  for (const Edge& e : edges) {
    if (e.a == e.b) return true;
  }
  return false;
}

}  // namespace

std::optional<Labels> ReferenceFirstGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                     long long* nodes) {
  if (HasLoop(edges)) return std::nullopt;
  ChainLabeling search(n, edges);
  std::optional<Labels> witness = search.Find({n});
  if (witness) witness = FirstInCandidateOrder(n, search, *witness, {n});
  if (nodes) *nodes = search.nodes;
  return witness;
}

std::optional<ReferenceClosest> ReferenceClosestGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                                 const Labels& filling, long long* nodes) {
  if (HasLoop(edges)) return std::nullopt;
  ChainLabeling search(n, edges);
  int pins = 0;
  for (int v = 1; v <= n; ++v) pins += filling[v] != 0;
  // The least number of broken pins that still allows a labeling, tried from none upwards.
  std::optional<ReferenceClosest> closest;
  for (int broken = 0; broken <= pins && !closest; ++broken) {
    search.LimitBrokenPins(filling, broken);
    if (std::optional<Labels> witness = search.Find({n})) {
      closest = ReferenceClosest{FirstInCandidateOrder(n, search, *witness, {n}), broken};
    }
  }
  if (nodes) *nodes = search.nodes;
  return closest;
}

std::optional<Labels> ReferenceNextGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                    const Labels& labeling) {
  if (HasLoop(edges)) return std::nullopt;
  ChainLabeling search(n, edges);
  // Keep the order of vertices i+1..n and raise vertex i by one place after another, lowest i first.
  for (int vertex = 1; vertex < n; ++vertex) {
    std::vector<int> chain;
    for (int v = vertex + 1; v <= n; ++v) chain.push_back(v);
    std::sort(chain.begin(), chain.end(), [&](int x, int y) { return labeling[x] < labeling[y]; });
    int place = 0;
    for (int member : chain) place += labeling[member] < labeling[vertex];
    for (int higher = place + 1; higher <= static_cast<int>(chain.size()); ++higher) {
      std::vector<int> trial = chain;
      trial.insert(trial.begin() + higher, vertex);
      if (std::optional<Labels> witness = search.Find(trial))
        return FirstInCandidateOrder(n, search, *witness, trial);
    }
  }
  return std::nullopt;
}

std::string ReferenceHint(int n, const std::vector<Edge>& edges, const Labels& filling) {
  const std::optional<ReferenceClosest> closest = ReferenceClosestGracefulLabeling(n, edges, filling);
  if (!closest) return "none";
  if (closest->differing > 0) {
    std::string text = "change";
    for (int v = 1; v <= n; ++v) {
      if (filling[v] && filling[v] != closest->labels[v])
        text += (text.size() == 6 ? " " : ",") + std::to_string(v);
    }
    return text;
  }
  int firstEmpty = 0;
  for (int v = n; v >= 1; --v) {
    if (!filling[v]) firstEmpty = v;
  }
  if (!firstEmpty) return "graceful";
  ChainLabeling search(n, edges);
  search.LimitBrokenPins(filling, 0);
  for (int v = firstEmpty; v <= n; ++v) {
    if (filling[v]) continue;
    search.Forbid(v, closest->labels[v]);
    if (!search.Find({n})) return "forced " + std::to_string(v) + " " + std::to_string(closest->labels[v]);
  }
  return "possible " + std::to_string(firstEmpty) + " " + std::to_string(closest->labels[firstEmpty]);
}
