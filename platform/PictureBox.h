#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

#include "platform/QImageCanvas.h"

// A picture control: it only paints the bitmap it holds. Until something is drawn it is empty
// and shows the window behind it.
class PictureBox : public QWidget {
 public:
  PictureBox(QWidget* parent, int width, int height);

  // The canvas of the bitmap; the first use creates a white bitmap of the control's size.
  Canvas& canvas();
  bool hasPicture() const { return !image_.isNull(); }
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
  std::unique_ptr<QImageCanvas> canvas_;
};
