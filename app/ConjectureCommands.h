#pragma once

#include <optional>
#include <string>

class ExerciseWindow;
class TreeFileCommands;

// The question the program teaches, in class: every tree of n vertices as a set to step through,
// and a check, on every core, that each of them has a graceful labeling.
class ConjectureCommands {
 public:
  ConjectureCommands(ExerciseWindow& window, TreeFileCommands& files) : window_(window), files_(files) {}

  void AskForAllTrees();
  // "Všetky stromy s n vrcholmi" as a set (n 2..16); false when it did not open.
  bool OpenAllTrees(int n);
  void AskToCheckAllTrees();
  // Checks every tree of n vertices (2..20) with a progress dialog that can cancel, then says what
  // it found and offers to open the slowest tree, or opens a tree without a labeling. The summary,
  // or nothing when cancelled.
  std::optional<std::string> CheckAllTrees(int n);

 private:
  ExerciseWindow& window_;
  TreeFileCommands& files_;
};
