#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "check/CheckDrawing.h"
#include "files/Worksheet.h"
#include "platform/PictureRecording.h"
#include "platform/QImageCanvas.h"
#include "platform/VectorCanvas.h"
#include "support/TestTrees.h"
#include "tree/TreeDrawing.h"

namespace {

QImage White(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Labels 1..n on the first `labeled` vertices, in a shuffled order so that values repeat.
Labels SomeLabels(int n, int labeled) {
  Labels labels{};
  for (int v = 1; v <= labeled; ++v) labels[v] = static_cast<std::uint8_t>((v * 7) % n + 1);
  return labels;
}

}  // namespace

// The printed pictures are the screen's pictures: at one pixel per logical pixel the vector
// replay paints what the bitmap replay paints.
TEST(VectorCanvas, ReplayAtScaleOneMatchesTheBitmap) {
  const LayoutCircle circle{250, 250, 200};
  const std::vector<Edge> tree20 = RandomWorksheetTrees(1, 20).front().edges;
  const std::vector<Edge> path4 = {{1, 3}, {2, 4}, {1, 2}};
  struct Case {
    const char* name;
    int size;
    std::function<void(Canvas&)> draw;
  };
  const std::vector<Case> cases = {
      {"bare tree", 500,
       [&](Canvas& c) {
         DrawTreeOutline(c, circle, 20,
                         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, tree20);
       }},
      {"tree with values", 500,
       [&](Canvas& c) {
         DrawTreeOutline(c, circle, 4, {1, 2, 3, 4}, path4);
         DrawEdgeValues(c, circle, 4, path4, SomeLabels(4, 3));
         DrawEdgeValues(c, circle, 4, path4, SomeLabels(4, 4));
       }},
      {"table of 4", 250, [&](Canvas& c) { DrawCheckTable(c, 4, path4, SomeLabels(4, 4)); }},
      {"table of 7", 250, [&](Canvas& c) { DrawCheckTable(c, 7, PathEdges(7), SomeLabels(7, 5)); }},
      {"table of 20", 250, [&](Canvas& c) { DrawCheckTable(c, 20, tree20, SomeLabels(20, 20)); }},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const PictureRecording picture = RecordOffscreen(test.size, test.size, test.draw);
    QImage bitmap = White(test.size);
    QImageCanvas canvas(bitmap);
    picture.Replay(canvas);
    QImage vector = White(test.size);
    {
      QPainter painter(&vector);
      ReplayVector(picture, painter);
    }
    int differing = 0;
    for (int y = 0; y < test.size; ++y) {
      for (int x = 0; x < test.size; ++x) differing += bitmap.pixel(x, y) != vector.pixel(x, y);
    }
    EXPECT_EQ(differing, 0);
  }
}
