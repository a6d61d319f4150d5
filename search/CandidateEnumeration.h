#pragma once

#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// Every graceful labeling of the graph (n <= 10), in candidate order, visiting all n! candidates so
// the progress texts stay exact. Each candidate is derived from the previous one by moving a few
// labels and updating only the edge values that change.
std::vector<Labels> EnumerateGracefulLabelings(int n, const std::vector<Edge>& edges,
                                               SearchReporter& reporter);
