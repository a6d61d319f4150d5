#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "check/CheckDrawing.h"
#include "support/TestTrees.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeLayout.h"
#include "tree/VertexNumberPlacement.h"

namespace {

// The window's fixed texts and buttons over the tree picture, in its coordinates: the prompt, the
// vertex count, "Dozadu", "Dopredu" and "ENTER".
const Rect Prompt{8, 13, 253, 26};
const std::vector<Rect> KeepOut = {
    Prompt, {8, 480, 109, 493}, {368, 8, 425, 33}, {432, 8, 489, 33}, {432, 464, 491, 489}};

// A little more than Arial at 10 px takes, so that other fonts fit too.
std::vector<TextSize> Sizes(int n) {
  std::vector<TextSize> sizes(n + 1);
  for (int v = 1; v <= n; ++v) sizes[v] = {v < 10 ? 7 : 14, 13};
  return sizes;
}

Edge E(int a, int b) { return {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)}; }

// Each vertex on a fixed but scattered earlier one.
std::vector<Edge> ScatteredEdges(int n) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back(E(1 + (v * 7 + 3) % (v - 1), v));
  return edges;
}

// As the window draws a tree: between the buttons at the top and ENTER at the bottom if it fits.
VertexLayout WindowTreeShape(int n, const std::vector<Edge>& edges) {
  const VertexLayout band = TreeLayout(n, edges, 500, 464 - 33, 33);
  return CountCollisions(band, edges, 500, 500) == 0 ? band : TreeLayout(n, edges, 500, 500);
}

// Pixels of space between two rectangles, corner to corner where they are diagonal.
double Gap(const Rect& r, const Rect& s) {
  const int dx = std::max({r.left - s.right, s.left - r.right, 0});
  const int dy = std::max({r.top - s.bottom, s.top - r.bottom, 0});
  return std::hypot(dx, dy);
}

// Where `near` is false, only what covers something: where no place is clear, a number still
// covers nothing if it can.
std::string Fault(const VertexLayout& layout, const std::vector<PlacedNumber>& numbers,
                  const std::vector<TextSize>& sizes, const std::vector<Rect>& keepOut, bool near = true) {
  std::vector<Rect> texts;
  for (const PlacedNumber& number : numbers) {
    const Rect text = CentredRect(number.centre, sizes[number.vertex].width, sizes[number.vertex].height);
    const std::string what = "number " + std::to_string(number.vertex);
    if (text.left < 2 || text.top < 2 || text.right > 498 || text.bottom > 498)
      return what + " leaves the picture";
    for (const Rect& r : keepOut)
      if (near ? Gap(r, text) < 6 : Overlap(r, text)) return what + " is too near a text, button or square";
    for (const Rect& r : texts)
      if (Overlap(r, text)) return what + " covers another";
    const double own = DistanceToRect(layout.points[number.vertex], text);
    for (int v = 1; v <= layout.n; ++v) {
      if (DistanceToRect(layout.points[v], text) < 17) return what + " touches disc " + std::to_string(v);
      if (Overlap(CentredRect(layout.points[v], 20, 20), text))
        return what + " covers box " + std::to_string(v);
      if (near && v != number.vertex && DistanceToRect(layout.points[v], text) <= own)
        return what + " is no nearer its disc than disc " + std::to_string(v);
    }
    texts.push_back(text);
  }
  return "";
}

}  // namespace

TEST(VertexNumberPlacement, NumbersKeepClearOfTextsButtonsDiscsBoxesAndEachOther) {
  const std::vector<bool> all(21, true);
  int moved = 0;
  for (int n = 2; n <= 20; ++n) {
    const VertexLayout layout = CircleLayout({250, 250, 200}, n);
    const std::vector<PlacedNumber> numbers = PlaceVertexNumbers(layout, all, Sizes(n), KeepOut, 500, 500);
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(Fault(layout, numbers, Sizes(n), KeepOut), "") << n;
    for (const PlacedNumber& number : numbers) {
      const Point plain = VertexNumberPoint(layout, number.vertex);
      const Rect text = CentredRect(plain, Sizes(n)[number.vertex].width, 13);
      const bool blocked = Gap(Prompt, text) < 6;
      // Only a number in the way moves.
      EXPECT_EQ(number.centre == plain, !blocked) << n << " " << number.vertex;
      moved += !(number.centre == plain);
    }
  }
  EXPECT_GE(moved, 2);  // at least at 15 and 18 vertices the prompt was in the way

  // Drawn on the whole picture, as the window does a tree too wide for the band between the buttons,
  // discs may lie under the buttons: there numbers only cover nothing.
  for (const auto& edges :
       {StarEdges(20), PathEdges(20), std::vector<Edge>{{1, 2}, {1, 3}, {1, 4}, {4, 5}}}) {
    const int n = static_cast<int>(edges.size()) + 1;
    const VertexLayout layout = TreeLayout(n, edges);
    EXPECT_EQ(
        Fault(layout, PlaceVertexNumbers(layout, all, Sizes(n), KeepOut, 500, 500), Sizes(n), KeepOut, false),
        "")
        << n;
  }

  // Every shape in every drawing, with the value squares of all edges shown.
  for (int n = 2; n <= 20; ++n) {
    for (const auto& [shape, edges] : {std::pair{"path", PathEdges(n)}, std::pair{"star", StarEdges(n)},
                                       std::pair{"scattered tree", ScatteredEdges(n)}}) {
      for (const auto& [drawing, layout] : {std::pair{"circle", CircleLayout({250, 250, 200}, n)},
                                            std::pair{"tree", WindowTreeShape(n, edges)}}) {
        std::vector<Rect> keepOut = KeepOut;
        for (const Rect& square : EdgeValueSquares(layout, edges)) keepOut.push_back(square);
        const std::vector<PlacedNumber> numbers =
            PlaceVertexNumbers(layout, all, Sizes(n), keepOut, 500, 500);
        ASSERT_EQ(numbers.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(Fault(layout, numbers, Sizes(n), keepOut), "")
            << shape << " of " << n << " on the " << drawing;
      }
    }
  }

  // A hidden vertex neither gets a number nor blocks one.
  std::vector<bool> some(21, false);
  some[1] = true;
  const std::vector<PlacedNumber> one =
      PlaceVertexNumbers(CircleLayout({250, 250, 200}, 6), some, Sizes(6), {}, 500, 500);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].centre, (Point{477, 250}));
}

TEST(VertexNumberPlacement, WithNoClearPlaceANumberStillCoversNothing) {
  // A corridor below the vertex too low for a number to keep its clearance from both sides; the
  // number point lies on the upper side.
  const std::vector<Rect> keepOut = {{0, 0, 500, 250}, {0, 274, 500, 500}};
  std::vector<bool> some(21, false);
  some[1] = true;
  const VertexLayout layout = CircleLayout({250, 250, 200}, 6);
  const std::vector<PlacedNumber> one = PlaceVertexNumbers(layout, some, Sizes(6), keepOut, 500, 500);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(Fault(layout, one, Sizes(6), keepOut, false), "");
  // Of the places short of the clearance, one short by the least: a pixel.
  const Rect text = CentredRect(one[0].centre, 7, 13);
  EXPECT_GE(std::min(Gap(keepOut[0], text), Gap(keepOut[1], text)), 5);
}
