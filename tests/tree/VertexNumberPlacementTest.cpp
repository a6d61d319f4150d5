#include <gtest/gtest.h>

#include <cmath>

#include "support/TestTrees.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeLayout.h"
#include "tree/VertexNumberPlacement.h"

namespace {

// The window's fixed texts and buttons over the tree picture, in its coordinates: the prompt, the
// vertex count, "Dozadu", "Dopredu" and "ENTER".
const Rect Prompt{8, 13, 231, 26};
const std::vector<Rect> KeepOut = {
    Prompt, {8, 480, 109, 493}, {368, 8, 425, 33}, {432, 8, 489, 33}, {432, 464, 491, 489}};

// Arial at 10 px as Liberation Sans sets it.
std::vector<TextSize> Sizes(int n) {
  std::vector<TextSize> sizes(n + 1);
  for (int v = 1; v <= n; ++v) sizes[v] = {v < 10 ? 6 : 11, 11};
  return sizes;
}

std::string Fault(const VertexLayout& layout, const std::vector<PlacedNumber>& numbers,
                  const std::vector<TextSize>& sizes) {
  std::vector<Rect> texts;
  for (const PlacedNumber& number : numbers) {
    const Rect text = CentredRect(number.centre, sizes[number.vertex].width, sizes[number.vertex].height);
    const std::string what = "number " + std::to_string(number.vertex);
    if (text.left < 2 || text.top < 2 || text.right > 498 || text.bottom > 498)
      return what + " leaves the picture";
    for (const Rect& r : KeepOut)
      if (Overlap(r, text)) return what + " covers a fixed text";
    for (const Rect& r : texts)
      if (Overlap(r, text)) return what + " covers another";
    for (int v = 1; v <= layout.n; ++v) {
      if (DistanceToRect(layout.points[v], text) < 17) return what + " touches disc " + std::to_string(v);
      if (Overlap(CentredRect(layout.points[v], 20, 20), text))
        return what + " covers box " + std::to_string(v);
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
    EXPECT_EQ(Fault(layout, numbers, Sizes(n)), "") << n;
    for (const PlacedNumber& number : numbers) {
      const Point plain = VertexNumberPoint(layout, number.vertex);
      const bool blocked = Overlap(Prompt, CentredRect(plain, Sizes(n)[number.vertex].width, 11));
      // Only a number in the way moves.
      EXPECT_EQ(number.centre == plain, !blocked) << n << " " << number.vertex;
      moved += !(number.centre == plain);
    }
  }
  EXPECT_GE(moved, 2);  // at least at 15 and 18 vertices the prompt was in the way

  for (const auto& edges :
       {StarEdges(20), PathEdges(20), std::vector<Edge>{{1, 2}, {1, 3}, {1, 4}, {4, 5}}}) {
    const int n = static_cast<int>(edges.size()) + 1;
    const VertexLayout layout = TreeLayout(n, edges);
    EXPECT_EQ(Fault(layout, PlaceVertexNumbers(layout, all, Sizes(n), KeepOut, 500, 500), Sizes(n)), "") << n;
  }

  // A hidden vertex neither gets a number nor blocks one.
  std::vector<bool> some(21, false);
  some[1] = true;
  const std::vector<PlacedNumber> one =
      PlaceVertexNumbers(CircleLayout({250, 250, 200}, 6), some, Sizes(6), {}, 500, 500);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].centre, (Point{477, 250}));
}
