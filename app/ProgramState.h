#pragma once

#include <optional>
#include <vector>

#include "check/History.h"
#include "tree/EdgeListParser.h"
#include "tree/TreeModel.h"

// Everything the program knows besides what its controls show. Zero at start, never saved.
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
  // The labeling that the proposal table shows and "Vyplniť graf..." fills in.
  std::optional<Labels> ShownProposal;
  int BestScore = 0;
  int AgreeCount = 0;

  // Edges 1..n-1 of EdgeList, in slot order.
  std::vector<Edge> TreeEdges() const;
};

// Stores an accepted edge list as the tree model: both edge lists and the vertex count.
void StoreTreeModel(ProgramState& state, const ParsedEdgeList& list);
