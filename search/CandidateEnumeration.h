#pragma once

#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// Every graceful labeling of the graph (n <= 10), in candidate order, visiting all n! candidates so
// the progress texts stay exact. Each candidate is derived from the previous one by moving a few
// labels, and a cheap necessary condition spares most candidates the full test of their edges.
std::vector<Labels> EnumerateGracefulLabelings(int n, const std::vector<Edge>& edges,
                                               SearchReporter& reporter);
