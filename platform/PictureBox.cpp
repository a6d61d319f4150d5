#include "platform/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent, int width, int height) : QWidget(parent) {
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

Canvas& PictureBox::canvas() {
  if (!canvas_) {
    image_ = QImage(width(), height(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    canvas_ = std::make_unique<QImageCanvas>(image_);
  }
  update();
  return *canvas_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter p(this);
  p.drawImage(0, 0, image_);
}
