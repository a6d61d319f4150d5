#include <QInputDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/WindowTexts.h"
#include "files/Worksheet.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/PrintedPages.h"
#include "tree/TreeDrawing.h"

// Paper: the exercise as it stands, printed, and worksheets of several trees with their key.

std::vector<ExportBox> TForm1::ShownBoxesForExport() const {
  std::vector<ExportBox> shown;
  for (int k = 1; k <= MaxVertices; ++k) {
    if (state_.ShownVertices[k])
      shown.push_back({zoom_.Design(boxes_[k]).topLeft() - TreePictureOrigin, boxes_[k]->text()});
  }
  return shown;
}

void TForm1::PrintExercise() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PrintedPageLayout());
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintExerciseTo(printer);
}

bool TForm1::PrintExerciseTo(QPagedPaintDevice& device) {
  if (state_.VertexCount < 2 || !g->Recording()) return false;
  ExercisePage page;
  for (const Edge& edge : state_.TreeEdges()) page.edges.emplace_back(edge.a, edge.b);
  page.tree = g->Recording();
  page.boxes = ShownBoxesForExport();
  page.table = state_.CheckTableShown ? tab->Recording() : nullptr;
  const std::vector<VertexNumbers::Number> numbers = vertexNumbers_->Numbers();
  if (!numbers.empty())
    page.overlay = [numbers](QPainter& painter) { VertexNumbers::Paint(painter, numbers); };
  return PrintExercisePage(device, page);
}

void TForm1::AskForWorksheet() {
  const int setSize = static_cast<int>(treeSet_.size());
  // An open set offers its own trees; otherwise random trees of the size asked for.
  const int most = setSize > 0 ? std::min(setSize, MaxWorksheetTrees) : MaxWorksheetTrees;
  bool accepted = false;
  const int count = QInputDialog::getInt(this, Q(texts::WorksheetTitle), Q(texts::WorksheetCountPrompt(most)),
                                         std::min(6, most), 1, most, 1, &accepted);
  if (!accepted) return;
  int n = 0;
  if (setSize == 0) {
    n = QInputDialog::getInt(this, Q(texts::WorksheetTitle), Q(texts::RandomTreePrompt), 10, 2, MaxVertices,
                             1, &accepted);
    if (!accepted) return;
  }
  const QString path = AskWhereToSave(DialogFolders::Kind::Trees, texts::WorksheetTitle,
                                      texts::SuggestedWorksheetName, texts::PdfFileFilter);
  if (path.isEmpty()) return;
  WriteWorksheetTo(path, count, n);
}

std::vector<WorksheetTree> TForm1::WorksheetTrees(int count, int n) const {
  if (treeSet_.empty()) return RandomWorksheetTrees(count, n);
  std::vector<WorksheetTree> trees;
  // A tree of the set that the edge box would refuse has no place on paper.
  for (const FileTree& tree : treeSet_) {
    if (static_cast<int>(trees.size()) == count) break;
    if (const ConfirmedLines confirmed = ConfirmTreeLines(tree.edgeLines); confirmed.tree) {
      trees.push_back(*confirmed.tree);
    }
  }
  return trees;
}

bool TForm1::WriteWorksheetTo(const QString& path, int count, int n) {
  if (busy_) return false;
  const std::vector<WorksheetTree> trees = WorksheetTrees(count, n);
  QProgressDialog progress(Q(texts::WorksheetProgressText), Q(texts::CancelButton), 0,
                           static_cast<int>(trees.size()), this);
  progress.setWindowTitle(Q(texts::WorksheetTitle));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  WorksheetHooks hooks;
  hooks.progress = [&progress](int index, int) { progress.setValue(index - 1); };
  hooks.breathe = [this, &progress] { return Breathe() && !progress.wasCanceled(); };
  SetSearching(true);
  const WorksheetOutcome outcome = SolveWorksheet(trees, hooks);
  progress.setValue(static_cast<int>(trees.size()));
  if (closing_) return false;
  SetSearching(false);
  if (outcome.stopped) return false;  // cancelled: nothing is written

  std::vector<WorksheetEntry> entries;
  const QSize picture = g->LogicalSize();
  for (const WorksheetSolution& solution : outcome.solutions) {
    const int size = solution.tree.n;
    const VertexLayout layout = state_.TreeShaped
                                    ? TreeShapeFor(size, solution.tree.edges)
                                    : CircleLayout(CircleForPicture(picture.width(), picture.height()), size);
    std::vector<int> all;
    for (int v = 1; v <= size; ++v) all.push_back(v);
    WorksheetEntry entry{
        RecordOffscreen(picture.width(), picture.height(),
                        [&](Canvas& canvas) { DrawTreeOutline(canvas, layout, all, solution.tree.edges); }),
        {},
        {}};
    const std::vector<BoxPlacement> places = PlaceVertexBoxes(layout, {0, 0});
    for (int v = 1; v <= size; ++v) {
      entry.boxes.push_back({QPoint(places[v].topLeft.x, places[v].topLeft.y), QString()});
      if (solution.labeling) entry.key.push_back((*solution.labeling)[v]);
    }
    entries.push_back(std::move(entry));
  }
  if (WriteWorksheetPdf(path, entries)) return true;
  MessageBoxes::ShowError(this, Q(texts::WorksheetFailure(path.toStdString())));
  return false;
}
