#include "platform/PaperInk.h"

namespace {

Color Ink(Color color) { return color == Colors::Black ? Colors::Black : Colors::White; }

}  // namespace

void PaperInk::SetPenColor(Color color) { paper_.SetPenColor(Ink(color)); }

void PaperInk::SetBrushColor(Color color) {
  brushColor_ = color;
  PassBrush();
}

void PaperInk::SetBrushStyle(BrushStyle style) {
  brushStyle_ = style;
  PassBrush();
}

void PaperInk::PassBrush() {
  if (brushStyle_ == BrushStyle::DiagonalCross) {
    paper_.SetBrushColor(PaperGrey);
    paper_.SetBrushStyle(BrushStyle::DiagonalCross);
  } else if (brushStyle_ == BrushStyle::Solid && brushColor_ == Colors::Black) {
    paper_.SetBrushColor(Colors::Black);
    paper_.SetBrushStyle(BrushStyle::Solid);
  } else {
    // Paper is white already: a fill of any other colour would only spend ink.
    paper_.SetBrushStyle(BrushStyle::Clear);
  }
}

void PaperInk::FloodFill(int x, int y, Color color, FillMode mode) {
  if (brushStyle_ == BrushStyle::Clear || (brushStyle_ == BrushStyle::Solid && brushColor_ != Colors::Black))
    return;
  paper_.FloodFill(x, y, Ink(color), mode);
}
