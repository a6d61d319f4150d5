#pragma once

#include <vector>

#include "tree/TreeModel.h"

struct LeafRemovalResult {
  std::vector<bool> remaining;         // index 1..20: the vertex is still drawn
  std::vector<int> remainingVertices;  // the same vertices in increasing order
  std::vector<Edge> remainingEdges;    // non-empty slots 1..n-1 after the removal, in slot order
};

// Removes every edge with a leaf at either end from slots 1..n-1 of `reduced`, keeping the order
// and orientation of the others. When the tree is a star its centre alone remains. `confirmed` is
// the edge list `reduced` was copied from at the confirmation: once no edge is left, it tells
// which vertex remains, and that vertex stays.
// Leaf removal is offered while at least two edges remain (slots 1 and 2 are not empty).
bool LeafRemovalOffered(const EdgeSlots& reduced);

LeafRemovalResult RemoveLeafLayer(EdgeSlots& reduced, int n, const EdgeSlots& confirmed);
