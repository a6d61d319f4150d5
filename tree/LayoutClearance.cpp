#include "tree/LayoutClearance.h"

#include <algorithm>
#include <cmath>

namespace {

int Round(double x) { return static_cast<int>(std::nearbyint(x)); }

PointF ToF(Point p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

bool SquareIsClear(const VertexLayout& layout, const Rect& square, const Rect& interior) {
  if (!Contains(interior, square)) return false;
  for (int v = 1; v <= layout.n; ++v) {
    if (DistanceToRect(layout.points[v], square) < DiscReach || Overlap(square, BoxRect(layout, v)))
      return false;
  }
  return true;
}

}  // namespace

Rect CentredRect(Point centre, int width, int height) {
  const int left = centre.x - width / 2;
  const int top = centre.y - height / 2;
  return {left, top, left + width, top + height};
}

bool Overlap(const Rect& r, const Rect& s) {
  return r.left < s.right && s.left < r.right && r.top < s.bottom && s.top < r.bottom;
}

bool Contains(const Rect& outer, const Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

double DistanceToRect(Point p, const Rect& r) {
  const int dx = std::max({r.left - p.x, 0, p.x - (r.right - 1)});
  const int dy = std::max({r.top - p.y, 0, p.y - (r.bottom - 1)});
  return std::hypot(dx, dy);
}

double DistanceToSegment(PointF p, PointF a, PointF b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

Rect PictureInterior(int width, int height) { return {2, 2, width - 2, height - 2}; }

Rect BoxRect(const VertexLayout& layout, int v) { return CentredRect(layout.points[v], BoxSize, BoxSize); }

Rect ValueSquareRect(PointF anchor) {
  return CentredRect({Round(anchor.x), Round(anchor.y)}, ValueSquareSize, ValueSquareSize);
}

std::vector<EdgeAnchor> ChooseValueAnchors(const VertexLayout& layout, const std::vector<Edge>& edges,
                                           int width, int height) {
  const Rect interior = PictureInterior(width, height);
  std::vector<EdgeAnchor> chosen;
  std::vector<Rect> squares;
  for (const Edge& e : edges) {
    if (!layout.Has(e.a) || !layout.Has(e.b)) continue;
    const PointF u = layout.exact[e.a];
    const PointF v = layout.exact[e.b];
    const double length = std::hypot(v.x - u.x, v.y - u.y);
    // Steps of a pixel along the edge, alternately on either side of the midpoint.
    std::vector<PointF> tries;
    for (int step = 0; step <= length / 2; ++step) {
      for (int side : {1, -1}) {
        const double t = 0.5 + side * step / std::max(length, 1.0);
        tries.push_back({u.x + t * (v.x - u.x), u.y + t * (v.y - u.y)});
        if (step == 0) break;
      }
    }
    PointF at = tries.front();
    bool found = false;
    for (bool spareSquares : {true, false}) {
      for (const PointF& p : tries) {
        const Rect square = ValueSquareRect(p);
        if (!SquareIsClear(layout, square, interior)) continue;
        if (spareSquares &&
            std::any_of(squares.begin(), squares.end(), [&](const Rect& s) { return Overlap(s, square); }))
          continue;
        at = p;
        found = true;
        break;
      }
      if (found) break;
    }
    chosen.push_back({e.a, e.b, at});
    squares.push_back(ValueSquareRect(at));
  }
  return chosen;
}

int CountCollisions(const VertexLayout& layout, const std::vector<Edge>& edges, int width, int height) {
  const Rect interior = PictureInterior(width, height);
  int collisions = 0;
  for (int v = 1; v <= layout.n; ++v) {
    const Point p = layout.points[v];
    collisions += !Contains(interior, CentredRect(p, 2 * DiscReach + 1, 2 * DiscReach + 1));
    for (int w = v + 1; w <= layout.n; ++w) {
      const Point q = layout.points[w];
      collisions += std::hypot(p.x - q.x, p.y - q.y) < 2 * DiscReach;
    }
  }
  const std::vector<PointF> anchors = ValueSquareAnchors(layout, edges);
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const Edge& e = edges[k];
    if (!layout.Has(e.a) || !layout.Has(e.b)) continue;
    for (int v = 1; v <= layout.n; ++v) {
      if (v == e.a || v == e.b) continue;
      collisions += DistanceToSegment(ToF(layout.points[v]), ToF(layout.points[e.a]),
                                      ToF(layout.points[e.b])) < DiscReach;
    }
    collisions += !SquareIsClear(layout, ValueSquareRect(anchors[k]), interior);
  }
  return collisions;
}
