#pragma once

#include <vector>

#include "draw/Canvas.h"
#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// The layout circle for a picture of the given size.
LayoutCircle CircleForPicture(int width, int height);

// Vertex v of n on the circle: vertex 1 to the right of the centre, the rest counter-clockwise.
PointF ExactVertexPoint(const LayoutCircle& circle, int n, int v);
Point VertexPoint(const LayoutCircle& circle, int n, int v);

// Where vertex v's number is written when the numbers are shown: on the ray through the vertex,
// just outside its disc, so it never covers a disc, an edge inside the circle or a box.
Point VertexNumberPoint(const LayoutCircle& circle, int n, int v);

void ClearTreePicture(Canvas& canvas);
void DrawVertexDisc(Canvas& canvas, const VertexLayout& layout, int v);
void DrawVertexDisc(Canvas& canvas, const LayoutCircle& circle, int n, int v);
// Discs for `vertices` in the given order, then a line per edge, centre to centre. Vertices and
// edges outside the layout are left out.
void DrawTreeOutline(Canvas& canvas, const VertexLayout& layout, const std::vector<int>& vertices,
                     const std::vector<Edge>& edges);
void DrawTreeOutline(Canvas& canvas, const LayoutCircle& circle, int n, const std::vector<int>& vertices,
                     const std::vector<Edge>& edges);

struct BoxPlacement {
  bool visible = false;
  Point topLeft;  // window coordinates; meaningful only when visible
};

// Where the twenty vertex boxes go (index 1..20) for the vertices marked in `shown`;
// `pictureOrigin` is the picture's top-left corner in window coordinates.
std::vector<BoxPlacement> VertexBoxPlacements(const VertexLayout& layout, Point pictureOrigin,
                                              const std::vector<bool>& shown);
std::vector<BoxPlacement> VertexBoxPlacements(const LayoutCircle& circle, int n, Point pictureOrigin,
                                              const std::vector<bool>& shown);
// The confirmation's rule: boxes 1..n shown.
std::vector<BoxPlacement> PlaceVertexBoxes(const VertexLayout& layout, Point pictureOrigin);
std::vector<BoxPlacement> PlaceVertexBoxes(const LayoutCircle& circle, int n, Point pictureOrigin);
