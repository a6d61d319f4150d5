#include "app/TreeFileCommands.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLabel>
#include <QMimeData>
#include <QSaveFile>

#include "app/DialogFolders.h"
#include "app/ExerciseWindow.h"
#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "files/TreeFile.h"
#include "platform/MessageBoxes.h"
#include "tree/CrossingFree.h"
#include "tree/IntConversion.h"
#include "tree/RandomTree.h"

namespace {

// The one local file a drag brings, or an empty text.
QString DroppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  return mime->urls().front().isLocalFile() ? mime->urls().front().toLocalFile() : QString();
}

}  // namespace

void TreeFileCommands::AskForTreeFile() {
  const QString path =
      QFileDialog::getOpenFileName(window_.DialogParent(), Q(texts::OpenTreeTitle),
                                   folders_.Folder(DialogFolders::Kind::Trees), Q(texts::TreeFileFilters));
  if (path.isEmpty()) return;
  folders_.Remember(DialogFolders::Kind::Trees, path);
  Open(path);
}

bool TreeFileCommands::Open(const QString& path) {
  if (window_.State().Busy) return false;
  QFile file(path);
  // Only a plain file: a named pipe would hold the window until something writes to it, and a
  // device may never end. One byte more than allowed tells a file that is too big.
  const bool plain = QFileInfo(path).isFile();
  const QByteArray bytes =
      plain && file.open(QIODevice::ReadOnly) ? file.read(MaxTreeFileBytes + 1) : QByteArray();
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    MessageBoxes::ShowError(window_.DialogParent(), Q(CannotOpenFileMessage(path.toStdString())));
    return false;
  }
  const TreeFileReading reading = ReadTreeFile(std::string_view(bytes.constData(), bytes.size()));
  if (reading.failure) {
    MessageBoxes::ShowError(window_.DialogParent(),
                            Q(TreeFileFailureMessage(path.toStdString(), *reading.failure)));
    return false;
  }
  window_.SetOpenSet({reading.trees, 0});
  PutSetTree(0);
  return true;
}

void TreeFileCommands::PutSetTree(int index) {
  ProgramState::TreeSet set = window_.State().OpenSet;
  if (index < 0 || index >= static_cast<int>(set.trees.size())) return;
  set.index = index;
  const FileTree tree = set.trees[index];
  window_.SetOpenSet(std::move(set));
  std::vector<std::string> boxTexts;
  if (tree.filling) boxTexts = FillingBoxTexts(*tree.filling);
  window_.ConfirmNewExercise(tree.edgeLines, boxTexts, tree.filling.has_value());
}

void TreeFileCommands::NextSetTree() { PutSetTree(window_.State().OpenSet.index + 1); }

void TreeFileCommands::PreviousSetTree() { PutSetTree(window_.State().OpenSet.index - 1); }

void TreeFileCommands::AskWhereToSave() {
  const QString path =
      folders_.AskWhereToSave(window_.DialogParent(), DialogFolders::Kind::Trees, texts::SaveTreeTitle,
                              texts::SuggestedTreeName, texts::TreeFileFilters);
  if (!path.isEmpty()) SaveTo(path);
}

bool TreeFileCommands::SaveTo(const QString& path) {
  const std::string text = TreeFileText(EdgeListLines(window_.State().TreeEdges()), window_.FilledBoxTexts());
  // Written beside the file and renamed over it: a failed save leaves any old file whole.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
      file.commit()) {
    return true;
  }
  MessageBoxes::ShowError(window_.DialogParent(), Q(SaveFailedMessage(path.toStdString())));
  return false;
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
  QString answer = QString::number(n >= 2 ? n : 10);
  for (;;) {
    QInputDialog dialog(window_.DialogParent());
    dialog.setWindowTitle(Q(texts::RandomTreeTitle));
    dialog.setLabelText(Q(texts::RandomTreePrompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(answer);
    // Wide enough for the title beside the title bar's icon and buttons, which Qt does not size for.
    // The dialog's layout sets its own minimum from its contents, so the prompt carries the width.
    if (auto* prompt = dialog.findChild<QLabel*>()) {
      prompt->setMinimumWidth(QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()) + 160);
    }
    if (dialog.exec() != QDialog::Accepted) return;
    answer = dialog.textValue().trimmed();
    // A number out of range is refused in words, not quietly replaced by another.
    const std::optional<int> count = ConvertToInt(answer.toStdString());
    if (count && *count >= 2 && *count <= MaxVertices) {
      PutRandomTree(*count);
      return;
    }
    MessageBoxes::ShowMessage(window_.DialogParent(), Q(texts::RandomTreeCountRefused(answer.toStdString())));
  }
}

void TreeFileCommands::PutRandomTree(int n) {
  if (window_.State().Busy) return;
  window_.TypeIntoEdgeBox(EdgeListLines(RandomTreeEdges(n)));
}

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
