#include "platform/PrintedPages.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "platform/VectorCanvas.h"

namespace {

const QString NameLabel = QStringLiteral("Meno:");
const QString TaskText = QStringLiteral(
    "Vpíšte do vrcholov stromu čísla 1 až n (n je počet vrcholov), každé práve raz, tak, aby všetky "
    "hrany mali rôzne hodnoty. Hodnota hrany je rozdiel čísel na jej koncoch.");
const QString EdgesHeading = QStringLiteral("Hrany stromu: ");
const QString EdgeDash = QStringLiteral("–");
const QString TreeHeading = QStringLiteral("Strom %1 (%2 %3)");
const QString FewVertices = QStringLiteral("vrcholy");
const QString ManyVertices = QStringLiteral("vrcholov");
const QString SolutionsHeading = QStringLiteral("Riešenia");
const QString NoSolution = QStringLiteral("nemá graciózne ohodnotenie");
const QString DocumentTitle = QStringLiteral("Pracovný list: graciózne ohodnotenie stromov");

// Sizes in units of the sheet, one unit a logical pixel of the pictures.
constexpr double TreeSize = 500;  // the tree pictures are drawn for this size
constexpr double SheetWidth = TreeSize;
constexpr double Gap = 16;
constexpr double FrameWidth = 0.5;  // of the vertex boxes: thin, but a printer still shows it
constexpr int TreesPerPage = 2;
constexpr int KeyColumns = 3;

QFont SheetFont(int pixels, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// The height the text is expected to take, for the sheet's size; the lines are placed by what the
// painter really writes.
double TextHeight(const QFont& font, double width, const QString& text) {
  return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// Writes `text` from `topLeft` down, wrapped into `width`; returns the y below it.
double WriteText(QPainter& painter, QPointF topLeft, const QFont& font, const QString& text,
                 double width = SheetWidth) {
  painter.setFont(font);
  painter.setPen(Qt::black);
  QRectF written;
  painter.drawText(QRectF(topLeft, QSizeF(width, 1e6)), Qt::TextWordWrap, text, &written);
  return written.bottom();
}

// "Meno:" and a line to write on, then the task; returns the y below them.
double WriteSheetHeader(QPainter& painter) {
  const QFont font = SheetFont(14);
  const double nameBottom = WriteText(painter, {0, 0}, font, NameLabel);
  const double lineStart = QFontMetricsF(font).horizontalAdvance(NameLabel) + 6;
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(QPointF(lineStart, nameBottom - 3), QPointF(SheetWidth * 0.7, nameBottom - 3));
  return WriteText(painter, {0, nameBottom + 8}, SheetFont(12), TaskText);
}

double SheetHeaderHeight() {
  return TextHeight(SheetFont(14), SheetWidth, NameLabel) + 8 +
         TextHeight(SheetFont(12), SheetWidth, TaskText);
}

// From here on the painter draws on a sheet of `size` units, as large as the page holds,
// centred across the page and from its top.
void FitSheet(QPainter& painter, const QPaintDevice& device, QSizeF size) {
  const double scale = std::min(device.width() / size.width(), device.height() / size.height());
  painter.resetTransform();
  painter.translate((device.width() - size.width() * scale) / 2, 0);
  painter.scale(scale, scale);
}

QFont BoxFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  return font;
}

void DrawPicture(QPainter& painter, QPointF topLeft, const PictureRecording& picture,
                 const std::vector<ExportBox>& boxes) {
  painter.save();
  painter.translate(topLeft);
  ReplayVector(picture, painter);
  painter.setFont(BoxFont());
  painter.setRenderHint(QPainter::Antialiasing);
  for (const ExportBox& box : boxes) DrawVertexBox(painter, box, FrameWidth);
  painter.restore();
}

// The key in the boxes, bold and centred, to be read on a picture drawn small.
void WriteKey(QPainter& painter, QPointF topLeft, const std::vector<ExportBox>& boxes,
              const std::vector<int>& key) {
  painter.save();
  painter.translate(topLeft);
  QFont font = BoxFont();
  font.setPixelSize(12);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (std::size_t k = 0; k < std::min(boxes.size(), key.size()); ++k)
    painter.drawText(QRect(boxes[k].topLeft, QSize(20, 20)), Qt::AlignCenter | Qt::TextDontClip,
                     QString::number(key[k]));
  painter.restore();
}

QString EdgeList(const std::vector<std::pair<int, int>>& edges) {
  QStringList parts;
  for (const auto& [a, b] : edges) parts << QString::number(a) + EdgeDash + QString::number(b);
  return EdgesHeading + parts.join(QStringLiteral(", "));
}

QString TreeTitle(int number, int vertices) {
  return TreeHeading.arg(number).arg(vertices).arg(vertices <= 4 ? FewVertices : ManyVertices);
}

void PaintWorksheetPage(QPainter& painter, const QPaintDevice& device,
                        const std::vector<WorksheetEntry>& entries, std::size_t first) {
  const QFont headingFont = SheetFont(14, true);
  const double headingHeight = TextHeight(headingFont, SheetWidth, TreeTitle(10, 20));
  const double slot = headingHeight + 4 + TreeSize + Gap;
  FitSheet(painter, device, {SheetWidth, SheetHeaderHeight() + Gap + TreesPerPage * slot});
  double y = WriteSheetHeader(painter) + Gap;
  for (std::size_t i = first; i < std::min(entries.size(), first + TreesPerPage); ++i) {
    const WorksheetEntry& entry = entries[i];
    WriteText(painter, {0, y}, headingFont,
              TreeTitle(static_cast<int>(i) + 1, static_cast<int>(entry.boxes.size())));
    DrawPicture(painter, {(SheetWidth - entry.picture.Width()) / 2, y + headingHeight + 4}, entry.picture,
                entry.boxes);
    y += slot;
  }
}

void PaintSolutionsPage(QPainter& painter, const QPaintDevice& device,
                        const std::vector<WorksheetEntry>& entries) {
  const int rows = static_cast<int>((entries.size() + KeyColumns - 1) / KeyColumns);
  const double cell = TreeSize + 2 * Gap;
  const QFont titleFont = SheetFont(40, true);
  const QFont numberFont = SheetFont(26, true);
  const double titleHeight = TextHeight(titleFont, cell, SolutionsHeading);
  const double numberHeight = TextHeight(numberFont, cell, NoSolution);
  const double rowHeight = numberHeight + 4 + TreeSize + Gap;
  const double width = KeyColumns * cell;
  FitSheet(painter, device, {width, titleHeight + Gap + rows * rowHeight});
  WriteText(painter, {0, 0}, titleFont, SolutionsHeading, width);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const WorksheetEntry& entry = entries[i];
    const double x = static_cast<double>(i % KeyColumns) * cell;
    const double y = titleHeight + Gap + static_cast<double>(i / KeyColumns) * rowHeight;
    QString number = QString::number(i + 1) + '.';
    if (entry.key.empty()) number += ' ' + NoSolution;
    WriteText(painter, {x, y}, numberFont, number, cell);
    std::vector<ExportBox> boxes = entry.boxes;
    for (ExportBox& box : boxes) box.text.clear();
    const QPointF topLeft(x, y + numberHeight + 4);
    DrawPicture(painter, topLeft, entry.picture, boxes);
    WriteKey(painter, topLeft, boxes, entry.key);
  }
}

}  // namespace

QPageLayout PrintedPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

bool PrintExercisePage(QPagedPaintDevice& device, const ExercisePage& page) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QString edges = EdgeList(page.edges);
  const QFont edgeFont = SheetFont(13);
  const double treeSize = page.tree ? page.tree->Height() : 0;
  const double tableSize = page.table ? page.table->Height() : 0;
  FitSheet(painter, device,
           {SheetWidth, SheetHeaderHeight() + Gap + TextHeight(edgeFont, SheetWidth, edges) + Gap + treeSize +
                            Gap + tableSize});
  double y = WriteSheetHeader(painter) + Gap;
  y = WriteText(painter, {0, y}, edgeFont, edges) + Gap;
  if (page.tree) {
    const QPointF topLeft((SheetWidth - page.tree->Width()) / 2, y);
    DrawPicture(painter, topLeft, *page.tree, page.boxes);
    if (page.overlay) {
      painter.save();
      painter.translate(topLeft);
      page.overlay(painter);
      painter.restore();
    }
    y += treeSize + Gap;
  }
  if (page.table) {
    painter.save();
    painter.translate((SheetWidth - page.table->Width()) / 2, y);
    ReplayVector(*page.table, painter);
    painter.restore();
  }
  return painter.end();
}

bool WriteWorksheetPdf(const QString& path, const std::vector<WorksheetEntry>& entries) {
  if (entries.empty()) return false;
  // Written beside the file and put in its place only when complete.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  {
    QPdfWriter writer(&file);
    writer.setPageLayout(PrintedPageLayout());
    writer.setTitle(DocumentTitle);
    QPainter painter;
    if (!painter.begin(&writer)) return false;
    for (std::size_t first = 0; first < entries.size(); first += TreesPerPage) {
      if (first > 0) writer.newPage();
      PaintWorksheetPage(painter, writer, entries, first);
    }
    writer.newPage();
    PaintSolutionsPage(painter, writer, entries);
    if (!painter.end()) return false;
  }
  return file.commit();
}
