#pragma once

#include <cstdint>
#include <string>

// Colours as 0xBBGGRR (blue in the high byte), converted only where pixels are written.
using Color = std::uint32_t;

namespace Colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Aqua = 0xFFFF00;
inline constexpr Color Yellow = 0x00FFFF;
inline constexpr Color SkyBlue = 0xF0CAA6;
inline constexpr Color Green = 0x008000;
inline constexpr Color Red = 0x0000FF;
inline constexpr Color Blue = 0xFF0000;
// The edge list's background; the window itself is sky blue and the vertex boxes yellow.
inline constexpr Color MoneyGreen = 0xC0DCC0;
}  // namespace Colors

enum class BrushStyle { Solid, Clear, DiagonalCross };
enum class FillMode { Surface, Border };

// The drawing surface of a picture control: a persistent bitmap, origin top-left, y downward.
// Rectangles and ellipses exclude their right and bottom coordinates.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPenColor(Color color) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetBrushColor(Color color) = 0;
  virtual void SetBrushStyle(BrushStyle style) = 0;
  // Height is the character cell height in pixels.
  virtual void SetFont(const std::string& face, int height) = 0;

  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  // Surface: repaint the connected area of `color` around (x, y) with the brush.
  // Border: repaint outward from (x, y) up to pixels of `color`.
  virtual void FloodFill(int x, int y, Color color, FillMode mode) = 0;
  // (x, y) is the text's top-left corner; a solid brush paints its background.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
};
