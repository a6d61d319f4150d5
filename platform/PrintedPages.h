#pragma once

#include <QPageLayout>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "platform/PictureExport.h"
#include "platform/PictureRecording.h"

class QPagedPaintDevice;
class QPainter;

// A4 portrait with margins of 15 mm, the page everything here is laid out for. The window gives
// it to the printer before the print dialog opens, so that the dialog starts from it; any other
// page works too, the sheets are laid out anew for it.
QPageLayout PrintedPageLayout();

// A tree drawn for paper: black lines on white, each vertex a circle with room for a number.
struct PaperVertex {
  int vertex = 0;
  QPointF at;         // where the layout puts it, in any units: the drawing scales the tree to its space
  QString number;     // what stands in the circle
  bool bold = false;  // a number the pupil is given, or the key's
  QString name;       // the vertex's own number beside the circle, when the window shows those
  QPointF outward;    // the free side of the vertex (a unit vector), where its name goes
};

// How an edge's value after a check reads on a black-and-white page: plain, bold in a double frame,
// or a question mark.
enum class EdgeValueKind { Unique, Repeated, Unknown };

struct PaperEdgeValue {
  QPointF at;  // in the layout's units, as the vertices
  QString text;
  EdgeValueKind kind = EdgeValueKind::Unique;
};

struct PaperTree {
  std::vector<PaperVertex> vertices;
  std::vector<std::pair<int, int>> edges;  // by vertex number, in the order of the edge list
  std::vector<PaperEdgeValue> values;
};

// "Hrany: 1–2, 2–3, 3–4".
QString PaperEdgeList(const std::vector<std::pair<int, int>>& edges);

// The exercise as it stands, for Ctrl+P.
struct ExercisePaper {
  PaperTree tree;  // the filled numbers in the circles, the edge values of the last check
  std::vector<std::pair<int, int>> edges;  // the whole tree's, for the edge list
  // The check table, already in black and grey (PaperInk), when the window shows it.
  const PictureRecording* table = nullptr;
};

// Prints the page on `device` (a printer, a PDF writer) as vectors: "Meno:" with a line to write
// on, the task, the tree, its edge list, a line telling the edge values apart and the table. False
// when the device cannot be painted on.
bool PrintExercisePage(QPagedPaintDevice& device, const ExercisePaper& page);

// One tree of a worksheet.
struct WorksheetEntry {
  int number = 0;  // its heading's
  PaperTree tree;  // the given numbers in the circles
  // The key: the label of each vertex of `tree`, in its order; nothing for a tree without a
  // graceful labeling.
  std::optional<std::vector<int>> key;
  int contradicted = 0;  // given numbers the key changes, since no labeling keeps them all
};

struct WorksheetPaper {
  int perPage = 2;  // 1, 2, 4 or 6; anything else counts as 2
  QString heading;  // above "Meno:" on every page
  enum class Key { End, Separate, None } key = Key::End;
};

// Paints the worksheet on `device`: the trees perPage a page, each headed with its number and vertex
// count, its edge list below it, "Meno:" and the task at the top of every page; then, unless there is
// no key, pages headed "Riešenia" of up to six trees with the key in their circles. A separate key
// follows the exercises here too, as the preview shows both files. False when the device cannot be
// painted on or there is no tree.
bool PaintWorksheet(QPagedPaintDevice& device, const std::vector<WorksheetEntry>& entries,
                    const WorksheetPaper& paper);

// Writes the worksheet as a PDF file, and with Key::Separate its key as a second one at
// `answersPath`. False when there is no tree or a file cannot be written; then no file changes.
bool WriteWorksheetPdf(const QString& path, const std::vector<WorksheetEntry>& entries,
                       const WorksheetPaper& paper, const QString& answersPath = {});
