#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/TreeFile.h"
#include "tree/RandomTree.h"
#include "tree/TreeModel.h"

// How many trees one worksheet takes: random ones, and those of a set.
inline constexpr int MaxRandomWorksheetTrees = 60;
inline constexpr int MaxSetWorksheetTrees = 200;
inline constexpr std::array<int, 4> TreesPerPageChoices = {1, 2, 4, 6};

struct WorksheetTree {
  int n = 0;
  std::vector<Edge> edges;  // n - 1 edges, ends 1..n
  // The numbers printed in the circles of vertices 1..n as given (0 for none); empty for no givens.
  std::vector<int> givens;
  int number = 0;  // what the tree is called on paper: its place in its set, or on the worksheet
};

// The tree of confirmed edge lines, or the message the confirmation shows for them (a field that
// is no integer, or the first failing check of the edge list).
struct ConfirmedLines {
  std::optional<WorksheetTree> tree;
  std::string message;
};
ConfirmedLines ConfirmTreeLines(const std::vector<std::string>& edgeLines);

// count trees (kept within 1..60) of n vertices (kept within 2..20), numbered 1.., each of a random
// shape and with its vertices numbered without crossings (RandomTreeEdges).
std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n, const RandomBelow& random);
std::vector<WorksheetTree> RandomWorksheetTrees(int count, int n);

enum class WorksheetSource { Random, Set };
enum class WorksheetAnswers { End, Separate, None };

// What the teacher chose for a worksheet.
struct WorksheetChoice {
  WorksheetSource source = WorksheetSource::Random;
  int vertices = 10;  // of each random tree
  int count = 6;      // random trees
  bool wholeSet = true;
  int first = 1;  // otherwise the set's trees first..last, 1-based in file order
  int last = 1;
  int perPage = 2;  // one of TreesPerPageChoices
  WorksheetAnswers answers = WorksheetAnswers::End;
  bool givens = false;  // the set's fillings printed in the circles
  std::string heading;  // the line above "Meno:" on every page; may be empty
  friend bool operator==(const WorksheetChoice&, const WorksheetChoice&) = default;
};

// Why the choice makes no worksheet of a set of `setTrees` trees (0 when no set is open), in the
// words the dialog and the command line show; nothing for a good choice.
std::optional<std::string> WorksheetChoiceFault(const WorksheetChoice& choice, int setTrees);

// A tree of the set that stays off the worksheet, and why (TreeRefusal's words, with its lines).
struct LeftOutTree {
  int number = 0;  // 1-based in file order
  std::string reason;
};

struct SetTrees {
  std::vector<WorksheetTree> trees;  // numbered by their place in the file
  std::vector<LeftOutTree> leftOut;
};

// The trees first..last of a set (1-based in file order, kept within the file) that the edge box
// takes; with `givens`, each with its filling as given numbers.
SetTrees SelectSetTrees(const TreeFileReading& file, int first, int last, bool givens);
// The trees of the choice: random ones, or those of the set.
SetTrees ChosenTrees(const WorksheetChoice& choice, const TreeFileReading* set);
// Whether any tree of the set has a filled number.
bool HasFillings(const TreeFileReading& file);

// "Na pracovný list sa nedostanú 2 stromy z 5:" and one line per tree left out.
std::string LeftOutTreesMessage(const std::vector<LeftOutTree>& leftOut, int asked);
// "1 strom", "3 stromy", "12 stromov".
std::string TreeCountWords(int count);
// The file beside a worksheet that holds its answers: "list.pdf" gives "list-riesenia.pdf".
std::string AnswersFilePath(const std::string& worksheetPath);

struct WorksheetHooks {
  // Called before tree `index` (1-based) of `total` is solved. May be empty.
  std::function<void(int index, int total)> progress;
  // Lets the window breathe; false stops the work at once. May be empty.
  std::function<bool()> breathe;
};

struct WorksheetSolution {
  WorksheetTree tree;
  // The first graceful labeling in candidate order, of those closest to the givens when the tree
  // has some; nullopt for a graph that has none.
  std::optional<Labels> labeling;
  int contradicted = 0;  // givens that no graceful labeling keeps all of: how many this one changes
};

struct WorksheetOutcome {
  std::vector<WorksheetSolution> solutions;  // one per tree; only the finished ones when stopped
  bool stopped = false;
};

// The key of a worksheet: every tree with the labeling the window's search proposes first (F3's,
// closest to the givens, for a tree with givens).
WorksheetOutcome SolveWorksheet(const std::vector<WorksheetTree>& trees, const WorksheetHooks& hooks);
