#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "check/CheckDrawing.h"
#include "files/Worksheet.h"
#include "platform/PaperInk.h"
#include "platform/PrintedPages.h"
#include "tree/TreeDrawing.h"

namespace {

const LayoutCircle Circle{250, 250, 200};

bool HavePoppler() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
}

QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished();
  return process.readAllStandardOutput();
}

// The text of each page of the PDF.
QStringList PdfPages(const QString& path) {
  return QString::fromUtf8(
             Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}))
      .split('\f', Qt::SkipEmptyParts);
}

struct Word {
  QString text;
  QRectF box;  // in points
};

// The words of one page (1-based) with their boxes.
std::vector<Word> PdfWords(const QString& path, int page) {
  const QString html = QString::fromUtf8(Run(
      QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                    QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")}));
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  std::vector<Word> words;
  for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
    words.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}

// A page rendered at `dpi`.
QImage PdfPicture(const QString& path, int page, int dpi) {
  QTemporaryDir dir;
  const QString prefix = dir.filePath(QStringLiteral("page"));
  Run(QStringLiteral("pdftoppm"),
      {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
       QStringLiteral("-l"), QString::number(page), QStringLiteral("-singlefile"), path, prefix});
  return QImage(prefix + QStringLiteral(".ppm"));
}

// Pixels of any colour but grey: the screen's cyan, yellow, green, red or blue.
int ColouredPixels(const QImage& image) {
  int coloured = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int spread = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
      coloured += spread > 24;
    }
  }
  return coloured;
}

// Qt writes every bitmap it is given as an image object; the pages must have none.
bool HasImages(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) && file.readAll().contains("/Subtype /Image");
}

PaperTree CircleTree(int n, const std::vector<Edge>& edges, const std::vector<QString>& numbers = {}) {
  PaperTree tree;
  for (int v = 1; v <= n; ++v) {
    const PointF p = ExactVertexPoint(Circle, n, v);
    tree.vertices.push_back({v,
                             QPointF(p.x, p.y),
                             v <= static_cast<int>(numbers.size()) ? numbers[v - 1] : QString(),
                             false,
                             {},
                             {}});
  }
  for (const Edge& e : edges) tree.edges.emplace_back(e.a, e.b);
  return tree;
}

std::vector<std::pair<int, int>> Pairs(const std::vector<Edge>& edges) {
  std::vector<std::pair<int, int>> pairs;
  for (const Edge& e : edges) pairs.emplace_back(e.a, e.b);
  return pairs;
}

}  // namespace

TEST(PrintedPages, TheExerciseIsBlackOnWhiteWithItsNumbersValuesAndTable) {
  if (!HavePoppler()) GTEST_SKIP() << "no poppler-utils";
  const std::vector<Edge> edges = {{1, 2}, {2, 3}, {3, 4}};
  Labels labels{};
  labels[1] = 1;
  labels[2] = 4;
  labels[3] = 2;
  // The table as the window draws it, on sky blue; on paper only its black and a grey hatch stay.
  const PictureRecording table = RecordOffscreen(250, 250, [&](Canvas& c) {
    PaperInk ink(c);
    DrawCheckTable(ink, 4, edges, labels);
  });
  ExercisePaper page{CircleTree(4, edges, {"1", "4", "2", ""}), Pairs(edges), &table};
  page.tree.values = {{{400, 150}, " 3 ", EdgeValueKind::Unique},
                      {{300, 300}, "12", EdgeValueKind::Repeated},
                      {{100, 350}, "", EdgeValueKind::Unknown}};

  QTemporaryDir dir;
  const QString path = dir.filePath("úloha.pdf");
  {
    QPdfWriter writer(path);
    writer.setPageLayout(PrintedPageLayout());
    ASSERT_TRUE(PrintExercisePage(writer, page));
  }
  const QStringList pages = PdfPages(path);
  ASSERT_EQ(pages.size(), 1);
  for (const char* expected : {"Meno:", "Hrany: 1–2, 2–3, 3–4", "Vpíšte do vrcholov", "Hodnoty hrán:"})
    EXPECT_TRUE(pages[0].contains(QString::fromUtf8(expected))) << expected << " in\n"
                                                                << pages[0].toStdString();
  std::vector<QString> words;
  for (const Word& word : PdfWords(path, 1)) words.push_back(word.text);
  // The numbers in the circles, the values (the unknown one as "?"), the table's row numbers.
  for (const char* expected : {"1", "4", "2", "3", "12", "?"})
    EXPECT_NE(std::count(words.begin(), words.end(), QString(expected)), 0) << expected;
  EXPECT_FALSE(HasImages(path));
  const QImage picture = PdfPicture(path, 1, 40);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(ColouredPixels(picture), 0);
  int grey = 0;  // the hatched diagonal of the table
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      grey += qGray(picture.pixel(x, y)) > 60 && qGray(picture.pixel(x, y)) < 200;
  EXPECT_GT(grey, 20);

  QPdfWriter nowhere(dir.filePath("chýba/úloha.pdf"));
  EXPECT_FALSE(PrintExercisePage(nowhere, page));
}

TEST(PrintedPages, WorksheetPagesAreMadeForPaperWithAReadableKey) {
  if (!HavePoppler()) GTEST_SKIP() << "no poppler-utils";
  const int count = 13;
  std::vector<WorksheetEntry> entries;
  for (const WorksheetTree& t : RandomWorksheetTrees(count, 20)) {
    WorksheetEntry entry{t.number, CircleTree(t.n, t.edges), std::vector<int>{}, 0};
    for (int v = 1; v <= t.n; ++v) entry.key->push_back(t.n + 1 - v);
    entries.push_back(std::move(entry));
  }
  // Tree 1 has a given 17 in the circle of vertex 1, the one at the right whose edges all go left.
  entries[0].tree.vertices[0].number = "17";
  entries[0].tree.vertices[0].bold = true;
  entries[4].key.reset();
  entries[6].contradicted = 2;

  QTemporaryDir dir;
  const QString path = dir.filePath("pracovný list.pdf");
  const QString heading = QString::fromUtf8("Cvičenie 3 – 12. 12. 2026");
  ASSERT_TRUE(WriteWorksheetPdf(path, entries, {2, heading, WorksheetPaper::Key::End}));
  const QStringList pages = PdfPages(path);
  ASSERT_EQ(pages.size(), 7 + 3) << "two trees a page, then six keys a page";
  for (int p = 0; p < 10; ++p) {
    EXPECT_TRUE(pages[p].contains(heading)) << p;
    EXPECT_EQ(pages[p].contains("Meno:"), p < 7) << p;
    EXPECT_EQ(pages[p].contains(QString::fromUtf8("Riešenia")), p >= 7) << p;
  }
  for (int i = 0; i < count; ++i) {
    const QString title = QString("Strom %1 (20 vrcholov)").arg(i + 1);
    EXPECT_TRUE(pages[i / 2].contains(title)) << title.toStdString();
    // The start of its edge list, on the first line of the list.
    std::vector<std::pair<int, int>> start(entries[i].tree.edges.begin(), entries[i].tree.edges.begin() + 5);
    EXPECT_TRUE(pages[i / 2].contains(PaperEdgeList(start))) << i;
  }
  EXPECT_TRUE(pages[7].contains(QString::fromUtf8("nemá graciózne ohodnotenie")));
  EXPECT_TRUE(pages[8].contains(QString::fromUtf8("líši sa od zadaných čísel v 2 vrcholoch")));
  // Every number of the key is of at least 9 points: in this font's boxes, 10 points high.
  int keyNumbers = 0;
  for (int page = 8; page <= 10; ++page) {
    for (const Word& word : PdfWords(path, page)) {
      if (!QRegularExpression("^\\d+$").match(word.text).hasMatch()) continue;
      ++keyNumbers;
      EXPECT_GE(word.box.height(), 10.0) << word.text.toStdString() << " on page " << page;
    }
  }
  EXPECT_GE(keyNumbers, (count - 1) * 20);
  EXPECT_FALSE(HasImages(path));
  for (int page = 1; page <= 10; ++page) EXPECT_EQ(ColouredPixels(PdfPicture(path, page, 30)), 0) << page;

  // The circle around the given 17 is at least 9 mm across: from the number up and down to its ring.
  const int dpi = 150;
  const QImage picture = PdfPicture(path, 1, dpi).convertToFormat(QImage::Format_Grayscale8);
  const std::vector<Word> words = PdfWords(path, 1);
  const auto given = std::find_if(words.begin(), words.end(), [](const Word& w) { return w.text == "17"; });
  ASSERT_NE(given, words.end());
  const double toPixels = dpi / 72.0;
  const int x = static_cast<int>(given->box.center().x() * toPixels);
  int top = static_cast<int>(given->box.top() * toPixels),
      bottom = static_cast<int>(given->box.bottom() * toPixels);
  while (top > 0 && qGray(picture.pixel(x, top)) > 128) --top;
  while (bottom < picture.height() - 1 && qGray(picture.pixel(x, bottom)) > 128) ++bottom;
  const double millimetres = (bottom - top) / static_cast<double>(dpi) * 25.4;
  EXPECT_GE(millimetres, 9.0);
  EXPECT_LE(millimetres, 12.0);

  // The key in a file of its own, or none; any number of trees a page; six keys a page.
  const QString answers = dir.filePath("list-riesenia.pdf");
  const QString sheet = dir.filePath("list.pdf");
  ASSERT_TRUE(WriteWorksheetPdf(sheet, entries, {2, {}, WorksheetPaper::Key::Separate}, answers));
  EXPECT_EQ(PdfPages(sheet).size(), 7);
  EXPECT_FALSE(PdfPages(sheet).join("").contains(QString::fromUtf8("Riešenia")));
  EXPECT_EQ(PdfPages(answers).size(), 3);
  EXPECT_TRUE(PdfPages(answers)[0].contains(QString::fromUtf8("Riešenia")));
  for (const auto& [perPage, key, expected] :
       {std::tuple{1, WorksheetPaper::Key::None, 13}, std::tuple{4, WorksheetPaper::Key::End, 4 + 3},
        std::tuple{6, WorksheetPaper::Key::End, 3 + 3}}) {
    ASSERT_TRUE(WriteWorksheetPdf(sheet, entries, {perPage, {}, key}));
    EXPECT_EQ(PdfPages(sheet).size(), expected) << perPage;
  }

  // A failure leaves what was there; nothing to write writes nothing.
  const auto contents = [](const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  const QByteArray before = contents(path), answersBefore = contents(answers);
  EXPECT_FALSE(WriteWorksheetPdf(dir.filePath("chýba/list.pdf"), entries, {}));
  EXPECT_FALSE(WriteWorksheetPdf(dir.path(), entries, {}));
  EXPECT_FALSE(WriteWorksheetPdf(path, {}, {}));
  EXPECT_FALSE(
      WriteWorksheetPdf(path, entries, {2, {}, WorksheetPaper::Key::Separate}, dir.filePath("chýba/r.pdf")));
  EXPECT_FALSE(WriteWorksheetPdf(path, entries, {2, {}, WorksheetPaper::Key::Separate}));
  EXPECT_EQ(contents(path), before);
  EXPECT_EQ(contents(answers), answersBefore);
}
