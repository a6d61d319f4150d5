#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSaveFile>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/WindowTexts.h"
#include "files/TreeFile.h"
#include "platform/MessageBoxes.h"
#include "tree/CrossingFree.h"
#include "tree/RandomTree.h"

// Trees in and out of files, sets of trees, and the crossing-free renumbering: each puts a tree
// into the edge box and confirms it as the student's "Potvrdiť" does.

namespace {

// The one local file a drag brings, or an empty text.
QString DroppedFile(const QMimeData* mime) {
  if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
  return mime->urls().front().isLocalFile() ? mime->urls().front().toLocalFile() : QString();
}

}  // namespace

void TForm1::AskForTreeFile() {
  const QString path = QFileDialog::getOpenFileName(this, Q(texts::OpenTreeTitle),
                                                    dialogFolders_.Folder(DialogFolders::Kind::Trees),
                                                    Q(texts::TreeFileFilters));
  if (path.isEmpty()) return;
  dialogFolders_.Remember(DialogFolders::Kind::Trees, path);
  OpenTreeFile(path);
}

bool TForm1::OpenTreeFile(const QString& path) {
  if (busy_) return false;
  QFile file(path);
  // Only a plain file: a named pipe would hold the window until something writes to it, and a
  // device may never end. One byte more than allowed tells a file that is too big.
  const bool plain = QFileInfo(path).isFile();
  const QByteArray bytes =
      plain && file.open(QIODevice::ReadOnly) ? file.read(MaxTreeFileBytes + 1) : QByteArray();
  if (!file.isOpen() || file.error() != QFileDevice::NoError) {
    MessageBoxes::ShowError(this, Q(CannotOpenFileMessage(path.toStdString())));
    return false;
  }
  const TreeFileReading reading = ReadTreeFile(std::string_view(bytes.constData(), bytes.size()));
  if (reading.failure) {
    MessageBoxes::ShowError(this, Q(TreeFileFailureMessage(path.toStdString(), *reading.failure)));
    return false;
  }
  treeSet_ = reading.trees;
  PutSetTree(0);
  return true;
}

void TForm1::PutSetTree(int index) {
  if (index < 0 || index >= static_cast<int>(treeSet_.size())) return;
  treeSetIndex_ = index;
  const FileTree& tree = treeSet_[index];
  std::vector<std::string> boxTexts;
  if (tree.filling) boxTexts = FillingBoxTexts(*tree.filling);
  ConfirmTree(tree.edgeLines, boxTexts, tree.filling.has_value());
  UpdateExtraCommands();
}

void TForm1::NextSetTree() { PutSetTree(treeSetIndex_ + 1); }

void TForm1::PreviousSetTree() { PutSetTree(treeSetIndex_ - 1); }

void TForm1::ConfirmTree(const std::vector<std::string>& edgeLines, const std::vector<std::string>& boxTexts,
                         bool check) {
  // As if the student had entered the edge box, typed the tree and pressed "Potvrdiť": a new
  // exercise, so the boxes start from what comes with it.
  FocusControl(Memo1);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
  QStringList lines;
  for (const std::string& line : edgeLines) lines << Q(line);
  Memo1->setPlainText(lines.join('\n'));
  Memo1->moveCursor(QTextCursor::End);
  Button1Click();
  if (state_.Phase != WindowPhase::Filling) return;  // the message of the confirmation was shown
  for (std::size_t k = 0; k < boxTexts.size() && k < MaxVertices; ++k) boxes_[k + 1]->setText(Q(boxTexts[k]));
  if (check) Button2Click();
}

std::vector<std::string> TForm1::FilledBoxTexts() const {
  std::vector<std::string> texts;
  for (int k = 1; k <= state_.VertexCount; ++k) texts.push_back(boxes_[k]->text().toStdString());
  return texts;
}

void TForm1::AskWhereToSaveTree() {
  const QString path = AskWhereToSave(DialogFolders::Kind::Trees, texts::SaveTreeTitle,
                                      texts::SuggestedTreeName, texts::TreeFileFilters);
  if (!path.isEmpty()) SaveTreeTo(path);
}

bool TForm1::SaveTreeTo(const QString& path) {
  const std::string text = TreeFileText(EdgeListLines(state_.TreeEdges()), FilledBoxTexts());
  // Written beside the file and renamed over it: a failed save leaves any old file whole.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) &&
      file.commit()) {
    return true;
  }
  MessageBoxes::ShowError(this, Q(SaveFailedMessage(path.toStdString())));
  return false;
}

void TForm1::RenumberWithoutCrossings() {
  if (busy_ || state_.VertexCount < 2) return;
  const int n = state_.VertexCount;
  const std::vector<Edge> edges = state_.TreeEdges();
  const std::vector<int> numbering = CrossingFreeNumbering(n, edges);
  // The numbers typed into the boxes stay with their vertices; the history starts anew.
  ConfirmTree(EdgeListLines(RenumberEdges(edges, numbering)), MoveWithVertices(FilledBoxTexts(), numbering),
              false);
}

bool TForm1::AcceptFileDrag(QEvent* event) {
  const auto type = event->type();
  if (type == QEvent::DragEnter || type == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (DroppedFile(drag->mimeData()).isEmpty() || busy_) return false;
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
        this, [this, path] { OpenTreeFile(path); }, Qt::QueuedConnection);
    return true;
  }
  return false;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) { AcceptFileDrag(event); }

void TForm1::dragMoveEvent(QDragMoveEvent* event) { AcceptFileDrag(event); }

void TForm1::dropEvent(QDropEvent* event) { AcceptFileDrag(event); }
