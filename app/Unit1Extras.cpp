#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/WindowTexts.h"
#include "platform/DesktopSetup.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/PictureExport.h"
#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tree/RandomTree.h"
#include "tree/TreeDrawing.h"
#include "tree/VertexNumberPlacement.h"

// What the window offers beyond its fixed controls: a context menu whose commands also have
// keyboard shortcuts, and the vertex numbers over the tree picture.

QAction* TForm1::AddExtraCommand(const std::string& text, const QKeySequence& shortcut,
                                 void (TForm1::*command)()) {
  auto* action = new QAction(Q(text), this);
  action->setShortcut(shortcut);
  action->setShortcutVisibleInContextMenu(true);
  connect(action, &QAction::triggered, this, command);
  // Added to the window, the shortcut works wherever the focus is inside it.
  addAction(action);
  return action;
}

void TForm1::CreateExtras() {
  vertexNumbers_ = new VertexNumbers(this);
  vertexNumbers_->setObjectName("vertexNumbers");
  vertexNumbers_->setGeometry(g->geometry());
  // Just above the tree picture, below the boxes and labels placed over it.
  vertexNumbers_->lower();
  g->lower();

  closestAction_ = AddExtraCommand(texts::ClosestCommand, QKeySequence(Qt::Key_F3), &TForm1::ProposeClosest);
  showNumbersAction_ = AddExtraCommand(texts::ShowVertexNumbersCommand, QKeySequence(Qt::CTRL | Qt::Key_M),
                                       &TForm1::ShowVertexNumbers);
  showNumbersAction_->setCheckable(true);
  saveAction_ = AddExtraCommand(texts::SavePictureCommand, QKeySequence::Save, &TForm1::SavePicture);
  copyAction_ = AddExtraCommand(texts::CopyPictureCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                &TForm1::CopyPicture);
  randomTreeAction_ = AddExtraCommand(texts::RandomTreeCommand, QKeySequence::New, &TForm1::AskForRandomTree);
  aboutAction_ = AddExtraCommand(texts::AboutCommand, QKeySequence::HelpContents, &TForm1::ShowAbout);
  UpdateExtraCommands();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(closestAction_);
  menu.addSeparator();
  menu.addAction(showNumbersAction_);
  menu.addSeparator();
  menu.addAction(saveAction_);
  menu.addAction(copyAction_);
  menu.addSeparator();
  menu.addAction(randomTreeAction_);
  menu.addSeparator();
  menu.addAction(aboutAction_);
  menu.exec(event->globalPos());
}

bool TForm1::SearchOffered() const { return !busy_ && !Button3->isHidden() && Button3->isEnabled(); }

void TForm1::UpdateExtraCommands() {
  // Before the commands exist, the window's construction is still setting its controls up.
  if (!aboutAction_) return;
  // Offered wherever "Hľadať a navrhnúť riešenie" can be pressed.
  closestAction_->setEnabled(SearchOffered());
  const bool treeDrawn = state_.VertexCount >= 2;
  saveAction_->setEnabled(treeDrawn && !busy_);
  copyAction_->setEnabled(treeDrawn && !busy_);
  // The edge box cannot take a new tree while a search works on the old one.
  randomTreeAction_->setEnabled(!busy_);
}

QImage TForm1::PictureForExport() const {
  std::vector<ExportBox> shownBoxes;
  for (int k = 1; k <= MaxVertices; ++k) {
    if (!boxes_[k]->isHidden()) shownBoxes.push_back({boxes_[k]->pos() - g->pos(), boxes_[k]->text()});
  }
  QImage image =
      RenderPictureExport(*g, shownBoxes, tab->isHidden() ? nullptr : tab, TableOffsetInWindow, ExportScale);
  if (!vertexNumbers_->Numbers().empty()) {
    QPainter painter(&image);
    painter.scale(ExportScale, ExportScale);
    VertexNumbers::Paint(painter, vertexNumbers_->Numbers());
  }
  return image;
}

void TForm1::SavePicture() {
  const QString path = QFileDialog::getSaveFileName(
      this, Q(texts::SavePictureTitle), Q(texts::SuggestedPictureName), Q(texts::PictureFileFilter));
  if (!path.isEmpty()) SavePictureTo(path);
}

bool TForm1::SavePictureTo(const QString& path) {
  if (::SavePicture(PictureForExport(), path)) return true;
  MessageBoxes::ShowError(this, SaveFailureMessage(path));
  return false;
}

void TForm1::CopyPicture() { QGuiApplication::clipboard()->setImage(PictureForExport()); }

void TForm1::AskForRandomTree() {
  bool accepted = false;
  const int suggested = state_.VertexCount >= 2 ? state_.VertexCount : 10;
  const int n = QInputDialog::getInt(this, Q(texts::RandomTreeTitle), Q(texts::RandomTreePrompt), suggested,
                                     2, MaxVertices, 1, &accepted);
  if (accepted) PutRandomTree(n);
}

void TForm1::PutRandomTree(int n) {
  if (busy_) return;
  // As if the student had clicked into the edge box and typed the tree; confirming stays theirs.
  FocusControl(Memo1);
  QStringList lines;
  for (const std::string& line : EdgeListLines(RandomTreeEdges(n))) lines << Q(line);
  Memo1->setPlainText(lines.join('\n'));
  Memo1->moveCursor(QTextCursor::End);
}

void TForm1::ProposeClosest() {
  if (!SearchOffered() || !ReadAndValidateFilling()) return;
  SetSearching(true);
  ClearStatusLabels();
  SetLabelText(Label1, texts::ClosestWaitingText);
  const int n = state_.VertexCount;
  const ClosestOutcome closest =
      FindClosestLabeling(n, state_.TreeEdges(), state_.BoxLabels, {nullptr, [this] { return Breathe(); }});
  if (closest.stopped) return;  // the window is closing
  SetSearching(false);
  if (!closest.found) {
    ShowNoLabeling();
    return;
  }
  SetLabelText(Label1, texts::ClosestSummaryText);
  SetLabelText(Label6, closest.differing == 0 ? texts::ClosestAgreesText : texts::ClosestDisagreesText);
  ShowProposalSentence(MakeProposalSentence(n, closest.labels, closest.differing));
  ShowProposal(closest.labels);
}

namespace {

Rect PictureRect(const QRect& inWindow, const QPoint& pictureOrigin) {
  const QRect r = inWindow.translated(-pictureOrigin);
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Where `label` writes `text`, whether or not it shows it now; measured as the label measures it.
QRect LabelTextRect(const QLabel* label, const std::string& text) {
  const QFontMetrics metrics(label->font());
  const QRect room(label->pos(), QSize(2000, 2000));
  return metrics.boundingRect(room, Qt::AlignLeft | Qt::AlignTop, Q(text));
}

}  // namespace

void TForm1::ShowVertexNumbers() {
  std::vector<VertexNumbers::Number> numbers;
  const int n = state_.VertexCount;
  if (showNumbersAction_->isChecked() && n >= 2) {
    // The boxes on the picture are exactly the vertices drawn.
    std::vector<bool> shown(MaxVertices + 1, false);
    std::vector<TextSize> sizes(n + 1);
    for (int v = 1; v <= n; ++v) {
      shown[v] = !boxes_[v]->isHidden();
      const QSize size = VertexNumbers::TextSize(v);
      sizes[v] = {size.width(), size.height()};
    }
    // The fixed texts and buttons over the picture.
    const QPoint origin = g->pos();
    const std::vector<Rect> keepOut = {
        PictureRect(LabelTextRect(Label5, texts::FillInPrompt), origin),
        PictureRect(LabelTextRect(Label2, texts::VertexCountSentence(n)), origin),
        PictureRect(Button8->geometry(), origin), PictureRect(Button9->geometry(), origin),
        PictureRect(Button2->geometry(), origin)};
    for (const PlacedNumber& number :
         PlaceVertexNumbers(CircleLayout(state_.Circle, n), shown, sizes, keepOut, g->width(), g->height()))
      numbers.push_back({number.centre.x, number.centre.y, number.vertex});
  }
  vertexNumbers_->SetNumbers(std::move(numbers));
}

void TForm1::ShowAbout() {
  MessageBoxes::ShowMessage(this, Q(texts::AboutText(ProgramVersion().toStdString())));
}
