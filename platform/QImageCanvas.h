#pragma once

class QPainter;

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>

#include "draw/Canvas.h"

QColor ToQColor(Color color);

// The four bars of a rectangle's outline: centred on the outermost pixels of the rectangle
// (x1, y1)-(x2, y2), right and bottom excluded, pen `width` pixels wide.
std::array<QRect, 4> RectangleOutline(int x1, int y1, int x2, int y2, int width);

// A Canvas painting on a QImage with antialiasing off; the flood fill is ours since Qt has none.
// Coordinates are logical pixels: on an image with a device pixel ratio above 1 everything is
// drawn at the image's own resolution, fills and hatching included.
class QImageCanvas : public Canvas {
 public:
  explicit QImageCanvas(QImage& image);

  int Width() const override;
  int Height() const override;

  void SetPenColor(Color color) override { penColor_ = color; }
  void SetPenWidth(int width) override { penWidth_ = width < 1 ? 1 : width; }
  void SetBrushColor(Color color) override { brushColor_ = color; }
  void SetBrushStyle(BrushStyle style) override { brushStyle_ = style; }
  void SetFont(const std::string& face, int height) override;

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override { position_ = {x, y}; }
  void LineTo(int x, int y) override;
  void FloodFill(int x, int y, Color color, FillMode mode) override;
  void TextOut(int x, int y, const std::string& text) override;

  // Back to the font a fresh canvas starts with.
  void ResetFont();
  // The logical box TextOut paints for `text` in the current font (glyphs are clipped to it).
  QRect TextBox(int x, int y, const std::string& text) const;
  // The font TextOut writes in now.
  const QFont& Font() const { return font_; }
  // The logical pixels the last flood fill repainted, widened to whole logical pixels; empty when
  // it repainted nothing.
  QRect LastFillBounds() const { return lastFill_; }

 private:
  bool BrushCovers(int x, int y) const;
  double Ratio() const { return image_.devicePixelRatio(); }
  void ScaleBelowOne(QPainter& painter) const;

  QImage& image_;
  Color penColor_ = Colors::Black;
  int penWidth_ = 1;
  Color brushColor_ = Colors::White;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  QFont font_;
  QPoint position_;
  QRect lastFill_;
};
