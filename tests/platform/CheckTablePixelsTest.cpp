#include <gtest/gtest.h>

#include <QImage>

#include "check/CheckDrawing.h"
#include "platform/QImageCanvas.h"

namespace {

// Cell boundaries of label l (1..n) along one axis, relative to the grid's origin.
int CellStart(int l, int n) { return (220 * (l - 1)) / n; }
int CellEnd(int l, int n) { return (220 * l) / n; }

int BlackPixelsInCell(const QImage& image, int n, int column, int row) {
  int black = 0;
  for (int y = 5 + CellStart(row, n) + 2; y < 5 + CellEnd(row, n) - 1; ++y) {
    for (int x = 25 + CellStart(column, n) + 2; x < 25 + CellEnd(column, n) - 1; ++x) {
      black += (image.pixel(x, y) & 0xFFFFFF) == 0;
    }
  }
  return black;
}

}  // namespace

TEST(CheckTablePixels, HatchStaysInTheDiagonalCellsAndDotsLandInTheirCells) {
  for (int n : {3, 4, 8, 13, 20}) {
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QImageCanvas canvas(image);
    Labels labels{};
    for (int v = 1; v <= n; ++v) labels[v] = static_cast<std::uint8_t>(v);
    const std::vector<Edge> edges = {{1, 2}};  // one edge: dots at (1,2) and (2,1)
    DrawCheckTable(canvas, n, edges, labels);
    for (int column = 1; column <= n; ++column) {
      for (int row = 1; row <= n; ++row) {
        const int black = BlackPixelsInCell(image, n, column, row);
        const bool dot = (column == 1 && row == 2) || (column == 2 && row == 1);
        if (column == row || dot) {
          EXPECT_GT(black, 0) << "n=" << n << " cell " << column << "," << row;
        } else {
          EXPECT_EQ(black, 0) << "n=" << n << " cell " << column << "," << row;
        }
      }
    }
    // The hatch leaves sky blue between its lines, and the dot is solid at its centre.
    const int c = (220 + 110) / n;
    EXPECT_EQ(image.pixel(25 + (110 / n), 5 + c) & 0xFFFFFF, 0u) << n;
    int sky = 0;
    for (int x = 25 + 2; x < 25 + CellEnd(1, n) - 1; ++x)
      sky += (image.pixel(x, 5 + 110 / n) & 0xFFFFFF) == 0xA6CAF0;
    EXPECT_GT(sky, 0) << n;
  }
}

TEST(CheckTablePixels, LabelsAboveTheTableAreClipped) {
  QImage image(250, 250, QImage::Format_RGB32);
  QImageCanvas canvas(image);
  Labels labels{};
  labels[1] = 255;
  labels[2] = 200;
  labels[3] = 1;
  DrawCheckTable(canvas, 3, {{1, 2}, {2, 3}}, labels);
  EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xA6CAF0u);
}
