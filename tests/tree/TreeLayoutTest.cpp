#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "support/TestTrees.h"
#include "tree/RandomTree.h"
#include "tree/TreeLayout.h"

namespace {

Edge E(int a, int b) { return {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)}; }

// Path 1..spine, and on spine vertex k the next `leaves[k-1]` vertices as leaves.
std::vector<Edge> Caterpillar(const std::vector<int>& leaves) {
  const int spine = static_cast<int>(leaves.size());
  std::vector<Edge> edges = PathEdges(spine);
  int next = spine + 1;
  for (int k = 1; k <= spine; ++k)
    for (int i = 0; i < leaves[k - 1]; ++i) edges.push_back(E(k, next++));
  return edges;
}

std::vector<std::vector<int>> Distances(int n, const std::vector<Edge>& edges) {
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(n + 1, 100));
  for (int v = 1; v <= n; ++v) d[v][v] = 0;
  for (const Edge& e : edges) d[e.a][e.b] = d[e.b][e.a] = 1;
  for (int k = 1; k <= n; ++k)
    for (int i = 1; i <= n; ++i)
      for (int j = 1; j <= n; ++j) d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
  return d;
}

double ToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// Squares and boxes as the pixels they cover: [x - h, x + h) on both axes.
bool Overlap(Point p, int hp, Point q, int hq) {
  return std::abs(p.x - q.x) < hp + hq && std::abs(p.y - q.y) < hp + hq;
}

double ToSquare(Point p, Point centre, int half) {
  const double dx = std::max({centre.x - half - p.x, 0, p.x - (centre.x + half - 1)});
  const double dy = std::max({centre.y - half - p.y, 0, p.y - (centre.y + half - 1)});
  return std::hypot(dx, dy);
}

bool Inside(Point p, int reach) {
  return p.x - reach >= 2 && p.y - reach >= 2 && p.x + reach <= 497 && p.y + reach <= 497;
}

// What no drawing may do; gives the first fault found.
std::string Fault(const VertexLayout& layout, const std::vector<Edge>& edges) {
  const std::vector<Point>& p = layout.points;
  for (int v = 1; v <= layout.n; ++v) {
    if (!Inside(p[v], 17)) return "disc " + std::to_string(v) + " leaves the picture";
    for (int w = v + 1; w <= layout.n; ++w) {
      if (std::hypot(p[v].x - p[w].x, p[v].y - p[w].y) < 34) return "discs overlap";
      if (Overlap(p[v], 10, p[w], 10)) return "boxes overlap";
    }
  }
  const std::vector<PointF> anchors = ValueSquareAnchors(layout, edges);
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const Edge& e = edges[k];
    const Point square{static_cast<int>(std::nearbyint(anchors[k].x)),
                       static_cast<int>(std::nearbyint(anchors[k].y))};
    if (!Inside(square, 8)) return "square leaves the picture";
    if (ToSegment(square, p[e.a], p[e.b]) > 1) return "square off its edge";
    for (int v = 1; v <= layout.n; ++v) {
      if (v != e.a && v != e.b && ToSegment(p[v], p[e.a], p[e.b]) < 17)
        return "edge " + std::to_string(e.a) + "-" + std::to_string(e.b) + " crosses disc " +
               std::to_string(v);
      if (ToSquare(p[v], square, 8) < 17 || Overlap(p[v], 10, square, 8))
        return "square of " + std::to_string(e.a) + "-" + std::to_string(e.b) + " under vertex " +
               std::to_string(v);
    }
  }
  return "";
}

// The root is the centre, each child lies below its parent and siblings go left to right by number.
std::string ShapeFault(const VertexLayout& layout, int n, const std::vector<Edge>& edges) {
  const auto d = Distances(n, edges);
  int root = 0;
  int radius = 100;
  for (int v = 1; v <= n; ++v) {
    const int eccentricity = *std::max_element(d[v].begin() + 1, d[v].end());
    if (eccentricity < radius) root = v, radius = eccentricity;
  }
  std::vector<int> parent(n + 1, 0);
  for (const Edge& e : edges) {
    const bool aUpper = d[root][e.a] < d[root][e.b];
    parent[aUpper ? e.b : e.a] = aUpper ? e.a : e.b;
  }
  // Siblings in two sub-rows: compare where their edges cross the upper one.
  auto crossing = [&](int v, double y) {
    const PointF p = layout.exact[parent[v]], c = layout.exact[v];
    return p.x + (c.x - p.x) * (y - p.y) / (c.y - p.y);
  };
  for (int v = 1; v <= n; ++v) {
    if (v != root && layout.exact[v].y <= layout.exact[root].y) return "root not on top";
    for (int w = v + 1; w <= n; ++w) {
      if (v == root || parent[v] != parent[w]) continue;
      const double y = std::min(layout.exact[v].y, layout.exact[w].y);
      if (crossing(v, y) >= crossing(w, y)) return "siblings out of order";
    }
  }
  for (const Edge& e : edges) {
    const auto [upper, lower] = d[root][e.a] < d[root][e.b] ? std::pair(e.a, e.b) : std::pair(e.b, e.a);
    if (layout.exact[lower].y <= layout.exact[upper].y) return "child not below its parent";
  }
  return "";
}

}  // namespace

TEST(TreeLayout, DiscsBoxesEdgesAndSquaresKeepClearInThePicture) {
  std::vector<std::pair<std::string, std::vector<Edge>>> trees = {
      {"path 2", PathEdges(2)},
      {"path 3", PathEdges(3)},
      {"path 20", PathEdges(20)},
      {"star 20", StarEdges(20)},
      {"star 12", StarEdges(12)},
      {"comb 20", Caterpillar(std::vector<int>(10, 1))},
      {"broom 20 handle 2", Caterpillar({0, 18})},
      {"broom 20 handle 5", Caterpillar({0, 0, 0, 0, 15})},
      {"broom 20 handle 10", Caterpillar({0, 0, 0, 0, 0, 0, 0, 0, 0, 10})},
      {"double broom", Caterpillar({7, 0, 0, 0, 8})},
      {"caterpillar", Caterpillar({3, 0, 4, 1, 0, 5})},
      {"spider",
       {E(1, 2), E(2, 3), E(1, 4), E(4, 5), E(1, 6), E(6, 7), E(1, 8), E(8, 9), E(1, 10), E(10, 11)}},
  };
  std::mt19937 random(20240611);
  for (int n = 2; n <= 20; ++n) {
    for (int i = 0; i < 40; ++i) {
      // Entries from a few vertices give stars and brooms, from all of them uniform trees.
      const int alphabet = 1 + static_cast<int>(random() % n);
      std::vector<int> sequence;
      for (int k = 0; k < n - 2; ++k) sequence.push_back(1 + static_cast<int>(random() % alphabet));
      trees.push_back(
          {"random " + std::to_string(n) + " #" + std::to_string(i), PruferTreeEdges(n, sequence)});
    }
  }
  for (const auto& [name, edges] : trees) {
    const int n = static_cast<int>(edges.size()) + 1;
    const VertexLayout layout = TreeLayout(n, edges);
    ASSERT_EQ(layout.n, n) << name;
    EXPECT_EQ(Fault(layout, edges), "") << name;
    EXPECT_EQ(ShapeFault(layout, n, edges), "") << name;
    // The band the window leaves between the buttons at the top and ENTER at the bottom.
    const VertexLayout band = TreeLayout(n, edges, 500, 431, 33);
    EXPECT_EQ(Fault(band, edges), "") << name << " in the band";
    for (int v = 1; v <= n; ++v) {
      EXPECT_GE(band.points[v].y - DiscReach, 33) << name;
      EXPECT_LE(band.points[v].y + DiscReach, 464) << name;
    }
  }
  // A bicentre roots the tree at its lower end.
  const VertexLayout path = TreeLayout(4, {E(4, 3), E(3, 2), E(2, 1)});
  EXPECT_LT(path.exact[2].y, path.exact[3].y);
}

TEST(TreeLayout, GraphsThatAreNoTreesStillGetADrawing) {
  const std::vector<std::pair<int, std::vector<Edge>>> graphs = {
      {5, {E(1, 2), E(2, 3), E(3, 1), E(4, 5)}},
      {6, {E(1, 2), E(2, 3), E(3, 4), E(4, 1), E(5, 6)}},
      {7, {E(1, 2), E(2, 3), E(3, 1), E(4, 5), E(5, 6), E(6, 4)}},
      {4, {E(1, 2), E(1, 2), E(3, 3), E(0, 4), E(9, 1)}},
      {1, {}},
  };
  for (const auto& [n, edges] : graphs) {
    const VertexLayout layout = TreeLayout(n, edges);
    ASSERT_EQ(layout.n, n);
    for (int v = 1; v <= n; ++v) {
      EXPECT_TRUE(Inside(layout.points[v], 17)) << n << " " << v;
      for (int w = v + 1; w <= n; ++w)
        EXPECT_GE(std::hypot(layout.exact[v].x - layout.exact[w].x, layout.exact[v].y - layout.exact[w].y),
                  34);
    }
  }
}
