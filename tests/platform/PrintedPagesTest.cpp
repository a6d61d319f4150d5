#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "check/CheckDrawing.h"
#include "files/Worksheet.h"
#include "platform/PrintedPages.h"
#include "tree/TreeDrawing.h"

namespace {

const LayoutCircle Circle{250, 250, 200};

std::vector<ExportBox> Boxes(int n, const std::vector<QString>& texts = {}) {
  std::vector<ExportBox> boxes;
  for (int v = 1; v <= n; ++v) {
    const Point p = VertexPoint(Circle, n, v);
    boxes.push_back({{p.x - 10, p.y - 10}, v <= static_cast<int>(texts.size()) ? texts[v - 1] : QString()});
  }
  return boxes;
}

std::vector<int> AllVertices(int n) {
  std::vector<int> vertices;
  for (int v = 1; v <= n; ++v) vertices.push_back(v);
  return vertices;
}

// The text of the PDF, pages separated by form feeds; empty when poppler's tools are missing.
QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Qt writes every bitmap it is given as an image object; the pages must have none.
bool HasImages(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.readAll().contains("/Subtype /Image");
}

}  // namespace

TEST(PrintedPages, ExercisePageShowsTheEdgesTheBoxesAndTheTableAsVectors) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
  const std::vector<Edge> edges = {{1, 2}, {2, 3}, {3, 4}};
  Labels labels{};
  labels[1] = 1;
  labels[2] = 4;
  labels[3] = 2;
  const PictureRecording tree = RecordOffscreen(500, 500, [&](Canvas& c) {
    DrawTreeOutline(c, Circle, 4, AllVertices(4), edges);
    DrawEdgeValues(c, Circle, 4, edges, labels);
  });
  const PictureRecording table =
      RecordOffscreen(250, 250, [&](Canvas& c) { DrawCheckTable(c, 4, edges, labels); });
  ExercisePage page{{{1, 2}, {2, 3}, {3, 4}}, &tree, Boxes(4, {"1", "4", "2", ""}), &table, {}};
  bool overlaid = false;
  page.overlay = [&overlaid](QPainter&) { overlaid = true; };

  QTemporaryDir dir;
  const QString path = dir.filePath("úloha.pdf");
  {
    QPdfWriter writer(path);
    writer.setPageLayout(PrintedPageLayout());
    ASSERT_TRUE(PrintExercisePage(writer, page));
  }
  EXPECT_TRUE(overlaid);
  const QString text = PdfText(path);
  EXPECT_EQ(text.count('\f'), 1) << "one page";
  for (const char* expected : {"Meno:", "Hrany stromu: 1–2, 2–3, 3–4", "Vpíšte do vrcholov"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in\n" << text.toStdString();
  // The edge values 3 and 2 in their squares, the table's numbers, the boxes' 4.
  for (const char* expected : {"3", "2", "4"}) EXPECT_TRUE(text.contains(expected));
  EXPECT_FALSE(HasImages(path));

  QPdfWriter nowhere(dir.filePath("chýba/úloha.pdf"));
  EXPECT_FALSE(PrintExercisePage(nowhere, page));
}

TEST(PrintedPages, WorksheetHasTwoTreesAPageThenTheSolutionsAndFailsCleanly) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "no pdftotext";
  std::vector<WorksheetEntry> entries;
  for (const WorksheetTree& t : RandomWorksheetTrees(MaxWorksheetTrees, 20)) {
    WorksheetEntry entry{
        RecordOffscreen(500, 500,
                        [&](Canvas& c) { DrawTreeOutline(c, Circle, t.n, AllVertices(t.n), t.edges); }),
        Boxes(t.n),
        {}};
    for (int v = 1; v <= t.n; ++v) entry.key.push_back(t.n + 1 - v);
    entries.push_back(std::move(entry));
  }
  entries[4].key.clear();

  QTemporaryDir dir;
  const QString path = dir.filePath("pracovný list.pdf");
  QElapsedTimer timer;
  timer.start();
  ASSERT_TRUE(WriteWorksheetPdf(path, entries));
  RecordProperty("WriteWorksheetPdfMs", static_cast<int>(timer.elapsed()));
  const QString text = PdfText(path);
  const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
  ASSERT_EQ(pages.size(), 7);
  EXPECT_TRUE(pages[0].contains("Strom 1 (20 vrcholov)") && pages[0].contains("Strom 2 (20 vrcholov)"));
  EXPECT_TRUE(pages[5].contains("Strom 12 (20 vrcholov)"));
  for (int p = 0; p < 6; ++p) {
    EXPECT_TRUE(pages[p].contains("Meno:"));
    EXPECT_FALSE(pages[p].contains("Riešenia"));
  }
  EXPECT_TRUE(pages[6].contains("Riešenia"));
  EXPECT_TRUE(pages[6].contains(QString::fromUtf8("5. nemá graciózne ohodnotenie")));
  // Every other tree writes its key 20..1 in its boxes.
  EXPECT_GE(pages[6].count("20"), 11);
  EXPECT_FALSE(HasImages(path));

  // A failure leaves what was there; nothing to write writes nothing.
  const QByteArray before = [&path] {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  EXPECT_FALSE(WriteWorksheetPdf(dir.filePath("chýba/list.pdf"), entries));
  EXPECT_FALSE(WriteWorksheetPdf(dir.path(), entries));
  EXPECT_FALSE(WriteWorksheetPdf(path, {}));
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), before);
}
