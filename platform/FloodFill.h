#pragma once

#include <QImage>
#include <QRect>
#include <vector>

struct FloodArea {
  std::vector<bool> mask;  // row-major, the image's size; empty when nothing is in the area
  QRect bounds;            // the smallest rectangle holding the area
};

// The pixels a flood fill from (x, y) repaints: the 4-connected area of pixels equal to `rgb`
// (surface mode) or different from `rgb` (border mode). Empty when the start lies outside the
// image or is not part of such an area.
FloodArea FloodFillArea(const QImage& image, int x, int y, QRgb rgb, bool surface);
