#pragma once

#include <QRect>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "draw/Canvas.h"

class QImageCanvas;
class VectorCanvas;

// The canvas of a picture that is shown at several resolutions: it paints on a live canvas and
// keeps the drawing operations, so the same picture can be drawn again at any device pixel
// ratio. An operation that paints over everything earlier operations left makes them
// unnecessary; they are dropped, so redrawing a picture again and again does not grow the list.
class PictureRecording : public Canvas {
 public:
  PictureRecording(int width, int height, QImageCanvas* live);

  // Where the operations are painted from now on; the caller has already replayed the list there.
  void SetLive(QImageCanvas* live) { live_ = live; }
  // Paints every kept operation on `canvas`, which must start as a white picture.
  void Replay(QImageCanvas& canvas) const;
  // Paints every kept operation on paper or in a PDF file (see VectorCanvas).
  void Replay(VectorCanvas& canvas) const;
  std::size_t OperationCount() const { return operations_.size(); }
  std::size_t MemoryBytes() const;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
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

 private:
  enum class Kind : std::uint8_t { Rectangle, Ellipse, Line, Fill, Text };
  struct Style {
    Color penColor = Colors::Black;
    int penWidth = 1;
    Color brushColor = Colors::White;
    BrushStyle brushStyle = BrushStyle::Solid;
    bool defaultFont = true;
    std::string fontFace;
    int fontHeight = 0;
  };
  // Each operation carries the style it was drawn with, so any of them can be dropped alone.
  struct Operation {
    Kind kind;
    int x1, y1, x2, y2;  // a line runs from (x1, y1) to (x2, y2); a fill starts at (x1, y1)
    Color fillColor;
    FillMode fillMode;
    std::string text;
    Style style;
    QRect bounds;  // every logical pixel the operation may have painted
    bool opaque;   // it repaints every pixel of `bounds`
  };

  // An operation of the current style; fills and texts add what else they need.
  Operation Shape(Kind kind, int x1, int y1, int x2, int y2, QRect bounds, bool opaque) const;
  // Paints the operation on the live picture and keeps it.
  void Draw(Operation operation);
  void Add(Operation operation);
  template <class Target>
  static void Paint(const Operation& operation, Target& canvas);

  int width_;
  int height_;
  QImageCanvas* live_;
  Style style_;
  int x_ = 0;
  int y_ = 0;
  std::vector<Operation> operations_;
};

// A picture drawn off the screen by `draw` on a white bitmap, kept as its operations for printing.
// The result can be replayed but not drawn on.
PictureRecording RecordOffscreen(int width, int height, const std::function<void(Canvas&)>& draw);
