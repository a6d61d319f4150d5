#include "platform/PictureBox.h"

#include <QEvent>
#include <QPainter>
#include <cmath>

PictureBox::PictureBox(QWidget* parent, int width, int height)
    : QWidget(parent), logicalWidth_(width), logicalHeight_(height) {
  setFixedSize(width, height);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

Canvas& PictureBox::Surface() {
  if (!recording_) {
    recording_ = std::make_unique<PictureRecording>(logicalWidth_, logicalHeight_, nullptr);
    DrawAt(devicePixelRatioF() * zoom_);
  }
  update();
  return *recording_;
}

void PictureBox::Clear() {
  recording_.reset();
  live_.reset();
  image_ = QImage();
  update();
}

QImage PictureBox::Render(double scale) const {
  if (!recording_) return {};
  QImage picture(static_cast<int>(std::ceil(logicalWidth_ * scale)),
                 static_cast<int>(std::ceil(logicalHeight_ * scale)), QImage::Format_RGB32);
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

void PictureBox::SetZoom(double zoom) {
  zoom_ = zoom;
  setFixedSize(static_cast<int>(std::lround(logicalWidth_ * zoom)),
               static_cast<int>(std::lround(logicalHeight_ * zoom)));
  if (recording_) DrawAt(devicePixelRatioF() * zoom_);
  update();
}

bool PictureBox::event(QEvent* event) {
  // On another screen the next paint finds out whether the ratio changed.
  if (event->type() == QEvent::ScreenChangeInternal) update();
  return QWidget::event(event);
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  // Checked at every paint: a move to a screen of another ratio repaints the whole window.
  if (devicePixelRatioF() * zoom_ != image_.devicePixelRatio()) DrawAt(devicePixelRatioF() * zoom_);
  QPainter p(this);
  // The image holds zoom times the device pixels of its logical size: one image pixel a screen pixel.
  p.scale(zoom_, zoom_);
  p.drawImage(0, 0, image_);
}
