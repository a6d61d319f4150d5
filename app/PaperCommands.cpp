#include "app/PaperCommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>

#include "app/DialogFolders.h"
#include "app/ExerciseWindow.h"
#include "app/QtText.h"
#include "app/WindowSettings.h"
#include "app/WindowTexts.h"
#include "app/WorksheetDialog.h"
#include "check/CheckDrawing.h"
#include "check/Evaluation.h"
#include "platform/MessageBoxes.h"
#include "platform/PaperInk.h"
#include "platform/PictureExport.h"
#include "tree/TreeDrawing.h"

namespace {

// The check table's picture in the window.
constexpr int TablePictureSize = 250;

std::vector<std::pair<int, int>> Pairs(const std::vector<Edge>& edges) {
  std::vector<std::pair<int, int>> pairs;
  for (const Edge& edge : edges) pairs.emplace_back(edge.a, edge.b);
  return pairs;
}

PaperVertex VertexOnPaper(const VertexLayout& layout, int v, bool names) {
  PaperVertex vertex;
  vertex.vertex = v;
  if (v < static_cast<int>(layout.exact.size())) vertex.at = QPointF(layout.exact[v].x, layout.exact[v].y);
  if (v < static_cast<int>(layout.outward.size()))
    vertex.outward = QPointF(layout.outward[v].x, layout.outward[v].y);
  if (names) vertex.name = QString::number(v);
  return vertex;
}

EdgeValueKind KindOnPaper(EdgeStatus status) {
  switch (status) {
    case EdgeStatus::Unique:
      return EdgeValueKind::Unique;
    case EdgeStatus::Repeated:
      return EdgeValueKind::Repeated;
    case EdgeStatus::Unlabeled:
      break;
  }
  return EdgeValueKind::Unknown;
}

// Whether both choices ask for the same trees: the pages may differ.
bool SameTrees(const WorksheetChoice& a, const WorksheetChoice& b) {
  if (a.source != b.source) return false;
  if (a.source == WorksheetSource::Random) return a.vertices == b.vertices && a.count == b.count;
  return a.givens == b.givens && a.wholeSet == b.wholeSet &&
         (a.wholeSet || (a.first == b.first && a.last == b.last));
}

}  // namespace

WorksheetEntry PaperEntry(const WorksheetSolution& solution, const VertexLayout& layout, bool names) {
  const WorksheetTree& tree = solution.tree;
  WorksheetEntry entry;
  entry.number = tree.number;
  entry.tree.edges = Pairs(tree.edges);
  if (solution.labeling) entry.key.emplace();
  for (int v = 1; v <= tree.n; ++v) {
    PaperVertex vertex = VertexOnPaper(layout, v, names);
    const std::size_t k = static_cast<std::size_t>(v - 1);
    if (k < tree.givens.size() && tree.givens[k] != 0) {
      vertex.number = QString::number(tree.givens[k]);
      vertex.bold = true;
    }
    entry.tree.vertices.push_back(vertex);
    if (solution.labeling) entry.key->push_back((*solution.labeling)[v]);
  }
  entry.contradicted = solution.contradicted;
  return entry;
}

WorksheetPaper PaperOf(const WorksheetChoice& choice) {
  WorksheetPaper paper;
  paper.perPage = choice.perPage;
  paper.heading = Q(choice.heading);
  paper.key = choice.answers == WorksheetAnswers::Separate ? WorksheetPaper::Key::Separate
              : choice.answers == WorksheetAnswers::None   ? WorksheetPaper::Key::None
                                                           : WorksheetPaper::Key::End;
  return paper;
}

void PaperCommands::PrintExercise() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PrintedPageLayout());
  QPrintPreviewDialog preview(&printer, window_.DialogParent());
  preview.setWindowTitle(Q(texts::PrintPreviewTitle));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [this](QPrinter* target) { PrintExerciseTo(*target); });
  preview.exec();
}

bool PaperCommands::PrintExerciseTo(QPagedPaintDevice& device) {
  const ProgramState& state = window_.State();
  const int n = state.VertexCount;
  if (n < 2) return false;
  const VertexLayout layout = state.Layout();
  const std::vector<std::string> boxTexts = window_.FilledBoxTexts();
  ExercisePaper page;
  page.edges = Pairs(state.TreeEdges());
  for (int v : state.Drawn.vertices) {
    if (!layout.Has(v)) continue;
    PaperVertex vertex = VertexOnPaper(layout, v, state.VertexNumbersShown);
    const std::size_t k = static_cast<std::size_t>(v - 1);
    if (state.ShownVertices[v] && k < boxTexts.size()) vertex.number = Q(boxTexts[k]).trimmed();
    page.tree.vertices.push_back(vertex);
  }
  page.tree.edges = Pairs(state.Drawn.edges);
  // The values stand where the window's squares stand, on the edges the check evaluated.
  if (state.Drawn.values) {
    const std::vector<Edge> edges = state.TreeEdges();
    const std::vector<PointF> anchors = ValueSquareAnchors(layout, edges);
    const Evaluation evaluation = EvaluateEdges(edges, *state.Drawn.values);
    for (std::size_t k = 0; k < edges.size(); ++k) {
      if (!layout.Has(edges[k].a) || !layout.Has(edges[k].b)) continue;
      const EdgeResult& result = evaluation.edges[k];
      page.tree.values.push_back(
          {QPointF(anchors[k].x, anchors[k].y), Q(result.valueText), KindOnPaper(result.status)});
    }
  }
  std::optional<PictureRecording> table;
  if (state.CheckTableShown && state.CheckTableOfTree) {
    // The table of a check, or of leaf removal on the boxes' labels.
    const Labels labels = state.Drawn.values.value_or(state.BoxLabels);
    const std::vector<Edge> edges = state.Drawn.values ? state.TreeEdges() : state.Drawn.edges;
    table = RecordOffscreen(TablePictureSize, TablePictureSize, [&](Canvas& canvas) {
      PaperInk ink(canvas);
      DrawCheckTable(ink, n, edges, labels);
    });
    page.table = &*table;
  }
  return PrintExercisePage(device, page);
}

TreeFileReading PaperCommands::SetAsItStands() const {
  const ProgramState::TreeSet set = window_.State().OpenSetAsItStands(window_.FilledBoxTexts());
  TreeFileReading file = set.file;
  for (std::size_t k = 0; k < set.opened.size(); ++k) {
    FileTree& tree = file.trees[static_cast<std::size_t>(set.opened[k])];
    tree.filling = FillingNumbers(set.work[k].boxTexts, tree.edgeLines.size() + 1);
  }
  return file;
}

std::optional<WorksheetChoice> PaperCommands::AskForWorksheetChoice() {
  WindowSettings settings;
  const ProgramState& state = window_.State();
  const TreeFileReading set = SetAsItStands();
  WorksheetDialog dialog(window_.DialogParent(), settings.Worksheet(), state.OpenSet.Empty() ? nullptr : &set,
                         state.OpenSet.title);
  dialog.SetPreview([this, &dialog](const WorksheetChoice& choice) { PreviewWorksheet(choice, &dialog); });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const WorksheetChoice choice = dialog.Choice();
  settings.SetWorksheet(choice);
  return choice;
}

void PaperCommands::AskForWorksheet() {
  // Each dialog makes its own random trees; within it the preview's are the ones written.
  prepared_.reset();
  if (const std::optional<WorksheetChoice> choice = AskForWorksheetChoice()) {
    const QString path =
        folders_.AskWhereToSave(window_.DialogParent(), DialogFolders::Kind::Trees, texts::WorksheetTitle,
                                texts::SuggestedWorksheetName, texts::PdfFileFilter);
    if (!path.isEmpty()) WriteWorksheetTo(path, *choice);
  }
  prepared_.reset();
}

std::optional<std::vector<WorksheetEntry>> PaperCommands::Prepare(const WorksheetChoice& choice) {
  const TreeFileReading set = SetAsItStands();
  const bool fromSet = choice.source == WorksheetSource::Set;
  if (prepared_ && SameTrees(prepared_->choice, choice) && (!fromSet || prepared_->set == set.trees))
    return prepared_->entries;
  const std::vector<WorksheetTree> trees = ChosenTrees(choice, &set).trees;
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
  if (!finished) return std::nullopt;  // cancelled, or the window is closing
  std::vector<WorksheetEntry> entries;
  for (const WorksheetSolution& solution : outcome.solutions) {
    const VertexLayout layout = window_.LayoutFor(solution.tree.n, solution.tree.edges);
    entries.push_back(PaperEntry(solution, layout, window_.State().VertexNumbersShown));
  }
  prepared_ = Prepared{choice, set.trees, entries};
  return entries;
}

bool PaperCommands::PreviewWorksheet(const WorksheetChoice& choice, QWidget* parent) {
  if (window_.State().Busy) return false;
  const std::optional<std::vector<WorksheetEntry>> entries = Prepare(choice);
  if (!entries || entries->empty()) return false;
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(PrintedPageLayout());
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(Q(texts::WorksheetPreviewTitle));
  const WorksheetPaper paper = PaperOf(choice);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&](QPrinter* target) { PaintWorksheet(*target, *entries, paper); });
  preview.exec();
  return true;
}

bool PaperCommands::WriteWorksheetTo(const QString& path, const WorksheetChoice& choice) {
  if (window_.State().Busy) return false;
  const int setTrees = static_cast<int>(window_.State().OpenSet.file.trees.size());
  if (const std::optional<std::string> fault = WorksheetChoiceFault(choice, setTrees)) {
    MessageBoxes::ShowMessage(window_.DialogParent(), Q(*fault));
    return false;
  }
  const std::optional<std::vector<WorksheetEntry>> entries = Prepare(choice);
  if (!entries) return false;
  if (entries->empty()) {
    MessageBoxes::ShowMessage(window_.DialogParent(), Q(texts::WorksheetNothingLeft));
    return false;
  }
  const QString answers =
      choice.answers == WorksheetAnswers::Separate ? Q(AnswersFilePath(path.toStdString())) : QString();
  if (WriteWorksheetPdf(path, *entries, PaperOf(choice), answers)) return true;
  MessageBoxes::ShowError(window_.DialogParent(), Q(texts::WorksheetFailure(path.toStdString())));
  return false;
}

bool PaperCommands::WriteWorksheetTo(const QString& path, int count, int n) {
  const ProgramState& state = window_.State();
  WorksheetChoice choice;
  if (state.OpenSet.Empty()) {
    choice.count = std::clamp(count, 1, MaxRandomWorksheetTrees);
    choice.vertices = std::clamp(n, 2, MaxVertices);
  } else {
    choice.source = WorksheetSource::Set;
    choice.wholeSet = false;
    choice.last = std::clamp(count, 1, static_cast<int>(state.OpenSet.file.trees.size()));
  }
  return WriteWorksheetTo(path, choice);
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
