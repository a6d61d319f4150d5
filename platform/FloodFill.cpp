#include "platform/FloodFill.h"

#include <algorithm>
#include <utility>

FloodArea FloodFillArea(const QImage& image, int x, int y, QRgb rgb, bool surface) {
  const int w = image.width();
  const int h = image.height();
  if (x < 0 || y < 0 || x >= w || y >= h) return {};
  // 32-bit pixels are read straight from the rows: at a high device pixel ratio fills cover
  // millions of pixels.
  const bool direct = image.depth() == 32;
  auto inArea = [&](int px, int py) {
    const QRgb pixel =
        direct ? reinterpret_cast<const QRgb*>(image.constScanLine(py))[px] : image.pixel(px, py);
    const bool same = (pixel & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return surface ? same : !same;
  };
  if (!inArea(x, y)) return {};
  FloodArea area{std::vector<bool>(static_cast<std::size_t>(w) * h, false), QRect(x, y, 1, 1)};
  std::vector<bool>& mask = area.mask;
  std::vector<std::pair<int, int>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    if (mask[static_cast<std::size_t>(sy) * w + sx]) continue;
    // Fill the whole run of this row, then queue the rows above and below once per run.
    int left = sx;
    while (left > 0 && !mask[static_cast<std::size_t>(sy) * w + left - 1] && inArea(left - 1, sy)) --left;
    int right = sx;
    while (right + 1 < w && !mask[static_cast<std::size_t>(sy) * w + right + 1] && inArea(right + 1, sy))
      ++right;
    for (int px = left; px <= right; ++px) mask[static_cast<std::size_t>(sy) * w + px] = true;
    area.bounds |= QRect(left, sy, right - left + 1, 1);
    for (int ny : {sy - 1, sy + 1}) {
      if (ny < 0 || ny >= h) continue;
      bool inRun = false;
      for (int px = left; px <= right; ++px) {
        const bool open = !mask[static_cast<std::size_t>(ny) * w + px] && inArea(px, ny);
        if (open && !inRun) stack.emplace_back(px, ny);
        inRun = open;
      }
    }
  }
  return area;
}
