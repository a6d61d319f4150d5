#include "app/ProgramState.h"

std::vector<Edge> ProgramState::TreeEdges() const {
  std::vector<Edge> edges;
  for (int k = 1; k <= VertexCount - 1 && k <= EdgeSlotCount; ++k) edges.push_back(EdgeList[k]);
  return edges;
}

void StoreTreeModel(ProgramState& state, const ParsedEdgeList& list) {
  const int edgeCount = list.vertexCount - 1;
  for (int k = 1; k <= edgeCount && k <= EdgeSlotCount; ++k) {
    const auto [a, b] = list.pairs[k - 1];
    state.EdgeList[k] = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b)};
  }
  state.ReducedEdgeList = {};
  for (int k = 1; k <= edgeCount && k <= EdgeSlotCount; ++k) state.ReducedEdgeList[k] = state.EdgeList[k];
  state.VertexCount = list.vertexCount;
}

bool ProgramState::ShowsSetTree() const {
  if (OpenSet.Empty() || VertexCount < 2) return false;
  const EdgeListParseResult parsed = ParseEdgeList(OpenSet.Tree(OpenSet.index).edgeLines);
  if (!parsed.list || parsed.list->vertexCount != VertexCount) return false;
  for (int k = 1; k <= VertexCount - 1; ++k) {
    const auto [a, b] = parsed.list->pairs[k - 1];
    if (EdgeList[k].a != a || EdgeList[k].b != b) return false;
  }
  return true;
}
