#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

// Every free (unlabelled) tree of n vertices, each once up to isomorphism, always in the same order.
inline constexpr int MinAllTreesVertices = 2;
inline constexpr int MaxAllTreesVertices = MaxVertices;

// How many free trees have n vertices (0 outside 1..20).
long long FreeTreeCount(int n);

// One tree of the enumeration. Vertex 1 is a centre; the others are numbered in the order of a
// depth-first walk from it, so that no two edges cross with vertices 1..n in order on a circle.
struct NumberedTree {
  int n = 0;
  long long index = 0;      // 0-based place in the enumeration
  std::vector<Edge> edges;  // n - 1 edges, the parent end first
};

// Walks the trees through their canonical level sequences (Wright, Richmond, Odlyzko and McKay):
// each tree rooted at a centre, subtrees in decreasing order, the trees in decreasing
// lexicographic order of the sequences. A step costs constant time on average.
class FreeTreeGenerator {
 public:
  // n is kept within 2..20.
  explicit FreeTreeGenerator(int n);

  int VertexCount() const { return n_; }
  // False once the last tree has been passed.
  bool Valid() const { return valid_; }
  long long Index() const { return index_; }
  // To the next tree; Valid() turns false after the last one.
  void Next();
  // Forward to the tree of that index (no-op when already there or beyond).
  void SkipTo(long long index);

  // The current tree with its crossing-free numbering.
  void Fill(NumberedTree& tree) const;
  // Depth of vertex v (1..n) in the walk order; the centre has depth 1.
  int Level(int v) const { return level_[v]; }

 private:
  int n_ = 0;
  bool valid_ = true;
  bool last_ = false;
  long long index_ = 0;
  // level_[v], parent_[v] for v = 1..n (parent 0 for the root).
  int level_[MaxVertices + 1] = {};
  int parent_[MaxVertices + 1] = {};
  // Where the next step changes the sequence (p) and the parent of that vertex (q); the last vertex
  // of the first subtree (r); the first deepest vertex of the first subtree (h1) and of the rest
  // (h2); and while the two halves of a bicentral tree are of equal size, the first place at which
  // the rest differs from the first subtree (c; n+1 when they are equal).
  int p_ = 0;
  int q_ = 0;
  int r_ = 0;
  int h1_ = 0;
  int h2_ = 0;
  int c_ = 0;
};

// Calls visit on each tree of n vertices in order, from index `first` on, at most `count` of them (a
// negative count: to the end); visit returns false to stop. Returns how many trees were visited.
// The tree passed is reused from call to call.
long long VisitFreeTrees(int n, const std::function<bool(const NumberedTree&)>& visit, long long first = 0,
                         long long count = -1);

// All trees of n vertices in order (for the smaller n: n = 20 holds 823,065 of them).
std::vector<NumberedTree> AllFreeTrees(int n);
