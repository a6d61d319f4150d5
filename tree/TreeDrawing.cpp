#include "tree/TreeDrawing.h"

#include <cmath>
#include <numbers>

LayoutCircle CircleForPicture(int width, int height) { return {width / 2, height / 2, 200}; }

namespace {

PointF PointOnRay(const LayoutCircle& circle, int n, int v, double radius) {
  const double theta = 2.0 * (v - 1) * std::numbers::pi / n;
  return {circle.CircleCentreX + radius * std::cos(theta), circle.CircleCentreY - radius * std::sin(theta)};
}

}  // namespace

PointF ExactVertexPoint(const LayoutCircle& circle, int n, int v) {
  return PointOnRay(circle, n, v, circle.CircleRadius);
}

Point VertexNumberPoint(const LayoutCircle& circle, int n, int v) {
  // Disc radius 15, then room for half a small number.
  const PointF p = PointOnRay(circle, n, v, circle.CircleRadius + 27);
  return {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))};
}

Point VertexPoint(const LayoutCircle& circle, int n, int v) {
  const double theta = 2.0 * (v - 1) * std::numbers::pi / n;
  // nearbyint rounds halves to even under the default rounding mode.
  return {circle.CircleCentreX + static_cast<int>(std::nearbyint(circle.CircleRadius * std::cos(theta))),
          circle.CircleCentreY - static_cast<int>(std::nearbyint(circle.CircleRadius * std::sin(theta)))};
}

void ClearTreePicture(Canvas& canvas) {
  canvas.SetPenColor(Colors::Black);
  canvas.SetPenWidth(1);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::White);
  canvas.Rectangle(1, 1, canvas.Width() - 1, canvas.Height() - 1);
  canvas.SetBrushColor(Colors::Aqua);
  canvas.FloodFill(10, 10, Colors::White, FillMode::Surface);
}

void DrawVertexDisc(Canvas& canvas, const LayoutCircle& circle, int n, int v) {
  const Point p = VertexPoint(circle, n, v);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Black);
  canvas.Ellipse(p.x - 15, p.y - 15, p.x + 15, p.y + 15);
  canvas.FloodFill(p.x, p.y, Colors::Black, FillMode::Surface);
}

void DrawTreeOutline(Canvas& canvas, const LayoutCircle& circle, int n, const std::vector<int>& vertices,
                     const std::vector<Edge>& edges) {
  ClearTreePicture(canvas);
  canvas.SetPenWidth(3);
  for (int v : vertices) DrawVertexDisc(canvas, circle, n, v);
  for (const Edge& e : edges) {
    const Point from = VertexPoint(circle, n, e.a);
    const Point to = VertexPoint(circle, n, e.b);
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
  }
}

std::vector<BoxPlacement> VertexBoxPlacements(const LayoutCircle& circle, int n, Point pictureOrigin,
                                              const std::vector<bool>& shown) {
  std::vector<BoxPlacement> boxes(MaxVertices + 1);
  for (int k = 1; k <= MaxVertices; ++k) {
    if (k > n || k >= static_cast<int>(shown.size()) || !shown[k]) continue;
    const Point p = VertexPoint(circle, n, k);
    boxes[k] = {true, {pictureOrigin.x + p.x - 10, pictureOrigin.y + p.y - 10}};
  }
  return boxes;
}

std::vector<BoxPlacement> PlaceVertexBoxes(const LayoutCircle& circle, int n, Point pictureOrigin) {
  return VertexBoxPlacements(circle, n, pictureOrigin, std::vector<bool>(MaxVertices + 1, true));
}
