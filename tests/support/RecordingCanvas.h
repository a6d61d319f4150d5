#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/Canvas.h"

// A canvas that draws nothing and logs every call as a readable line, such as
// "Rectangle(342,242,358,258)", "TextOut(343,243,\" 3 \")" or "BrushColor(0x008000)".
class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int width = 250, int height = 250) : width_(width), height_(height) {}

  std::vector<std::string> calls;

  // The logged calls whose text starts with `prefix`, in order.
  std::vector<std::string> CallsStartingWith(std::string_view prefix) const;

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
  int width_;
  int height_;
};

std::string ColorText(Color color);
