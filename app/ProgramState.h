#pragma once

#include <array>
#include <optional>
#include <vector>

#include "check/History.h"
#include "tree/EdgeListParser.h"
#include "tree/TreeModel.h"
#include "tree/VertexLayout.h"

// What the window offers, one phase per situation a command leaves it in. The search runs on top
// of whichever phase the window was in, so it is a flag beside the phase, not a phase of its own.
enum class WindowPhase {
  Editing,       // the edge list is being typed: at start and whenever the edge box is entered
  Filling,       // a tree is confirmed and its boxes are being filled
  Checked,       // a filling was checked or a snapshot of the history shown
  Proposed,      // a search or a comparison has ended with its proposal
  NoLabeling,    // a search has ended without finding any graceful labeling
  LeavesPeeled,  // leaves were removed from the drawn tree
};

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
  // The tree-shaped layout of the confirmed tree, and whether the picture uses it instead of the
  // circle.
  VertexLayout TreeShape;
  bool TreeShaped = false;
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

  // Edges 1..n-1 of EdgeList, in slot order.
  std::vector<Edge> TreeEdges() const;
};

// Stores an accepted edge list as the tree model: both edge lists and the vertex count.
void StoreTreeModel(ProgramState& state, const ParsedEdgeList& list);
