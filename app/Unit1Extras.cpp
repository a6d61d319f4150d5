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
#include <QScreen>
#include <cmath>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/VertexNumbers.h"
#include "app/WindowTexts.h"
#include "check/CheckDrawing.h"
#include "platform/DesktopSetup.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "platform/PictureExport.h"
#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tree/LayoutClearance.h"
#include "tree/RandomTree.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeLayout.h"
#include "tree/VertexNumberPlacement.h"

// What the window offers beyond its fixed controls: a context menu whose commands also have
// keyboard shortcuts, and the vertex numbers over the tree picture.

QAction* TForm1::AddExtraCommand(const std::string& text, const QKeySequence& shortcut,
                                 void (TForm1::*command)()) {
  auto* action = new QAction(Q(text), this);
  action->setShortcut(shortcut);
  action->setShortcutVisibleInContextMenu(true);
  if (command) connect(action, &QAction::triggered, this, command);
  // Added to the window, the shortcut works wherever the focus is inside it.
  addAction(action);
  return action;
}

void TForm1::CreateExtras() {
  vertexNumbers_ = new VertexNumbers(this);
  vertexNumbers_->setObjectName("vertexNumbers");
  zoom_.Place(vertexNumbers_, zoom_.Design(g));
  // Just above the tree picture, below the boxes and labels placed over it.
  vertexNumbers_->lower();
  g->lower();

  closestAction_ = AddExtraCommand(texts::ClosestCommand, QKeySequence(Qt::Key_F3), &TForm1::ProposeClosest);
  showNumbersAction_ = AddExtraCommand(texts::ShowVertexNumbersCommand, QKeySequence(Qt::CTRL | Qt::Key_M),
                                       &TForm1::ShowVertexNumbers);
  showNumbersAction_->setCheckable(true);
  hintAction_ = AddExtraCommand(texts::HintCommand, QKeySequence(Qt::Key_F4), &TForm1::GiveHint);
  nextLabelingAction_ =
      AddExtraCommand(texts::NextLabelingCommand, QKeySequence(Qt::Key_F5), &TForm1::ShowNextLabeling);
  openAction_ = AddExtraCommand(texts::OpenTreeCommand, QKeySequence::Open, &TForm1::AskForTreeFile);
  saveTreeAction_ = AddExtraCommand(texts::SaveTreeCommand, QKeySequence::Save, &TForm1::AskWhereToSaveTree);
  saveAction_ = AddExtraCommand(texts::SavePictureCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                                &TForm1::SavePicture);
  printAction_ = AddExtraCommand(texts::PrintCommand, QKeySequence::Print, &TForm1::PrintExercise);
  worksheetAction_ = AddExtraCommand(texts::WorksheetCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                                     &TForm1::AskForWorksheet);
  nextSetTreeAction_ = AddExtraCommand(texts::NextSetTreeCommand, QKeySequence(Qt::CTRL | Qt::Key_PageDown),
                                       &TForm1::NextSetTree);
  previousSetTreeAction_ = AddExtraCommand(texts::PreviousSetTreeCommand,
                                           QKeySequence(Qt::CTRL | Qt::Key_PageUp), &TForm1::PreviousSetTree);
  renumberAction_ = AddExtraCommand(texts::RenumberCommand, QKeySequence(Qt::CTRL | Qt::Key_R),
                                    &TForm1::RenumberWithoutCrossings);
  copyAction_ = AddExtraCommand(texts::CopyPictureCommand, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                &TForm1::CopyPicture);
  randomTreeAction_ = AddExtraCommand(texts::RandomTreeCommand, QKeySequence::New, &TForm1::AskForRandomTree);
  aboutAction_ = AddExtraCommand(texts::AboutCommand, QKeySequence::HelpContents, &TForm1::ShowAbout);
  zoomInAction_ = AddExtraCommand(texts::ZoomInCommand, QKeySequence::ZoomIn, &TForm1::ZoomIn);
  // Ctrl+= too: on many keyboards "+" needs Shift.
  zoomInAction_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOutAction_ = AddExtraCommand(texts::ZoomOutCommand, QKeySequence::ZoomOut, &TForm1::ZoomOut);
  zoomResetAction_ =
      AddExtraCommand(texts::ZoomResetCommand, QKeySequence(Qt::CTRL | Qt::Key_0), &TForm1::ZoomToDesign);

  treeDrawingAction_ = AddExtraCommand(texts::DrawAsTreeCommand, QKeySequence(Qt::CTRL | Qt::Key_T), nullptr);
  treeDrawingAction_->setCheckable(true);
  treeDrawingAction_->setChecked(settings_.TreeDrawing());
  state_.TreeShaped = treeDrawingAction_->isChecked();
  connect(treeDrawingAction_, &QAction::toggled, this, &TForm1::DrawAsTree);
  showNumbersAction_->setChecked(settings_.VertexNumbers());
  connect(showNumbersAction_, &QAction::toggled, this, [this](bool on) { settings_.SetVertexNumbers(on); });
  SetZoom(settings_.ZoomPercent());
  UpdateExtraCommands();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addAction(closestAction_);
  menu.addAction(hintAction_);
  menu.addAction(nextLabelingAction_);
  menu.addSeparator();
  QMenu* file = menu.addMenu(Q(texts::FileMenu));
  file->addAction(openAction_);
  file->addAction(saveTreeAction_);
  file->addSeparator();
  file->addAction(saveAction_);
  file->addAction(copyAction_);
  file->addSeparator();
  file->addAction(printAction_);
  file->addAction(worksheetAction_);
  QMenu* exercise = menu.addMenu(Q(texts::ExerciseMenu));
  exercise->addAction(randomTreeAction_);
  exercise->addAction(renumberAction_);
  exercise->addSeparator();
  exercise->addAction(nextSetTreeAction_);
  exercise->addAction(previousSetTreeAction_);
  QMenu* view = menu.addMenu(Q(texts::ViewMenu));
  view->addAction(showNumbersAction_);
  view->addAction(treeDrawingAction_);
  view->addSeparator();
  view->addAction(zoomInAction_);
  view->addAction(zoomOutAction_);
  view->addAction(zoomResetAction_);
  menu.addSeparator();
  menu.addAction(aboutAction_);
  menu.exec(event->globalPos());
}

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
  hintAction_->setEnabled(SearchOffered());
  nextLabelingAction_->setEnabled(NextLabelingOffered());
  openAction_->setEnabled(!busy_);
  saveTreeAction_->setEnabled(treeDrawn && !busy_);
  renumberAction_->setEnabled(treeDrawn && !busy_);
  printAction_->setEnabled(treeDrawn && !busy_);
  worksheetAction_->setEnabled(!busy_);
  const int setSize = static_cast<int>(treeSet_.size());
  nextSetTreeAction_->setEnabled(!busy_ && treeSetIndex_ + 1 < setSize);
  previousSetTreeAction_->setEnabled(!busy_ && treeSetIndex_ > 0 && setSize > 0);
}

QImage TForm1::PictureForExport() const {
  const std::vector<ExportBox> shownBoxes = ShownBoxesForExport();
  QImage image = RenderPictureExport(*g, shownBoxes, state_.CheckTableShown ? tab : nullptr,
                                     TableOffsetInWindow, ExportScale);
  if (!vertexNumbers_->Numbers().empty()) {
    QPainter painter(&image);
    painter.scale(ExportScale, ExportScale);
    VertexNumbers::Paint(painter, vertexNumbers_->Numbers());
  }
  return image;
}

QString TForm1::AskWhereToSave(DialogFolders::Kind kind, const std::string& title,
                               const std::string& fileName, const std::string& filters) {
  const QString path = QFileDialog::getSaveFileName(
      this, Q(title), dialogFolders_.SuggestedPath(kind, Q(fileName)), Q(filters));
  if (!path.isEmpty()) dialogFolders_.Remember(kind, path);
  return path;
}

void TForm1::SavePicture() {
  const QString path = AskWhereToSave(DialogFolders::Kind::Pictures, texts::SavePictureTitle,
                                      texts::SuggestedPictureName, texts::PictureFileFilter);
  if (!path.isEmpty()) SavePictureTo(path);
}

bool TForm1::SavePictureTo(const QString& path) {
  if (::SavePicture(PictureForExport(), path)) return true;
  MessageBoxes::ShowError(this, SaveFailureMessage(path));
  return false;
}

void TForm1::CopyPicture() { QGuiApplication::clipboard()->setImage(PictureForExport()); }

void TForm1::AskForRandomTree() {
  const int suggested = state_.VertexCount >= 2 ? state_.VertexCount : 10;
  QInputDialog dialog(this);
  dialog.setWindowTitle(Q(texts::RandomTreeTitle));
  dialog.setLabelText(Q(texts::RandomTreePrompt));
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setIntRange(2, MaxVertices);
  dialog.setIntValue(suggested);
  // Wide enough for the title beside the title bar's icon and buttons, which Qt does not size for.
  // The dialog's layout sets its own minimum from its contents, so the prompt carries the width.
  if (auto* prompt = dialog.findChild<QLabel*>()) {
    prompt->setMinimumWidth(QFontMetrics(dialog.font()).horizontalAdvance(dialog.windowTitle()) + 160);
  }
  if (dialog.exec() == QDialog::Accepted) PutRandomTree(dialog.intValue());
}

void TForm1::PutRandomTree(int n) {
  if (busy_) return;
  // As if the student had clicked into the edge box and typed the tree; confirming stays theirs.
  // A new exercise: the numbers of the last one must not stand in its boxes.
  FocusControl(Memo1);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
  QStringList lines;
  for (const std::string& line : EdgeListLines(RandomTreeEdges(n))) lines << Q(line);
  Memo1->setPlainText(lines.join('\n'));
  Memo1->moveCursor(QTextCursor::End);
}

void TForm1::ProposeClosest() {
  if (!SearchOffered() || !ReadAndValidateFilling()) return;
  QWidget* working = WorkingControl();
  SetSearching(true);
  ClearStatusLabels();
  SetLabelText(Label1, texts::ClosestWaitingText);
  const int n = state_.VertexCount;
  const ClosestOutcome closest =
      FindClosestLabeling(n, state_.TreeEdges(), state_.BoxLabels, {nullptr, [this] { return Breathe(); }});
  if (closest.stopped) return;  // the window is closing
  SetSearching(false);
  if (closest.found) {
    SetLabelText(Label1, texts::ClosestSummaryText);
    SetLabelText(Label6, closest.differing == 0 ? texts::ClosestAgreesText : texts::ClosestDisagreesText);
    ShowProposalSentence(MakeProposalSentence(n, closest.labels, closest.differing));
    ShowProposal(closest.labels);
  } else {
    ShowNoLabeling();
  }
  ReturnFocusTo(working);
}

namespace {

Rect PictureRect(const QRect& inWindow, const QPoint& pictureOrigin) {
  const QRect r = inWindow.translated(-pictureOrigin);
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// Where `label` writes `text` at the design size, whether or not it shows it now; measured as the
// label measures it, at its font of the design.
QRect LabelTextRect(const QLabel* label, QPoint designTopLeft, double zoom, const std::string& text) {
  const QFontMetrics metrics(label->font());
  const QRect zoomed = metrics.boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, Q(text));
  return {designTopLeft, QSize(static_cast<int>(std::ceil(zoomed.width() / zoom)),
                               static_cast<int>(std::ceil(zoomed.height() / zoom)))};
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
      shown[v] = state_.ShownVertices[v];
      const QSize size = VertexNumbers::TextSize(v);
      sizes[v] = {size.width(), size.height()};
    }
    // The fixed texts and buttons over the picture.
    const QPoint origin = TreePictureOrigin;
    const double zoom = zoom_.Factor();
    const std::vector<Rect> keepOut = {
        PictureRect(LabelTextRect(Label5, zoom_.Design(Label5).topLeft(), zoom, texts::FillInPrompt), origin),
        PictureRect(
            LabelTextRect(Label2, zoom_.Design(Label2).topLeft(), zoom, texts::VertexCountSentence(n)),
            origin),
        PictureRect(zoom_.Design(Button8), origin), PictureRect(zoom_.Design(Button9), origin),
        PictureRect(zoom_.Design(Button2), origin)};
    const QSize picture = g->LogicalSize();
    for (const PlacedNumber& number :
         PlaceVertexNumbers(CurrentLayout(), shown, sizes, keepOut, picture.width(), picture.height()))
      numbers.push_back({number.centre.x, number.centre.y, number.vertex});
  }
  vertexNumbers_->SetNumbers(std::move(numbers));
}

void TForm1::ZoomIn() { SetZoom(WindowZoom::NextStep(zoom_.Percent(), +1)); }

void TForm1::ZoomOut() { SetZoom(WindowZoom::NextStep(zoom_.Percent(), -1)); }

void TForm1::ZoomToDesign() { SetZoom(WindowZoom::DesignPercent); }

int TForm1::FittingZoom(int percent) const {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return percent;
  // Before the window is shown its frame is unknown: room for a usual title bar and border.
  const QSize frame = isVisible() ? frameGeometry().size() - size() : QSize(16, 48);
  return WindowZoom::FittingPercent(percent, DesignSize, frame, screen->availableGeometry().size());
}

void TForm1::SetZoom(int percent) {
  percent = FittingZoom(percent);
  const bool changed = percent != zoom_.Percent();
  zoom_.SetPercent(percent);
  setFont(PixelFont("MS Sans Serif", zoom_.ScaledFont(11), false));
  setFixedSize(zoom_.Scaled(DesignSize.width()), zoom_.Scaled(DesignSize.height()));
  for (PictureBox* picture : {g, tab, tabid}) picture->SetZoom(zoom_.Factor());
  vertexNumbers_->SetZoom(zoom_.Factor());
  if (changed) CentreOnScreen();
  settings_.SetZoomPercent(percent);
  zoomInAction_->setEnabled(FittingZoom(WindowZoom::NextStep(percent, +1)) > percent);
  zoomOutAction_->setEnabled(WindowZoom::NextStep(percent, -1) != percent);
}

VertexLayout TForm1::TreeShapeFor(int n, const std::vector<Edge>& edges) const {
  const QSize picture = g->LogicalSize();
  // Between Dozadu/Dopredu at the top and ENTER at the bottom, so that no control covers a vertex;
  // the whole picture for the rare tree that does not fit there cleanly.
  const int top = zoom_.Design(Button8).bottom() + 1 - TreePictureOrigin.y();
  const int bottom = zoom_.Design(Button2).top() - TreePictureOrigin.y();
  VertexLayout band = TreeLayout(n, edges, picture.width(), bottom - top, top);
  if (CountCollisions(band, edges, picture.width(), picture.height()) == 0) return band;
  return TreeLayout(n, edges, picture.width(), picture.height());
}

VertexLayout TForm1::CurrentLayout() const {
  return state_.TreeShaped ? state_.TreeShape : CircleLayout(state_.Circle, state_.VertexCount);
}

void TForm1::DrawAsTree(bool on) {
  state_.TreeShaped = on;
  settings_.SetTreeDrawing(on);
  if (state_.VertexCount < 2) return;
  // The same picture in the other layout: the outline, the squares of the last check, the boxes.
  const VertexLayout layout = CurrentLayout();
  DrawTreeOutline(g->Surface(), layout, state_.Drawn.vertices, state_.Drawn.edges);
  if (state_.Drawn.values) DrawEdgeValues(g->Surface(), layout, state_.TreeEdges(), *state_.Drawn.values);
  std::vector<bool> shown(state_.ShownVertices.begin(), state_.ShownVertices.end());
  shown.resize(state_.VertexCount + 1);
  PlaceBoxes(VertexBoxPlacements(layout, {TreePictureOrigin.x(), TreePictureOrigin.y()}, shown));
}

void TForm1::ShowAbout() {
  MessageBoxes::ShowMessage(this, Q(texts::AboutText(ProgramVersion().toStdString())));
}
