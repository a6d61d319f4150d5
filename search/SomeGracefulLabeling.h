#pragma once

#include <optional>
#include <vector>

#include "search/ChainedGracefulSearch.h"
#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// Some graceful labeling of the graph, whichever the search meets first: no candidate order, no
// chain but the leg symmetry. On this thread alone (no race), so that many of these can keep every
// core busy. The same graph always gets the same labeling. nullopt when there is none or the
// reporter was told to stop (reporter.Stopped()).
std::optional<Labels> SomeGracefulLabeling(const SearchGraph& graph, SearchReporter& reporter);
std::optional<Labels> SomeGracefulLabeling(int n, const std::vector<Edge>& edges, SearchReporter& reporter);
