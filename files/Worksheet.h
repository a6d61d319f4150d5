#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tree/RandomTree.h"
#include "tree/TreeModel.h"

inline constexpr int MaxWorksheetTrees = 12;

struct WorksheetTree {
  int n = 0;
  std::vector<Edge> edges;  // n - 1 edges, ends 1..n
};

// The tree of confirmed edge lines, or the message the confirmation shows for them (a field that
// is no integer, or the first failing check of the edge list).
struct ConfirmedLines {
  std::optional<WorksheetTree> tree;
  std::string message;
};
ConfirmedLines ConfirmTreeLines(const std::vector<std::string>& edgeLines);

// count trees (kept within 1..12) of n vertices (kept within 2..20), each of a random shape and
// numbered without crossings (RandomTreeEdges).
std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n, const RandomBelow& random);
std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n);

struct WorksheetHooks {
  // Called before tree `index` (1-based) of `total` is solved. May be empty.
  std::function<void(int index, int total)> progress;
  // Lets the window breathe; false stops the work at once. May be empty.
  std::function<bool()> breathe;
};

struct WorksheetSolution {
  WorksheetTree tree;
  // The first graceful labeling in candidate order; nullopt for a graph that has none.
  std::optional<Labels> labeling;
};

struct WorksheetOutcome {
  std::vector<WorksheetSolution> solutions;  // one per tree; only the finished ones when stopped
  bool stopped = false;
};

// The key of a worksheet: every tree with its first graceful labeling in candidate order, the one
// the search of the window proposes first.
WorksheetOutcome SolveWorksheet(const std::vector<WorksheetTree>& trees, const WorksheetHooks& hooks);
