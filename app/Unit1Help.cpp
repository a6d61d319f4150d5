#include <QLineEdit>
#include <QPushButton>

#include "app/QtText.h"
#include "app/Unit1.h"
#include "app/WindowTexts.h"
#include "leaves/LeafRemoval.h"
#include "search/ClosestLabeling.h"
#include "search/Hint.h"
#include "search/NextLabeling.h"
#include "search/Proposal.h"

// Help in steps: one number or the numbers in the way ("Poradiť"), and the labelings one after
// another in candidate order ("Ďalšie riešenie").

void TForm1::EndShownProposal() {
  // No stale proposal stays beside a hint: the window is as after a check (or before any).
  if (state_.Phase != WindowPhase::Proposed && state_.Phase != WindowPhase::NoLabeling) return;
  state_.ShownProposal.reset();
  if (state_.Fillings.HistoryPos > 0) {
    EnterPhase(WindowPhase::Checked, LeafRemovalOffered(state_.ReducedEdgeList));
  } else {
    Button4->hide();
    Button5->hide();
    EnterPhase(WindowPhase::Filling);
  }
}

void TForm1::GiveHint() {
  if (!SearchOffered() || !ReadAndValidateFilling()) return;
  QWidget* working = WorkingControl();
  SetSearching(true);
  ClearStatusLabels();
  SetLabelText(Label1, texts::HintWaitingText);
  const int n = state_.VertexCount;
  const SearchHooks hooks{nullptr, [this] { return Breathe(); }};
  SearchReporter reporter(hooks);
  const std::optional<Hint> hint = FindHint(n, state_.TreeEdges(), state_.BoxLabels, reporter);
  if (!hint) return;  // the window is closing
  SetSearching(false);
  ClearStatusLabels();
  if (hint->kind == HintKind::None) {
    ShowNoLabeling();
    ReturnFocusTo(working);
    return;
  }
  EndShownProposal();
  const HintLines lines = HintTexts(*hint);
  SetLabelText(Label1, lines.first);
  SetLabelText(Label6, lines.second);
  switch (hint->kind) {
    case HintKind::Change:
      FocusControl(boxes_[hint->changes.front()]);
      boxes_[hint->changes.front()]->selectAll();
      break;
    case HintKind::Forced:
    case HintKind::Possible:
      boxes_[hint->vertex]->setText(QString::number(hint->label));
      FocusControl(boxes_[hint->vertex]);
      break;
    default:
      ReturnFocusTo(working);
  }
}

bool TForm1::NextLabelingOffered() const {
  return !busy_ && state_.Phase == WindowPhase::Proposed && state_.ShownProposal.has_value();
}

void TForm1::ShowNextLabeling() {
  if (!NextLabelingOffered() || !ReadAndValidateFilling()) return;
  QWidget* working = WorkingControl();
  const int n = state_.VertexCount;
  const Labels shown = *state_.ShownProposal;
  std::optional<Labels> next;
  if (n <= 10 && state_.LabelingsStored) {
    next = NextStoredLabeling(state_.SolutionStore, shown, n);
  } else {
    SetSearching(true);
    SetLabelText(Label1, texts::NextLabelingWaitingText);
    const SearchHooks hooks{nullptr, [this] { return Breathe(); }};
    SearchReporter reporter(hooks);
    next = NextGracefulLabeling(n, state_.TreeEdges(), shown, reporter);
    if (reporter.Stopped()) return;  // the window is closing
    SetSearching(false);
  }
  if (!next) {
    SetLabelText(Label1, texts::NoNextLabelingText);
  } else {
    const int differing = static_cast<int>(ContradictedBoxes(n, *next, state_.BoxLabels).size());
    SetLabelText(Label1, texts::NextLabelingText);
    SetLabelText(Label6, differing == 0 ? texts::ClosestAgreesText : texts::ClosestDisagreesText);
    ShowProposalSentence(MakeProposalSentence(n, *next, differing));
    ShowProposal(*next);
  }
  ReturnFocusTo(working);
}
