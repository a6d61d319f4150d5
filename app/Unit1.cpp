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

#include "app/CommandTable.h"
#include "app/ConjectureCommands.h"
#include "app/LabelingHelpCommands.h"
#include "app/MouseHoldWatcher.h"
#include "app/PaperCommands.h"
#include "app/QtText.h"
#include "app/TreeFileCommands.h"
#include "app/ViewCommands.h"
#include "app/WindowTexts.h"
#include "check/CheckDrawing.h"
#include "check/LabelCheck.h"
#include "check/Verdict.h"
#include "leaves/LeafRemoval.h"
#include "platform/MessageBoxes.h"
#include "platform/PictureBox.h"
#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tree/Connectivity.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"
#include "tree/TreeDrawing.h"

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  button4Hold_ = new MouseHoldWatcher(this, [this] { Button4MouseUp(); });
  CreateWindow();
  CreateEdgeInput();
  CreateVertexBoxes();
  CreateButtons();
  CreatePictures();
  CreateLabels();
  WireEvents();
  CreateCommands();
  // The first control with a tab stop gets the focus, and with it the reset for editing.
  Memo1->setFocus(Qt::OtherFocusReason);
  Memo1Enter();
}

TForm1::~TForm1() = default;

void TForm1::closeEvent(QCloseEvent* event) {
  // Fillings of an open file are not thrown away without asking.
  if (!files_->MayDiscardChanges()) {
    event->ignore();
    return;
  }
  // Running long work sees this at its next breath and stops.
  closing_ = true;
  event->accept();
}

void TForm1::ApplyTitle() {
  const ProgramState::TreeSet& set = state_.OpenSet;
  if (set.Empty() || !state_.ShowsSetTree()) {
    setWindowTitle(Q(texts::WindowCaption));
    return;
  }
  std::string title = set.title;
  if (set.opened.size() > 1)
    title += " (" + std::to_string(set.index + 1) + "/" + std::to_string(set.opened.size()) + ")";
  setWindowTitle(Q(title + " – " + texts::WindowCaption));
}

void TForm1::FocusControl(QWidget* control) {
  if (control->isHidden() || !control->isEnabled()) return;
  memo1EnterRan_ = false;
  const bool hadFocus = control->hasFocus();
  control->setFocus(Qt::OtherFocusReason);
  // An inactive window gets no focus event now, yet the reset must happen before the caller goes on.
  if (control == Memo1 && !hadFocus && !memo1EnterRan_) Memo1Enter();
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

bool TForm1::RunLongWork(const std::function<bool(const Breath&)>& work) {
  if (state_.Busy) return false;
  QWidget* working = WorkingControl();
  state_.Busy = true;
  ApplyControls();
  const bool finished = work([this] { return Breathe(); });
  // A closing window is left alone: it is going away.
  if (closing_) return false;
  state_.Busy = false;
  // Back to the phase the window is in now, whatever happened meanwhile.
  ApplyControls();
  ReturnFocusTo(working);
  return finished;
}

void TForm1::EnterPhase(WindowPhase phase, bool leafRemoval, bool searchEnded) {
  state_.Phase = phase;
  if (phase == WindowPhase::Checked || phase == WindowPhase::LeavesPeeled) state_.LeafRemoval = leafRemoval;
  const BackForwardState history = state_.Fillings.Buttons();
  const PhaseFacts facts{state_.LeafRemoval, history.backEnabled, history.forwardEnabled,
                         state_.LabelingsStored, searchEnded};
  state_.Controls = EnterPhaseControls(phase, state_.Controls, facts);
  ApplyControls();
}

void TForm1::ApplyControls() {
  const ControlStates c = state_.Busy ? WhileBusy(state_.Controls) : state_.Controls;
  // The edge box goes first and comes back last, so a focus that leaves a disabled button never
  // lands in it and resets the window.
  if (!c.Memo1.enabled) Memo1->setEnabled(false);
  const std::pair<QPushButton*, ControlState> buttons[] = {
      {Button1, c.Button1}, {Button2, c.Button2}, {Button3, c.Button3},
      {Button4, c.Button4}, {Button5, c.Button5}, {Button6, c.Button6},
      {Button7, c.Button7}, {Button8, c.Button8}, {Button9, c.Button9}};
  for (const auto& [button, shown] : buttons) {
    button->setVisible(shown.visible);
    button->setEnabled(shown.enabled);
  }
  Button2->setDefault(c.Button2Default);
  Button3->setText(Q(c.SearchCaption ? texts::SearchCaption : texts::ProposeAgainCaption));
  // Only the vertex boxes take Tab while they are filled, so it never leads back into the edge box
  // and its reset.
  SetTabStop(Button1, c.EdgeBoxTabStops);
  SetTabStop(Memo1, c.EdgeBoxTabStops);
  for (int k = 1; k <= MaxVertices; ++k) SetTabStop(boxes_[k], !c.EdgeBoxTabStops);
  if (c.Memo1.enabled) Memo1->setEnabled(true);
  UpdateCommands();
}

void TForm1::ShowCheckTable(bool shown) {
  state_.CheckTableShown = shown;
  tab->setVisible(shown);
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

void TForm1::Memo1Enter() {
  memo1EnterRan_ = true;
  EnterPhase(WindowPhase::Editing);
  ClearStatusLabels();
  HideVerdict();
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
  DropNotice();
  HideVerdict();
  MarkBoxes({}, BoxMark::None);
  StoreTreeModel(state_, *parsed.list);
  state_.LabelingsStored = false;
  const int n = state_.VertexCount;

  SetLabelText(Label5, texts::FillInPrompt);
  SetLabelText(Label2, texts::VertexCountSentence(n));
  EnterPhase(WindowPhase::Filling);
  boxes_[1]->show();
  FocusControl(boxes_[1]);
  ShowCheckTable(false);
  state_.CheckTableOfTree = false;
  state_.Circle = CircleForPicture(g->LogicalSize().width(), g->LogicalSize().height());
  state_.TreeShape = TreeShapeFor(n, state_.TreeEdges());
  state_.Drawn = {{}, state_.TreeEdges(), std::nullopt};
  for (int v = 1; v <= n; ++v) state_.Drawn.vertices.push_back(v);
  DrawTreeOutline(g->Surface(), state_.Layout(), state_.Drawn.vertices, state_.Drawn.edges);
  DescribeTree(TreeDescription(n, state_.TreeEdges()));
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->setToolTip(Q(texts::VertexHint(k)));
  PlaceBoxes(PlaceVertexBoxes(state_.Layout(), {TreePictureOrigin.x(), TreePictureOrigin.y()}));
  state_.Fillings.Restart();
  ApplyTitle();
}

void TForm1::Button6Click() {
  ShowCheckTable(false);
  FocusControl(boxes_[1]);
  for (int k = 1; k <= MaxVertices; ++k) boxes_[k]->clear();
  DropNotice();
  HideVerdict();
  MarkBoxes({}, BoxMark::None);
}

bool TForm1::ReadAndValidateFilling(Labels& into) {
  const BoxReadResult read = ReadBoxLabels(state_.VertexCount, BoxTexts(), into);
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
  DrawEdgeValues(g->Surface(), state_.Layout(), state_.TreeEdges(), labels);
  // The numbers keep clear of the value squares just drawn.
  ShowVertexNumbers();
  DrawCheckTable(tab->Surface(), state_.VertexCount, state_.TreeEdges(), labels);
  DescribeTree(EdgeValuesDescription(state_.TreeEdges(), labels));
  tab->setAccessibleDescription(Q(CoveredValuesDescription(state_.VertexCount, state_.TreeEdges(), labels)));
  state_.CheckTableOfTree = true;
  EnterPhase(WindowPhase::Checked, leafRemoval);
  ShowCheckTable(true);
  ClearStatusLabels();
  MarkBoxes({}, BoxMark::None);
  ShowVerdict(labels);
}

void TForm1::Button2Click() {
  if (!ReadAndValidateFilling(state_.BoxLabels)) return;
  state_.Fillings.Store(state_.BoxLabels, state_.VertexCount);
  ShowCheckedFilling(state_.BoxLabels, LeafRemovalOffered(state_.ReducedEdgeList));
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
  if (state_.Busy || !ReadAndValidateFilling(state_.BoxLabels)) return;
  const int n = state_.VertexCount;
  auto setLabel = [this](StatusLine line, const std::string& text) {
    SetLabelText(line == StatusLine::Agreement ? Label6 : Label1, text);
  };
  Proposal proposal;
  const bool finished = RunLongWork([&](const Breath& breathe) {
    if (!state_.LabelingsStored) {
      SearchOutcome outcome = FindGracefulLabelings(n, state_.TreeEdges(), {setLabel, breathe});
      if (outcome.stopped) return false;
      state_.SolutionStore = std::move(outcome.solutions);
      state_.SolutionCount = static_cast<int>(state_.SolutionStore.size());
    }
    proposal = ProposeSolution(n, state_.SolutionStore, state_.BoxLabels, {setLabel, breathe});
    return !proposal.stopped;
  });
  if (!finished) return;
  state_.BestIndex = proposal.BestIndex;
  SetLabelText(Label1, proposal.summary);
  SetLabelText(Label6, proposal.agreement);
  ShowProposalSentence(proposal.sentence);
  // The labelings are stored now: the next press compares again without searching.
  state_.LabelingsStored = true;
  if (proposal.proposed) {
    OfferProposal(state_.SolutionStore[state_.BestIndex - 1], true);
  } else {
    ShowNoLabelingOf(true);
  }
}

void TForm1::ShowNoLabelingOf(bool searchEnded) {
  state_.ShownProposal.reset();
  SetLabelText(Label1, NoLabelingText);
  // A student must not take a graph in pieces for a tree without a graceful labeling.
  if (!IsConnected(state_.VertexCount, state_.TreeEdges())) SetLabelText(Label6, texts::NotATreeText);
  FlowStatusLabels();
  EnterPhase(WindowPhase::NoLabeling, false, searchEnded);
}

void TForm1::OfferProposal(const Labels& labels, bool searchEnded) {
  state_.ShownProposal = labels;
  DrawCheckTable(tabid->Surface(), state_.VertexCount, state_.TreeEdges(), labels);
  tabid->setAccessibleDescription(
      Q(CoveredValuesDescription(state_.VertexCount, state_.TreeEdges(), labels)));
  EnterPhase(WindowPhase::Proposed, false, searchEnded);
}

void TForm1::Button4MouseDown() {
  tab->hide();
  tabid->show();
}

void TForm1::Button4MouseUp() {
  // The check table of another tree must not come back under this one: then it shows as at start.
  if (!state_.CheckTableOfTree) tab->Clear();
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
  DrawTreeOutline(g->Surface(), state_.Layout(), result.remainingVertices, result.remainingEdges);
  DrawCheckTable(tab->Surface(), n, result.remainingEdges, state_.BoxLabels);
  DescribeTree(TreeDescription(static_cast<int>(result.remainingVertices.size()), result.remainingEdges));
  tab->setAccessibleDescription(Q(CoveredValuesDescription(n, result.remainingEdges, state_.BoxLabels)));
  state_.CheckTableOfTree = true;
  PlaceBoxes(
      VertexBoxPlacements(state_.Layout(), {TreePictureOrigin.x(), TreePictureOrigin.y()}, result.remaining));
  DropNotice();
  HideVerdict();
  MarkBoxes({}, BoxMark::None);
  ReturnFocusTo(working);
}
