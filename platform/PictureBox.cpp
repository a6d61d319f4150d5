#include "platform/PictureBox.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(QWidget* parent, int width, int height) : QWidget(parent) {
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

Canvas& PictureBox::Surface() {
  if (!recording_) {
    recording_ = std::make_unique<PictureRecording>(width(), height(), nullptr);
    DrawAt(devicePixelRatioF());
  }
  update();
  return *recording_;
}

QImage PictureBox::Render(double scale) const {
  if (!recording_) return {};
  QImage picture(static_cast<int>(std::ceil(width() * scale)), static_cast<int>(std::ceil(height() * scale)),
                 QImage::Format_RGB32);
  picture.setDevicePixelRatio(scale);
  picture.fill(Qt::white);
  QImageCanvas canvas(picture);
  recording_->Replay(canvas);
  return picture;
}

void PictureBox::DrawAt(double ratio) {
  image_ = Render(ratio);
  live_ = std::make_unique<QImageCanvas>(image_);
  recording_->SetLive(live_.get());
}

bool PictureBox::event(QEvent* event) {
  // On another screen the next paint finds out whether the ratio changed.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  // Checked at every paint: a move to a screen of another ratio repaints the whole window.
  if (devicePixelRatioF() != image_.devicePixelRatio()) DrawAt(devicePixelRatioF());
  QPainter p(this);
  p.drawImage(0, 0, image_);
}
