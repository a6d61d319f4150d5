#include "tree/VertexNumberPlacement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The number point's distance from the vertex, how much further a number may go, and how far round.
constexpr int NumberDistance = DiscRadius + 12;
constexpr int MaxFurther = 40;
constexpr int TurnStepDegrees = 10;

struct Try {
  double further;
  double turn;  // radians
  double cost;
};

// Moving out 1 px costs as much as turning 2 degrees, so a number first slides a little along its
// ray, then swings beside its disc.
std::vector<Try> Tries() {
  std::vector<Try> tries;
  for (int further = 0; further <= MaxFurther; further += 2) {
    for (int degrees = -180; degrees < 180; degrees += TurnStepDegrees) {
      tries.push_back({static_cast<double>(further), degrees * std::numbers::pi / 180,
                       further + std::abs(degrees) / 2.0 + (degrees < 0 ? 0.1 : 0)});
    }
  }
  std::stable_sort(tries.begin(), tries.end(), [](const Try& a, const Try& b) { return a.cost < b.cost; });
  return tries;
}

}  // namespace

std::vector<PlacedNumber> PlaceVertexNumbers(const VertexLayout& layout, const std::vector<bool>& shown,
                                             const std::vector<TextSize>& sizes,
                                             const std::vector<Rect>& keepOut, int width, int height) {
  auto isShown = [&](int v) { return layout.Has(v) && v < static_cast<int>(shown.size()) && shown[v]; };
  const Rect interior = PictureInterior(width, height);
  const std::vector<Try> tries = Tries();
  std::vector<PlacedNumber> placed;
  std::vector<Rect> taken;
  for (int v = 1; v <= layout.n; ++v) {
    if (!isShown(v)) continue;
    const TextSize size = v < static_cast<int>(sizes.size()) ? sizes[v] : TextSize{};
    auto clear = [&](const Rect& text) {
      if (!Contains(interior, text)) return false;
      for (const Rect& r : keepOut)
        if (Overlap(r, text)) return false;
      for (const Rect& r : taken)
        if (Overlap(r, text)) return false;
      for (int w = 1; w <= layout.n; ++w) {
        if (!isShown(w)) continue;
        if (DistanceToRect(layout.points[w], text) < DiscReach || Overlap(BoxRect(layout, w), text))
          return false;
      }
      return true;
    };
    Point centre = VertexNumberPoint(layout, v);
    for (const Try& t : tries) {
      const PointF d = layout.outward[v];
      const PointF turned{d.x * std::cos(t.turn) - d.y * std::sin(t.turn),
                          d.x * std::sin(t.turn) + d.y * std::cos(t.turn)};
      const double reach = NumberDistance + t.further;
      const Point candidate =
          t.further == 0 && t.turn == 0
              ? VertexNumberPoint(layout, v)
              : Point{static_cast<int>(std::lround(layout.exact[v].x + reach * turned.x)),
                      static_cast<int>(std::lround(layout.exact[v].y + reach * turned.y))};
      if (clear(CentredRect(candidate, size.width, size.height))) {
        centre = candidate;
        break;
      }
    }
    placed.push_back({v, centre});
    taken.push_back(CentredRect(centre, size.width, size.height));
  }
  return placed;
}
