#include "app/Unit1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "app/MouseHoldWatcher.h"
#include "app/QtText.h"
#include "app/WindowTexts.h"
#include "check/CheckDrawing.h"
#include "check/LabelCheck.h"
#include "leaves/LeafRemoval.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tree/Connectivity.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeLayout.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  button4Hold_ = new MouseHoldWatcher(this, [this] { Button4MouseUp(); });
  CreateWindow();
  CreateEdgeInput();
  CreateVertexBoxes();
  CreateButtons();
  CreatePictures();
  CreateLabels();
  WireEvents();
  CreateExtras();
  // The first control with a tab stop gets the focus, and with it the reset for editing.
  Memo1->setFocus(Qt::OtherFocusReason);
  Memo1Enter();
}

TForm1::~TForm1() = default;

void TForm1::SetTabStop(QWidget* control, bool on) {
  // Without a tab stop a control still takes the focus when clicked.
  control->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A file dropped on the text boxes opens too, instead of its name being typed there.
  if ((type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) &&
      AcceptFileDrag(event)) {
    return true;
  }
  if (watched == Memo1 && event->type() == QEvent::FocusIn) {
    // Getting the focus back with the window itself is not entering the box.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Memo1Enter();
  }
  if (watched == Button4) {
    // Any mouse button shows the proposal while it is held; leaving the button or the space bar
    // does not count. The watcher ends the hold however the button that began it comes up.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        button4Hold_->HeldBy() == Qt::NoButton) {
      button4Hold_->Start(static_cast<QMouseEvent*>(event)->button());
      Button4MouseDown();
    }
  }
  if (event->type() == QEvent::KeyPress && watched->inherits("QPushButton")) {
    // Enter on a focused button clicks it, as the space bar does.
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = static_cast<QPushButton*>(watched);
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button->isEnabled() && button != Button4) {
      button->click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool TForm1::event(QEvent* event) {
  // A window that is no longer active gets no release: the proposal table must not stay up.
  if (event->type() == QEvent::WindowDeactivate) button4Hold_->Stop();
  return QWidget::event(event);
}

void TForm1::hideEvent(QHideEvent* event) {
  button4Hold_->Stop();
  QWidget::hideEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A running search sees this at its next breath and stops.
  closing_ = true;
  event->accept();
}

void TForm1::FocusControl(QWidget* control) {
  if (control->isHidden() || !control->isEnabled()) return;
  memo1EnterRan_ = false;
  const bool hadFocus = control->hasFocus();
  control->setFocus(Qt::OtherFocusReason);
  // An inactive window gets no focus event now, yet the reset must happen before the caller goes on.
  if (control == Memo1 && !hadFocus && !memo1EnterRan_) Memo1Enter();
}

void TForm1::SetButton2Default(bool isDefault) {
  button2Default_ = isDefault;
  Button2->setDefault(isDefault);
}

void TForm1::SetLabelText(QLabel* label, const std::string& text) {
  label->setText(Q(text));
  label->adjustSize();
}

void TForm1::ShowProposalSentence(const ProposalSentence& sentence) {
  SetLabelText(Label4, sentence.intro);
  // From 14 vertices on the labels do not fit on one line: they break between whole labels within
  // the buttons' column, and the rest of the sentence follows below them, still above Button5.
  const QFontMetrics metrics(Label7->font());
  const int columnWidth = zoom_.Scaled(ProposalColumnWidth);
  QStringList lines{QString()};
  for (const QString& item : Q(sentence.labels).split(' ', Qt::SkipEmptyParts)) {
    const QString longer = lines.back() + ' ' + item;
    if (lines.back().isEmpty() || metrics.horizontalAdvance(longer) <= columnWidth) {
      lines.back() = longer;
    } else {
      lines << ' ' + item;
    }
  }
  const bool wraps = lines.size() > 1;
  // One line keeps the sentence's own spacing, the trailing blank before the rest included.
  SetLabelText(Label7, wraps ? lines.join(QChar('\n')).toStdString() : sentence.labels);
  SetLabelText(Label8, sentence.difference);
  const QRect labels = zoom_.Design(Label7);
  const int below = labels.y() + static_cast<int>(std::lround(Label7->height() / zoom_.Factor()));
  zoom_.Move(Label8, {labels.x(), wraps ? below : ProposalLastLineTop});
}

void TForm1::ClearStatusLabels() {
  for (QLabel* label : {Label1, Label4, Label6, Label7, Label8}) SetLabelText(label, "");
}

std::array<std::string, MaxVertices + 1> TForm1::BoxTexts() const {
  std::array<std::string, MaxVertices + 1> texts;
  for (int k = 1; k <= MaxVertices; ++k) texts[k] = boxes_[k]->text().toStdString();
  return texts;
}

void TForm1::PlaceBoxes(const std::vector<BoxPlacement>& placements) {
  for (int k = 1; k <= MaxVertices; ++k) {
    state_.ShownVertices[k] = placements[k].visible;
    if (placements[k].visible) {
      boxes_[k]->show();
      zoom_.Move(boxes_[k], {placements[k].topLeft.x, placements[k].topLeft.y});
    } else {
      boxes_[k]->hide();
    }
  }
  ShowVertexNumbers();
}

bool TForm1::Breathe() {
  if (!breathTimer_.isValid() || breathTimer_.elapsed() >= 15) {
    QCoreApplication::processEvents();
    breathTimer_.restart();
  }
  return !closing_;
}

void TForm1::EnterPhase(WindowPhase phase, bool leafRemoval) {
  state_.Phase = phase;
  switch (phase) {
    case WindowPhase::Editing:
      Button1->setEnabled(true);
      SetTabStop(Button1, true);
      SetTabStop(Memo1, true);
      Button2->setEnabled(false);
      SetButton2Default(false);
      for (QPushButton* button : {Button3, Button4, Button5, Button7, Button8, Button9}) button->hide();
      for (int k = 1; k <= MaxVertices; ++k) SetTabStop(boxes_[k], false);
      break;
    case WindowPhase::Filling:
      // Only the vertex boxes take Tab, so it never leads back into the edge box and its reset.
      SetTabStop(Memo1, false);
      SetTabStop(Button1, false);
      for (QPushButton* button : {Button2, Button6, Button8, Button9}) button->show();
      Button8->setEnabled(false);
      Button9->setEnabled(false);
      Button2->setEnabled(true);
      SetButton2Default(true);
      ApplySearchCaption();
      Button3->show();
      Button3->setEnabled(true);
      Button6->setEnabled(true);
      for (int k = 1; k <= MaxVertices; ++k) SetTabStop(boxes_[k], true);
      break;
    case WindowPhase::Checked:
      Button4->hide();
      Button5->hide();
      // A running search gives the search button back itself when it ends.
      if (!busy_) Button3->setEnabled(true);
      Button7->show();
      Button7->setEnabled(leafRemoval);
      ApplyHistoryButtons();
      break;
    case WindowPhase::Proposed:
      ApplySearchCaption();
      Button4->show();
      Button5->show();
      break;
    case WindowPhase::NoLabeling:
      ApplySearchCaption();
      break;
    case WindowPhase::LeavesPeeled:
      for (QPushButton* button : {Button2, Button3, Button6, Button8, Button9}) button->setEnabled(false);
      Button7->setEnabled(leafRemoval);
      break;
  }
  UpdateExtraCommands();
}

void TForm1::ApplySearchCaption() {
  Button3->setText(Q(state_.LabelingsStored ? texts::ProposeAgainCaption : texts::SearchCaption));
}

void TForm1::ShowCheckTable(bool shown) {
  state_.CheckTableShown = shown;
  tab->setVisible(shown);
}

bool TForm1::SearchOffered() const {
  const WindowPhase phase = state_.Phase;
  return !busy_ && (phase == WindowPhase::Filling || phase == WindowPhase::Checked ||
                    phase == WindowPhase::Proposed || phase == WindowPhase::NoLabeling);
}

QWidget* TForm1::WorkingControl() const {
  // A click on a command button gives it the focus; the student was working in the box before.
  QWidget* focused = focusWidget();
  if (focused && !focused->inherits("QPushButton")) return focused;
  return lastTypingControl_;
}

void TForm1::ReturnFocusTo(QWidget* control) {
  // Disabling the focused button lets Qt pass the focus along the tab chain; take it back. The
  // edge box never: entering it would reset the window.
  if (control && control != Memo1 && !control->isHidden() && control->isEnabled()) {
    control->setFocus(Qt::OtherFocusReason);
  }
}

void TForm1::SetSearching(bool searching) {
  busy_ = searching;
  // The edge box goes first and comes back last, so a focus that leaves a disabled button never
  // lands in it and resets the window.
  if (searching) Memo1->setEnabled(false);
  for (QWidget* control : std::initializer_list<QWidget*>{Button1, Button2, Button3, Button6}) {
    control->setEnabled(!searching);
  }
  if (!searching) Memo1->setEnabled(true);
  UpdateExtraCommands();
}

void TForm1::Memo1Enter() {
  memo1EnterRan_ = true;
  EnterPhase(WindowPhase::Editing);
  ClearStatusLabels();
  SetLabelText(Label5, "");
}

void TForm1::Button1Click() {
  std::vector<std::string> lines;
  for (const QString& line : Memo1->toPlainText().split('\n')) lines.push_back(line.toStdString());
  if (Memo1->toPlainText().isEmpty()) lines.clear();
  const EdgeListParseResult parsed = ParseEdgeList(lines);
  if (!parsed.list) {
    MessageBoxes::ShowError(this, Q(InvalidIntegerMessage(parsed.failedField)));
    return;
  }
  if (const auto message = ValidateEdgeList(*parsed.list)) {
    MessageBoxes::ShowMessage(this, Q(*message));
    FocusControl(Memo1);
    return;
  }
  StoreTreeModel(state_, *parsed.list);
  state_.LabelingsStored = false;
  const int n = state_.VertexCount;

  SetLabelText(Label5, texts::FillInPrompt);
  SetLabelText(Label2, texts::VertexCountSentence(n));
  EnterPhase(WindowPhase::Filling);
  boxes_[1]->show();
  FocusControl(boxes_[1]);
  ShowCheckTable(false);
  state_.Circle = CircleForPicture(g->LogicalSize().width(), g->LogicalSize().height());
  state_.TreeShape = TreeShapeFor(n, state_.TreeEdges());
  state_.Drawn = {{}, state_.TreeEdges(), std::nullopt};
  for (int v = 1; v <= n; ++v) state_.Drawn.vertices.push_back(v);
  DrawTreeOutline(g->Surface(), CurrentLayout(), state_.Drawn.vertices, state_.Drawn.edges);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->setToolTip(Q(texts::VertexHint(k)));
  PlaceBoxes(PlaceVertexBoxes(CurrentLayout(), {TreePictureOrigin.x(), TreePictureOrigin.y()}));
  state_.Fillings.Restart();
}

void TForm1::Button6Click() {
  ShowCheckTable(false);
  FocusControl(boxes_[1]);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
}

bool TForm1::ReadAndValidateFilling() {
  const BoxReadResult read = ReadBoxLabels(state_.VertexCount, BoxTexts(), state_.BoxLabels);
  if (read.failedText) {
    MessageBoxes::ShowError(this, Q(InvalidIntegerMessage(*read.failedText)));
    return false;
  }
  if (const auto message = ValidateBoxLabels(state_.VertexCount, read.numbers)) {
    MessageBoxes::ShowMessage(this, Q(*message));
    return false;
  }
  return true;
}

void TForm1::ShowCheckedFilling(const Labels& labels, bool leafRemoval) {
  state_.Drawn.values = labels;
  DrawEdgeValues(g->Surface(), CurrentLayout(), state_.TreeEdges(), labels);
  DrawCheckTable(tab->Surface(), state_.VertexCount, state_.TreeEdges(), labels);
  EnterPhase(WindowPhase::Checked, leafRemoval);
  ShowCheckTable(true);
  ClearStatusLabels();
}

void TForm1::Button2Click() {
  if (!ReadAndValidateFilling()) return;
  state_.Fillings.Store(state_.BoxLabels, state_.VertexCount);
  ShowCheckedFilling(state_.BoxLabels, LeafRemovalOffered(state_.ReducedEdgeList));
}

void TForm1::ApplyHistoryButtons() {
  const BackForwardState buttons = state_.Fillings.Buttons();
  Button9->setEnabled(buttons.forwardEnabled);
  Button8->setEnabled(buttons.backEnabled);
}

void TForm1::Button8Click() {
  QWidget* working = WorkingControl();
  if (state_.Fillings.Back()) ShowSnapshot();
  ReturnFocusTo(working);
}

void TForm1::Button9Click() {
  QWidget* working = WorkingControl();
  if (state_.Fillings.Forward()) ShowSnapshot();
  ReturnFocusTo(working);
}

void TForm1::ShowSnapshot() {
  const FillingSnapshot& snapshot = state_.Fillings.Current();
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->setText(Q(snapshot.boxTexts[k]));
  Labels labels{};
  for (int v = 1; v <= state_.VertexCount; ++v) {
    labels[v] = static_cast<std::uint8_t>(ConvertToInt(snapshot.boxTexts[v]).value_or(0));
  }
  // A snapshot offers leaf removal whatever is left of the tree.
  ShowCheckedFilling(labels, true);
}

void TForm1::Button3Click() {
  if (busy_ || !ReadAndValidateFilling()) return;
  QWidget* working = WorkingControl();
  SetSearching(true);
  const int n = state_.VertexCount;
  auto setLabel = [this](StatusLine line, const std::string& text) {
    SetLabelText(line == StatusLine::Agreement ? Label6 : Label1, text);
  };
  auto breathe = [this] { return Breathe(); };
  if (!state_.LabelingsStored) {
    SearchOutcome outcome = FindGracefulLabelings(n, state_.TreeEdges(), {setLabel, breathe});
    if (outcome.stopped) return;  // the window is closing
    state_.SolutionStore = std::move(outcome.solutions);
    state_.SolutionCount = static_cast<int>(state_.SolutionStore.size());
  }
  const Proposal proposal = ProposeSolution(n, state_.SolutionStore, state_.BoxLabels, {setLabel, breathe});
  if (proposal.stopped) return;
  state_.BestIndex = proposal.BestIndex;
  SetLabelText(Label1, proposal.summary);
  SetLabelText(Label6, proposal.agreement);
  ShowProposalSentence(proposal.sentence);
  SetSearching(false);
  // The labelings are stored now: the next press compares again without searching.
  state_.LabelingsStored = true;
  if (proposal.proposed) {
    ShowProposal(state_.SolutionStore[state_.BestIndex - 1]);
  } else {
    ShowNoLabeling();
  }
  ReturnFocusTo(working);
}

void TForm1::ShowNoLabeling() {
  state_.ShownProposal.reset();
  SetLabelText(Label1, NoLabelingText);
  // A student must not take a graph in pieces for a tree without a graceful labeling.
  if (!IsConnected(state_.VertexCount, state_.TreeEdges())) SetLabelText(Label6, texts::NotATreeText);
  EnterPhase(WindowPhase::NoLabeling);
}

void TForm1::ShowProposal(const Labels& labels) {
  state_.ShownProposal = labels;
  DrawCheckTable(tabid->Surface(), state_.VertexCount, state_.TreeEdges(), labels);
  EnterPhase(WindowPhase::Proposed);
}

void TForm1::Button4MouseDown() {
  tab->hide();
  tabid->show();
}

void TForm1::Button4MouseUp() {
  ShowCheckTable(true);
  tabid->hide();
}

void TForm1::Button5Click() {
  if (!state_.ShownProposal) return;
  const Labels& proposal = *state_.ShownProposal;
  for (int k = 1; k <= state_.VertexCount; ++k) boxes_[k]->setText(QString::number(proposal[k]));
  // The next Enter checks the filled proposal: it goes to the boxes, not to this button.
  for (int k = 1; k <= state_.VertexCount; ++k) {
    if (state_.ShownVertices[k]) {
      FocusControl(boxes_[k]);
      break;
    }
  }
}

void TForm1::Button7Click() {
  QWidget* working = WorkingControl();
  const int n = state_.VertexCount;
  const LeafRemovalResult result = RemoveLeafLayer(state_.ReducedEdgeList, n, state_.EdgeList);
  EnterPhase(WindowPhase::LeavesPeeled, LeafRemovalOffered(state_.ReducedEdgeList));
  state_.Drawn = {result.remainingVertices, result.remainingEdges, std::nullopt};
  DrawTreeOutline(g->Surface(), CurrentLayout(), result.remainingVertices, result.remainingEdges);
  DrawCheckTable(tab->Surface(), n, result.remainingEdges, state_.BoxLabels);
  PlaceBoxes(
      VertexBoxPlacements(CurrentLayout(), {TreePictureOrigin.x(), TreePictureOrigin.y()}, result.remaining));
  ReturnFocusTo(working);
}
