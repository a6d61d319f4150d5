#include <sys/stat.h>

#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include "WindowHarness.h"
#include "app/ConjectureCommands.h"
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

TEST_F(FilesWindowTest, AFileThatIsRefusedChangesNothing) {
  // The work of an opened file, filled and checked: nothing of it may go.
  Write(dir.filePath("strom1.txt"), "1 2\n2 3\n3 4\n# čísla: 2 3 1\n");
  ASSERT_TRUE(form->Files().Open(dir.filePath("strom1.txt")));
  const Seen before = Look();
  const QString title = form->windowTitle();
  EXPECT_EQ(title.toStdString(), "strom1.txt – Skúšanie gracióznych ohodnotení stromov");
  const QByteArray twentyOne = QByteArray(1, static_cast<char>(63 + 21)) + QByteArray(35, '?');
  QByteArray path21, longFile;
  for (int v = 1; v <= 20; ++v) path21 += QByteArray::number(v) + " " + QByteArray::number(v + 1) + "\n";
  for (int k = 0; k < 200000; ++k) longFile += "1 2\n";
  const struct {
    const char* name;
    QByteArray bytes;
    std::string message;
  } bad[] = {
      {"binary.txt", QByteArray("1 2\n\0\n", 6), "Súbor binary.txt sa nedá otvoriť."},
      {"latin2.txt", "# \xe8\xed\x73la\n1 2\n", "Súbor latin2.txt sa nedá otvoriť."},
      {"veľký.txt", QByteArray(1024 * 1024 + 1, '#'), "Súbor veľký.txt je väčší ako 1 MB."},
      {"words.txt", "1 2\r\n2 3\r\nhello\r\n", "Súbor words.txt nie je strom: riadok 3."},
      {"empty.txt", "# nothing\n\n", "Súbor empty.txt nie je strom."},
      // Refused by the edge box's checks, or for not being a tree, named by the file's own lines.
      {"strom.txt", "# bez 3\n1 2\n2 4\n4 5\n",
       "Súbor strom.txt, riadok 4: nepovolené číslo 5 (strom má 4 vrcholy)."},
      {"large.g6", twentyOne + "\n", "Súbor large.g6, riadok 1: príliš veľa vrcholov: 21 (maximum je 20)."},
      {"path21.txt", path21, "Súbor path21.txt, riadky 1–20: príliš veľa vrcholov: 21 (maximum je 20)."},
      {"long.txt", longFile,
       "Súbor long.txt, riadky 1–200000: príliš veľa vrcholov: 200001 (maximum je 20)."},
      {"cycle.txt", "# les\n1 2\n2 3\n3 1\n4 5\n",
       "Súbor cycle.txt, riadky 2–5: nie je strom (obsahuje cyklus)."},
      {"twice.txt", "1 2\n2 3\n2 1\n", "Súbor twice.txt, riadky 1 a 3: dve rovnaké hrany."},
  };
  for (const auto& file : bad) {
    const QString path = dir.filePath(QString::fromUtf8(file.name));
    Write(path, file.bytes);
    EXPECT_FALSE(form->Files().Open(path)) << file.name;
    EXPECT_EQ(LastBox(), file.message) << file.name;
    EXPECT_TRUE(Look() == before) << file.name;
    EXPECT_EQ(form->windowTitle(), title) << file.name;
    EXPECT_EQ(form->State().OpenSet.title, "strom1.txt") << file.name;
  }
  // What is no plain file: missing, a folder, a named pipe nobody writes to (it must not hang).
  ASSERT_EQ(mkfifo(dir.filePath("pipe").toLocal8Bit().constData(), 0600), 0);
  for (const char* name : {"missing.txt", "", "pipe"}) {
    const QString path = dir.filePath(name);
    EXPECT_FALSE(form->Files().Open(path)) << name;
    EXPECT_EQ(LastBox(), "Súbor " + QFileInfo(path).fileName().toStdString() + " sa nedá otvoriť.") << name;
    EXPECT_TRUE(Look() == before) << name;
  }
  // A tree typed into the edge box keeps its own rules, but a file holds trees.
  Confirm("1 2\n2 3\n3 1\n4 5");
  EXPECT_EQ(form->State().VertexCount, 5);
  form->Files().PutRandomTree(4);  // the document closes (nothing changed in it)
  Confirm("1 2\n2 3\n3 1\n4 5");
  EXPECT_FALSE(form->Files().SaveTo(dir.filePath("les.txt")));
  EXPECT_EQ(
      LastBox(),
      "Graf nie je strom (obsahuje cyklus a nie je súvislý), a tak sa nedá uložiť ako súbor so stromom.");
  EXPECT_FALSE(QFile::exists(dir.filePath("les.txt")));
}

TEST_F(FilesWindowTest, ASetIsADocumentThatKeepsEachTreesWorkAndSavesBackWhole) {
  const QString path = dir.filePath("sada.txt");
  // A graph6 path of 3 vertices (0-2, 1-2), an edge list with comments, and a tree the confirmation
  // rejects, which stays closed and stays in the file.
  const QByteArray text = "# Cvičenie\nBW\n---\n# hviezda\n1 2\n1 3\n1 4\n# čísla: 1 2 3 0\n---\n1 2\n2 2\n";
  Write(path, text);
  ASSERT_TRUE(form->Files().Open(path));
  EXPECT_EQ(LastBox(),
            "Zo súboru sada.txt sa neotvorí 1 strom z 3:\nriadok 11: hrana spája vrchol 2 so sebou "
            "samým.\nOstatné sa otvoria.");
  boxes.clear();
  EXPECT_EQ(Memo()->toPlainText(), "1 3\n2 3");
  EXPECT_EQ(form->windowTitle().toStdString(), "sada.txt (1/2) – Skúšanie gracióznych ohodnotení stromov");
  auto press = [this](Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
  };
  press(Qt::Key_PageUp);  // at the first tree: nothing
  EXPECT_EQ(form->State().VertexCount, 3);
  // Fill and check the first tree, then type more without checking; step away and back.
  Fill({"2", "3", "1"});
  PressEnterIn(1);
  Fill({"2", "", "1"});
  press(Qt::Key_PageDown);
  EXPECT_EQ(form->windowTitle().toStdString(), "sada.txt (2/2) – Skúšanie gracióznych ohodnotení stromov");
  EXPECT_EQ(form->State().VertexCount, 4);
  EXPECT_EQ(Box(3)->text(), "3");
  EXPECT_EQ(form->State().Fillings.HistoryTop, 1);  // its filling was checked
  press(Qt::Key_PageDown);                          // the last: nothing
  EXPECT_EQ(form->State().VertexCount, 4);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  press(Qt::Key_PageUp);
  EXPECT_EQ(Box(1)->text(), "2");
  EXPECT_EQ(Box(2)->text(), "");  // as the student left it
  ASSERT_TRUE(form->State().Drawn.values.has_value());
  EXPECT_EQ(*form->State().Drawn.values, (Labels{0, 2, 3, 1})) << "the last check is shown";
  EXPECT_TRUE(form->Files().Modified());

  // Saving writes the whole set back: comments, order, the closed tree, and each tree's filling;
  // the graph6 tree becomes edge lines, since graph6 holds no filling.
  const QString copy = dir.filePath("sada-2.txt");
  ASSERT_TRUE(form->Files().SaveTo(copy));
  EXPECT_FALSE(form->Files().Modified());
  EXPECT_EQ(form->windowTitle().toStdString(), "sada-2.txt (1/2) – Skúšanie gracióznych ohodnotení stromov");
  QFile saved(copy);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(
      saved.readAll().toStdString(),
      "# Cvičenie\n1 3\n2 3\n# čísla: 2 0 1\n---\n# hviezda\n1 2\n1 3\n1 4\n# čísla: 1 2 3 0\n---\n1 2\n2 "
      "2\n");
  form = std::make_unique<TForm1>();
  form->show();
  ASSERT_TRUE(form->Files().Open(copy));
  EXPECT_EQ(Box(1)->text(), "2");
  EXPECT_EQ(Box(3)->text(), "1");
  EXPECT_EQ(form->windowTitle().toStdString(), "sada-2.txt (1/2) – Skúšanie gracióznych ohodnotení stromov");
}

TEST_F(FilesWindowTest, ChangedFillingsAreNeverThrownAwayWithoutAsking) {
  const QString path = dir.filePath("sada.txt");
  Write(path, "1 2\n2 3\n---\n1 2\n1 3\n");
  std::vector<std::string> asked;
  MessageBoxes::Answer answer = MessageBoxes::Answer::Cancel;
  MessageBoxes::SetAnswerHook([&](const QString& text) {
    asked.push_back(text.toStdString());
    return answer;
  });
  ASSERT_TRUE(form->Files().Open(path));
  // Nothing changed: nothing is asked.
  form->Files().PutRandomTree(5);
  EXPECT_TRUE(asked.empty());
  ASSERT_TRUE(form->Files().Open(path));
  Fill({"2", "3"});
  // Cancel: the random tree, another file and closing all stay undone.
  form->Files().PutRandomTree(5);
  EXPECT_EQ(asked, std::vector<std::string>{"Uložiť zmeny v súbore sada.txt?"});
  EXPECT_EQ(form->State().VertexCount, 3);
  Write(dir.filePath("iny.txt"), "1 2\n");
  EXPECT_FALSE(form->Files().Open(dir.filePath("iny.txt")));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(asked.size(), 3u);
  EXPECT_EQ(Box(1)->text(), "2");
  // Discard: the other file opens, the old one stays as it was.
  answer = MessageBoxes::Answer::Discard;
  EXPECT_TRUE(form->Files().Open(dir.filePath("iny.txt")));
  EXPECT_EQ(form->State().VertexCount, 2);
  QFile unchanged(path);
  ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
  EXPECT_EQ(unchanged.readAll(), "1 2\n2 3\n---\n1 2\n1 3\n");
  unchanged.close();
  // Save: written back into the file, then the window closes.
  ASSERT_TRUE(form->Files().Open(path));
  Fill({"1", "3"});
  answer = MessageBoxes::Answer::Save;
  form->close();
  EXPECT_FALSE(form->isVisible());
  ASSERT_TRUE(unchanged.open(QIODevice::ReadOnly));
  EXPECT_EQ(unchanged.readAll(), "1 2\n2 3\n# čísla: 1 3 0\n---\n1 2\n1 3\n");
  MessageBoxes::SetAnswerHook({});
  // The open dialog starts where the file opened last is.
  WindowSettings settings;
  EXPECT_EQ(DialogFolders(settings).Folder(DialogFolders::Kind::Trees), QFileInfo(path).absolutePath());
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

TEST_F(FilesWindowTest, EveryTreeOfNVerticesIsASetAndIsCheckedWhileTheWindowWaits) {
  // The largest set the window offers, with every tree of it taken.
  ASSERT_TRUE(form->Conjecture().OpenAllTrees(16));
  EXPECT_EQ(form->State().OpenSet.opened.size(), 19320u);
  EXPECT_TRUE(boxes.empty()) << LastBox();
  ASSERT_TRUE(form->Conjecture().OpenAllTrees(7));
  EXPECT_EQ(form->windowTitle().toStdString(),
            "Všetky stromy s 7 vrcholmi (1/11) – Skúšanie gracióznych ohodnotení stromov");
  EXPECT_EQ(CrossingCount(7, form->State().TreeEdges()), 0);  // numbered so that no edges cross
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(form->State().OpenSet.index, 1);
  EXPECT_TRUE(boxes.empty()) << LastBox();

  // The check offers the slowest tree; taking it opens it as a new exercise (nothing changed here).
  std::vector<std::string> asked;
  MessageBoxes::SetAnswerHook([&](const QString& text) {
    asked.push_back(text.toStdString());
    return MessageBoxes::Answer::Save;
  });
  const std::optional<std::string> summary = form->Conjecture().CheckAllTrees(8);
  ASSERT_TRUE(summary.has_value());
  EXPECT_EQ(summary->rfind("Všetkých 23 stromov s 8 vrcholmi má graciózne ohodnotenie. Trvalo to ", 0), 0u)
      << *summary;
  EXPECT_NE(summary->find("najdlhšie"), std::string::npos);
  EXPECT_EQ(asked, std::vector<std::string>{*summary});
  EXPECT_EQ(form->State().VertexCount, 8);
  EXPECT_TRUE(form->State().OpenSet.Empty());
  EXPECT_FALSE(form->State().Busy);
  MessageBoxes::SetAnswerHook({});

  // Cancelled at once: no summary, and the window is as it was.
  const std::vector<Edge> before = form->State().TreeEdges();
  QTimer::singleShot(50, form.get(), [] {
    if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) dialog->cancel();
  });
  EXPECT_FALSE(form->Conjecture().CheckAllTrees(20).has_value());
  EXPECT_FALSE(form->State().Busy);
  EXPECT_EQ(form->State().TreeEdges(), before);
  EXPECT_TRUE(Button(3)->isEnabled());
}
