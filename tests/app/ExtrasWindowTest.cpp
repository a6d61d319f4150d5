#include <QAction>
#include <QInputDialog>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include "WindowHarness.h"
#include "app/VertexNumbers.h"
#include "check/CheckDrawing.h"
#include "tree/Connectivity.h"
#include "tree/LayoutClearance.h"

TEST_F(WindowTest, VertexNumbersStandOutsideTheCircleAndLeaveThePictureAlone) {
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6");
  const QImage before = Picture("g")->Image();
  auto* layer = Find<VertexNumbers>("vertexNumbers");
  EXPECT_TRUE(layer->Numbers().empty());

  QAction* numbers = Command(form.get(), "vertexNumbers");
  numbers->trigger();
  ASSERT_EQ(layer->Numbers().size(), 6u);
  EXPECT_EQ(layer->Numbers()[0].vertex, 1);
  EXPECT_EQ(layer->Numbers()[0].x, 477);  // right of vertex 1 at (450, 250)
  EXPECT_EQ(layer->Numbers()[0].y, 250);
  for (const VertexNumbers::Number& number : layer->Numbers()) {
    const double fromCentre = std::hypot(number.x - 250, number.y - 250);
    EXPECT_GT(fromCentre, 200 + 15 + 5) << number.vertex;
  }
  // Peeled leaves take their numbers with them.
  PressEnterIn(1);
  Click(Button(7));
  EXPECT_EQ(layer->Numbers().size(), 4u);

  numbers->trigger();
  EXPECT_TRUE(layer->Numbers().empty());
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6");
  EXPECT_EQ(Picture("g")->Image(), before);
}

TEST_F(WindowTest, EveryVertexNumberBelongsToItsDiscAndKeepsClearOfTextsAndSquares) {
  Command(form.get(), "vertexNumbers")->trigger();
  auto* layer = Find<VertexNumbers>("vertexNumbers");
  for (bool treeShaped : {false, true}) {
    if (treeShaped) Command(form.get(), "treeDrawing")->trigger();
    for (int n = 2; n <= MaxVertices; ++n) {
      std::string path, star, heap;
      std::vector<std::string> filling;
      for (int v = 2; v <= n; ++v) {
        path += std::to_string(v - 1) + " " + std::to_string(v) + "\n";
        star += "1 " + std::to_string(v) + "\n";
        heap += std::to_string(v / 2) + " " + std::to_string(v) + "\n";
      }
      for (int v = 1; v <= n; ++v) filling.push_back(std::to_string(v));
      for (const std::string& tree : {path, star, heap}) {
        Confirm(tree);
        Fill(filling);
        PressEnterIn(1);  // checked: the value squares stand on the edges
        const ProgramState& s = form->State();
        const VertexLayout layout = s.TreeShaped ? s.TreeShape : CircleLayout(s.Circle, n);
        // Window coordinates; the tree picture sits at (88, 8).
        std::vector<QRect> keepOut;
        for (QWidget* fixed :
             std::initializer_list<QWidget*>{Label(5), Label(2), Button(8), Button(9), Button(2)})
          keepOut.push_back(fixed->geometry());
        for (const Rect& r : EdgeValueSquares(layout, s.TreeEdges()))
          keepOut.push_back(
              QRect(QPoint(88 + r.left, 8 + r.top), QPoint(88 + r.right - 1, 8 + r.bottom - 1)));
        ASSERT_EQ(layer->Numbers().size(), static_cast<std::size_t>(n));
        for (const VertexNumbers::Number& number : layer->Numbers()) {
          const std::string where =
              (treeShaped ? "tree " : "circle ") + tree + " vertex " + std::to_string(number.vertex);
          const QSize size = VertexNumbers::TextSize(number.vertex);
          const QRect text(88 + number.x - size.width() / 2, 8 + number.y - size.height() / 2, size.width(),
                           size.height());
          for (const QRect& fixed : keepOut)
            EXPECT_FALSE(text.adjusted(-5, -5, 5, 5).intersects(fixed)) << where;
          const Rect picture{text.left() - 88, text.top() - 8, text.right() + 1 - 88, text.bottom() + 1 - 8};
          const double own = DistanceToRect(layout.points[number.vertex], picture);
          for (int w = 1; w <= n; ++w) {
            if (w == number.vertex) continue;
            EXPECT_LT(own, DistanceToRect(layout.points[w], picture)) << where << " " << w;
          }
        }
        if (HasFailure()) return;
      }
    }
  }
}

TEST_F(WindowTest, SavedPictureIsThreeTimesTheWindowsAndAFailedSaveSaysWhere) {
  Confirm("1 2\n2 3\n3 4");
  Fill({"1", "4", "2", "3"});
  PressEnterIn(1);
  QTemporaryDir dir;
  const QString path = dir.filePath("strom.png");
  ASSERT_TRUE(form->Paper().SavePictureTo(path));
  const QImage saved(path);
  EXPECT_EQ(saved.size(), QSize(3 * 760, 3 * 500));  // the tree, and the table beside it
  // Box 1 sits at (440, 240) on the tree picture: its number darkens some of its pixels.
  int dark = 0;
  for (int y = 3 * 240 + 6; y < 3 * 260 - 6; ++y) {
    for (int x = 3 * 440 + 6; x < 3 * 460 - 6; ++x) dark += qGray(saved.pixel(x, y)) < 100;
  }
  EXPECT_GT(dark, 20);

  const QString nowhere = dir.filePath("missing/strom.png");
  EXPECT_FALSE(form->Paper().SavePictureTo(nowhere));
  EXPECT_EQ(LastBox(), "Obrázok sa nepodarilo uložiť do súboru " + nowhere.toStdString() + ".");
  EXPECT_TRUE(Picture("tab")->isVisible());
}

TEST_F(WindowTest, RandomTreeIsTypedForTheStudentToConfirm) {
  Confirm("1 2\n2 3\n3 4\n4 5\n5 6\n6 7\n7 8\n8 9\n9 10\n10 11\n11 12");
  Fill({"1", "12"});
  for (int n : {5, 2, 20}) {
    form->Files().PutRandomTree(n);
    EXPECT_EQ(Box(2)->text(), "") << n;         // a new exercise starts with empty boxes
    EXPECT_FALSE(Button(3)->isVisible()) << n;  // reset for editing, not confirmed
    Click(Button(1));
    EXPECT_TRUE(boxes.empty()) << LastBox();
    EXPECT_EQ(form->State().VertexCount, n);
    EXPECT_TRUE(IsConnected(n, form->State().TreeEdges())) << n;
  }
}

TEST_F(WindowTest, ExtraCommandsAreOfferedExactlyWhenTheyMakeSense) {
  QAction* save = Command(form.get(), "savePicture");
  QAction* copy = Command(form.get(), "copyPicture");
  QAction* random = Command(form.get(), "randomTree");
  EXPECT_FALSE(save->isEnabled() || copy->isEnabled());
  EXPECT_TRUE(random->isEnabled());
  EXPECT_EQ(save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));  // Ctrl+S saves the tree, Ctrl+Shift+S as…
  EXPECT_EQ(random->shortcut(), QKeySequence::New);

  Confirm("1 2\n1 3\n1 4\n1 5\n1 6\n1 7\n1 8\n1 9\n1 10");
  EXPECT_TRUE(save->isEnabled() && copy->isEnabled());
  bool sawSearch = false;
  QTimer::singleShot(0, form.get(), [&] {
    sawSearch = true;
    EXPECT_FALSE(save->isEnabled() || copy->isEnabled() || random->isEnabled());
  });
  Click(Button(3));
  EXPECT_TRUE(sawSearch);
  EXPECT_TRUE(save->isEnabled() && random->isEnabled());

  // The random tree's dialog shows its whole title.
  int width = 0, titleWidth = 0;
  QTimer::singleShot(0, form.get(), [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    width = dialog->width();
    titleWidth = dialog->fontMetrics().horizontalAdvance(dialog->windowTitle());
    dialog->close();
  });
  random->trigger();
  EXPECT_GE(width, titleWidth + 160);  // beside the title bar's icon and buttons; Qt's own 200 px are not

  // A count out of range is refused in words and asked for again, never quietly replaced.
  QStringList asked;
  auto answer = [&](const QString& text) {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    asked << dialog->textValue();
    dialog->setTextValue(text);
    dialog->accept();
  };
  QTimer::singleShot(0, form.get(), [&] {
    answer("25");
    QTimer::singleShot(0, form.get(), [&] { answer("7"); });
  });
  random->trigger();
  EXPECT_EQ(LastBox(), "Strom môže mať 2 až 20 vrcholov; „25“ sa nedá použiť.");
  EXPECT_EQ(asked, QStringList({"10", "25"}));      // the refused answer stays to be mended
  EXPECT_EQ(Memo()->toPlainText().count('\n'), 5);  // a tree of 7 vertices, typed for confirming
}
