#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include "check/CheckDrawing.h"
#include "platform/PictureBox.h"
#include "platform/PictureExport.h"
#include "tree/TreeDrawing.h"

namespace {

// Pixels of the box's inside (its frame left out) that are not yellow, at three device pixels
// per logical one.
int InkInBox(const QImage& image, QPoint topLeft) {
  int ink = 0;
  for (int y = 3 * (topLeft.y() + 1); y < 3 * (topLeft.y() + 19); ++y) {
    for (int x = 3 * (topLeft.x() + 1); x < 3 * (topLeft.x() + 19); ++x)
      ink += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFF00;
  }
  return ink;
}

}  // namespace

TEST(PictureExport, SavedPngIsThreeTimesTheWindowAndShowsTheBoxNumbersAndTheTable) {
  const LayoutCircle circle{250, 250, 200};
  const std::vector<Edge> edges = {{1, 2}, {2, 3}};
  PictureBox g(nullptr, 500, 500), tab(nullptr, 250, 250);
  DrawTreeOutline(g.Surface(), circle, 3, {1, 2, 3}, edges);
  Labels labels{};
  labels[1] = 1;
  labels[2] = 3;
  labels[3] = 2;
  DrawCheckTable(tab.Surface(), 3, edges, labels);
  const std::vector<ExportBox> boxes = {{{440, 240}, "1"}, {{140, 67}, "13"}, {{140, 413}, ""}};

  QTemporaryDir dir;
  const QString path = dir.filePath("strom.png");
  ASSERT_TRUE(SavePicture(RenderPictureExport(g, boxes, &tab), path));
  const QImage saved(path);
  ASSERT_EQ(saved.size(), QSize(3 * 760, 3 * 500));
  EXPECT_GT(InkInBox(saved, {440, 240}), 20);
  EXPECT_GT(InkInBox(saved, {140, 67}), InkInBox(saved, {440, 240}));
  EXPECT_EQ(InkInBox(saved, {140, 413}), 0);
  // The table's black frame (its left edge at x 25, two pixels wide) lies beside the tree.
  EXPECT_EQ(saved.pixel(3 * (510 + 25), 3 * (209 + 100)) & 0xFFFFFF, 0u);
  EXPECT_EQ(saved.pixel(3 * (510 + 25) - 4, 3 * (209 + 100)) & 0xFFFFFF, 0xA6CAF0u);

  // Without the table only the tree's own square is saved.
  EXPECT_EQ(RenderPictureExport(g, boxes).size(), QSize(1500, 1500));

  const QString unwritable = dir.filePath("chýba/strom.png");
  EXPECT_FALSE(SavePicture(saved, unwritable));
  EXPECT_EQ(SaveFailureMessage(unwritable), "Obrázok sa nepodarilo uložiť do súboru " + unwritable + ".");
}
