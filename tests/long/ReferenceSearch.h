#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

// A second, deliberately plain way to the first graceful labeling in candidate order, written apart
// from search/ so that the two can check each other: the digits are settled from the most
// significant one down, and each "can vertex i sit this low among the later vertices?" is answered
// by a vertex-by-vertex labeling search with only simple pruning. Slow (up to minutes for 20
// vertices) but easy to trust. `nodes`, when given, receives the number of labeling-search nodes.
std::optional<Labels> ReferenceFirstGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                     long long* nodes = nullptr);

struct ReferenceClosest {
  Labels labels{};
  int differing = 0;
};

// The same for the closest labeling to a filling (filling[v] = the number in box v, 0 = empty): the
// least number of contradicted boxes is found by trying 0, 1, 2, ... and then the digits are settled
// among the labelings that contradict no more boxes than that.
std::optional<ReferenceClosest> ReferenceClosestGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                                 const Labels& filling,
                                                                 long long* nodes = nullptr);

// The graceful labeling after `labeling` (each of 1..n once) in candidate order, or nullopt: the
// order of vertices i+1..n is kept and vertex i raised place by place, lowest i first, and the
// digits below are settled as above.
std::optional<Labels> ReferenceNextGracefulLabeling(int n, const std::vector<Edge>& edges,
                                                    const Labels& labeling);

// The hint for a filling in one line, as graceful-search --hint prints it: `none`, `change 3,9`,
// `graceful`, `forced 7 12` or `possible 7 12`. An empty vertex is certain when a search that
// keeps every filled box and forbids it its label in the closest labeling finds nothing.
std::string ReferenceHint(int n, const std::vector<Edge>& edges, const Labels& filling);
