#include "platform/VectorCanvas.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <vector>

#include "platform/FloodFill.h"
#include "platform/PictureRecording.h"

namespace {

using Runs = std::vector<std::pair<int, int>>;  // first and last pixel of each run in a row

Runs RowRuns(const FloodArea& area, int width, int y) {
  Runs runs;
  const QRect& b = area.bounds;
  for (int x = b.left(); x <= b.right(); ++x) {
    if (!area.mask[static_cast<std::size_t>(y) * width + x]) continue;
    if (!runs.empty() && runs.back().second == x - 1) {
      runs.back().second = x;
    } else {
      runs.push_back({x, x});
    }
  }
  return runs;
}

// The area as rectangles: rows with the same runs are joined, so a rectangular area is one.
QPainterPath AreaPath(const FloodArea& area, int width) {
  QPainterPath path;
  const QRect& b = area.bounds;
  Runs band;
  int bandTop = b.top();
  const auto close = [&](int bottom) {
    for (const auto& [left, right] : band) path.addRect(QRect(QPoint(left, bandTop), QPoint(right, bottom)));
  };
  for (int y = b.top(); y <= b.bottom(); ++y) {
    Runs runs = RowRuns(area, width, y);
    if (runs == band) continue;
    close(y - 1);
    band = std::move(runs);
    bandTop = y;
  }
  close(b.bottom());
  return path;
}

// Device pixels per unit of the painter's coordinates.
double DeviceScale(const QPainter& painter) {
  const QTransform t = painter.deviceTransform();
  return std::hypot(t.m11(), t.m12());
}

}  // namespace

VectorCanvas::VectorCanvas(QPainter& painter, int width, int height)
    : painter_(painter), shadow_(width, height, QImage::Format_RGB32), shadowCanvas_(shadow_) {
  shadow_.fill(Qt::white);
  painter_.save();
  painter_.setClipRect(QRect(0, 0, width, height),
                       painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

VectorCanvas::~VectorCanvas() { painter_.restore(); }

void VectorCanvas::SetPenColor(Color color) {
  penColor_ = color;
  shadowCanvas_.SetPenColor(color);
}

void VectorCanvas::SetPenWidth(int width) {
  penWidth_ = width < 1 ? 1 : width;
  shadowCanvas_.SetPenWidth(width);
}

void VectorCanvas::SetBrushColor(Color color) {
  brushColor_ = color;
  shadowCanvas_.SetBrushColor(color);
}

void VectorCanvas::SetBrushStyle(BrushStyle style) {
  brushStyle_ = style;
  shadowCanvas_.SetBrushStyle(style);
}

void VectorCanvas::SetFont(const std::string& face, int height) { shadowCanvas_.SetFont(face, height); }

void VectorCanvas::FillArea(const QPainterPath& area, const QRect& bounds) {
  const QColor colour = ToQColor(brushColor_);
  if (brushStyle_ == BrushStyle::Solid) {
    painter_.fillPath(area, colour);
    return;
  }
  if (brushStyle_ == BrushStyle::Clear) return;
  // Lines through the pixels where x + y or x - y is a multiple of 8, as on the screen.
  painter_.save();
  painter_.setClipPath(area, Qt::IntersectClip);
  painter_.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
  const int top = bounds.top() - 1;
  const int bottom = bounds.bottom() + 1;
  const auto first = [](int v) { return static_cast<int>(std::floor(v / 8.0)) * 8; };
  for (int s = first(bounds.left() + top); s <= bounds.right() + bottom; s += 8)
    painter_.drawLine(QPoint(s - top, top), QPoint(s - bottom, bottom));
  for (int d = first(bounds.left() - bottom); d <= bounds.right() - top; d += 8)
    painter_.drawLine(QPoint(d + top, top), QPoint(d + bottom, bottom));
  painter_.restore();
}

void VectorCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  shadowCanvas_.Rectangle(x1, y1, x2, y2);
  const QRect inside(x1, y1, x2 - x1, y2 - y1);
  QPainterPath area;
  area.addRect(inside);
  FillArea(area, inside);
  // The outline as on the screen.
  for (const QRect& bar : RectangleOutline(x1, y1, x2, y2, penWidth_))
    painter_.fillRect(bar, ToQColor(penColor_));
}

void VectorCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  shadowCanvas_.Ellipse(x1, y1, x2, y2);
  // The aliased ellipse spans its rectangle plus one device pixel, so take that pixel off; on
  // paper the pixel is next to nothing and the ellipse spans its rectangle.
  const double pixel = 1.0 / DeviceScale(painter_);
  const QRectF box(x1, y1, x2 - x1 - pixel, y2 - y1 - pixel);
  QPainterPath area;
  area.addEllipse(box);
  painter_.save();
  if (brushStyle_ == BrushStyle::DiagonalCross) FillArea(area, QRect(x1, y1, x2 - x1, y2 - y1));
  painter_.setPen(QPen(ToQColor(penColor_), penWidth_));
  painter_.setBrush(brushStyle_ == BrushStyle::Solid ? QBrush(ToQColor(brushColor_)) : QBrush());
  if (std::abs(pixel - 1.0) < 1e-9) {
    painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  } else {
    painter_.drawEllipse(box);
  }
  painter_.restore();
}

void VectorCanvas::MoveTo(int x, int y) {
  position_ = {x, y};
  shadowCanvas_.MoveTo(x, y);
}

void VectorCanvas::LineTo(int x, int y) {
  shadowCanvas_.LineTo(x, y);
  painter_.save();
  painter_.setPen(
      QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, penWidth_ > 1 ? Qt::RoundCap : Qt::FlatCap));
  painter_.drawLine(position_, QPoint(x, y));
  painter_.restore();
  position_ = {x, y};
}

void VectorCanvas::FloodFill(int x, int y, Color color, FillMode mode) {
  const FloodArea area = FloodFillArea(shadow_, x, y, ToQColor(color).rgb(), mode == FillMode::Surface);
  shadowCanvas_.FloodFill(x, y, color, mode);
  if (area.mask.empty() || (mode == FillMode::Surface && brushColor_ == color)) return;
  FillArea(AreaPath(area, shadow_.width()), area.bounds);
}

void VectorCanvas::TextOut(int x, int y, const std::string& text) {
  shadowCanvas_.TextOut(x, y, text);
  const QRect box = shadowCanvas_.TextBox(x, y, text);
  if (brushStyle_ == BrushStyle::Solid) painter_.fillRect(box, ToQColor(brushColor_));
  painter_.save();
  painter_.setFont(shadowCanvas_.Font());
  painter_.setPen(Qt::black);
  // The box is measured with the screen's hinted advances; on paper a glyph may reach a sliver
  // further, which must not be cut off.
  painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(text));
  painter_.restore();
}

void ReplayVector(const PictureRecording& picture, QPainter& painter) {
  VectorCanvas canvas(painter, picture.Width(), picture.Height());
  picture.Replay(canvas);
}
