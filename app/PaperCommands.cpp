#include "app/PaperCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "app/DialogFolders.h"
#include "app/ExerciseWindow.h"
#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "files/Worksheet.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureExport.h"
#include "platform/PrintedPages.h"
#include "tree/TreeDrawing.h"

namespace {

// The picture a tree has in the tree picture of the window.
constexpr int TreePictureSize = 500;

std::vector<WorksheetTree> WorksheetTrees(const ProgramState& state, int count, int n) {
  if (state.OpenSet.Empty()) return RandomWorksheetTrees(count, n);
  std::vector<WorksheetTree> trees;
  // A tree of the set that the edge box would refuse has no place on paper.
  for (std::size_t k = 0; k < state.OpenSet.opened.size(); ++k) {
    const FileTree& tree = state.OpenSet.Tree(static_cast<int>(k));
    if (static_cast<int>(trees.size()) == count) break;
    if (const ConfirmedLines confirmed = ConfirmTreeLines(tree.edgeLines); confirmed.tree) {
      trees.push_back(*confirmed.tree);
    }
  }
  return trees;
}

}  // namespace

void PaperCommands::PrintExercise() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PrintedPageLayout());
  QPrintDialog dialog(&printer, window_.DialogParent());
  if (dialog.exec() == QDialog::Accepted) PrintExerciseTo(printer);
}

bool PaperCommands::PrintExerciseTo(QPagedPaintDevice& device) {
  if (window_.State().VertexCount < 2) return false;
  const ExercisePage page = window_.ExerciseForPaper();
  if (!page.tree) return false;
  return PrintExercisePage(device, page);
}

void PaperCommands::AskForWorksheet() {
  QWidget* parent = window_.DialogParent();
  const int setSize = static_cast<int>(window_.State().OpenSet.opened.size());
  // An open set offers its own trees; otherwise random trees of the size asked for.
  const int most = setSize > 0 ? std::min(setSize, MaxWorksheetTrees) : MaxWorksheetTrees;
  bool accepted = false;
  const int count =
      QInputDialog::getInt(parent, Q(texts::WorksheetTitle), Q(texts::WorksheetCountPrompt(most)),
                           std::min(6, most), 1, most, 1, &accepted);
  if (!accepted) return;
  int n = 0;
  if (setSize == 0) {
    n = QInputDialog::getInt(parent, Q(texts::WorksheetTitle), Q(texts::RandomTreePrompt), 10, 2, MaxVertices,
                             1, &accepted);
    if (!accepted) return;
  }
  const QString path = folders_.AskWhereToSave(parent, DialogFolders::Kind::Trees, texts::WorksheetTitle,
                                               texts::SuggestedWorksheetName, texts::PdfFileFilter);
  if (path.isEmpty()) return;
  WriteWorksheetTo(path, count, n);
}

bool PaperCommands::WriteWorksheetTo(const QString& path, int count, int n) {
  if (window_.State().Busy) return false;
  const std::vector<WorksheetTree> trees = WorksheetTrees(window_.State(), count, n);
  QProgressDialog progress(Q(texts::WorksheetProgressText), Q(texts::CancelButton), 0,
                           static_cast<int>(trees.size()), window_.DialogParent());
  progress.setWindowTitle(Q(texts::WorksheetTitle));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(300);
  WorksheetOutcome outcome;
  const bool finished = window_.RunLongWork([&](const ExerciseWindow::Breath& breathe) {
    WorksheetHooks hooks;
    hooks.progress = [&progress](int index, int) { progress.setValue(index - 1); };
    hooks.breathe = [&] { return breathe() && !progress.wasCanceled(); };
    outcome = SolveWorksheet(trees, hooks);
    return !outcome.stopped;
  });
  progress.setValue(static_cast<int>(trees.size()));
  if (!finished) return false;  // cancelled, or the window is closing: nothing is written

  std::vector<WorksheetEntry> entries;
  for (const WorksheetSolution& solution : outcome.solutions) {
    const int size = solution.tree.n;
    const VertexLayout layout = window_.LayoutFor(size, solution.tree.edges);
    std::vector<int> all;
    for (int v = 1; v <= size; ++v) all.push_back(v);
    WorksheetEntry entry{
        RecordOffscreen(TreePictureSize, TreePictureSize,
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
  MessageBoxes::ShowError(window_.DialogParent(), Q(texts::WorksheetFailure(path.toStdString())));
  return false;
}

void PaperCommands::AskWhereToSavePicture() {
  const QString path =
      folders_.AskWhereToSave(window_.DialogParent(), DialogFolders::Kind::Pictures, texts::SavePictureTitle,
                              texts::SuggestedPictureName, texts::PictureFileFilter);
  if (!path.isEmpty()) SavePictureTo(path);
}

bool PaperCommands::SavePictureTo(const QString& path) {
  if (::SavePicture(window_.PictureForExport(), path)) return true;
  MessageBoxes::ShowError(window_.DialogParent(), SaveFailureMessage(path));
  return false;
}

void PaperCommands::CopyPicture() { QGuiApplication::clipboard()->setImage(window_.PictureForExport()); }
