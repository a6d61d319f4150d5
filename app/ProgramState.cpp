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

ProgramState::TreeSet ProgramState::OpenSetAsItStands(const std::vector<std::string>& windowBoxTexts) const {
  TreeSet set = OpenSet;
  if (!ShowsSetTree()) return set;
  TreeSet::Work& work = set.work[set.index];
  work.boxTexts = windowBoxTexts;
  work.checked.reset();
  if (Fillings.HistoryPos > 0) {
    const FillingSnapshot& shown = Fillings.Current();
    work.checked =
        std::vector<std::string>(shown.boxTexts.begin() + 1, shown.boxTexts.begin() + 1 + VertexCount);
  }
  return set;
}

std::vector<std::vector<std::string>> ProgramState::TreeSet::FileBoxTexts() const {
  std::vector<std::vector<std::string>> texts(file.trees.size());
  for (std::size_t k = 0; k < opened.size(); ++k) texts[opened[k]] = work[k].boxTexts;
  return texts;
}

VertexLayout ProgramState::Layout() const {
  return TreeShaped ? TreeShape : CircleLayout(Circle, VertexCount);
}
