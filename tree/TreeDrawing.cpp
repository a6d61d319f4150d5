#include "tree/TreeDrawing.h"

#include <cmath>
#include <numbers>

LayoutCircle CircleForPicture(int width, int height) { return {width / 2, height / 2, 200}; }

PointF ExactVertexPoint(const LayoutCircle& circle, int n, int v) {
  const double theta = 2.0 * (v - 1) * std::numbers::pi / n;
  return {circle.CircleCentreX + circle.CircleRadius * std::cos(theta),
          circle.CircleCentreY - circle.CircleRadius * std::sin(theta)};
}

Point VertexNumberPoint(const LayoutCircle& circle, int n, int v) {
  return VertexNumberPoint(CircleLayout(circle, n), v);
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

void DrawVertexDisc(Canvas& canvas, const VertexLayout& layout, int v) {
  if (!layout.Has(v)) return;
  const Point p = layout.points[v];
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Black);
  canvas.Ellipse(p.x - DiscRadius, p.y - DiscRadius, p.x + DiscRadius, p.y + DiscRadius);
  canvas.FloodFill(p.x, p.y, Colors::Black, FillMode::Surface);
}

void DrawVertexDisc(Canvas& canvas, const LayoutCircle& circle, int n, int v) {
  DrawVertexDisc(canvas, CircleLayout(circle, n), v);
}

void DrawTreeOutline(Canvas& canvas, const VertexLayout& layout, const std::vector<int>& vertices,
                     const std::vector<Edge>& edges) {
  ClearTreePicture(canvas);
  canvas.SetPenWidth(3);
  for (int v : vertices) DrawVertexDisc(canvas, layout, v);
  for (const Edge& e : edges) {
    if (!layout.Has(e.a) || !layout.Has(e.b)) continue;
    const Point from = layout.points[e.a];
    const Point to = layout.points[e.b];
    canvas.MoveTo(from.x, from.y);
    canvas.LineTo(to.x, to.y);
  }
}

void DrawTreeOutline(Canvas& canvas, const LayoutCircle& circle, int n, const std::vector<int>& vertices,
                     const std::vector<Edge>& edges) {
  DrawTreeOutline(canvas, CircleLayout(circle, n), vertices, edges);
}

std::vector<BoxPlacement> VertexBoxPlacements(const VertexLayout& layout, Point pictureOrigin,
                                              const std::vector<bool>& shown) {
  std::vector<BoxPlacement> boxes(MaxVertices + 1);
  for (int k = 1; k <= MaxVertices; ++k) {
    if (!layout.Has(k) || k >= static_cast<int>(shown.size()) || !shown[k]) continue;
    const Point p = layout.points[k];
    boxes[k] = {true, {pictureOrigin.x + p.x - BoxSize / 2, pictureOrigin.y + p.y - BoxSize / 2}};
  }
  return boxes;
}

std::vector<BoxPlacement> VertexBoxPlacements(const LayoutCircle& circle, int n, Point pictureOrigin,
                                              const std::vector<bool>& shown) {
  return VertexBoxPlacements(CircleLayout(circle, n), pictureOrigin, shown);
}

std::vector<BoxPlacement> PlaceVertexBoxes(const VertexLayout& layout, Point pictureOrigin) {
  return VertexBoxPlacements(layout, pictureOrigin, std::vector<bool>(MaxVertices + 1, true));
}

std::vector<BoxPlacement> PlaceVertexBoxes(const LayoutCircle& circle, int n, Point pictureOrigin) {
  return PlaceVertexBoxes(CircleLayout(circle, n), pictureOrigin);
}
