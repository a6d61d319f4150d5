#pragma once

#include <QImage>
#include <QWidget>
#include <cstddef>
#include <memory>

#include "platform/PictureRecording.h"
#include "platform/QImageCanvas.h"

// A picture control: it only paints the bitmap it holds. Until something is drawn it is empty
// and shows the window behind it. The bitmap has the device pixel ratio of the screen the
// control is on; when that changes, the picture is drawn again from its operations.
class PictureBox : public QWidget {
 public:
  PictureBox(QWidget* parent, int width, int height);

  // The canvas of the picture, in logical pixels; the first use creates a white bitmap.
  Canvas& Surface();
  // Back to empty, as at start: nothing drawn, the window shows through.
  void Clear();
  bool HasPicture() const { return !image_.isNull(); }
  // The bitmap at the ratio it was last drawn or shown at (at a ratio of 1: one pixel per
  // logical pixel).
  const QImage& Image() const { return image_; }
  // The picture drawn afresh at `scale` device pixels per logical pixel; its devicePixelRatio()
  // is `scale`. A null image while nothing has been drawn.
  QImage Render(double scale) const;
  const PictureRecording* Recording() const { return recording_.get(); }
  QSize LogicalSize() const { return {logicalWidth_, logicalHeight_}; }
  // Shows the picture `zoom` times its size, drawn afresh at that size so that it stays sharp.
  // The canvas keeps its logical size.
  void SetZoom(double zoom);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void DrawAt(double ratio);

  int logicalWidth_;
  int logicalHeight_;
  double zoom_ = 1.0;
  QImage image_;
  std::unique_ptr<QImageCanvas> live_;
  std::unique_ptr<PictureRecording> recording_;
};
