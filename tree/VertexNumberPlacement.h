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

// How many pixels a number leaves between its text and a keep-out rectangle, so that it does not
// read as part of a neighbouring text.
inline constexpr int KeepOutClearance = 6;

// Where the numbers of the vertices marked in `shown` (index 1..20) go, in increasing vertex order.
// Each starts at the layout's number point and, where its text (of sizes[v], index 1..n) would come
// within KeepOutClearance of a keep-out rectangle (fixed texts, buttons, value squares), meet a
// shown disc or box, a number placed before or the picture's frame, or be less than 10 px nearer
// its own disc than another shown one (measured from the text's rectangle to the discs' centres),
// moves to the nearest clear place further out on its free side or turned around its disc. A
// number with no clear place takes the least bad of those places: inside the frame if it can, then
// covering the fewest things, then crowding the fewest, then short by the fewest pixels in all; of
// equals, the nearest.
std::vector<PlacedNumber> PlaceVertexNumbers(const VertexLayout& layout, const std::vector<bool>& shown,
                                             const std::vector<TextSize>& sizes,
                                             const std::vector<Rect>& keepOut, int width, int height);
