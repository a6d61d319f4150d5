#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "platform/PictureExport.h"
#include "platform/PictureRecording.h"

class QPagedPaintDevice;
class QPainter;

// A4 portrait with margins of 15 mm, the page everything here is laid out for. The window gives
// it to the printer before the print dialog opens, so that the dialog starts from it; any other
// page works too, the sheet is scaled to fit it.
QPageLayout PrintedPageLayout();

// The exercise as the window shows it.
struct ExercisePage {
  std::vector<std::pair<int, int>> edges;  // listed in the heading in this order
  const PictureRecording* tree = nullptr;
  std::vector<ExportBox> boxes;             // as they stand, in the tree picture's coordinates
  const PictureRecording* table = nullptr;  // the check table when the window shows it
  // More to draw over the tree and its boxes, in the tree's coordinates (the vertex numbers).
  std::function<void(QPainter&)> overlay;
};

// Prints the page on `device` (a printer, a PDF writer) as vectors: "Meno:" with a line to write
// on, the task, the edge list, the tree with its boxes and, below it, the table. False when the
// device cannot be painted on.
bool PrintExercisePage(QPagedPaintDevice& device, const ExercisePage& page);

// One tree of a worksheet.
struct WorksheetEntry {
  PictureRecording picture;  // the tree as the window draws it (RecordOffscreen)
  // One box per vertex, in the picture's coordinates, with what the student gets in it (usually
  // nothing).
  std::vector<ExportBox> boxes;
  // The label each box shows on the solutions page; empty for a tree without a graceful labeling.
  std::vector<int> key;
};

// Writes the worksheet as a PDF file: two trees a page, each headed with its number and vertex
// count, "Meno:" and the task at the top of every page; then a page headed "Riešenia" with every
// tree small, its boxes holding the key. False when there is no tree or the file cannot be
// written; an existing file is then left as it was.
bool WriteWorksheetPdf(const QString& path, const std::vector<WorksheetEntry>& entries);
