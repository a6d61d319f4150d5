#include "search/CandidateEnumeration.h"

#include <cstdlib>

namespace {

// Candidates between two calls of breathe(): well under a millisecond at ~100 million per second.
constexpr int CandidatesPerBreath = 16384;

// The labeling of the current candidate together with how often each edge value occurs, so a
// candidate is graceful exactly when all n-1 values occur.
class IncrementalLabeling {
 public:
  IncrementalLabeling(int n, const std::vector<Edge>& edges) : n_(n), edges_(edges) {
    for (const Edge& e : edges) {
      if (e.a == e.b) continue;  // a loop has value 0 and can never help
      neighbours_[e.a][degree_[e.a]++] = e.b;
      neighbours_[e.b][degree_[e.b]++] = e.a;
    }
    for (int v = 1; v <= n; ++v) {
      label_[v] = v;
      vertexOf_[v] = v;
      digit_[v] = 1;
    }
    Recount();
  }

  bool Graceful() const { return distinct_ == n_ - 1; }

  Labels Current() const {
    Labels labels{};
    for (int v = 1; v <= n_; ++v) labels[v] = static_cast<std::uint8_t>(label_[v]);
    return labels;
  }

  // Moves to the next candidate; false after the last one.
  bool Advance() {
    if (digit_[1] < n_) {
      ++digit_[1];
      SwapVertexOneUp();
      return true;
    }
    int level = 2;
    while (level < n_ && digit_[level] == n_ - level + 1) ++level;
    if (level >= n_) return false;
    // Vertices 1..level-1 sit on the top labels; they drop to the bottom in order and the rest
    // shift up, which keeps every value among the rest.
    for (int v = 1; v < level; ++v) {
      label_[v] = v;
      digit_[v] = 1;
    }
    for (int v = level; v <= n_; ++v) label_[v] += level - 1;
    ++digit_[level];
    const int w = VertexWithLabel(label_[level] + 1);
    std::swap(label_[level], label_[w]);
    for (int v = 1; v <= n_; ++v) vertexOf_[label_[v]] = v;
    Recount();
    return true;
  }

 private:
  int VertexWithLabel(int label) const {
    for (int v = 1; v <= n_; ++v) {
      if (label_[v] == label) return v;
    }
    return 0;
  }

  void Recount() {
    for (int& c : count_) c = 0;
    distinct_ = 0;
    for (const Edge& e : edges_) {
      if (e.a != e.b) Add(std::abs(label_[e.a] - label_[e.b]));
    }
  }

  void Add(int value) { distinct_ += count_[value]++ == 0; }
  void Remove(int value) { distinct_ -= --count_[value] == 0; }

  // Vertex 1 trades labels with the vertex just above it; the edge between them keeps its value.
  void SwapVertexOneUp() {
    const int low = label_[1];
    const int other = vertexOf_[low + 1];
    for (int k = 0; k < degree_[1]; ++k) {
      const int z = neighbours_[1][k];
      if (z == other) continue;
      Remove(std::abs(low - label_[z]));
      Add(std::abs(low + 1 - label_[z]));
    }
    for (int k = 0; k < degree_[other]; ++k) {
      const int z = neighbours_[other][k];
      if (z == 1) continue;
      Remove(std::abs(low + 1 - label_[z]));
      Add(std::abs(low - label_[z]));
    }
    label_[1] = low + 1;
    label_[other] = low;
    vertexOf_[low + 1] = 1;
    vertexOf_[low] = other;
  }

  int n_;
  const std::vector<Edge>& edges_;
  int label_[MaxVertices + 1] = {};
  int vertexOf_[MaxVertices + 1] = {};
  int digit_[MaxVertices + 1] = {};
  int neighbours_[MaxVertices + 1][MaxVertices] = {};
  int degree_[MaxVertices + 1] = {};
  int count_[MaxVertices + 1] = {};
  int distinct_ = 0;
};

}  // namespace

std::vector<Labels> EnumerateGracefulLabelings(int n, const std::vector<Edge>& edges,
                                               SearchReporter& reporter) {
  std::vector<Labels> found;
  IncrementalLabeling candidate(n, edges);
  long long j = 0;
  int untilProgress = 0;
  int untilBreath = CandidatesPerBreath;
  do {
    if (untilProgress == 0) {
      reporter.SetText(1, SearchProgressText(j, n));
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
