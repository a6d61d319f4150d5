#include "search/CandidateEnumeration.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

#include "search/GracefulSearch.h"

namespace {

// Candidates between two calls of breathe(): well under a millisecond at ~100 million per second.
constexpr int CandidatesPerBreath = 16384;

}  // namespace

CandidateLabeling::CandidateLabeling(int n, const std::vector<Edge>& edges) : n_(n), edges_(edges) {
  for (const Edge& e : edges) {
    adjacent_[e.a] |= 1u << e.b;
    adjacent_[e.b] |= 1u << e.a;
  }
  for (int v = 1; v <= n; ++v) {
    label_[v] = v;
    vertexAt_[v] = v;
    digit_[v] = 1;
  }
}

// Value n-1 needs labels 1 and n on neighbours and value n-2 needs (1, n-1) or (2, n): a test of
// two bits that rejects most candidates before their edges are looked at.
bool CandidateLabeling::Graceful() const {
  const std::uint32_t nextToOne = adjacent_[vertexAt_[1]];
  if (!(nextToOne & (1u << vertexAt_[n_]))) return false;
  if (n_ > 2 && !(nextToOne & (1u << vertexAt_[n_ - 1])) &&
      !(adjacent_[vertexAt_[2]] & (1u << vertexAt_[n_]))) {
    return false;
  }
  std::uint32_t values = 0;
  for (const Edge& e : edges_) values |= 1u << std::abs(label_[e.a] - label_[e.b]);
  return values == (1u << n_) - 2;
}

Labels CandidateLabeling::Current() const {
  Labels labels{};
  for (int v = 1; v <= n_; ++v) labels[v] = static_cast<std::uint8_t>(label_[v]);
  return labels;
}

bool CandidateLabeling::Advance() {
  if (digit_[1] < n_) {
    // Vertex 1 trades labels with the vertex just above it.
    ++digit_[1];
    const int low = label_[1];
    const int other = vertexAt_[low + 1];
    label_[1] = low + 1;
    label_[other] = low;
    vertexAt_[low + 1] = 1;
    vertexAt_[low] = other;
    return true;
  }
  int level = 2;
  while (level < n_ && digit_[level] == n_ - level + 1) ++level;
  if (level >= n_) return false;
  // Vertices 1..level-1 sit on the top labels in reverse order; they drop to the bottom in
  // order, the rest shift up, and vertex `level` trades labels with the vertex just above it.
  for (int v = 1; v < level; ++v) {
    label_[v] = v;
    digit_[v] = 1;
  }
  for (int v = level; v <= n_; ++v) label_[v] += level - 1;
  ++digit_[level];
  for (int v = level + 1; v <= n_; ++v) {
    if (label_[v] == label_[level] + 1) {
      std::swap(label_[v], label_[level]);
      break;
    }
  }
  for (int v = 1; v <= n_; ++v) vertexAt_[label_[v]] = v;
  return true;
}

std::vector<Labels> EnumerateGracefulLabelings(int n, const std::vector<Edge>& edges,
                                               SearchReporter& reporter) {
  std::vector<Labels> found;
  // Room for the star's 2 (n-1)! labelings up front: growing by doubling copied the list and
  // touched fresh memory again at every step, a third of the star's time. Pages that stay unused
  // cost no memory.
  long long room = 2;
  for (int k = 2; k < n; ++k) room *= k;
  found.reserve(static_cast<std::size_t>(room));
  CandidateLabeling candidate(n, edges);
  long long j = 0;
  int untilProgress = 0;
  int untilBreath = CandidatesPerBreath;
  do {
    if (untilProgress == 0) {
      reporter.SetText(StatusLine::Summary, SearchProgressText(j, n));
      untilProgress = 100;
    }
    --untilProgress;
    if (candidate.Graceful()) found.push_back(candidate.Current());
    if (--untilBreath == 0) {
      untilBreath = CandidatesPerBreath;
      if (!reporter.Breathe()) break;
    }
    ++j;
  } while (candidate.Advance());
  return found;
}
