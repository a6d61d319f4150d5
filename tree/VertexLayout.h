#pragma once

#include <vector>

#include "tree/TreeModel.h"

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct PointF {
  double x = 0;
  double y = 0;
};

// Sizes of what sits on a vertex or an edge, in picture pixels.
inline constexpr int DiscRadius = 15;
// The disc's 3-px outline reaches this far from its centre.
inline constexpr int DiscReach = 17;
inline constexpr int BoxSize = 20;
inline constexpr int ValueSquareSize = 16;

// A value square's centre on the edge a-b (either orientation).
struct EdgeAnchor {
  int a = 0;
  int b = 0;
  PointF at;
};

enum class AnchorRule {
  // The circle's: the midpoint, but a quarter of the way from the first end for a diameter
  // (vertex numbers n/2 apart) when there are at least two diameters, all crossing the centre.
  CircleDiameters,
  // The anchors the layout chose; an edge without one gets its midpoint.
  Chosen,
};

// Where the vertices 1..n of one drawing lie in picture coordinates. Entry 0 of each vector is unused.
struct VertexLayout {
  int n = 0;
  std::vector<PointF> exact;
  std::vector<Point> points;  // rounded: discs, lines and boxes go here
  // Unit vectors: the free side of each vertex, where its number goes first.
  std::vector<PointF> outward;
  AnchorRule anchorRule = AnchorRule::Chosen;
  std::vector<EdgeAnchor> anchors;

  bool Has(int v) const { return v >= 1 && v <= n; }
};

// The vertices evenly on the circle, vertex 1 to the right of the centre, the rest counter-clockwise.
VertexLayout CircleLayout(const LayoutCircle& circle, int n);

// The centre of each edge's value square, in the order of `edges`. Edges with an end outside the
// layout get the origin.
std::vector<PointF> ValueSquareAnchors(const VertexLayout& layout, const std::vector<Edge>& edges);

// Where vertex v's number goes when nothing is in the way: just outside its disc on its free side.
Point VertexNumberPoint(const VertexLayout& layout, int v);
