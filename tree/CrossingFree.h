#pragma once

#include <span>
#include <vector>

#include "tree/TreeModel.h"

// With the vertices 1..n in order on a circle, the pairs of edges whose four ends are distinct and
// interleave, so that their chords cross. Edges with an end outside 1..n are left out.
int CrossingCount(int n, std::span<const Edge> edges);

// A renumbering that leaves no two edges of a tree crossing: the vertices in the order of a
// depth-first walk from vertex 1 (preorder, children in increasing vertex order), so that every
// subtree takes an arc of its own. A graph in several pieces is walked piece by piece, each from
// its smallest vertex not yet numbered; a forest stays free of crossings that way. Entry v (1..n) is
// the new number of vertex v; entry 0 is unused. Edges with an end outside 1..n are ignored.
std::vector<int> CrossingFreeNumbering(int n, std::span<const Edge> edges);

// The same edges in the same order, each end given its new number (an end outside the numbering
// stays as it is).
std::vector<Edge> RenumberEdges(std::span<const Edge> edges, const std::vector<int>& numbering);

// Whatever sits on the vertices (byVertex[v - 1] on vertex v: numbers, box texts) moved along
// with them: the result has one entry per vertex of the numbering, missing entries count as T{}.
template <class T>
std::vector<T> MoveWithVertices(const std::vector<T>& byVertex, const std::vector<int>& numbering) {
  const std::size_t n = numbering.empty() ? 0 : numbering.size() - 1;
  std::vector<T> moved(n);
  for (std::size_t v = 1; v <= n && v <= byVertex.size(); ++v)
    moved[static_cast<std::size_t>(numbering[v]) - 1] = byVertex[v - 1];
  return moved;
}
