#pragma once

// What the Parts' command controls show in each situation: visible or hidden, enabled or not. The
// window derives them here from its phase and never reads them back from the widgets, so a command
// can change them only by entering a phase.

enum class WindowPhase {
  Editing,       // the edge list is being typed: at start and whenever the edge box is entered
  Filling,       // a tree is confirmed and its boxes are being filled
  Checked,       // a filling was checked or a snapshot of the history shown
  Proposed,      // a search or a comparison has ended with its proposal
  NoLabeling,    // a search has ended without finding any graceful labeling
  LeavesPeeled,  // leaves were removed from the drawn tree
};

struct ControlState {
  bool visible = false;
  bool enabled = false;
  bool operator==(const ControlState&) const = default;
};

struct ControlStates {
  ControlState Memo1{true, true};
  ControlState Button1{true, true};
  // As the design has them: hidden, and enabled but for ENTER and the history's buttons.
  ControlState Button2;
  ControlState Button3{false, true}, Button4{false, true}, Button5{false, true}, Button6{false, true};
  ControlState Button7{false, true};
  ControlState Button8, Button9;
  bool Button2Default = false;
  // Tab goes through the edge box and its button, or through the vertex boxes only.
  bool EdgeBoxTabStops = true;
  // "Hľadať a navrhnúť riešenie" on Button3, or "Navrhnúť riešenie" once the labelings are stored.
  bool SearchCaption = true;
  bool operator==(const ControlStates&) const = default;
};

// What a phase needs to know beyond the controls as they were.
struct PhaseFacts {
  bool leafRemoval = false;  // "Odstrániť listy" can be pressed (Checked, LeavesPeeled)
  bool historyBack = false;  // the history's buttons (Checked)
  bool historyForward = false;
  bool labelingsStored = false;  // the search button only compares again
  // The end of the search button's own work, which gives back every control it took.
  bool searchEnded = false;
};

// The controls after entering `phase` from `before`: each phase changes what its situation
// changes and leaves the rest as it was.
ControlStates EnterPhaseControls(WindowPhase phase, const ControlStates& before, const PhaseFacts& facts);

// The controls as shown while long work runs: what could change what it works on is disabled.
ControlStates WhileBusy(ControlStates controls);
