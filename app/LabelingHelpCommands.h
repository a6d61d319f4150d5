#pragma once

#include <optional>

#include "tree/TreeModel.h"

class ExerciseWindow;
struct ProgramState;

// Help with the labeling, beyond the search button: the graceful labeling closest to the filling
// (F3), one step instead of the whole answer (F4), and the labelings one after another in candidate
// order (F5).
class LabelingHelpCommands {
 public:
  explicit LabelingHelpCommands(ExerciseWindow& window) : window_(window) {}

  void ProposeClosest();
  void GiveHint();
  void ShowNextLabeling();
  // F5 follows a proposal that is still shown.
  static bool NextLabelingOffered(const ProgramState& state);

 private:
  // The filling, read and validated, for a command that is offered now; nullopt otherwise or after
  // the check's message.
  std::optional<Labels> FillingIfOffered(bool offered);

  ExerciseWindow& window_;
};
