#include <QAction>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

#include "WindowHarness.h"
#include "app/VertexNumbers.h"
#include "app/WindowSettings.h"
#include "app/WindowZoom.h"

namespace {

void ZoomTo(TForm1& form, int percent) {
  Command(&form, "zoomReset")->trigger();
  const char* step = percent > 100 ? "zoomIn" : "zoomOut";
  for (int presses = 0; presses < 10 && form.ZoomPercent() != percent; ++presses)
    Command(&form, step)->trigger();
  ASSERT_EQ(form.ZoomPercent(), percent);
}

}  // namespace

TEST_F(WindowTest, ZoomScalesEveryControlAndRedrawsThePicturesSharp) {
  Confirm("1 2\n2 3\n3 4");
  Fill({"1", "4", "2", "3"});
  PressEnterIn(1);
  const QImage designTree = Picture("g")->Image();
  const QRect designBox2 = Box(2)->geometry();
  const int designLabel2Font = Label(2)->font().pixelSize();
  for (int percent : {50, 200, 100}) {
    ZoomTo(*form, percent);
    const double z = percent / 100.0;
    auto scaled = [z](int v) { return static_cast<int>(std::lround(v * z)); };
    EXPECT_EQ(form->size(), QSize(scaled(857), scaled(516))) << percent;
    EXPECT_EQ(Button(3)->geometry(), QRect(scaled(600), scaled(8), scaled(249), scaled(25))) << percent;
    EXPECT_EQ(Box(2)->geometry(),
              QRect(scaled(designBox2.x()), scaled(designBox2.y()), scaled(20), scaled(20)));
    EXPECT_EQ(Label(2)->font().pixelSize(), static_cast<int>(designLabel2Font * z)) << percent;
    EXPECT_EQ(Label(2)->size(), Label(2)->sizeHint()) << percent;  // the whole text, at the zoom's size
    EXPECT_EQ(Picture("tab")->pos(), QPoint(scaled(598), scaled(217))) << percent;
    // One bitmap pixel a screen pixel: drawn afresh at the zoom, not magnified.
    const QImage& tree = Picture("g")->Image();
    EXPECT_EQ(tree.width(), static_cast<int>(std::ceil(500 * z))) << percent;
    EXPECT_EQ(Picture("g")->size(), tree.size()) << percent;
    EXPECT_EQ(tree.pixel(scaled(450), scaled(250)) & 0xFFFFFF, RgbBlack) << percent;  // vertex 1
    // The top left of edge 1-2's square, beside its text.
    EXPECT_EQ(tree.pixel(scaled(342) + 1, scaled(142) + 1) & 0xFFFFFF, RgbGreen) << percent;
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE((form->geometry().center() - screen.center()).manhattanLength(), 2) << percent;
  }
  EXPECT_EQ(Picture("g")->Image(), designTree);
  EXPECT_EQ(Box(2)->geometry(), designBox2);
}

TEST_F(WindowTest, AtEveryZoomTheLongestStatusTextsStayInTheirColumnAboveTheButtons) {
  std::string path;
  std::vector<std::string> identity;
  for (int v = 1; v <= MaxVertices; ++v) {
    if (v > 1) path += std::to_string(v - 1) + " " + std::to_string(v) + "\n";
    identity.push_back(std::to_string(v));
  }
  // Read one under the other within x 600..849, wrapped between words, clear of what lies below.
  auto inColumn = [&](int percent, const std::string& what) {
    const double z = percent / 100.0;
    auto scaled = [z](int v) { return static_cast<int>(std::lround(v * z)); };
    int bottom = 0;
    for (QLabel* label : {Find<QLabel>("verdict"), Label(1), Label(6), Label(4), Label(7), Label(8)}) {
      if (label->text().isEmpty()) continue;
      const std::string k = label->objectName().toStdString();
      const QRect r = label->geometry();
      EXPECT_GE(r.left(), scaled(600)) << what << " " << percent << " " << k;
      EXPECT_LE(r.right(), scaled(849) + 1) << what << " " << percent << " " << k;
      EXPECT_GE(r.top(), bottom) << what << " " << percent << " " << k;
      EXPECT_EQ(r.height(), label->sizeHint().height()) << what << " " << percent << " " << k;
      bottom = r.bottom();
    }
    const int below = Button(5)->isVisible() ? Button(5)->geometry().top() : Picture("tab")->geometry().top();
    EXPECT_LT(bottom, below) << what << " " << percent;
  };
  for (int percent : WindowZoom::Steps()) {
    ZoomTo(*form, percent);
    Confirm(path);
    Fill(identity);
    PressEnterIn(1);
    ASSERT_EQ(Text(Find<QLabel>("verdict")).rfind("Hodnoty 2, 3, 4,", 0), 0u);
    inColumn(percent, "the verdict");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4);
    ASSERT_TRUE(Text(Label(6)).find("vo vrcholoch") != std::string::npos) << Text(Label(6));
    inColumn(percent, "the boxes to change");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    inColumn(percent, "the closest proposal");
    Confirm("1 2\n2 3\n3 1\n4 5");
    Click(Button(6));
    Click(Button(3));
    ASSERT_EQ(Text(Label(6)), "Graf nie je strom: obsahuje cyklus a nie je súvislý.");
    inColumn(percent, "a graph that is no tree");
  }
}

TEST_F(WindowTest, ZoomAndVertexNumbersPersistAndADamagedStoreIsIgnored) {
  ZoomTo(*form, 125);
  Command(form.get(), "vertexNumbers")->trigger();
  form = std::make_unique<TForm1>();
  EXPECT_EQ(form->ZoomPercent(), 125);
  EXPECT_TRUE(Command(form.get(), "vertexNumbers")->isChecked());

  const QByteArray damaged[] = {
      QByteArray("[window]\nzoom=33\nvertexNumbers=maybe\n"),
      QByteArray("\x00\xff\xfe[window\nzoom=\"125\nvertexNumbers=true", 36),
  };
  for (const QByteArray& bytes : damaged) {
    form.reset();
    QFile file(WindowSettings::FileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    form = std::make_unique<TForm1>();
    EXPECT_EQ(form->ZoomPercent(), 100);
    EXPECT_FALSE(Command(form.get(), "vertexNumbers")->isChecked());
  }
}

// Run by ctest on a screen of 640 x 450 (a 1280 x 900 screen at QT_SCALE_FACTOR=2).
TEST_F(WindowTest, AtStartTheWindowFitsASmallScreen) {
  if (qgetenv("GRACEFUL_TEST_SCREEN") != "640x450") GTEST_SKIP() << "needs the small test screen";
  ZoomTo(*form, 67);
  Command(form.get(), "zoomIn")->trigger();
  EXPECT_EQ(form->ZoomPercent(), 67);  // the next step would not fit
  form.reset();
  QFile file(WindowSettings::FileName());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write("[window]\nzoom=200\n");
  file.close();
  form = std::make_unique<TForm1>();
  form->show();
  EXPECT_EQ(form->ZoomPercent(), 67);
  EXPECT_TRUE(form->screen()->availableGeometry().contains(form->frameGeometry()));
  EXPECT_EQ(WindowSettings().ZoomPercent(), 200);  // the user's choice, for a larger screen
}

TEST_F(WindowTest, DrawingAsATreeRedrawsInPlaceAndTheCircleComesBackToThePixel) {
  // A comb of 20 vertices: the spine 1..10, a leaf 10+k on each k.
  std::string comb;
  for (int k = 1; k < 10; ++k) comb += std::to_string(k) + " " + std::to_string(k + 1) + "\n";
  for (int k = 1; k <= 10; ++k) comb += std::to_string(k) + " " + std::to_string(k + 10) + "\n";
  Confirm(comb);
  Fill({"1", "", "5"});
  PressEnterIn(1);
  const QImage circle = Picture("g")->Image();
  const QImage table = Picture("tab")->Image();
  QAction* asTree = Command(form.get(), "treeDrawing");
  EXPECT_EQ(asTree->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));

  asTree->trigger();
  EXPECT_NE(Picture("g")->Image(), circle);
  EXPECT_EQ(Picture("tab")->Image(), table);
  EXPECT_EQ(Box(3)->text(), "5");
  // Every box stands on its own disc, none over another.
  for (int v = 1; v <= 20; ++v) {
    const QPoint centre = Box(v)->geometry().center() - QPoint(88, 8);
    EXPECT_EQ(Pixel("g", centre.x() - 12, centre.y()), RgbBlack) << v;  // the ring around the box
    for (int w = v + 1; w <= 20; ++w)
      EXPECT_FALSE(Box(v)->geometry().intersects(Box(w)->geometry())) << v << w;
  }
  // Each vertex number stands beside its own disc, clear of every box.
  Command(form.get(), "vertexNumbers")->trigger();
  const auto& numbers = Find<VertexNumbers>("vertexNumbers")->Numbers();
  EXPECT_EQ(numbers.size(), 20u);
  for (const VertexNumbers::Number& number : numbers) {
    const QPoint inWindow(number.x + 88, number.y + 8);
    for (int v = 1; v <= 20; ++v) EXPECT_FALSE(Box(v)->geometry().contains(inWindow)) << number.vertex;
  }
  // Leaves come off in the same layout: the boxes that stay do not move.
  const QRect box5 = Box(5)->geometry();
  Click(Button(7));
  EXPECT_FALSE(Box(20)->isVisible());
  EXPECT_EQ(Box(5)->geometry(), box5);

  asTree->trigger();
  Confirm(comb);
  PressEnterIn(1);
  EXPECT_EQ(Picture("g")->Image(), circle);
  EXPECT_EQ(Picture("tab")->Image(), table);
  // The choice stays for the next run.
  asTree->trigger();
  form = std::make_unique<TForm1>();
  EXPECT_TRUE(Command(form.get(), "treeDrawing")->isChecked());
}

TEST(DialogFolders, PicturesOrDocumentsFirstThenTheLastFolderAlsoInTheNextRun) {
  WindowSettings::Clear();
  QTemporaryDir dir;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  {
    WindowSettings settings;
    DialogFolders folders(settings);
    EXPECT_EQ(folders.Folder(DialogFolders::Kind::Pictures),
              QDir(pictures).exists() ? pictures : QDir::homePath());
    folders.Remember(DialogFolders::Kind::Trees, dir.filePath("strom.txt"));
  }
  WindowSettings settings;
  DialogFolders folders(settings);
  EXPECT_EQ(folders.SuggestedPath(DialogFolders::Kind::Trees, "strom.txt"), dir.filePath("strom.txt"));
  EXPECT_EQ(folders.Folder(DialogFolders::Kind::Pictures),
            QDir(pictures).exists() ? pictures : QDir::homePath());
}
