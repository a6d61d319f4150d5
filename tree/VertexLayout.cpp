#include "tree/VertexLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "tree/TreeDrawing.h"

namespace {

// Disc radius, then room for half a small number.
constexpr int NumberDistance = DiscRadius + 12;

bool IsDiameter(const Edge& e, int n) { return 2 * std::abs(e.a - e.b) == n; }

PointF Midpoint(PointF u, PointF v) { return {(u.x + v.x) / 2, (u.y + v.y) / 2}; }

}  // namespace

VertexLayout CircleLayout(const LayoutCircle& circle, int n) {
  VertexLayout layout;
  layout.n = std::clamp(n, 0, MaxVertices);
  layout.anchorRule = AnchorRule::CircleDiameters;
  layout.exact.resize(layout.n + 1);
  layout.points.resize(layout.n + 1);
  layout.outward.resize(layout.n + 1);
  for (int v = 1; v <= layout.n; ++v) {
    layout.exact[v] = ExactVertexPoint(circle, n, v);
    layout.points[v] = VertexPoint(circle, n, v);
    const double theta = 2.0 * (v - 1) * std::numbers::pi / n;
    layout.outward[v] = {std::cos(theta), -std::sin(theta)};
  }
  return layout;
}

std::vector<PointF> ValueSquareAnchors(const VertexLayout& layout, const std::vector<Edge>& edges) {
  const int n = layout.n;
  const auto diameterEdgeCount =
      std::count_if(edges.begin(), edges.end(), [n](const Edge& e) { return IsDiameter(e, n); });
  std::vector<PointF> anchors;
  for (const Edge& e : edges) {
    if (!layout.Has(e.a) || !layout.Has(e.b)) {
      anchors.push_back({});
      continue;
    }
    const PointF u = layout.exact[e.a];
    const PointF v = layout.exact[e.b];
    PointF at = Midpoint(u, v);
    if (layout.anchorRule == AnchorRule::CircleDiameters) {
      // Several diameters all cross the centre, so their squares move a quarter of the way out.
      if (IsDiameter(e, n) && diameterEdgeCount >= 2) at = {(3 * u.x + v.x) / 4, (3 * u.y + v.y) / 4};
    } else {
      for (const EdgeAnchor& anchor : layout.anchors) {
        if ((anchor.a == e.a && anchor.b == e.b) || (anchor.a == e.b && anchor.b == e.a)) at = anchor.at;
      }
    }
    anchors.push_back(at);
  }
  return anchors;
}

Point VertexNumberPoint(const VertexLayout& layout, int v) {
  if (!layout.Has(v)) return {};
  const PointF p = layout.exact[v];
  const PointF d = layout.outward[v];
  return {static_cast<int>(std::lround(p.x + NumberDistance * d.x)),
          static_cast<int>(std::lround(p.y + NumberDistance * d.y))};
}
