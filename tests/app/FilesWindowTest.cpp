#include <sys/stat.h>

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include "WindowHarness.h"
#include "tree/CrossingFree.h"

namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class FilesWindowTest : public WindowTest {
 protected:
  // Everything a student sees of the exercise.
  struct Seen {
    QString edges;
    std::vector<QString> boxTexts;
    QImage tree, table;
    bool tableShown;
    int historyPos, historyTop, n;
    friend bool operator==(const Seen&, const Seen&) = default;
  };
  Seen Look() const {
    Seen seen{Memo()->toPlainText(),
              {},
              Picture("g")->Image(),
              Picture("tab")->Image(),
              Picture("tab")->isVisible(),
              form->State().Fillings.HistoryPos,
              form->State().Fillings.HistoryTop,
              form->State().VertexCount};
    for (int k = 1; k <= 20; ++k) seen.boxTexts.push_back(Box(k)->text());
    return seen;
  }
  QTemporaryDir dir;
};

TEST_F(FilesWindowTest, ASavedTreeOpensAgainAsItWasChecked) {
  Confirm("1 2\n2 3\n+3 4\n4 5");
  Fill({"1", "5", "", "2", ""});
  PressEnterIn(1);
  const Seen saved = Look();
  const QString path = dir.filePath("strom.txt");
  ASSERT_TRUE(form->Files().SaveTo(path));

  form = std::make_unique<TForm1>();
  form->show();
  ASSERT_TRUE(form->Files().Open(path));
  EXPECT_TRUE(boxes.empty()) << LastBox();
  Seen opened = Look();
  EXPECT_EQ(opened.edges, "1 2\n2 3\n3 4\n4 5");  // the confirmed tree, as numbers
  opened.edges = saved.edges;
  EXPECT_TRUE(opened == saved);
  EXPECT_EQ(Text(Label(5)), "Dopĺňajte vrcholy grafu a stláčajte ENTER:");

  // A failed save says where and leaves the old file whole.
  ASSERT_FALSE(form->Files().SaveTo(dir.filePath("missing/strom.txt")));
  EXPECT_EQ(LastBox(),
            "Strom sa nepodarilo uložiť do súboru " + dir.filePath("missing/strom.txt").toStdString() + ".");
}

TEST_F(FilesWindowTest, AFileThatIsNoTreeChangesNothing) {
  Confirm("1 2\n2 3\n3 4");
  Fill({"2", "3", "1"});
  PressEnterIn(1);
  const Seen before = Look();
  const QByteArray twentyOne = QByteArray(1, static_cast<char>(63 + 21)) + QByteArray(35, '?');
  const struct {
    const char* name;
    QByteArray bytes;
    const char* message;
  } bad[] = {
      {"binary.txt", QByteArray("1 2\n\0\n", 6), "sa nedá otvoriť."},
      {"latin2.txt", "# \xe8\xed\x73la\n1 2\n", "sa nedá otvoriť."},
      {"big.txt", QByteArray(1024 * 1024 + 1, '#'), "sa nedá otvoriť."},
      {"large.g6", twentyOne + "\n", "nie je strom: riadok 1."},
      {"words.txt", "1 2\r\n2 3\r\nhello\r\n", "nie je strom: riadok 3."},
      {"empty.txt", "# nothing\n\n", "nie je strom."},
  };
  for (const auto& file : bad) {
    const QString path = dir.filePath(file.name);
    Write(path, file.bytes);
    EXPECT_FALSE(form->Files().Open(path)) << file.name;
    EXPECT_EQ(LastBox(), "Súbor " + path.toStdString() + " " + file.message) << file.name;
    EXPECT_TRUE(Look() == before) << file.name;
  }
  // What is no plain file: missing, a folder, a named pipe nobody writes to (it must not hang).
  ASSERT_EQ(mkfifo(dir.filePath("pipe").toLocal8Bit().constData(), 0600), 0);
  for (const char* name : {"missing.txt", "", "pipe"}) {
    const QString path = dir.filePath(name);
    EXPECT_FALSE(form->Files().Open(path)) << name;
    EXPECT_EQ(LastBox(), "Súbor " + path.toStdString() + " sa nedá otvoriť.") << name;
    EXPECT_TRUE(Look() == before) << name;
  }
}

TEST_F(FilesWindowTest, ASetIsSteppedThroughAndATreeThatFailsStaysInTheEdgeBox) {
  const QString path = dir.filePath("sada.txt");
  // A graph6 path of 3 vertices (0-2, 1-2), an edge list, and a line the confirmation rejects.
  Write(path, "BW\n---\n1 2\n1 3\n1 4\n# čísla: 1 2 3 0\n---\n1 2\n2 2\n");
  ASSERT_TRUE(form->Files().Open(path));
  EXPECT_EQ(Memo()->toPlainText(), "1 3\n2 3");
  auto press = [this](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
  };
  press(Qt::Key_PageUp);  // at the first tree: nothing
  EXPECT_EQ(form->State().VertexCount, 3);
  press(Qt::Key_PageDown);
  EXPECT_EQ(form->State().VertexCount, 4);
  EXPECT_EQ(Box(3)->text(), "3");
  EXPECT_EQ(form->State().Fillings.HistoryTop, 1);  // its filling was checked
  EXPECT_TRUE(boxes.empty()) << LastBox();
  press(Qt::Key_PageDown);
  EXPECT_EQ(LastBox(), "Chyba v 2. riadku (nesprávne definovaná hrana).");
  EXPECT_EQ(Memo()->toPlainText(), "1 2\n2 2");
  EXPECT_FALSE(Button(3)->isVisible());
  boxes.clear();
  press(Qt::Key_PageDown);  // the last: nothing
  EXPECT_TRUE(boxes.empty());
  press(Qt::Key_PageUp);
  EXPECT_EQ(form->State().VertexCount, 4);
}

TEST_F(FilesWindowTest, AFileDroppedOnTheEdgeBoxOpensInsteadOfTypingItsName) {
  const QString path = dir.filePath("hviezda.g6");
  Write(path, "CF\n");
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(path)});
  QWidget* target = Memo()->viewport();
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  QApplication::processEvents();
  EXPECT_EQ(Memo()->toPlainText(), "1 4\n2 4\n3 4");
  EXPECT_EQ(form->State().VertexCount, 4);
}

TEST_F(FilesWindowTest, RenumberingRemovesCrossingsAndTheNumbersMoveWithTheirVertices) {
  Confirm("1 3\n3 5\n5 2\n2 4\n4 6");
  Fill({"1", "2", "3", "4", "5", "6"});
  PressEnterIn(1);
  const std::vector<Edge> before = form->State().TreeEdges();
  ASSERT_GT(CrossingCount(6, before), 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
  const std::vector<Edge> after = form->State().TreeEdges();
  EXPECT_EQ(CrossingCount(6, after), 0);
  const std::vector<int> numbering = CrossingFreeNumbering(6, before);
  for (std::size_t k = 0; k < before.size(); ++k) {
    EXPECT_EQ(after[k], (Edge{static_cast<std::uint8_t>(numbering[before[k].a]),
                              static_cast<std::uint8_t>(numbering[before[k].b])}));
  }
  for (int v = 1; v <= 6; ++v) EXPECT_EQ(Box(numbering[v])->text(), QString::number(v)) << v;
  EXPECT_EQ(form->State().Fillings.HistoryPos, 0);  // a new history
}

namespace {

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(
      QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

}  // namespace

TEST_F(FilesWindowTest, PrintsTheExerciseAndMakesWorksheetsOfASetOrOfRandomTrees) {
  Confirm("1 2\n2 3\n3 4");
  Fill({"2", "3", "1", "4"});
  PressEnterIn(1);
  {
    QPdfWriter printed(dir.filePath("cvicenie.pdf"));
    EXPECT_TRUE(form->Paper().PrintExerciseTo(printed));
  }
  EXPECT_EQ(PdfPages(dir.filePath("cvicenie.pdf")), 1);

  // The set's trees that the edge box takes: two trees, one page, and the key.
  Write(dir.filePath("sada.txt"), "1 2\n2 3\n---\n1 1\n---\nCF\n");
  ASSERT_TRUE(form->Files().Open(dir.filePath("sada.txt")));
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(dir.filePath("sada.pdf"), 12, 0));
  EXPECT_EQ(PdfPages(dir.filePath("sada.pdf")), 2);

  form = std::make_unique<TForm1>();
  ASSERT_TRUE(form->Paper().WriteWorksheetTo(dir.filePath("nahodne.pdf"), 3, 6));
  EXPECT_EQ(PdfPages(dir.filePath("nahodne.pdf")), 3);
  const QString nowhere = dir.filePath("missing/list.pdf");
  EXPECT_FALSE(form->Paper().WriteWorksheetTo(nowhere, 1, 5));
  EXPECT_EQ(LastBox(), "Pracovný list sa nepodarilo uložiť do súboru " + nowhere.toStdString() + ".");
}
