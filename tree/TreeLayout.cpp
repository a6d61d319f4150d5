#include "tree/TreeLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "tree/LayoutClearance.h"
#include "tree/RootedForest.h"

namespace {

constexpr int Margin = DiscReach + 3;
// Centres of neighbours in a row, and of vertices in successive rows, at least this far apart.
constexpr double MinUnit = 2 * DiscReach + 2;
constexpr double MinGap = 2 * DiscReach + 2;
// An edge keeps this far from every third vertex.
constexpr double EdgeClearance = DiscReach + 1;
// How far each vertex of a chain steps aside when its edges are too short for their squares.

struct Frame {
  int width;
  int height;
  double AvailableWidth() const { return width - 2.0 * Margin; }
  double AvailableHeight() const { return height - 2.0 * Margin; }
};

// Positions in units: neighbours in a row one unit apart, or half a unit for two sibling leaves of
// a crowded row, which then go to different sub-rows.
class TidyLayout {
 public:
  TidyLayout(const RootedForest& forest, const std::vector<bool>& crowded)
      : forest_(forest), crowded_(crowded), x_(forest.children.size(), 0.0) {
    Place(0);
  }
  const std::vector<double>& X() const { return x_; }

 private:
  double Separation(int left, int right) const {
    const int d = forest_.depth[left];
    // Sub-rows spread away from their own parent, so only siblings may share the room.
    return crowded_[d] && forest_.IsLeaf(left) && forest_.IsLeaf(right) &&
                   forest_.parent[left] == forest_.parent[right]
               ? 0.5
               : 1.0;
  }

  void Shift(const std::vector<int>& nodes, double by) {
    for (int v : nodes) x_[v] += by;
  }

  // Places v's subtree with v at 0; gives its nodes.
  std::vector<int> Place(int v) {
    std::vector<int> placed;
    const std::vector<int>& children = forest_.children[v];
    for (std::size_t i = 0; i < children.size(); ++i) {
      std::vector<int> subtree = Place(children[i]);
      if (i > 0) {
        // Right far enough that at every depth both have, it clears what is already placed.
        double shift = -std::numeric_limits<double>::infinity();
        for (int d = 0; d <= forest_.maxDepth; ++d) {
          int right = -1;
          int left = -1;
          for (int u : placed)
            if (forest_.depth[u] == d && (right < 0 || x_[u] > x_[right])) right = u;
          for (int u : subtree)
            if (forest_.depth[u] == d && (left < 0 || x_[u] < x_[left])) left = u;
          if (right >= 0 && left >= 0)
            shift = std::max(shift, x_[right] + Separation(right, left) - x_[left]);
        }
        Shift(subtree, shift);
      }
      placed.insert(placed.end(), subtree.begin(), subtree.end());
    }
    if (!children.empty()) Shift(placed, -(x_[children.front()] + x_[children.back()]) / 2);
    x_[v] = 0;
    placed.push_back(v);
    return placed;
  }

  const RootedForest& forest_;
  const std::vector<bool>& crowded_;
  std::vector<double> x_;
};

struct Rows {
  std::vector<bool> crowded;  // by depth
  std::vector<double> units;  // by vertex
  std::vector<bool> lower;    // by vertex: in the lower sub-row of its layer
};

std::vector<int> LayerInOrder(const RootedForest& forest, const std::vector<double>& units, int d) {
  std::vector<int> layer;
  for (int v = 1; v < static_cast<int>(units.size()); ++v)
    if (forest.depth[v] == d) layer.push_back(v);
  std::stable_sort(layer.begin(), layer.end(), [&](int a, int b) { return units[a] < units[b]; });
  return layer;
}

// Crowds the layers with most neighbouring leaves, one by one, until the rows fit the width.
Rows ArrangeRows(const RootedForest& forest, const Frame& frame) {
  Rows rows;
  rows.crowded.assign(forest.maxDepth + 1, false);
  for (;;) {
    rows.units = TidyLayout(forest, rows.crowded).X();
    const auto [lo, hi] = std::minmax_element(rows.units.begin() + 1, rows.units.end());
    if (*hi - *lo <= 0 || frame.AvailableWidth() / (*hi - *lo) >= MinUnit) break;
    int best = -1;
    int bestPairs = 0;
    for (int d = 0; d <= forest.maxDepth; ++d) {
      if (rows.crowded[d]) continue;
      const std::vector<int> layer = LayerInOrder(forest, rows.units, d);
      int pairs = 0;
      for (std::size_t i = 1; i < layer.size(); ++i)
        pairs += forest.IsLeaf(layer[i - 1]) && forest.IsLeaf(layer[i]);
      if (pairs > bestPairs) {
        best = d;
        bestPairs = pairs;
      }
    }
    if (best < 0) break;
    rows.crowded[best] = true;
  }
  rows.lower.assign(rows.units.size(), false);
  for (int d = 0; d <= forest.maxDepth; ++d) {
    if (!rows.crowded[d]) continue;
    const std::vector<int> layer = LayerInOrder(forest, rows.units, d);
    for (std::size_t i = 1; i < layer.size(); ++i) {
      const int v = layer[i];
      const int before = layer[i - 1];
      rows.lower[v] = forest.IsLeaf(v) && forest.IsLeaf(before) && !rows.lower[before] &&
                      rows.units[v] - rows.units[before] < 0.75;
    }
  }
  return rows;
}

struct Placement {
  std::vector<double> rowX;  // where the edge from the parent meets the layer's upper row
  std::vector<double> x;
  std::vector<double> y;
  std::vector<double> rowTop;  // by depth
};

class Builder {
 public:
  // zigzag: how far each vertex of a chain steps aside when its edges are too short for their
  // squares (0 for straight chains).
  Builder(const RootedForest& forest, const Rows& rows, const Frame& frame, double subRow, double zigzag)
      : forest_(forest), rows_(rows), frame_(frame), subRow_(subRow), zigzag_(zigzag) {}

  Placement Build() {
    const int depth = forest_.maxDepth;
    int crowdedCount = 0;
    for (bool c : rows_.crowded) crowdedCount += c;
    const double total = frame_.AvailableHeight() - subRow_ * crowdedCount;
    std::vector<double> gaps(depth + 1, depth > 0 ? total / depth : 0);
    Placement placement = Place(gaps);
    for (int round = 0; round < 4 && depth > 0; ++round) {
      std::vector<double> needed(depth + 1, 0);
      for (int d = 1; d <= depth; ++d) needed[d] = NeededGap(placement, d, total);
      gaps = FillHeight(needed, total);
      placement = Place(gaps);
    }
    return placement;
  }

 private:
  // The x of a lower sub-row leaf: its edge passes its row's upper line between the neighbours there.
  double Projected(const Placement& p, int v, double parentX, double fall) const {
    return parentX + (p.rowX[v] - parentX) * (fall + subRow_) / fall;
  }

  Placement Place(const std::vector<double>& gaps) const {
    const int count = static_cast<int>(rows_.units.size());
    const int depth = forest_.maxDepth;
    Placement p{std::vector<double>(count), std::vector<double>(count), std::vector<double>(count),
                std::vector<double>(depth + 1)};
    const auto [lo, hi] = std::minmax_element(rows_.units.begin() + 1, rows_.units.end());
    const double unit = *hi > *lo ? frame_.AvailableWidth() / (*hi - *lo) : 0;
    double top = depth > 0 ? Margin : frame_.height / 2.0 - (rows_.crowded[0] ? subRow_ / 2 : 0);
    for (int d = 0; d <= depth; ++d) {
      if (d > 0) top += gaps[d] + (rows_.crowded[d - 1] ? subRow_ : 0);
      p.rowTop[d] = top;
    }
    for (int v = 1; v < count; ++v) {
      p.rowX[v] = (rows_.units[v] - *lo) * unit;
      const int parent = forest_.parent[v];
      if (zigzag_ > 0 && parent != 0 && forest_.children[parent].size() == 1)
        p.rowX[v] += forest_.depth[v] % 2 ? zigzag_ : -zigzag_;
    }
    for (int v = 1; v < count; ++v) {
      const int d = forest_.depth[v];
      const int parent = forest_.parent[v];
      p.y[v] = p.rowTop[d] + (rows_.lower[v] ? subRow_ : 0);
      // Parents have children, so they sit in upper rows.
      p.x[v] = rows_.lower[v] && parent != 0 ? Projected(p, v, p.rowX[parent], p.rowTop[d] - p.rowTop[d - 1])
                                             : p.rowX[v];
    }
    FitWidth(p);
    return p;
  }

  // Squeezes the drawing into the width where sub-rows or zigzags widened it; centres it.
  void FitWidth(Placement& p) const {
    const auto [lo, hi] = std::minmax_element(p.x.begin() + 1, p.x.end());
    const double extent = *hi - *lo;
    const double scale = extent > frame_.AvailableWidth() ? frame_.AvailableWidth() / extent : 1.0;
    const double left = frame_.width / 2.0 - extent * scale / 2;
    const double from = *lo;
    for (std::size_t v = 1; v < p.x.size(); ++v) {
      p.x[v] = left + (p.x[v] - from) * scale;
      p.rowX[v] = left + (p.rowX[v] - from) * scale;
    }
  }

  // The least gap above layer d at which its edges keep clear of the vertices of both layers
  // and have room for their squares; `total` when none does.
  double NeededGap(const Placement& p, int d, double total) const {
    std::vector<int> near;
    for (int v = 1; v < static_cast<int>(p.x.size()); ++v)
      if (forest_.depth[v] == d || forest_.depth[v] == d - 1) near.push_back(v);
    const double above = rows_.crowded[d - 1] ? subRow_ : 0;
    for (double gap = MinGap; gap < total; gap += 1) {
      std::vector<PointF> at(p.x.size());
      for (int v : near) at[v] = {p.x[v], p.y[v] - p.rowTop[d - 1]};
      bool clear = true;
      for (int v : near) {
        if (forest_.depth[v] != d) continue;
        const double fall = above + gap;
        at[v].y = fall + (rows_.lower[v] ? subRow_ : 0);
        const int parent = forest_.parent[v];
        if (rows_.lower[v] && parent != 0) at[v].x = Projected(p, v, p.x[parent], fall - at[parent].y);
      }
      for (int v : near) {
        const int parent = forest_.parent[v];
        if (forest_.depth[v] != d || parent == 0) continue;
        const PointF a = at[parent];
        const PointF b = at[v];
        // The square at the midpoint clears both ends' discs.
        const double sx = std::max(std::abs(b.x - a.x) / 2 - ValueSquareSize / 2.0, 0.0);
        const double sy = std::max(std::abs(b.y - a.y) / 2 - ValueSquareSize / 2.0, 0.0);
        clear = clear && std::hypot(sx, sy) >= DiscReach + 1;
        for (int w : near)
          if (w != v && w != parent) clear = clear && DistanceToSegment(at[w], a, b) >= EdgeClearance;
      }
      if (clear) return gap;
    }
    return total;
  }

  // Every gap at least what it needs and the rest shared so that the small ones grow alike.
  static std::vector<double> FillHeight(const std::vector<double>& needed, double total) {
    double sum = 0;
    for (std::size_t d = 1; d < needed.size(); ++d) sum += needed[d];
    std::vector<double> gaps(needed.size(), 0);
    if (sum >= total) {
      for (std::size_t d = 1; d < needed.size(); ++d) gaps[d] = needed[d] * total / sum;
      return gaps;
    }
    double low = 0;
    double high = total;
    for (int i = 0; i < 60; ++i) {
      const double level = (low + high) / 2;
      double used = 0;
      for (std::size_t d = 1; d < needed.size(); ++d) used += std::max(needed[d], level);
      (used > total ? high : low) = level;
    }
    for (std::size_t d = 1; d < needed.size(); ++d) gaps[d] = std::max(needed[d], low);
    return gaps;
  }

  const RootedForest& forest_;
  const Rows& rows_;
  const Frame& frame_;
  double subRow_;
  double zigzag_;
};

// The free side of each vertex: the middle of the widest angle between its edges.
PointF Outward(const VertexLayout& layout, const std::vector<int>& neighbours, int v) {
  std::vector<double> angles;
  for (int w : neighbours)
    angles.push_back(
        std::atan2(layout.exact[w].y - layout.exact[v].y, layout.exact[w].x - layout.exact[v].x));
  if (angles.empty()) return {1, 0};
  std::sort(angles.begin(), angles.end());
  double bestGap = -1;
  double bestMiddle = 0;
  for (std::size_t i = 0; i < angles.size(); ++i) {
    const double next = i + 1 < angles.size() ? angles[i + 1] : angles[0] + 2 * std::numbers::pi;
    if (next - angles[i] > bestGap) {
      bestGap = next - angles[i];
      bestMiddle = (angles[i] + next) / 2;
    }
  }
  return {std::cos(bestMiddle), std::sin(bestMiddle)};
}

VertexLayout MakeLayout(const RootedForest& forest, const Placement& p, const std::vector<Edge>& edges,
                        const Frame& frame) {
  VertexLayout layout;
  layout.n = static_cast<int>(p.x.size()) - 1;
  layout.exact.resize(layout.n + 1);
  layout.points.resize(layout.n + 1);
  layout.outward.resize(layout.n + 1);
  for (int v = 1; v <= layout.n; ++v) {
    layout.exact[v] = {p.x[v], p.y[v]};
    layout.points[v] = {static_cast<int>(std::nearbyint(p.x[v])), static_cast<int>(std::nearbyint(p.y[v]))};
  }
  for (int v = 1; v <= layout.n; ++v) layout.outward[v] = Outward(layout, forest.neighbours[v], v);
  layout.anchorRule = AnchorRule::Chosen;
  layout.anchors = ChooseValueAnchors(layout, edges, frame.width, frame.height);
  return layout;
}

VertexLayout BandLayout(int n, const std::vector<Edge>& edges, int width, int height) {
  n = std::clamp(n, 0, MaxVertices);
  if (n == 0) return {};
  const Frame frame{width, height};
  const RootedForest forest = RootAtCentres(n, edges);
  const Rows rows = ArrangeRows(forest, frame);
  const bool crowded = std::find(rows.crowded.begin(), rows.crowded.end(), true) != rows.crowded.end();
  VertexLayout best;
  int fewest = std::numeric_limits<int>::max();
  // Plain rows first; chains that step aside and deeper sub-rows only where they collide.
  // In a low band the chains need a wider step.
  for (double zigzag : {0.0, 18.0, 30.0}) {
    for (double subRow : {38.0, 46.0, 56.0}) {
      const VertexLayout layout =
          MakeLayout(forest, Builder(forest, rows, frame, subRow, zigzag).Build(), edges, frame);
      const int collisions = CountCollisions(layout, edges, width, height);
      if (collisions < fewest) {
        best = layout;
        fewest = collisions;
      }
      if (fewest == 0) return best;
      if (!crowded) break;
    }
  }
  return best;
}

}  // namespace

VertexLayout TreeLayout(int n, const std::vector<Edge>& edges, int width, int height, int top) {
  VertexLayout layout = BandLayout(n, edges, width, height);
  for (int v = 1; v <= layout.n; ++v) {
    layout.exact[v].y += top;
    layout.points[v].y += top;
  }
  for (EdgeAnchor& anchor : layout.anchors) anchor.at.y += top;
  return layout;
}
