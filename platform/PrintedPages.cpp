#include "platform/PrintedPages.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/VectorCanvas.h"

namespace {

const QString NameLabel = QStringLiteral("Meno:");
const QString TaskText = QStringLiteral(
    "Vpíšte do vrcholov stromu čísla 1 až n (n je počet vrcholov), každé práve raz, tak, aby všetky "
    "hrany mali rôzne hodnoty. Hodnota hrany je rozdiel čísel na jej koncoch.");
const QString ValuesLegend = QStringLiteral(
    "Hodnoty hrán: obyčajné číslo má len jedna hrana, tučné v dvojitom rámčeku má viac hrán, "
    "? – na konci hrany ešte chýba číslo.");
const QString EdgesHeading = QStringLiteral("Hrany: ");
const QString EdgeDash = QStringLiteral("–");
const QString TreeHeading = QStringLiteral("Strom %1 (%2 %3)");
const QString FewVertices = QStringLiteral("vrcholy");
const QString ManyVertices = QStringLiteral("vrcholov");
const QString KeyTreeHeading = QStringLiteral("Strom %1");
const QString SolutionsHeading = QStringLiteral("Riešenia");
const QString NoSolution = QStringLiteral("nemá graciózne ohodnotenie");
const QString ChangedGivens = QStringLiteral("líši sa od zadaných čísel v %1 %2");
const QString OneVertex = QStringLiteral("vrchole");
const QString SeveralVertices = QStringLiteral("vrcholoch");
const QString DocumentTitle = QStringLiteral("Pracovný list: graciózne ohodnotenie stromov");
const QString AnswersTitle = QStringLiteral("Riešenia pracovného listu");

// The sheets are laid out in points, whatever the device's resolution.
constexpr double Mm = 72.0 / 25.4;
constexpr double Gap = 10;
constexpr double LineWidth = 0.8;
constexpr int KeyPerPage = 6;

// The largest circle a vertex gets, and the size of its number, by trees a page.
struct TreeStyle {
  double circle;
  int numberPoints;
  int leastPoints;  // a number never shrinks below this to fit its circle
};
constexpr TreeStyle ExerciseStyle{10 * Mm, 13, 8};
constexpr TreeStyle KeyStyle{7.5 * Mm, 11, 9};

TreeStyle WorksheetStyle(int perPage) {
  if (perPage <= 2) return {10 * Mm, 13, 8};
  if (perPage == 4) return {8 * Mm, 12, 8};
  return {7 * Mm, 11, 8};
}

QFont SheetFont(int points, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(points);  // the painter's unit is the point
  font.setBold(bold);
  return font;
}

// From here on the painter draws in points from the top-left corner of the printable area; the
// area's size in points.
QSizeF BeginSheet(QPainter& painter, const QPaintDevice& device) {
  const double x = device.logicalDpiX() / 72.0;
  const double y = device.logicalDpiY() / 72.0;
  painter.resetTransform();
  painter.scale(x, y);
  painter.setRenderHint(QPainter::Antialiasing);
  return {device.width() / x, device.height() / y};
}

double TextHeight(const QFont& font, double width, const QString& text) {
  return QFontMetricsF(font).boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
}

// Writes `text` from `topLeft` down, wrapped into `width`; returns the y below it.
double WriteText(QPainter& painter, QPointF topLeft, const QFont& font, const QString& text, double width,
                 int flags = Qt::TextWordWrap) {
  painter.setFont(font);
  painter.setPen(Qt::black);
  QRectF written;
  painter.drawText(QRectF(topLeft, QSizeF(width, 1e6)), flags, text, &written);
  return written.bottom();
}

// The heading line when there is one, then "Meno:" with a line to write on and the task, or the
// key's title; returns the y below them.
double WriteSheetHeader(QPainter& painter, double width, const QString& heading, bool key) {
  double y = 0;
  if (!heading.isEmpty()) y = WriteText(painter, {0, 0}, SheetFont(13, true), heading, width) + 6;
  if (key) return WriteText(painter, {0, y}, SheetFont(16, true), SolutionsHeading, width) + Gap;
  const QFont font = SheetFont(12);
  const double nameBottom = WriteText(painter, {0, y}, font, NameLabel, width);
  const double lineStart = QFontMetricsF(font).horizontalAdvance(NameLabel) + 6;
  painter.setPen(QPen(Qt::black, LineWidth));
  painter.drawLine(QPointF(lineStart, nameBottom - 3), QPointF(width * 0.65, nameBottom - 3));
  return WriteText(painter, {0, nameBottom + 6}, SheetFont(10), TaskText, width) + Gap;
}

QString TreeTitle(int number, int vertices) {
  return TreeHeading.arg(number).arg(vertices).arg(vertices <= 4 ? FewVertices : ManyVertices);
}

// What the key says of a tree beside its labels, if anything.
QString KeyNote(const WorksheetEntry& entry) {
  if (!entry.key) return NoSolution;
  if (entry.contradicted > 0)
    return ChangedGivens.arg(entry.contradicted).arg(entry.contradicted == 1 ? OneVertex : SeveralVertices);
  return {};
}

// The edge list in lines of `width`, broken only between edges, so that no edge is cut at its dash.
QString WrappedEdgeList(const QFont& font, double width, const std::vector<std::pair<int, int>>& edges) {
  const QFontMetricsF metrics(font);
  QString text = EdgesHeading, line = EdgesHeading;
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const QString edge = QString::number(edges[k].first) + EdgeDash + QString::number(edges[k].second) +
                         (k + 1 < edges.size() ? QStringLiteral(",") : QString());
    const QString longer = k == 0 ? line + edge : line + ' ' + edge;
    if (k > 0 && metrics.horizontalAdvance(longer) > width) {
      text += '\n' + edge;
      line = edge;
    } else {
      text += longer.mid(line.size());
      line = longer;
    }
  }
  return text;
}

double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

// The largest point size up to `points` (and at least `least`) at which every number fits its circle.
int FittingPoints(const PaperTree& tree, double circle, int points, int least, bool bold) {
  for (; points > least; --points) {
    const QFontMetricsF metrics(SheetFont(points, bold));
    const bool fits = std::all_of(tree.vertices.begin(), tree.vertices.end(), [&](const PaperVertex& v) {
      return metrics.horizontalAdvance(v.number) <= circle * 0.78;
    });
    if (fits) break;
  }
  return points;
}

// Where each value is written, and the frames a repeated one gets.
struct PlacedValue {
  QRectF text;
  QRectF inner, outer;  // frames; empty for a value that has none
  QRectF gap;           // where the edge line stops
};

// Draws the tree scaled to fill `area`: lines between circles, the numbers in the circles, the
// edge values on the lines with a gap cut for them.
void DrawPaperTree(QPainter& painter, const QRectF& area, const PaperTree& tree, const TreeStyle& style) {
  if (tree.vertices.empty()) return;
  double left = std::numeric_limits<double>::max(), top = left;
  double right = std::numeric_limits<double>::lowest(), bottom = right;
  double closest = std::numeric_limits<double>::infinity();
  bool named = false;
  for (std::size_t i = 0; i < tree.vertices.size(); ++i) {
    const QPointF p = tree.vertices[i].at;
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
    named = named || !tree.vertices[i].name.isEmpty();
    for (std::size_t j = 0; j < i; ++j) closest = std::min(closest, Distance(p, tree.vertices[j].at));
  }
  const double room = named ? 10 : 0;  // for the names outside the circles
  // The circles shrink only where neighbours would touch; the tree grows to its space, but no edge
  // grows beyond a few circles, so that a small tree still reads as one.
  double circle = style.circle;
  double scale = 0;
  for (int round = 0; round < 3; ++round) {
    const double spanX = right - left, spanY = bottom - top;
    scale = std::numeric_limits<double>::infinity();
    if (spanX > 1e-9) scale = std::min(scale, (area.width() - circle - 2 * room) / spanX);
    if (spanY > 1e-9) scale = std::min(scale, (area.height() - circle - 2 * room) / spanY);
    if (std::isfinite(closest) && closest > 1e-9) scale = std::min(scale, 10 * style.circle / closest);
    if (!std::isfinite(scale)) scale = 0;
    scale = std::max(scale, 0.0);
    if (std::isfinite(closest) && closest > 1e-9)
      circle = std::clamp(0.7 * scale * closest, 0.5 * style.circle, style.circle);
  }
  const QPointF middle((left + right) / 2, (top + bottom) / 2);
  const auto place = [&](QPointF p) { return area.center() + (p - middle) * scale; };
  int highest = 0;
  for (const PaperVertex& v : tree.vertices) highest = std::max(highest, v.vertex);
  std::vector<QPointF> centres(static_cast<std::size_t>(highest) + 1);
  std::vector<bool> present(centres.size(), false);
  for (const PaperVertex& v : tree.vertices) {
    if (v.vertex < 0) continue;
    centres[v.vertex] = place(v.at);
    present[v.vertex] = true;
  }

  const int valuePoints = std::max(style.numberPoints - 2, style.leastPoints);
  std::vector<PlacedValue> values;
  for (const PaperEdgeValue& value : tree.values) {
    const bool repeated = value.kind == EdgeValueKind::Repeated;
    const QFontMetricsF metrics(SheetFont(valuePoints, repeated));
    const QString text = value.kind == EdgeValueKind::Unknown ? QStringLiteral("?") : value.text.trimmed();
    const QSizeF size(metrics.horizontalAdvance(text), metrics.capHeight());
    PlacedValue placed;
    placed.text = QRectF(place(value.at) - QPointF(size.width() / 2, size.height() / 2), size);
    if (repeated) {
      placed.inner = placed.text.adjusted(-2.5, -2.5, 2.5, 2.5);
      placed.outer = placed.inner.adjusted(-1.5, -1.5, 1.5, 1.5);
      placed.gap = placed.outer.adjusted(-1, -1, 1, 1);
    } else {
      placed.gap = placed.text.adjusted(-2, -2, 2, 2);
    }
    values.push_back(placed);
  }

  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, LineWidth));
  {
    // Each line runs from circle to circle and stops short of the values written on it.
    painter.save();
    QPainterPath open;
    open.addRect(area.adjusted(-50, -50, 50, 50));
    for (const PlacedValue& value : values) {
      QPainterPath gap;
      gap.addRect(value.gap);
      open = open.subtracted(gap);
    }
    painter.setClipPath(open, Qt::IntersectClip);
    for (const auto& [a, b] : tree.edges) {
      if (a < 0 || b < 0 || a > highest || b > highest || !present[a] || !present[b]) continue;
      const QPointF from = centres[a], to = centres[b];
      const double length = Distance(from, to);
      if (length <= circle) continue;
      const QPointF along = (to - from) / length * (circle / 2);
      painter.drawLine(from + along, to - along);
    }
    painter.restore();
  }
  for (const PaperVertex& v : tree.vertices) {
    if (v.vertex < 0) continue;
    painter.drawEllipse(centres[v.vertex], circle / 2, circle / 2);
  }
  const int plain = FittingPoints(tree, circle, style.numberPoints, style.leastPoints, false);
  const int bold = FittingPoints(tree, circle, style.numberPoints, style.leastPoints, true);
  for (const PaperVertex& v : tree.vertices) {
    if (v.vertex < 0) continue;
    const QPointF c = centres[v.vertex];
    if (!v.number.isEmpty()) {
      painter.setFont(SheetFont(v.bold ? bold : plain, v.bold));
      painter.drawText(QRectF(c.x() - circle, c.y() - circle / 2, 2 * circle, circle), Qt::AlignCenter,
                       v.number);
    }
    if (!v.name.isEmpty()) {
      painter.setFont(SheetFont(8));
      const QPointF at = c + v.outward * (circle / 2 + 5);
      painter.drawText(QRectF(at.x() - 10, at.y() - 5, 20, 10), Qt::AlignCenter, v.name);
    }
  }
  for (std::size_t k = 0; k < values.size(); ++k) {
    const PaperEdgeValue& value = tree.values[k];
    const PlacedValue& placed = values[k];
    const bool repeated = value.kind == EdgeValueKind::Repeated;
    painter.setFont(SheetFont(valuePoints, repeated));
    const QString text = value.kind == EdgeValueKind::Unknown ? QStringLiteral("?") : value.text.trimmed();
    painter.drawText(placed.text.adjusted(-4, -4, 4, 4), Qt::AlignCenter, text);
    if (repeated) {
      painter.setPen(QPen(Qt::black, 0.6));
      painter.drawRect(placed.inner);
      painter.drawRect(placed.outer);
      painter.setPen(QPen(Qt::black, LineWidth));
    }
  }
  painter.restore();
}

// The trees per page as columns and rows.
std::pair<int, int> Grid(int perPage) {
  switch (perPage) {
    case 1:
      return {1, 1};
    case 4:
      return {2, 2};
    case 6:
      return {2, 3};
    default:
      return {1, 2};
  }
}

void PaintExercisePage(QPainter& painter, const QPaintDevice& device,
                       const std::vector<WorksheetEntry>& entries, std::size_t first,
                       const WorksheetPaper& paper) {
  const QSizeF sheet = BeginSheet(painter, device);
  const auto [columns, rows] = Grid(paper.perPage);
  const std::size_t end = std::min(entries.size(), first + static_cast<std::size_t>(columns * rows));
  const double top = WriteSheetHeader(painter, sheet.width(), paper.heading, false);
  const double width = sheet.width() / columns;
  const double height = (sheet.height() - top) / rows;
  const QFont titleFont = SheetFont(11, true);
  const QFont edgeFont = SheetFont(9);
  const double titleHeight = TextHeight(titleFont, width, TreeTitle(10, 20));
  // Every slot of the page keeps the same room for its edge list, so the trees stand in line.
  double edgesHeight = 0;
  std::vector<QString> edgeLists;
  for (std::size_t i = first; i < end; ++i) {
    edgeLists.push_back(WrappedEdgeList(edgeFont, width - Gap, entries[i].tree.edges));
    edgesHeight = std::max(edgesHeight, TextHeight(edgeFont, width - Gap, edgeLists.back()));
  }
  for (std::size_t i = first; i < end; ++i) {
    const WorksheetEntry& entry = entries[i];
    const int place = static_cast<int>(i - first);
    const QPointF corner(place % columns * width, top + place / columns * height);
    WriteText(painter, corner, titleFont,
              TreeTitle(entry.number, static_cast<int>(entry.tree.vertices.size())), width - Gap);
    const QRectF area(corner.x(), corner.y() + titleHeight + 4, width - Gap,
                      height - titleHeight - 4 - edgesHeight - 2 * Gap);
    DrawPaperTree(painter, area, entry.tree, WorksheetStyle(paper.perPage));
    WriteText(painter, {corner.x(), area.bottom() + 4}, edgeFont, edgeLists[i - first], width - Gap);
  }
}

void PaintKeyPage(QPainter& painter, const QPaintDevice& device, const std::vector<WorksheetEntry>& entries,
                  std::size_t first, const WorksheetPaper& paper) {
  const QSizeF sheet = BeginSheet(painter, device);
  const auto [columns, rows] = Grid(KeyPerPage);
  const double top = WriteSheetHeader(painter, sheet.width(), paper.heading, true);
  const double width = sheet.width() / columns;
  const double height = (sheet.height() - top) / rows;
  const QFont titleFont = SheetFont(11, true);
  for (std::size_t i = first; i < std::min(entries.size(), first + KeyPerPage); ++i) {
    const WorksheetEntry& entry = entries[i];
    const int place = static_cast<int>(i - first);
    const QPointF corner(place % columns * width, top + place / columns * height);
    double titleBottom = WriteText(painter, corner, titleFont, KeyTreeHeading.arg(entry.number), width - Gap);
    if (const QString note = KeyNote(entry); !note.isEmpty())
      titleBottom = WriteText(painter, {corner.x(), titleBottom + 2}, SheetFont(10), note, width - Gap);
    PaperTree tree = entry.tree;
    for (std::size_t v = 0; v < tree.vertices.size(); ++v) {
      PaperVertex& vertex = tree.vertices[v];
      vertex.number = entry.key && v < entry.key->size() ? QString::number((*entry.key)[v]) : QString();
      vertex.bold = true;
      vertex.name.clear();
    }
    const QRectF area(corner.x(), titleBottom + 4, width - Gap, corner.y() + height - titleBottom - 4 - Gap);
    DrawPaperTree(painter, area, tree, KeyStyle);
  }
}

// The exercises' pages, the key's, or both, one after the other.
bool PaintPages(QPagedPaintDevice& device, const std::vector<WorksheetEntry>& entries,
                const WorksheetPaper& paper, bool exercises, bool key) {
  if (entries.empty()) return false;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  bool firstPage = true;
  const auto next = [&] {
    if (!firstPage) device.newPage();
    firstPage = false;
  };
  if (exercises) {
    const auto [columns, rows] = Grid(paper.perPage);
    for (std::size_t first = 0; first < entries.size(); first += static_cast<std::size_t>(columns * rows)) {
      next();
      PaintExercisePage(painter, device, entries, first, paper);
    }
  }
  if (key) {
    for (std::size_t first = 0; first < entries.size(); first += KeyPerPage) {
      next();
      PaintKeyPage(painter, device, entries, first, paper);
    }
  }
  return painter.end();
}

// Writes the pages into the file, not yet put in its place.
bool WritePages(QSaveFile& file, const QString& title, const std::vector<WorksheetEntry>& entries,
                const WorksheetPaper& paper, bool exercises, bool key) {
  if (!file.open(QIODevice::WriteOnly)) return false;
  QPdfWriter writer(&file);
  writer.setPageLayout(PrintedPageLayout());
  writer.setTitle(paper.heading.isEmpty() ? title : title + QStringLiteral(" – ") + paper.heading);
  return PaintPages(writer, entries, paper, exercises, key);
}

}  // namespace

QPageLayout PrintedPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

QString PaperEdgeList(const std::vector<std::pair<int, int>>& edges) {
  QStringList parts;
  for (const auto& [a, b] : edges) parts << QString::number(a) + EdgeDash + QString::number(b);
  return EdgesHeading + parts.join(QStringLiteral(", "));
}

bool PrintExercisePage(QPagedPaintDevice& device, const ExercisePaper& page) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const QSizeF sheet = BeginSheet(painter, device);
  const double width = sheet.width();
  const QFont textFont = SheetFont(10);
  const QString edges = WrappedEdgeList(textFont, width, page.edges);
  const double tableSize = page.table ? std::min(190.0, width / 2) : 0;
  const double below = TextHeight(textFont, width, edges) + 4 +
                       (page.tree.values.empty() ? 0 : TextHeight(textFont, width, ValuesLegend) + 4) +
                       (page.table ? tableSize + Gap : 0);
  const double top = WriteSheetHeader(painter, width, QString(), false);
  const QRectF area(0, top, width, sheet.height() - top - below - Gap);
  DrawPaperTree(painter, area, page.tree, ExerciseStyle);
  double y = WriteText(painter, {0, area.bottom() + Gap}, textFont, edges, width) + 4;
  if (!page.tree.values.empty()) y = WriteText(painter, {0, y}, textFont, ValuesLegend, width) + 4;
  if (page.table) {
    painter.save();
    painter.translate((width - tableSize) / 2, y + Gap);
    painter.scale(tableSize / page.table->Width(), tableSize / page.table->Height());
    ReplayVector(*page.table, painter);
    painter.restore();
  }
  return painter.end();
}

bool PaintWorksheet(QPagedPaintDevice& device, const std::vector<WorksheetEntry>& entries,
                    const WorksheetPaper& paper) {
  return PaintPages(device, entries, paper, true, paper.key != WorksheetPaper::Key::None);
}

bool WriteWorksheetPdf(const QString& path, const std::vector<WorksheetEntry>& entries,
                       const WorksheetPaper& paper, const QString& answersPath) {
  if (entries.empty()) return false;
  const bool separate = paper.key == WorksheetPaper::Key::Separate;
  if (separate && (answersPath.isEmpty() || answersPath == path)) return false;
  // Written beside the files and put in their places only when both are complete.
  QSaveFile sheet(path);
  if (!WritePages(sheet, DocumentTitle, entries, paper, true, paper.key == WorksheetPaper::Key::End))
    return false;
  if (!separate) return sheet.commit();
  QSaveFile answers(answersPath);
  if (!WritePages(answers, AnswersTitle, entries, paper, false, true)) return false;
  return answers.commit() && sheet.commit();
}
