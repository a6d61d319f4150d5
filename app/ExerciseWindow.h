#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ProgramState.h"
#include "search/Proposal.h"
#include "tree/VertexLayout.h"

class CommandTable;
class QImage;
class QWidget;

// A proposed graceful labeling as the window reports it: the status lines above the sentence, the
// sentence, and the labeling for the proposal table and "Vyplniť graf…".
struct ProposalView {
  std::string summary;    // first status line
  std::string agreement;  // second status line
  ProposalSentence sentence;
  Labels labeling{};
};

// What the commands beyond the window's fixed controls may ask of the window. They hold no control:
// the window does what they ask in its own order and keeps its controls in step with its state.
class ExerciseWindow {
 public:
  virtual ~ExerciseWindow() = default;

  virtual const ProgramState& State() const = 0;
  // The window, as the parent of a dialog.
  virtual QWidget* DialogParent() = 0;

  // The numbers in boxes 1..n, read and validated as a check reads them; nullopt after the check's
  // message when they do not pass. The labels of the last check stay as they were.
  virtual std::optional<Labels> ReadFilling() = 0;
  // The texts of boxes 1..n as they stand.
  virtual std::vector<std::string> FilledBoxTexts() const = 0;

  // As if the student had entered the edge box, typed these lines and pressed "Potvrdiť": a new
  // exercise whose boxes get `boxTexts` (vertex 1 first), checked when `check` is set. False when the
  // confirmation refused the lines, after its message.
  virtual bool ConfirmNewExercise(const std::vector<std::string>& edgeLines,
                                  const std::vector<std::string>& boxTexts, bool check) = 0;
  // As if the student had entered the edge box and typed these lines; confirming stays theirs.
  virtual void TypeIntoEdgeBox(const std::vector<std::string>& edgeLines) = 0;
  // The trees of an opened file (or none) and which of them is in the edge box.
  virtual void SetOpenSet(ProgramState::TreeSet set) = 0;

  // Lets pending events run; false once the work must stop (the window is closing, or it was
  // cancelled).
  using Breath = std::function<bool()>;
  // Runs work that takes a while: the controls that could change what it works on are disabled
  // meanwhile, the window breathes, and afterwards it is back in the phase it is in, the working
  // control focused again. False when the work did not finish; when the window is closing nothing
  // more may be done.
  virtual bool RunLongWork(const std::function<bool(const Breath&)>& work) = 0;

  // Status texts about the filling, top right: they go as soon as the filling or the tree changes.
  virtual void ShowNotice(const std::vector<std::string>& lines) = 0;
  // A proposal with its texts, table and buttons.
  virtual void ShowProposal(const ProposalView& view) = 0;
  // That the graph has no graceful labeling.
  virtual void ShowNoLabeling() = 0;
  // Writes a number into a vertex box; gives a vertex box the focus, its text selected or not.
  virtual void PutIntoBox(int vertex, const std::string& text) = 0;
  virtual void FocusBox(int vertex, bool selectText) = 0;
  // Marks these boxes (and no others) on the tree; BoxMark::None takes every mark away.
  virtual void MarkBoxes(const std::vector<int>& vertices, BoxMark mark) = 0;
  // The commands with their texts and keys, for the help.
  virtual const CommandTable& Commands() const = 0;

  // The view: the tree drawing, the vertex numbers and the zoom, applied to the controls.
  virtual void SetTreeShaped(bool on) = 0;
  virtual void SetVertexNumbersShown(bool on) = 0;
  // Shows the window at the largest step up to `percent` that fits its screen; the step shown.
  virtual int ApplyZoom(int percent) = 0;
  virtual int ZoomPercent() const = 0;
  virtual bool ZoomFits(int percent) const = 0;

  // Paper and pictures: where the vertices of a tree stand in the window's drawing style; the tree
  // picture with its boxes (and the table when shown) at three times the size.
  virtual VertexLayout LayoutFor(int n, const std::vector<Edge>& edges) const = 0;
  virtual QImage PictureForExport() const = 0;
};
