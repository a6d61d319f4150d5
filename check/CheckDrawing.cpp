#include "check/CheckDrawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "check/Evaluation.h"

namespace {

// Halves go to even under the default rounding mode.
int Round(double x) { return static_cast<int>(std::nearbyint(x)); }

Color StatusColor(EdgeStatus status) {
  switch (status) {
    case EdgeStatus::Unique:
      return Colors::Green;
    case EdgeStatus::Repeated:
      return Colors::Red;
    case EdgeStatus::Unlabeled:
      break;
  }
  return Colors::Blue;
}

constexpr int GridLeft = 25;
constexpr int GridTop = 5;
constexpr int GridSize = 220;
constexpr int GridRight = GridLeft + GridSize;
constexpr int GridBottom = GridTop + GridSize;
// The frame closes just beyond the grid's last lines.
constexpr int FrameRight = GridRight + 2;
constexpr int FrameBottom = GridBottom + 1;

// Offset of the centre of cell j (0-based) from the grid's left or top edge.
int CellCentre(int j, int n) { return (GridSize * j + GridSize / 2) / n; }

// One entry per edge, empty where an end is outside the layout: the drawing needs the edge's index.
std::vector<std::optional<Rect>> SquaresByEdge(const VertexLayout& layout, const std::vector<Edge>& edges,
                                               const std::vector<PointF>& anchors) {
  std::vector<std::optional<Rect>> squares(edges.size());
  for (std::size_t k = 0; k < edges.size(); ++k) {
    if (layout.Has(edges[k].a) && layout.Has(edges[k].b)) squares[k] = ValueSquareRect(anchors[k]);
  }
  return squares;
}

}  // namespace

void DrawEdgeValues(Canvas& canvas, const VertexLayout& layout, const std::vector<Edge>& edges,
                    const Labels& labels) {
  if (layout.n < 1) return;
  canvas.SetPenWidth(1);
  const std::vector<PointF> anchors = ValueSquareAnchors(layout, edges);
  const std::vector<std::optional<Rect>> squares = SquaresByEdge(layout, edges, anchors);
  const Evaluation evaluation = EvaluateEdges(edges, labels);
  for (std::size_t k = 0; k < edges.size(); ++k) {
    if (!squares[k]) continue;
    const Rect& square = *squares[k];
    const PointF at = anchors[k];
    const EdgeResult& result = evaluation.edges[k];
    const Color color = StatusColor(result.status);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColor(color);
    canvas.SetPenColor(color);
    canvas.Rectangle(square.left, square.top, square.right, square.bottom);
    const int half = ValueSquareSize / 2;
    if (result.status != EdgeStatus::Unlabeled)
      canvas.TextOut(Round(at.x - (half - 1)), Round(at.y - (half - 1)), result.valueText);
  }
}

void DrawEdgeValues(Canvas& canvas, const LayoutCircle& circle, int n, const std::vector<Edge>& edges,
                    const Labels& labels) {
  DrawEdgeValues(canvas, CircleLayout(circle, n), edges, labels);
}

std::vector<Rect> EdgeValueSquares(const VertexLayout& layout, const std::vector<Edge>& edges) {
  std::vector<Rect> squares;
  for (const std::optional<Rect>& square : SquaresByEdge(layout, edges, ValueSquareAnchors(layout, edges)))
    if (square) squares.push_back(*square);
  return squares;
}

void DrawCheckTable(Canvas& canvas, int n, const std::vector<Edge>& edges, const Labels& labels) {
  if (n < 1) return;
  canvas.SetPenWidth(3);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::SkyBlue);
  canvas.SetPenColor(Colors::SkyBlue);
  canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());

  canvas.SetPenColor(Colors::Black);
  canvas.SetPenWidth(2);
  canvas.Rectangle(GridLeft, GridTop, FrameRight, FrameBottom);

  canvas.SetPenWidth(1);
  for (int k = 1; k <= n - 1; ++k) {
    const int p = (GridSize * k) / n;
    canvas.MoveTo(GridLeft + p, GridTop);
    canvas.LineTo(GridLeft + p, GridBottom);
    canvas.MoveTo(GridLeft, GridTop + p);
    canvas.LineTo(GridRight, GridTop + p);
  }

  const int h = std::min(160 / n, 23);
  const int digits = n >= 10 ? 2 : 1;
  canvas.SetFont("arial", h);
  for (int j = 0; j < n; ++j) {
    const int c = CellCentre(j, n);
    canvas.SetBrushColor(Colors::Black);
    canvas.SetBrushStyle(BrushStyle::DiagonalCross);
    canvas.FloodFill(GridLeft + c, GridTop + c, Colors::Black, FillMode::Border);
    canvas.SetBrushStyle(BrushStyle::Clear);
    const std::string number = std::to_string(j + 1);
    canvas.TextOut(8, GridTop + c - h / 2, number);
    canvas.TextOut(GridLeft + c - (digits * h) / 4, 230, number);
  }

  canvas.SetBrushColor(Colors::Black);
  canvas.SetBrushStyle(BrushStyle::Solid);
  const int r = 90 / n;
  for (const Edge& e : edges) {
    if (e.a == 0) continue;
    const int a = LabelOf(labels, e.a);
    const int b = LabelOf(labels, e.b);
    if (a == 0 || b == 0) continue;
    // Labels above n (left by a rejected check) land outside the grid, where the canvas clips them.
    const int ca = CellCentre(a - 1, n);
    const int cb = CellCentre(b - 1, n);
    canvas.Ellipse(GridLeft + ca - r, GridTop + cb - r, GridLeft + ca + r, GridTop + cb + r);
    canvas.Ellipse(GridLeft + cb - r, GridTop + ca - r, GridLeft + cb + r, GridTop + ca + r);
  }
}
