#include "app/ControlStates.h"

#include <initializer_list>

ControlStates EnterPhaseControls(WindowPhase phase, const ControlStates& before, const PhaseFacts& facts) {
  ControlStates c = before;
  switch (phase) {
    case WindowPhase::Editing:
      c.Button1.enabled = true;
      c.EdgeBoxTabStops = true;
      c.Button2.enabled = false;
      c.Button2Default = false;
      for (ControlState* hidden : {&c.Button3, &c.Button4, &c.Button5, &c.Button7, &c.Button8, &c.Button9})
        hidden->visible = false;
      break;
    case WindowPhase::Filling:
      c.EdgeBoxTabStops = false;
      c.Button2 = {true, true};
      c.Button2Default = true;
      c.Button6 = {true, true};
      c.Button8 = {true, false};
      c.Button9 = {true, false};
      c.Button3 = {true, true};
      c.SearchCaption = !facts.labelingsStored;
      break;
    case WindowPhase::Checked:
      c.Button4.visible = false;
      c.Button5.visible = false;
      c.Button3.enabled = true;
      c.Button7 = {true, facts.leafRemoval};
      c.Button8.enabled = facts.historyBack;
      c.Button9.enabled = facts.historyForward;
      break;
    case WindowPhase::Proposed:
    case WindowPhase::NoLabeling:
      c.SearchCaption = !facts.labelingsStored;
      if (facts.searchEnded) {
        for (ControlState* given : {&c.Button1, &c.Button2, &c.Button3, &c.Button6, &c.Memo1})
          given->enabled = true;
      }
      if (phase == WindowPhase::Proposed) {
        c.Button4.visible = true;
        c.Button5.visible = true;
      }
      break;
    case WindowPhase::LeavesPeeled:
      for (ControlState* off : {&c.Button2, &c.Button3, &c.Button6, &c.Button8, &c.Button9})
        off->enabled = false;
      c.Button7.enabled = facts.leafRemoval;
      break;
  }
  return c;
}

ControlStates WhileBusy(ControlStates controls) {
  for (ControlState* taken :
       {&controls.Memo1, &controls.Button1, &controls.Button2, &controls.Button3, &controls.Button6})
    taken->enabled = false;
  return controls;
}
