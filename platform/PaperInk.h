#pragma once

#include "draw/Canvas.h"

// The grey of hatching on paper.
inline constexpr Color PaperGrey = 0x909090;

// A canvas that passes a drawing on to another in black and grey only, for paper: black stays
// black, a hatch turns grey, and every other colour (a background, the screen's signal colours) is
// the paper's own, so nothing is filled with it.
class PaperInk : public Canvas {
 public:
  explicit PaperInk(Canvas& paper) : paper_(paper) {}

  int Width() const override { return paper_.Width(); }
  int Height() const override { return paper_.Height(); }
  void SetPenColor(Color color) override;
  void SetPenWidth(int width) override { paper_.SetPenWidth(width); }
  void SetBrushColor(Color color) override;
  void SetBrushStyle(BrushStyle style) override;
  void SetFont(const std::string& face, int height) override { paper_.SetFont(face, height); }
  void Rectangle(int x1, int y1, int x2, int y2) override { paper_.Rectangle(x1, y1, x2, y2); }
  void Ellipse(int x1, int y1, int x2, int y2) override { paper_.Ellipse(x1, y1, x2, y2); }
  void MoveTo(int x, int y) override { paper_.MoveTo(x, y); }
  void LineTo(int x, int y) override { paper_.LineTo(x, y); }
  void FloodFill(int x, int y, Color color, FillMode mode) override;
  void TextOut(int x, int y, const std::string& text) override { paper_.TextOut(x, y, text); }

 private:
  // The brush the paper gets for the brush the drawing chose.
  void PassBrush();

  Canvas& paper_;
  Color brushColor_ = Colors::White;
  BrushStyle brushStyle_ = BrushStyle::Solid;
};
