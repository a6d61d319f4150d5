#include <gtest/gtest.h>

#include <QImage>

#include "platform/QImageCanvas.h"

namespace {

unsigned At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QImage WhiteImage(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

}  // namespace

TEST(QImageCanvas, RectangleExcludesRightAndBottomAndConvertsColours) {
  QImage image = WhiteImage(20, 20);
  QImageCanvas canvas(image);
  canvas.SetPenColor(Colors::Red);
  canvas.SetPenWidth(1);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Green);
  canvas.Rectangle(2, 2, 10, 10);
  EXPECT_EQ(At(image, 2, 2), 0xFF0000u);  // 0x0000FF in the program's 0xBBGGRR is red
  EXPECT_EQ(At(image, 9, 9), 0xFF0000u);
  EXPECT_EQ(At(image, 5, 5), 0x008000u);
  EXPECT_EQ(At(image, 10, 5), 0xFFFFFFu);
  EXPECT_EQ(At(image, 5, 10), 0xFFFFFFu);
}

TEST(QImageCanvas, SurfaceFillRepaintsOnlyTheConnectedArea) {
  QImage image = WhiteImage(30, 30);
  QImageCanvas canvas(image);
  canvas.SetPenColor(Colors::Black);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Rectangle(5, 5, 15, 15);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Aqua);
  canvas.FloodFill(10, 10, Colors::White, FillMode::Surface);
  EXPECT_EQ(At(image, 10, 10), 0x00FFFFu);
  EXPECT_EQ(At(image, 6, 6), 0x00FFFFu);
  EXPECT_EQ(At(image, 5, 5), 0x000000u);
  EXPECT_EQ(At(image, 20, 20), 0xFFFFFFu);
  // Starting on a pixel of another colour, or outside the image, paints nothing.
  canvas.FloodFill(5, 5, Colors::White, FillMode::Surface);
  canvas.FloodFill(-3, 400, Colors::White, FillMode::Surface);
  EXPECT_EQ(At(image, 20, 20), 0xFFFFFFu);
}

TEST(QImageCanvas, HatchedBorderFillDrawsLinesAndKeepsThePixelsBetween) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(QColor(166, 202, 240));
  QImageCanvas canvas(image);
  canvas.SetPenColor(Colors::Black);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.Rectangle(10, 10, 30, 30);
  canvas.SetBrushColor(Colors::Black);
  canvas.SetBrushStyle(BrushStyle::DiagonalCross);
  canvas.FloodFill(20, 20, Colors::Black, FillMode::Border);
  int black = 0, sky = 0;
  for (int y = 11; y < 29; ++y) {
    for (int x = 11; x < 29; ++x) {
      const unsigned c = At(image, x, y);
      black += c == 0x000000u;
      sky += c == 0xA6CAF0u;
    }
  }
  EXPECT_GT(black, 18 * 2);
  EXPECT_GT(sky, black);
  EXPECT_EQ(black + sky, 18 * 18);
  for (int x = 0; x < 40; ++x) EXPECT_EQ(At(image, x, 5), 0xA6CAF0u) << x;
}

TEST(QImageCanvas, DrawingFarOutsideTheImageIsClipped) {
  QImage image = WhiteImage(50, 50);
  QImageCanvas canvas(image);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Black);
  canvas.Ellipse(2000, 3000, 2040, 3040);
  canvas.Ellipse(-100, -100, 10, 10);
  canvas.Rectangle(40, 40, 900, 900);
  canvas.MoveTo(-500, 25);
  canvas.LineTo(500, 25);
  canvas.TextOut(45, 45, "123456");
  EXPECT_EQ(At(image, 45, 45), 0x000000u);
  EXPECT_EQ(At(image, 25, 10), 0xFFFFFFu);
}

TEST(QImageCanvas, OpaqueTextPaintsItsBackgroundInTheBrushColour) {
  QImage image = WhiteImage(60, 30);
  QImageCanvas canvas(image);
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(Colors::Green);
  canvas.TextOut(5, 5, " 7 ");
  EXPECT_EQ(At(image, 6, 6), 0x008000u);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.TextOut(30, 5, " 7 ");
  EXPECT_EQ(At(image, 31, 6), 0xFFFFFFu);
}
