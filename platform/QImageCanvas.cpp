#include "platform/QImageCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

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

QImageCanvas::QImageCanvas(QImage& image) : image_(image), font_("MS Sans Serif") {
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
  p.setRenderHint(QPainter::Antialiasing, false);
  if (brushStyle_ != BrushStyle::Clear) {
    p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), QBrush(ToQColor(brushColor_), ToQtStyle(brushStyle_)));
  }
  // The outline is centred on the outermost pixels of the rectangle.
  const int before = penWidth_ / 2;
  const QColor pen = ToQColor(penColor_);
  const int left = x1 - before;
  const int top = y1 - before;
  const int right = x2 - 1 - before;
  const int bottom = y2 - 1 - before;
  const int width = right - left + penWidth_;
  const int height = bottom - top + penWidth_;
  p.fillRect(QRect(left, top, width, penWidth_), pen);
  p.fillRect(QRect(left, bottom, width, penWidth_), pen);
  p.fillRect(QRect(left, top, penWidth_, height), pen);
  p.fillRect(QRect(right, top, penWidth_, height), pen);
}

void QImageCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(penColor_), penWidth_));
  p.setBrush(QBrush(ToQColor(brushColor_), ToQtStyle(brushStyle_)));
  p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void QImageCanvas::LineTo(int x, int y) {
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(ToQColor(penColor_), penWidth_, Qt::SolidLine, penWidth_ > 1 ? Qt::RoundCap : Qt::FlatCap));
  p.drawLine(position_, QPoint(x, y));
  position_ = {x, y};
}

bool QImageCanvas::BrushCovers(int x, int y) const {
  switch (brushStyle_) {
    case BrushStyle::Solid:
      return true;
    case BrushStyle::Clear:
      return false;
    case BrushStyle::DiagonalCross:
      return (x + y) % 8 == 0 || ((x - y) % 8 + 8) % 8 == 0;
  }
  return false;
}

void QImageCanvas::FloodFill(int x, int y, Color color, FillMode mode) {
  // The area is found first: painting a hatch while flooding would change the area itself.
  const std::vector<bool> area =
      FloodFillArea(image_, x, y, ToQColor(color).rgb(), mode == FillMode::Surface);
  if (area.empty()) return;
  const QRgb paint = ToQColor(brushColor_).rgb();
  const int w = image_.width();
  for (int py = 0; py < image_.height(); ++py) {
    for (int px = 0; px < w; ++px) {
      if (area[static_cast<std::size_t>(py) * w + px] && BrushCovers(px, py)) image_.setPixel(px, py, paint);
    }
  }
}

void QImageCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter p(&image_);
  p.setRenderHint(QPainter::TextAntialiasing, false);
  p.setFont(font_);
  const QString s = QString::fromStdString(text);
  const QFontMetrics metrics(font_);
  const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
  if (brushStyle_ == BrushStyle::Solid) p.fillRect(box, ToQColor(brushColor_));
  p.setPen(Qt::black);
  p.drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
}
