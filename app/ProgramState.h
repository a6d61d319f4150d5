#pragma once

#include <array>
#include <optional>
#include <vector>

#include "app/ControlStates.h"
#include "check/History.h"
#include "files/TreeFile.h"
#include "tree/EdgeListParser.h"
#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// A hint's mark on a vertex box: the number there must change, or the number the hint put there.
enum class BoxMark { None, Change, Take };

// Everything the program knows. Zero at start, never saved. The window derives its controls from
// this and never reads its state back from them.
struct ProgramState {
  int VertexCount = 0;
  EdgeSlots EdgeList{};
  EdgeSlots ReducedEdgeList{};
  LayoutCircle Circle;
  Labels BoxLabels{};
  FillingHistory Fillings;

  // The graceful labelings of the last search, in candidate order; grows as needed.
  std::vector<Labels> SolutionStore;
  int SolutionCount = 0;
  int BestIndex = 0;  // 1-based index into SolutionStore
  // Whether SolutionStore holds the labelings of the confirmed tree, so that the search button
  // only compares again.
  bool LabelingsStored = false;
  // The labeling that the proposal table shows and "Vyplniť graf..." fills in.
  std::optional<Labels> ShownProposal;

  WindowPhase Phase = WindowPhase::Editing;
  // True while long work runs (the search, a proposal, a worksheet).
  bool Busy = false;
  // What the Parts' command controls show, as the last phase left them.
  ControlStates Controls;
  // Whether "Odstrániť listy" was offered by the phase last entered.
  bool LeafRemoval = false;
  // The tree-shaped layout of the confirmed tree, and whether the picture uses it instead of the
  // circle; whether each vertex's number is written beside its disc.
  VertexLayout TreeShape;
  bool TreeShaped = false;
  bool VertexNumbersShown = false;
  // What the tree picture shows, so that it can be drawn again in the other layout: the outline of
  // these vertices and edges, and the value squares of these labels on it.
  struct TreePicture {
    std::vector<int> vertices;
    std::vector<Edge> edges;
    std::optional<Labels> values;
  } Drawn;
  // The vertices whose boxes stand on the tree picture (index 1..20).
  std::array<bool, MaxVertices + 1> ShownVertices{};
  // Whether the check table is on screen (the proposal table takes its place only while held).
  bool CheckTableShown = true;
  // Whether the check table holds a drawing of the confirmed tree (not of an earlier one).
  bool CheckTableOfTree = false;
  // Whether the status texts are a command's notice about the filling, which goes as soon as the
  // filling or the tree changes.
  bool NoticeShown = false;
  // Whether the sentence about the last check stands in the status column.
  bool VerdictShown = false;
  // The hint's marks on the boxes (index 1..20); they stay until the next check, a change of the
  // tree or clearing the boxes.
  std::array<BoxMark, MaxVertices + 1> BoxMarks{};

  // The document: the trees of the file opened or saved last (or of a set made by the program),
  // which of them is in the window, and what the student did on each.
  struct TreeSet {
    std::string path;           // the file, empty while the set has never been saved
    std::string title;          // what the window's title calls it: the file's name
    std::string suggestedName;  // for a set without a file: the name its first save suggests
    TreeFileReading file;
    std::vector<int> opened;  // the trees of the file the window takes, in file order
    int index = 0;            // which of those is in the window
    struct Work {
      std::vector<std::string> boxTexts;                // the boxes as the student left them
      std::optional<std::vector<std::string>> checked;  // the filling of the last check shown
    };
    std::vector<Work> work;                      // one per opened tree
    std::vector<std::vector<int>> savedFilling;  // one per opened tree, as read or saved last
    bool Empty() const { return opened.empty(); }
    const FileTree& Tree(int k) const { return file.trees[opened[k]]; }
    // Every tree of the file with the boxes the student left on it (nothing for a tree not opened).
    std::vector<std::vector<std::string>> FileBoxTexts() const;
  } OpenSet;
  // Whether the tree in the window is the open set's tree at its index.
  bool ShowsSetTree() const;
  // The open set with what the student did on the tree in the window taken in, when it is the set's:
  // its boxes (`windowBoxTexts`, vertex 1 first) and the filling of the last check shown.
  TreeSet OpenSetAsItStands(const std::vector<std::string>& windowBoxTexts) const;
  // Where the vertices of the confirmed tree stand on the tree picture.
  VertexLayout Layout() const;

  // Whether a search may start now: "Hľadať a navrhnúť riešenie" is shown and can be pressed.
  bool SearchOffered() const { return !Busy && Controls.Button3.visible && Controls.Button3.enabled; }
  // Edges 1..n-1 of EdgeList, in slot order.
  std::vector<Edge> TreeEdges() const;
};

// Stores an accepted edge list as the tree model: both edge lists and the vertex count.
void StoreTreeModel(ProgramState& state, const ParsedEdgeList& list);
