#pragma once

#include <vector>

#include "tree/TreeModel.h"

// A graph on vertices 1..n as rooted trees: a spanning tree of each component, rooted at its
// centre. Entry 0 stands above the roots.
struct RootedForest {
  std::vector<std::vector<int>> neighbours;  // by every edge with both ends in 1..n, ascending
  std::vector<std::vector<int>> children;    // ascending; children[0] are the roots
  std::vector<int> parent;                   // 0 for a root
  std::vector<int> depth;                    // 0 for a root, -1 for entry 0
  int maxDepth = 0;

  bool IsLeaf(int v) const { return v != 0 && children[v].empty(); }
};

// The root of a tree is its centre, or of a bicentre the end with the lower number. The components
// come in the order of their lowest vertex; a component with a cycle is spanned breadth-first
// from its lowest vertex. Loops, repeated edges and ends outside 1..n are ignored.
RootedForest RootAtCentres(int n, const std::vector<Edge>& edges);
