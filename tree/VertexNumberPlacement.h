#pragma once

#include <vector>

#include "tree/LayoutClearance.h"
#include "tree/VertexLayout.h"

struct TextSize {
  int width = 0;
  int height = 0;
};

struct PlacedNumber {
  int vertex = 0;
  Point centre;  // of the number's text, in picture coordinates
};

// Where the numbers of the vertices marked in `shown` (index 1..20) go, in increasing vertex order.
// Each starts at the layout's number point and, where its text (of sizes[v], index 1..n) would meet
// a keep-out rectangle, a shown disc or box, a number placed before or the picture's frame, moves
// to the nearest clear place further out on its free side or turned around its disc. A number with
// no clear place stays at its number point.
std::vector<PlacedNumber> PlaceVertexNumbers(const VertexLayout& layout, const std::vector<bool>& shown,
                                             const std::vector<TextSize>& sizes,
                                             const std::vector<Rect>& keepOut, int width, int height);
