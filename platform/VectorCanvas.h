#pragma once

#include <QImage>
#include <QPainterPath>

#include "draw/Canvas.h"
#include "platform/QImageCanvas.h"

class PictureRecording;
class QPainter;

// A canvas that paints on a QPainter as vectors, for printers and PDF files: one unit of the
// painter's coordinates is one logical pixel, and the picture is clipped to its own rectangle.
// Rectangles, ellipses, lines and texts become the same QPainter calls the screen's bitmap gets.
// A flood fill has no vector form, so the canvas also paints a bitmap of one pixel per logical
// pixel, finds the fill's area there and paints that area, row runs merged into rectangles. A fill
// that repaints an area in its own colour changes nothing and is left out.
class VectorCanvas : public Canvas {
 public:
  // The painter's state is restored when the canvas goes.
  VectorCanvas(QPainter& painter, int width, int height);
  ~VectorCanvas() override;
  VectorCanvas(const VectorCanvas&) = delete;
  VectorCanvas& operator=(const VectorCanvas&) = delete;

  int Width() const override { return shadow_.width(); }
  int Height() const override { return shadow_.height(); }
  void SetPenColor(Color color) override;
  void SetPenWidth(int width) override;
  void SetBrushColor(Color color) override;
  void SetBrushStyle(BrushStyle style) override;
  void SetFont(const std::string& face, int height) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FloodFill(int x, int y, Color color, FillMode mode) override;
  void TextOut(int x, int y, const std::string& text) override;
  void ResetFont() { shadowCanvas_.ResetFont(); }

 private:
  // The brush over `area`: solid, or the diagonal cross-hatch of lines 8 logical pixels apart.
  void FillArea(const QPainterPath& area, const QRect& bounds);

  QPainter& painter_;
  QImage shadow_;
  QImageCanvas shadowCanvas_;
  Color penColor_ = Colors::Black;
  int penWidth_ = 1;
  Color brushColor_ = Colors::White;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  QPoint position_;
};

// Draws the recorded picture on `painter` as vectors, its top-left corner at the origin.
void ReplayVector(const PictureRecording& picture, QPainter& painter);
