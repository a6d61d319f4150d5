#include "app/VertexNumbers.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QFont NumberFont() {
  QFont font("Arial");
  font.setPixelSize(10);
  return font;
}

}  // namespace

VertexNumbers::VertexNumbers(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void VertexNumbers::SetNumbers(std::vector<Number> numbers) {
  numbers_ = std::move(numbers);
  update();
}

QSize VertexNumbers::TextSize(int vertex) {
  const QFontMetrics metrics(NumberFont());
  return {metrics.horizontalAdvance(QString::number(vertex)), metrics.height()};
}

void VertexNumbers::Paint(QPainter& painter, const std::vector<Number>& numbers) {
  painter.setFont(NumberFont());
  painter.setPen(Qt::black);
  for (const Number& number : numbers) {
    const QRect box(number.x - 10, number.y - 7, 20, 14);
    painter.drawText(box, Qt::AlignCenter, QString::number(number.vertex));
  }
}

void VertexNumbers::SetZoom(double zoom) {
  zoom_ = zoom;
  update();
}

void VertexNumbers::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.scale(zoom_, zoom_);
  Paint(painter, numbers_);
}
