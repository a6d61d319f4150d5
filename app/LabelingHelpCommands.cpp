#include "app/LabelingHelpCommands.h"

#include "app/ExerciseWindow.h"
#include "app/WindowTexts.h"
#include "search/ClosestLabeling.h"
#include "search/GracefulSearch.h"
#include "search/Hint.h"
#include "search/NextLabeling.h"
#include "tree/Connectivity.h"

std::optional<Labels> LabelingHelpCommands::FillingIfOffered(bool offered) {
  if (!offered) return std::nullopt;
  return window_.ReadFilling();
}

void LabelingHelpCommands::ProposeClosest() {
  const ProgramState& state = window_.State();
  const std::optional<Labels> filling = FillingIfOffered(state.SearchOffered());
  if (!filling) return;
  const int n = state.VertexCount;
  window_.ShowNotice({texts::ClosestWaitingText});
  ClosestOutcome closest;
  const bool finished = window_.RunLongWork([&](const ExerciseWindow::Breath& breathe) {
    closest = FindClosestLabeling(n, state.TreeEdges(), *filling, {nullptr, breathe});
    return !closest.stopped;
  });
  if (!finished) return;
  if (!closest.found) {
    window_.ShowNoLabeling();
    return;
  }
  window_.ShowProposal({texts::ClosestSummaryText,
                        closest.differing == 0 ? texts::ClosestAgreesText : texts::ClosestDisagreesText,
                        MakeProposalSentence(n, closest.labels, closest.differing), closest.labels});
}

void LabelingHelpCommands::GiveHint() {
  const ProgramState& state = window_.State();
  const std::optional<Labels> filling = FillingIfOffered(state.SearchOffered());
  if (!filling) return;
  const int n = state.VertexCount;
  window_.ShowNotice({texts::HintWaitingText});
  std::optional<Hint> hint;
  const bool finished = window_.RunLongWork([&](const ExerciseWindow::Breath& breathe) {
    // The reporter keeps a reference to its hooks: they must outlive it.
    const SearchHooks hooks{nullptr, breathe};
    SearchReporter reporter(hooks);
    hint = FindHint(n, state.TreeEdges(), *filling, reporter);
    return hint.has_value();
  });
  if (!finished) return;
  // A hint only speaks: the proposal, the phase and the buttons stay as they are.
  const HintLines lines = HintTexts(*hint);
  switch (hint->kind) {
    case HintKind::None:
      // A student must not take a graph in pieces for a tree without a graceful labeling.
      window_.ShowNotice({lines.first, IsConnected(n, state.TreeEdges()) ? "" : texts::NotATreeText});
      return;
    case HintKind::Change:
      window_.MarkBoxes(hint->changes, BoxMark::Change);
      window_.FocusBox(hint->changes.front(), true);
      break;
    case HintKind::Forced:
    case HintKind::Possible:
      // The number goes in first: a change of the filling ends the notice about the old one.
      window_.PutIntoBox(hint->vertex, std::to_string(hint->label));
      window_.MarkBoxes({hint->vertex}, BoxMark::Take);
      window_.FocusBox(hint->vertex, false);
      break;
    case HintKind::Graceful:
      window_.MarkBoxes({}, BoxMark::None);
      break;
  }
  window_.ShowNotice({lines.first, lines.second});
}

bool LabelingHelpCommands::NextLabelingOffered(const ProgramState& state) {
  return !state.Busy && state.Phase == WindowPhase::Proposed && state.ShownProposal.has_value();
}

void LabelingHelpCommands::ShowNextLabeling() {
  const ProgramState& state = window_.State();
  const std::optional<Labels> filling = FillingIfOffered(NextLabelingOffered(state));
  if (!filling) return;
  const int n = state.VertexCount;
  const Labels shown = *state.ShownProposal;
  std::optional<Labels> next;
  if (n <= 10 && state.LabelingsStored) {
    next = NextStoredLabeling(state.SolutionStore, shown, n);
  } else {
    window_.ShowNotice({texts::NextLabelingWaitingText});
    const bool finished = window_.RunLongWork([&](const ExerciseWindow::Breath& breathe) {
      // The reporter keeps a reference to its hooks: they must outlive it.
      const SearchHooks hooks{nullptr, breathe};
      SearchReporter reporter(hooks);
      next = NextGracefulLabeling(n, state.TreeEdges(), shown, reporter);
      return !reporter.Stopped();
    });
    if (!finished) return;
  }
  // After the last one the shown labeling stays, and only the first line says that none follows.
  const Labels labeling = next ? *next : shown;
  const int differing = static_cast<int>(ContradictedBoxes(n, labeling, *filling).size());
  window_.ShowProposal({next ? texts::NextLabelingText : texts::NoNextLabelingText,
                        next ? texts::NextLabelingAgreement(differing) : "",
                        MakeProposalSentence(n, labeling, differing), labeling});
}
