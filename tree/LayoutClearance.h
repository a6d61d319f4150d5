#pragma once

#include <vector>

#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// A rectangle of pixels; right and bottom are excluded.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

Rect CentredRect(Point centre, int width, int height);
bool Overlap(const Rect& r, const Rect& s);
bool Contains(const Rect& outer, const Rect& inner);
// Distance from p to the nearest pixel of r (0 inside).
double DistanceToRect(Point p, const Rect& r);
double DistanceToSegment(PointF p, PointF a, PointF b);

// The part of a picture inside its one-pixel frame.
Rect PictureInterior(int width, int height);
// The box on vertex v and the value square centred on `anchor`, as drawn.
Rect BoxRect(const VertexLayout& layout, int v);
Rect ValueSquareRect(PointF anchor);

// A square centred on each edge's anchor that no disc or box covers, inside the picture: the
// midpoint where it is clear, else the nearest clear point along the edge, preferring points where
// the square also stays off the squares of earlier edges. Ends outside the layout are skipped.
std::vector<EdgeAnchor> ChooseValueAnchors(const VertexLayout& layout, const std::vector<Edge>& edges,
                                           int width, int height);

// How many things collide in a drawing of all vertices and `edges` with the layout's value squares:
// two discs, an edge and a third vertex's disc, a square and a disc or box, or anything and the
// picture's frame.
int CountCollisions(const VertexLayout& layout, const std::vector<Edge>& edges, int width, int height);
