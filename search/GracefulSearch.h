#pragma once

#include <string>
#include <vector>

#include "search/SearchHooks.h"
#include "tree/TreeModel.h"

struct SearchOutcome {
  std::vector<Labels> solutions;  // in candidate order; for n >= 11 at most one
  bool stopped = false;           // breathe() answered false
};

// Whether the searches can take the graph: n = 2..20 and n-1 edges between vertices 1..n.
bool IsSearchableGraph(int n, const std::vector<Edge>& edges);

// n = 2..20, edges = the n-1 edges (vertex numbers 1..n) in slot order. The graph need not be a
// tree (a cycle and disconnected parts are possible): then there may be no solution.
// For n <= 10 every graceful labeling is returned in candidate order, for n >= 11 the first one.
SearchOutcome FindGracefulLabelings(int n, const std::vector<Edge>& edges, const SearchHooks& hooks);

struct ClosestOutcome {
  bool found = false;    // false: the graph has no graceful labeling, or the search was stopped
  bool stopped = false;  // breathe() answered false
  Labels labels{};       // the closest graceful labeling when found
  int differing = 0;     // D: the filled boxes it contradicts
};

// Of the graceful labelings that contradict the fewest filled boxes (filling[v] = the number in box
// v, 0 = empty), the first in candidate order. Calls only breathe(), every few thousand nodes.
ClosestOutcome FindClosestLabeling(int n, const std::vector<Edge>& edges, const Labels& filling,
                                   const SearchHooks& hooks);

// Progress text for candidate j of n! (n <= 10): "Hľadám riešenia ... " + (j*100 div n!) + "%".
std::string SearchProgressText(long long j, int n);
