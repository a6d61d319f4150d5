#include "platform/PictureRecording.h"

#include <algorithm>

#include "platform/QImageCanvas.h"
#include "platform/VectorCanvas.h"

PictureRecording::PictureRecording(int width, int height, QImageCanvas* live)
    : width_(width), height_(height), live_(live) {}

std::size_t PictureRecording::MemoryBytes() const {
  std::size_t bytes = operations_.capacity() * sizeof(Operation);
  for (const Operation& o : operations_) {
    if (o.text.capacity() > 15) bytes += o.text.capacity() + 1;
    if (o.style.fontFace.capacity() > 15) bytes += o.style.fontFace.capacity() + 1;
  }
  return bytes;
}

void PictureRecording::SetPenColor(Color color) { style_.penColor = color; }
void PictureRecording::SetPenWidth(int width) { style_.penWidth = width < 1 ? 1 : width; }
void PictureRecording::SetBrushColor(Color color) { style_.brushColor = color; }
void PictureRecording::SetBrushStyle(BrushStyle style) { style_.brushStyle = style; }

void PictureRecording::SetFont(const std::string& face, int height) {
  style_.defaultFont = false;
  style_.fontFace = face;
  style_.fontHeight = height;
}

PictureRecording::Operation PictureRecording::Shape(Kind kind, int x1, int y1, int x2, int y2, QRect bounds,
                                                    bool opaque) const {
  return {kind, x1, y1, x2, y2, 0, FillMode::Surface, {}, style_, bounds, opaque};
}

void PictureRecording::Draw(Operation operation) {
  Paint(operation, *live_);
  Add(std::move(operation));
}

void PictureRecording::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const int pen = style_.penWidth;
  const int before = pen / 2;
  const int last = std::max(0, pen - 1 - before);  // how far the outline reaches past x2 - 1
  Draw(Shape(Kind::Rectangle, x1, y1, x2, y2,
             QRect(QPoint(x1 - before, y1 - before), QPoint(x2 - 1 + last, y2 - 1 + last)),
             style_.brushStyle == BrushStyle::Solid));
}

void PictureRecording::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const int pen = style_.penWidth;
  Draw(Shape(Kind::Ellipse, x1, y1, x2, y2, QRect(QPoint(x1 - pen, y1 - pen), QPoint(x2 + pen, y2 + pen)),
             false));
}

void PictureRecording::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void PictureRecording::LineTo(int x, int y) {
  const int pad = style_.penWidth + 1;
  const QRect bounds(QPoint(std::min(x_, x) - pad, std::min(y_, y) - pad),
                     QPoint(std::max(x_, x) + pad, std::max(y_, y) + pad));
  Draw(Shape(Kind::Line, x_, y_, x, y, bounds, false));
  x_ = x;
  y_ = y;
}

void PictureRecording::FloodFill(int x, int y, Color color, FillMode mode) {
  Operation o = Shape(Kind::Fill, x, y, x, y, {}, false);
  o.fillColor = color;
  o.fillMode = mode;
  Paint(o, *live_);
  // A fill that repainted nothing has no effect to replay.
  if (live_->LastFillBounds().isEmpty()) return;
  // One logical pixel of margin: at another resolution the area's rim may fall a pixel further.
  o.bounds = live_->LastFillBounds().adjusted(-1, -1, 1, 1);
  Add(std::move(o));
}

void PictureRecording::TextOut(int x, int y, const std::string& text) {
  Operation o = Shape(Kind::Text, x, y, x, y, {}, style_.brushStyle == BrushStyle::Solid);
  o.text = text;
  Paint(o, *live_);
  o.bounds = live_->TextBox(x, y, text);
  if (o.bounds.isEmpty()) return;
  Add(std::move(o));
}

void PictureRecording::Add(Operation operation) {
  // Nothing lands outside the picture, so only its own pixels count.
  operation.bounds &= QRect(0, 0, width_, height_);
  if (operation.opaque) {
    // Drop what this operation paints over completely, going back until a fill that reaches
    // beyond it: that fill's area depended on the pixels before it, so they all stay.
    const QRect cover = operation.bounds;
    auto from = operations_.end();
    while (from != operations_.begin()) {
      const Operation& earlier = *(from - 1);
      if (earlier.kind == Kind::Fill && !cover.contains(earlier.bounds)) break;
      --from;
    }
    operations_.erase(std::remove_if(from, operations_.end(),
                                     [&cover](const Operation& o) { return cover.contains(o.bounds); }),
                      operations_.end());
  }
  operations_.push_back(std::move(operation));
}

template <class Target>
void PictureRecording::Paint(const Operation& o, Target& canvas) {
  canvas.SetPenColor(o.style.penColor);
  canvas.SetPenWidth(o.style.penWidth);
  canvas.SetBrushColor(o.style.brushColor);
  canvas.SetBrushStyle(o.style.brushStyle);
  switch (o.kind) {
    case Kind::Rectangle:
      canvas.Rectangle(o.x1, o.y1, o.x2, o.y2);
      break;
    case Kind::Ellipse:
      canvas.Ellipse(o.x1, o.y1, o.x2, o.y2);
      break;
    case Kind::Line:
      canvas.MoveTo(o.x1, o.y1);
      canvas.LineTo(o.x2, o.y2);
      break;
    case Kind::Fill:
      canvas.FloodFill(o.x1, o.y1, o.fillColor, o.fillMode);
      break;
    case Kind::Text:
      if (o.style.defaultFont) {
        canvas.ResetFont();
      } else {
        canvas.SetFont(o.style.fontFace, o.style.fontHeight);
      }
      canvas.TextOut(o.x1, o.y1, o.text);
      break;
  }
}

void PictureRecording::Replay(QImageCanvas& canvas) const {
  for (const Operation& o : operations_) Paint(o, canvas);
}

void PictureRecording::Replay(VectorCanvas& canvas) const {
  for (const Operation& o : operations_) Paint(o, canvas);
}

PictureRecording RecordOffscreen(int width, int height, const std::function<void(Canvas&)>& draw) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QImageCanvas live(image);
  PictureRecording recording(width, height, &live);
  draw(recording);
  recording.SetLive(nullptr);
  return recording;
}
