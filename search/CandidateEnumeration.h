#pragma once

#include <cstdint>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// The candidates in order, starting at the identity labeling. Each step moves a few labels
// instead of decoding the candidate again.
class CandidateLabeling {
 public:
  CandidateLabeling(int n, const std::vector<Edge>& edges);

  bool Graceful() const;
  Labels Current() const;
  // Moves to the next candidate; false after the last one.
  bool Advance();

 private:
  int n_;
  const std::vector<Edge>& edges_;
  int label_[MaxVertices + 1] = {};
  int vertexAt_[MaxVertices + 1] = {};
  int digit_[MaxVertices + 1] = {};
  std::uint32_t adjacent_[MaxVertices + 1] = {};
};

// Every graceful labeling of the graph (n <= 10), in candidate order, visiting all n! candidates so
// the progress texts stay exact. Each candidate is derived from the previous one by moving a few
// labels, and a cheap necessary condition spares most candidates the full test of their edges.
std::vector<Labels> EnumerateGracefulLabelings(int n, const std::vector<Edge>& edges,
                                               SearchReporter& reporter);
