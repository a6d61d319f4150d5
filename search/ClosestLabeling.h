#pragma once

#include <optional>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

struct ClosestLabeling {
  Labels labels{};
  // Filled boxes the labeling contradicts; no graceful labeling contradicts fewer.
  int differing = 0;
};

// Of the graceful labelings that contradict the fewest filled boxes of `filling` (filling[v] is
// the number in box v, 0 for an empty box), the first in candidate order. nullopt when the graph
// has no graceful labeling or the reporter was told to stop (then reporter.Stopped() is true).
// The filled boxes of `filling` (0 = empty) whose number `labeling` does not give their vertex, in
// increasing order.
std::vector<int> ContradictedBoxes(int n, const Labels& labeling, const Labels& filling);

std::optional<ClosestLabeling> FindClosestGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                           const Labels& filling, SearchReporter& reporter);
