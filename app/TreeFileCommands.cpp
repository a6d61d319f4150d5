#include "app/TreeFileCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>

#include "app/CountDialog.h"
#include "app/DialogFolders.h"
#include "app/ExerciseWindow.h"
#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "files/TreeFile.h"
#include "platform/MessageBoxes.h"
#include "tree/Connectivity.h"
#include "tree/CrossingFree.h"
#include "tree/RandomTree.h"

namespace {

using TreeSet = ProgramState::TreeSet;

// The one local file a drag brings, or an empty text.
QString DroppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  return mime->urls().front().isLocalFile() ? mime->urls().front().toLocalFile() : QString();
}

std::string FileName(const QString& path) { return QFileInfo(path).fileName().toStdString(); }

// The numbers of a filling, as many as the tree has vertices, so that "2 0" and "2" compare equal.
std::vector<int> Padded(std::vector<int> numbers, std::size_t n) {
  numbers.resize(n, 0);
  return numbers;
}

std::size_t VertexCountOf(const FileTree& tree) { return tree.edgeLines.size() + 1; }

bool WriteAtomically(const QString& path, const std::string& text) {
  // Written beside the file and renamed over it: a failed save leaves any old file whole.
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
         file.commit();
}

// The set as the window opens it from a file's reading: the trees it takes, each with the filling
// the file gives it, checked as the file has it; or the refusals when none is left.
struct OpenedSet {
  TreeSet set;
  std::vector<std::string> refusals;
};

OpenedSet MakeSet(TreeFileReading reading, const QString& path, const std::string& title) {
  OpenedSet result;
  for (std::size_t t = 0; t < reading.trees.size(); ++t) {
    if (const auto refusal = TreeRefusal(reading.trees[t], reading.sources[t])) {
      result.refusals.push_back(*refusal);
      continue;
    }
    const FileTree& tree = reading.trees[t];
    std::vector<std::string> boxTexts;
    if (tree.filling) boxTexts = FillingBoxTexts(*tree.filling);
    result.set.opened.push_back(static_cast<int>(t));
    result.set.work.push_back({boxTexts, tree.filling ? std::optional(boxTexts) : std::nullopt});
    result.set.savedFilling.push_back(Padded(tree.filling.value_or(std::vector<int>{}), VertexCountOf(tree)));
  }
  result.set.path = path.toStdString();
  result.set.title = title;
  result.set.file = std::move(reading);
  return result;
}

}  // namespace

void TreeFileCommands::AskForTreeFile() {
  const QString path =
      QFileDialog::getOpenFileName(window_.DialogParent(), Q(texts::OpenTreeTitle),
                                   folders_.Folder(DialogFolders::Kind::Trees), Q(texts::TreeFileFilters));
  if (!path.isEmpty()) Open(path);
}

TreeFileAt ReadTreeFileAt(const QString& path) {
  QFile file(path);
  // Only a plain file: a named pipe would hold the reader until something writes to it, and a
  // device may never end. One byte more than allowed tells a file that is too big.
  const bool plain = QFileInfo(path).isFile();
  const QByteArray bytes =
      plain && file.open(QIODevice::ReadOnly) ? file.read(MaxTreeFileBytes + 1) : QByteArray();
  if (!file.isOpen() || file.error() != QFileDevice::NoError)
    return {{}, CannotOpenFileMessage(FileName(path))};
  TreeFileReading reading = ReadTreeFile(std::string_view(bytes.constData(), bytes.size()));
  if (reading.failure) {
    const std::string message = TreeFileFailureMessage(FileName(path), *reading.failure);
    return {std::move(reading), message};
  }
  return {std::move(reading), std::string()};
}

bool TreeFileCommands::Open(const QString& path) {
  if (window_.State().Busy) return false;
  TreeFileAt read = ReadTreeFileAt(path);
  if (!read.message.empty()) {
    MessageBoxes::ShowError(window_.DialogParent(), Q(read.message));
    return false;
  }
  if (!OpenReading(std::move(read.reading), path, FileName(path), {})) return false;
  // The open dialog starts where this file is, also for one given on the command line or dropped.
  folders_.Remember(DialogFolders::Kind::Trees, path);
  return true;
}

bool TreeFileCommands::OpenGenerated(const std::string& text, const std::string& title,
                                     const std::string& suggestedName) {
  if (window_.State().Busy) return false;
  return OpenReading(ReadTreeFile(text), QString(), title, suggestedName);
}

bool TreeFileCommands::OpenReading(TreeFileReading reading, const QString& path, const std::string& title,
                                   const std::string& suggestedName) {
  QWidget* parent = window_.DialogParent();
  // Every tree is checked before anything changes.
  const std::size_t treeCount = reading.trees.size();
  OpenedSet opened = MakeSet(std::move(reading), path, title);
  opened.set.suggestedName = suggestedName;
  if (opened.set.Empty()) {
    MessageBoxes::ShowError(
        parent, Q(treeCount == 1 ? RefusedTreeMessage(title, opened.refusals.front())
                                 : RefusedTreesMessage(title, opened.refusals, static_cast<int>(treeCount))));
    return false;
  }
  if (!MayDiscardChanges()) return false;
  if (!opened.refusals.empty()) {
    MessageBoxes::ShowMessage(parent,
                              Q(RefusedTreesMessage(title, opened.refusals, static_cast<int>(treeCount))));
  }
  window_.SetOpenSet(std::move(opened.set));
  PutSetTree(0);
  return true;
}

void TreeFileCommands::OpenAsExercise(const std::vector<std::string>& edgeLines) {
  if (window_.State().Busy || !MayDiscardChanges()) return;
  window_.SetOpenSet({});
  window_.ConfirmNewExercise(edgeLines, {}, false);
}

void TreeFileCommands::PutSetTree(int index) {
  TreeSet set = SetAsItStands();
  if (index < 0 || index >= static_cast<int>(set.opened.size())) return;
  set.index = index;
  const FileTree tree = set.Tree(index);
  const TreeSet::Work work = set.work[index];
  window_.SetOpenSet(std::move(set));
  // The tree as the student left it: its last check shown, and the boxes as they were typed since.
  if (!window_.ConfirmNewExercise(tree.edgeLines, work.checked.value_or(work.boxTexts),
                                  work.checked.has_value()))
    return;
  for (std::size_t v = 0; v < work.boxTexts.size() && v < MaxVertices; ++v) {
    if (!work.checked || v >= work.checked->size() || (*work.checked)[v] != work.boxTexts[v])
      window_.PutIntoBox(static_cast<int>(v) + 1, work.boxTexts[v]);
  }
}

TreeSet TreeFileCommands::SetAsItStands() const {
  return window_.State().OpenSetAsItStands(window_.FilledBoxTexts());
}

void TreeFileCommands::NextSetTree() { PutSetTree(window_.State().OpenSet.index + 1); }

void TreeFileCommands::PreviousSetTree() { PutSetTree(window_.State().OpenSet.index - 1); }

bool TreeFileCommands::Modified() const {
  const TreeSet set = SetAsItStands();
  if (set.Empty()) return false;
  for (std::size_t k = 0; k < set.opened.size(); ++k) {
    const std::size_t n = VertexCountOf(set.Tree(static_cast<int>(k)));
    if (Padded(FillingNumbers(set.work[k].boxTexts, n), n) != set.savedFilling[k]) return true;
  }
  return false;
}

bool TreeFileCommands::MayDiscardChanges() {
  if (!Modified()) return true;
  const std::string name = window_.State().OpenSet.title;
  const bool file = !window_.State().OpenSet.path.empty();
  switch (MessageBoxes::AskToSaveChanges(window_.DialogParent(), Q(texts::SaveChangesQuestion(name, file)))) {
    case MessageBoxes::Answer::Save:
      Save();
      return !Modified();
    case MessageBoxes::Answer::Discard:
      return true;
    case MessageBoxes::Answer::Cancel:
      return false;
  }
  return false;
}

void TreeFileCommands::Save() {
  const TreeSet set = SetAsItStands();
  // graph6 and sparse6 hold no fillings: a set whose graphs gain fillings is saved anew as edge lines.
  const bool rewritten = RewritesSixFormatGraphs(set.file, set.FileBoxTexts());
  if (set.Empty() || set.path.empty() || rewritten) {
    AskWhereToSave();
    return;
  }
  SaveTo(Q(set.path));
}

QString TreeFileCommands::SuggestedSavePath() const {
  const ProgramState& state = window_.State();
  if (!state.OpenSet.path.empty()) {
    const QFileInfo file(Q(state.OpenSet.path));
    return file.dir().filePath(file.completeBaseName() + ".txt");
  }
  return folders_.SuggestedPath(
      DialogFolders::Kind::Trees,
      Q(texts::SuggestedTreeFileName(state.OpenSet.Empty() ? state.VertexCount : 0)));
}

void TreeFileCommands::AskWhereToSave() {
  const QString path = QFileDialog::getSaveFileName(window_.DialogParent(), Q(texts::SaveTreeTitle),
                                                    SuggestedSavePath(), Q(texts::SaveTreeFileFilter));
  if (path.isEmpty()) return;
  folders_.Remember(DialogFolders::Kind::Trees, path);
  SaveTo(path);
}

bool TreeFileCommands::SaveTo(const QString& path) {
  const ProgramState& state = window_.State();
  QWidget* parent = window_.DialogParent();
  const TreeSet set = SetAsItStands();
  std::string text;
  if (!set.Empty()) {
    text = TreeFileDocumentText(set.file, set.FileBoxTexts());
  } else {
    if (state.VertexCount < 2) return false;
    // A tree file holds trees; the edge box takes more.
    if (!IsConnected(state.VertexCount, state.TreeEdges())) {
      MessageBoxes::ShowMessage(parent, Q(texts::NotATreeNotSaved));
      return false;
    }
    text = TreeFileText(EdgeListLines(state.TreeEdges()), window_.FilledBoxTexts());
  }
  if (!WriteAtomically(path, text)) {
    MessageBoxes::ShowError(parent, Q(SaveFailedMessage(path.toStdString())));
    return false;
  }
  // What was written is the document now: its file, its lines, the fillings saved.
  OpenedSet saved = MakeSet(ReadTreeFile(text), path, FileName(path));
  if (!set.Empty()) {
    saved.set.index = set.index;
    saved.set.work = set.work;
  } else {
    saved.set.work.front() = {window_.FilledBoxTexts(), std::nullopt};
  }
  window_.SetOpenSet(std::move(saved.set));
  return true;
}

void TreeFileCommands::RenumberWithoutCrossings() {
  const ProgramState& state = window_.State();
  if (state.Busy || state.VertexCount < 2) return;
  const std::vector<Edge> edges = state.TreeEdges();
  const std::vector<int> numbering = CrossingFreeNumbering(state.VertexCount, edges);
  // The numbers typed into the boxes stay with their vertices; the history starts anew.
  window_.ConfirmNewExercise(EdgeListLines(RenumberEdges(edges, numbering)),
                             MoveWithVertices(window_.FilledBoxTexts(), numbering), false);
}

void TreeFileCommands::AskForRandomTree() {
  const int n = window_.State().VertexCount;
  if (const auto count = AskForCount(window_.DialogParent(), texts::RandomTreeTitle, texts::RandomTreePrompt,
                                     n >= 2 ? n : 10, 2, MaxVertices))
    PutRandomTree(*count);
}

void TreeFileCommands::PutRandomTree(int n) {
  if (window_.State().Busy || !MayDiscardChanges()) return;
  // A new exercise of the student's own: the document is closed.
  window_.SetOpenSet({});
  window_.TypeIntoEdgeBox(EdgeListLines(RandomTreeEdges(n)));
}

void TreeFileCommands::Quit() { window_.DialogParent()->close(); }

bool TreeFileCommands::AcceptFileDrag(QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::DragEnter || type == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (DroppedFile(drag->mimeData()).isEmpty() || window_.State().Busy) return false;
    drag->acceptProposedAction();
    return true;
  }
  if (type == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = DroppedFile(drop->mimeData());
    if (path.isEmpty()) return false;
    drop->acceptProposedAction();
    // After the drag has ended: a message box inside the drop would hold the dragging program.
    QMetaObject::invokeMethod(
        window_.DialogParent(), [this, path] { Open(path); }, Qt::QueuedConnection);
    return true;
  }
  return false;
}
