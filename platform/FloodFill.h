#pragma once

#include <QImage>
#include <vector>

// The pixels a flood fill from (x, y) repaints: the 4-connected area of pixels equal to `rgb`
// (surface mode) or different from `rgb` (border mode). Row-major mask of the image's size;
// empty when the start lies outside the image or is not part of such an area.
std::vector<bool> FloodFillArea(const QImage& image, int x, int y, QRgb rgb, bool surface);
