#include "platform/FloodFill.h"

#include <utility>

std::vector<bool> FloodFillArea(const QImage& image, int x, int y, QRgb rgb, bool surface) {
  const int w = image.width();
  const int h = image.height();
  if (x < 0 || y < 0 || x >= w || y >= h) return {};
  auto inArea = [&](int px, int py) {
    const bool same = (image.pixel(px, py) & 0xFFFFFF) == (rgb & 0xFFFFFF);
    return surface ? same : !same;
  };
  if (!inArea(x, y)) return {};
  std::vector<bool> mask(static_cast<std::size_t>(w) * h, false);
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
  return mask;
}
