#pragma once

#include <vector>

#include "draw/Canvas.h"
#include "tree/LayoutClearance.h"
#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// One coloured square per edge on the tree picture, with the edge's value in it when both ends
// are labeled, centred on the layout's anchors. Draws over what is there; every call puts its
// squares in the same places.
void DrawEdgeValues(Canvas& canvas, const VertexLayout& layout, const std::vector<Edge>& edges,
                    const Labels& labels);
void DrawEdgeValues(Canvas& canvas, const LayoutCircle& circle, int n, const std::vector<Edge>& edges,
                    const Labels& labels);
// The squares DrawEdgeValues fills, in the order of `edges`; an edge with an end outside the layout
// has none.
std::vector<Rect> EdgeValueSquares(const VertexLayout& layout, const std::vector<Edge>& edges);

// Repaints the whole table of label pairs: grid, hatched diagonal, row and column numbers, and
// two dots per edge whose ends are both labeled. An edge with a == 0 is an empty slot and skipped.
void DrawCheckTable(Canvas& canvas, int n, const std::vector<Edge>& edges, const Labels& labels);
