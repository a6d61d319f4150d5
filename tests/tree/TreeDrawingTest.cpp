#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/RecordingCanvas.h"
#include "tree/TreeDrawing.h"

namespace {

const LayoutCircle Circle{250, 250, 200};

std::vector<Point> Points(int n) {
  std::vector<Point> points;
  for (int v = 1; v <= n; ++v) points.push_back(VertexPoint(Circle, n, v));
  return points;
}

}  // namespace

TEST(TreeDrawing, VertexPointsGoCounterClockwiseFromTheRight) {
  EXPECT_EQ(Points(3), (std::vector<Point>{{450, 250}, {150, 77}, {150, 423}}));
  EXPECT_EQ(Points(5), (std::vector<Point>{{450, 250}, {312, 60}, {88, 132}, {88, 368}, {312, 440}}));
  EXPECT_EQ(Points(6),
            (std::vector<Point>{{450, 250}, {350, 77}, {150, 77}, {50, 250}, {150, 423}, {350, 423}}));
  const std::vector<Point> twenty = Points(20);
  EXPECT_EQ(twenty[5], (Point{250, 50}));
  EXPECT_EQ(twenty[10], (Point{50, 250}));
  EXPECT_EQ(twenty[15], (Point{250, 450}));
  // Vertices v and 22 - v mirror each other across the horizontal diameter.
  for (int v = 2; v <= 20; ++v) {
    EXPECT_EQ(twenty[v - 1].x, twenty[20 - v + 1].x) << v;
    EXPECT_EQ(twenty[v - 1].y, 500 - twenty[20 - v + 1].y) << v;
  }
}

TEST(TreeDrawing, BoxesSitOnTheirVerticesAndOnlyUpToN) {
  const std::vector<BoxPlacement> boxes = PlaceVertexBoxes(Circle, 3, {88, 8});
  ASSERT_EQ(boxes.size(), 21u);
  EXPECT_EQ(boxes[1].topLeft, (Point{528, 248}));
  EXPECT_EQ(boxes[2].topLeft, (Point{228, 75}));
  EXPECT_EQ(boxes[3].topLeft, (Point{228, 421}));
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(boxes[k].visible, k <= 3) << k;

  std::vector<bool> shown(21, true);
  shown[2] = false;
  const std::vector<BoxPlacement> some = VertexBoxPlacements(Circle, 4, {88, 8}, shown);
  for (int k = 1; k <= 20; ++k) EXPECT_EQ(some[k].visible, k == 1 || k == 3 || k == 4) << k;
}

TEST(TreeDrawing, OutlineClearsThenDrawsEveryDiscBeforeAnyLine) {
  RecordingCanvas canvas(500, 500);
  DrawTreeOutline(canvas, Circle, 4, {1, 2, 4}, {{4, 2}, {1, 2}});
  const std::vector<std::string> shapes = [&] {
    std::vector<std::string> kept;
    for (const std::string& call : canvas.calls) {
      if (call.starts_with("Rectangle") || call.starts_with("Ellipse") || call.starts_with("MoveTo") ||
          call.starts_with("LineTo") || call.starts_with("FloodFill"))
        kept.push_back(call);
    }
    return kept;
  }();
  const std::vector<std::string> expected = {
      "Rectangle(1,1,499,499)",   "FloodFill(10,10,0xFFFFFF,Surface)",
      "Ellipse(435,235,465,265)", "FloodFill(450,250,0x000000,Surface)",
      "Ellipse(235,35,265,65)",   "FloodFill(250,50,0x000000,Surface)",
      "Ellipse(235,435,265,465)", "FloodFill(250,450,0x000000,Surface)",
      "MoveTo(250,450)",          "LineTo(250,50)",
      "MoveTo(450,250)",          "LineTo(250,50)",
  };
  EXPECT_EQ(shapes, expected);
  EXPECT_EQ(canvas.CallsStartingWith("PenWidth"), (std::vector<std::string>{"PenWidth(1)", "PenWidth(3)"}));
}

TEST(TreeDrawing, CircleLayoutHoldsTheCirclesPointsAndNumberPoints) {
  for (int n = 1; n <= 20; ++n) {
    const VertexLayout layout = CircleLayout(Circle, n);
    ASSERT_EQ(layout.n, n);
    for (int v = 1; v <= n; ++v) {
      EXPECT_EQ(layout.points[v], VertexPoint(Circle, n, v)) << n << " " << v;
      EXPECT_EQ(layout.exact[v].x, ExactVertexPoint(Circle, n, v).x) << n << " " << v;
      EXPECT_EQ(layout.exact[v].y, ExactVertexPoint(Circle, n, v).y) << n << " " << v;
      // The number 27 px out on the ray through the vertex, as the window always put it.
      const double theta = 2.0 * (v - 1) * std::numbers::pi / n;
      const Point number{static_cast<int>(std::lround(250 + 227 * std::cos(theta))),
                         static_cast<int>(std::lround(250 - 227 * std::sin(theta)))};
      EXPECT_EQ(VertexNumberPoint(layout, v), number) << n << " " << v;
    }
  }
}
