#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cstdio>
#include <vector>

#include "check/CheckDrawing.h"
#include "platform/PictureBox.h"
#include "tree/TreeDrawing.h"

namespace {

const LayoutCircle Circle{250, 250, 200};

std::vector<Edge> Star(int n) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back({1, static_cast<std::uint8_t>(v)});
  return edges;
}

void DrawTree(PictureBox& picture, int n) {
  std::vector<int> vertices;
  for (int v = 1; v <= n; ++v) vertices.push_back(v);
  DrawTreeOutline(picture.Surface(), Circle, n, vertices, Star(n));
}

Labels Shifted(int n, int shift) {
  Labels labels{};
  for (int v = 1; v <= n; ++v) labels[v] = static_cast<std::uint8_t>((v - 1 + shift) % n + 1);
  return labels;
}

unsigned At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Logical pixels whose 2 x 2 device block at ratio 2 mostly shows another colour.
int PixelsMovedAtRatio2(const QImage& once, const QImage& twice) {
  int moved = 0;
  for (int y = 0; y < once.height(); ++y) {
    for (int x = 0; x < once.width(); ++x) {
      int same = 0;
      for (int d = 0; d < 4; ++d) same += At(twice, 2 * x + d % 2, 2 * y + d / 2) == At(once, x, y);
      moved += same < 2;
    }
  }
  return moved;
}

}  // namespace

TEST(PictureBox, AtRatio2EverythingIsDrawnTwiceAsFineInTheSamePlaces) {
  PictureBox lines(nullptr, 40, 40);
  lines.Surface().SetPenWidth(3);
  lines.Surface().MoveTo(20, 5);
  lines.Surface().LineTo(20, 35);
  const QImage twice = lines.Render(2);
  ASSERT_EQ(twice.size(), QSize(80, 80));
  EXPECT_EQ(twice.devicePixelRatio(), 2.0);
  int wide = 0;
  for (int x = 0; x < 80; ++x) wide += At(twice, x, 40) == 0;
  EXPECT_EQ(wide, 6);
  EXPECT_EQ(lines.Render(1), lines.Image());

  PictureBox g(nullptr, 500, 500), tab(nullptr, 250, 250);
  DrawTree(g, 10);
  DrawEdgeValues(g.Surface(), Circle, 10, Star(10), Shifted(10, 3));
  DrawCheckTable(tab.Surface(), 10, Star(10), Shifted(10, 3));
  const QImage tree = g.Render(2);
  ASSERT_EQ(tree.size(), QSize(1000, 1000));
  // The frame is two device pixels wide, the outermost ones stay white and the fill reaches
  // the frame: the fill works on device pixels.
  EXPECT_EQ(At(tree, 1, 500), 0xFFFFFFu);
  EXPECT_EQ(At(tree, 2, 500), 0u);
  EXPECT_EQ(At(tree, 3, 500), 0u);
  EXPECT_EQ(At(tree, 4, 500), 0x00FFFFu);
  // Apart from the glyphs of the texts, every logical pixel keeps its colour.
  EXPECT_LT(PixelsMovedAtRatio2(g.Render(1), tree), 500);
  EXPECT_LT(PixelsMovedAtRatio2(tab.Render(1), tab.Render(2)), 500);
}

TEST(PictureBox, ReplayGivesTheSameBitmapAndTheListStaysShortOverManyRedraws) {
  PictureBox g(nullptr, 500, 500), tab(nullptr, 250, 250);
  std::size_t most = 0, mostTable = 0;
  for (int round = 0; round < 90; ++round) {
    const int n = 6 + round / 30 * 7;
    if (round % 30 == 0) DrawTree(g, n);
    Labels labels = Shifted(n, round);
    if (round % 4 == 1) labels[2] = 0;  // a blue square without a text
    DrawEdgeValues(g.Surface(), Circle, n, Star(n), labels);
    DrawCheckTable(tab.Surface(), n, Star(n), labels);
    most = std::max(most, g.Recording()->OperationCount());
    mostTable = std::max(mostTable, tab.Recording()->OperationCount());
    if (round % 29 == 0) {
      EXPECT_EQ(g.Render(1), g.Image()) << round;
      EXPECT_EQ(tab.Render(1), tab.Image()) << round;
    }
  }
  // No more than one drawing of the largest tree and table: 20 discs with their fills, 19 lines,
  // 19 squares with their texts; 20 hatched cells, 40 numbers, 38 grid lines and 38 dots.
  EXPECT_LE(most, 100u);
  EXPECT_LE(mostTable, 140u);
  std::printf("[ figures ] operations: tree %zu (%zu bytes), table %zu (%zu bytes)\n", most,
              g.Recording()->MemoryBytes(), mostTable, tab.Recording()->MemoryBytes());
}

// Also run with QT_SCALE_FACTOR=2 (see tests/CMakeLists.txt).
TEST(PictureBox, BitmapHasTheRatioOfItsScreen) {
  QWidget window;
  auto* g = new PictureBox(&window, 500, 500);
  DrawTree(*g, 5);
  window.show();
  g->grab();
  const double ratio = g->devicePixelRatioF();
  if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") {
    EXPECT_EQ(ratio, 2.0);
  }
  EXPECT_EQ(g->Image().devicePixelRatio(), ratio);
  EXPECT_EQ(g->Image().size(), QSize(500, 500) * ratio);
  EXPECT_EQ(g->Image(), g->Render(ratio));
}
