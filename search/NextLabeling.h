#pragma once

#include <optional>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// Whether labeling a comes before labeling b in candidate order (both give vertices 1..n the labels
// 1..n): the later vertices decide first, and vertex 1's label changes fastest.
bool PrecedesInCandidateOrder(const Labels& a, const Labels& b, int n);

// The graceful labeling that follows `labeling` (any labeling of vertices 1..n with 1..n, each
// once) in candidate order: the digits above the first one that grows are kept, that one grows as
// little as it can, and the rest are settled as for the first labeling of all. nullopt after the
// last one, for a graph without graceful labelings, and when the reporter was told to stop (then
// reporter.Stopped() is true).
std::optional<Labels> NextGracefulLabeling(int n, const std::vector<Edge>& edges, const Labels& labeling,
                                           SearchReporter& reporter);

// The same from `store`, every graceful labeling in candidate order (as the search keeps them for
// up to 10 vertices): the first stored labeling after `labeling`.
std::optional<Labels> NextStoredLabeling(const std::vector<Labels>& store, const Labels& labeling, int n);
