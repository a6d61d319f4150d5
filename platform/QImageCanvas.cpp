#include "platform/QImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "platform/FloodFill.h"

QColor ToQColor(Color color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

namespace {

// Font sizes are given as cell heights; Arial-like faces have a cell of about 1.12 em.
int EmPixelsForCellHeight(int height) { return std::max(1, (height * 100 + 56) / 112); }

Qt::BrushStyle ToQtStyle(BrushStyle style) {
  switch (style) {
    case BrushStyle::Solid:
      return Qt::SolidPattern;
    case BrushStyle::Clear:
      return Qt::NoBrush;
    case BrushStyle::DiagonalCross:
      return Qt::DiagCrossPattern;
  }
  return Qt::NoBrush;
}

}  // namespace

std::array<QRect, 4> RectangleOutline(int x1, int y1, int x2, int y2, int width) {
  const int before = width / 2;
  const int left = x1 - before;
  const int top = y1 - before;
  const int right = x2 - 1 - before;
  const int bottom = y2 - 1 - before;
  return {QRect(left, top, right - left + width, width), QRect(left, bottom, right - left + width, width),
          QRect(left, top, width, bottom - top + width), QRect(right, top, width, bottom - top + width)};
}

QImageCanvas::QImageCanvas(QImage& image) : image_(image) { ResetFont(); }

void QImageCanvas::ScaleBelowOne(QPainter& painter) const {
  // A painter scales by the image's ratio only from 1 up; a zoomed-out picture scales itself.
  if (Ratio() < 1.0) painter.scale(Ratio(), Ratio());
}

int QImageCanvas::Width() const { return qRound(image_.deviceIndependentSize().width()); }
int QImageCanvas::Height() const { return qRound(image_.deviceIndependentSize().height()); }

void QImageCanvas::ResetFont() {
  font_ = QFont("MS Sans Serif");
  font_.setPixelSize(11);
  font_.setStyleStrategy(QFont::NoAntialias);
}

void QImageCanvas::SetFont(const std::string& face, int height) {
  font_ = QFont(QString::fromStdString(face));
  font_.setPixelSize(EmPixelsForCellHeight(height));
  font_.setStyleStrategy(QFont::NoAntialias);
}

void QImageCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter p(&image_);
  ScaleBelowOne(p);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (brushStyle_ != BrushStyle::Clear) {
    p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QBrush(ToQColor(brushColor_), ToQtStyle(brushStyle_)));
  }
  for (const QRect& bar : RectangleOutline(x1, y1, x2, y2, penWidth_)) p.fillRect(bar, ToQColor(penColor_));
}

void QImageCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter p(&image_);
  ScaleBelowOne(p);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(penColor_), penWidth_));
  p.setBrush(QBrush(ToQColor(brushColor_), ToQtStyle(brushStyle_)));
  if (Ratio() == 1.0) {
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  } else {
    // The aliased ellipse spans its rectangle plus one device pixel, so take that pixel off.
    const double pixel = 1.0 / Ratio();
    p.drawEllipse(QRectF(x1, y1, x2 - x1 - pixel, y2 - y1 - pixel));
  }
}

void QImageCanvas::LineTo(int x, int y) {
  QPainter p(&image_);
  ScaleBelowOne(p);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, penWidth_ > 1 ? Qt::RoundCap : Qt::FlatCap));
  p.drawLine(position_, QPoint(x, y));
  position_ = {x, y};
}

// (x, y) in device pixels: the hatch keeps its logical spacing and its lines are one logical
// pixel thick, drawn at the image's resolution.
bool QImageCanvas::BrushCovers(int x, int y) const {
  switch (brushStyle_) {
    case BrushStyle::Solid:
      return true;
    case BrushStyle::Clear:
      return false;
    case BrushStyle::DiagonalCross: {
      const int period = std::max(8, static_cast<int>(std::lround(8 * Ratio())));
      const int thickness = std::max(1, static_cast<int>(std::lround(Ratio())));
      return (x + y) % period < thickness || ((x - y) % period + period) % period < thickness;
    }
  }
  return false;
}

void QImageCanvas::FloodFill(int x, int y, Color color, FillMode mode) {
  lastFill_ = QRect();
  // The device pixel at the centre of the logical one starts the fill.
  const auto device = [this](int v) { return static_cast<int>(std::floor((v + 0.5) * Ratio())); };
  // The area is found first: painting a hatch while flooding would change the area itself.
  const FloodArea area =
      FloodFillArea(image_, device(x), device(y), ToQColor(color).rgb(), mode == FillMode::Surface);
  if (area.mask.empty()) return;
  const QRgb paint = ToQColor(brushColor_).rgb();
  const int w = image_.width();
  const QRect& b = area.bounds;
  const bool direct = image_.depth() == 32;
  for (int py = b.top(); py <= b.bottom(); ++py) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(py));
    for (int px = b.left(); px <= b.right(); ++px) {
      if (!area.mask[static_cast<std::size_t>(py) * w + px] || !BrushCovers(px, py)) continue;
      if (direct) {
        row[px] = paint;
      } else {
        image_.setPixel(px, py, paint);
      }
    }
  }
  const auto logical = [this](int v) { return static_cast<int>(std::floor(v / Ratio())); };
  lastFill_ =
      QRect(QPoint(logical(b.left()), logical(b.top())), QPoint(logical(b.right()), logical(b.bottom())));
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter p(&image_);
  ScaleBelowOne(p);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font_);
  const QString s = QString::fromStdString(text);
  const QRect box = TextBox(x, y, text);
  if (brushStyle_ == BrushStyle::Solid) p.fillRect(box, ToQColor(brushColor_));
  p.setPen(Qt::black);
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
}

QRect QImageCanvas::TextBox(int x, int y, const std::string& text) const {
  const QFontMetrics metrics(font_);
  return QRect(x, y, metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height());
}
