#include "tree/VertexNumberPlacement.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace {

// The number point's distance from the vertex, how much further a number may go, and how far round.
constexpr int NumberDistance = DiscRadius + 12;
constexpr int MaxFurther = 40;
constexpr int TurnStepDegrees = 10;
// A number only a few pixels nearer its own disc than another still reads as standing between them.
constexpr int NearerBy = 10;

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

Rect Grown(const Rect& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// How far r and s would have to part along one axis to stop overlapping; 0 if they do not.
int Depth(const Rect& r, const Rect& s) {
  if (!Overlap(r, s)) return 0;
  return std::min(std::min(r.right, s.right) - std::max(r.left, s.left),
                  std::min(r.bottom, s.bottom) - std::max(r.top, s.top));
}

// What is wrong with a place, worst first: whether the text leaves the frame, how many things it
// covers, how many it crowds (too close to a keep-out rectangle, or not clearly nearer its own disc
// than another), and by how many pixels in all. A clear place is all zero.
struct Badness {
  bool outside = false;
  int covered = 0;
  int crowded = 0;
  double shortfall = 0;

  void Cover(double by) {
    if (by <= 0) return;
    ++covered;
    shortfall += by;
  }
  void Crowd(double by) {
    if (by <= 0) return;
    ++crowded;
    shortfall += by;
  }
  bool Clear() const { return !outside && covered == 0 && crowded == 0; }
  friend bool operator<(const Badness& a, const Badness& b) {
    return std::tie(a.outside, a.covered, a.crowded, a.shortfall) <
           std::tie(b.outside, b.covered, b.crowded, b.shortfall);
  }
};

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
    auto badness = [&](const Rect& text) {
      Badness bad;
      bad.outside = !Contains(interior, text);
      for (const Rect& r : keepOut) {
        const int depth = Depth(Grown(r, KeepOutClearance), text);
        Overlap(r, text) ? bad.Cover(depth) : bad.Crowd(depth);
      }
      for (const Rect& r : taken) bad.Cover(Depth(r, text));
      const double own = DistanceToRect(layout.points[v], text);
      for (int w = 1; w <= layout.n; ++w) {
        if (!isShown(w)) continue;
        const double distance = DistanceToRect(layout.points[w], text);
        bad.Cover(DiscReach - distance);
        bad.Cover(Depth(BoxRect(layout, w), text));
        if (w != v) bad.Crowd(own + NearerBy - distance);
      }
      return bad;
    };
    Point best = VertexNumberPoint(layout, v);
    Badness leastBad;
    bool first = true;
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
      const Badness bad = badness(CentredRect(candidate, size.width, size.height));
      if (first || bad < leastBad) {
        best = candidate;
        leastBad = bad;
        first = false;
      }
      if (bad.Clear()) break;
    }
    placed.push_back({v, best});
    taken.push_back(CentredRect(best, size.width, size.height));
  }
  return placed;
}
