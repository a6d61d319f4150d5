#pragma once

// A frozen copy of the ordered search as it stood before its speed-up, kept only so that the
// benchmark can report the ratio to it in the same run. Not linked into the program.
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

namespace baseline {

// A graph with at most 20 vertices as bitmasks: bit v of Adjacent[v'] is set when v-v' is an edge.
struct SearchGraph {
  int n = 0;
  std::vector<Edge> edges;
  std::uint32_t adjacent[MaxVertices + 1] = {};
  // parent[r][v]: the next vertex on a shortest path from v towards r (0 when unreachable or v = r).
  std::uint8_t parent[MaxVertices + 1][MaxVertices + 1] = {};
};

// Builds the bitmask form; nullopt when a loop or a repeated edge rules out any graceful labeling.
std::optional<SearchGraph> MakeSearchGraph(int n, const std::vector<Edge>& edges);

// Labels must increase along each chain: members[0] gets the lowest label of its chain.
struct LabelChain {
  std::vector<int> members;
};

// Searches for one graceful labeling that respects every chain. The first chain may come with
// lower bounds on label gaps (distinct edge values along a path on which the chain order rises).
class ChainedGracefulSearch {
 public:
  ChainedGracefulSearch(const SearchGraph& graph, SearchReporter& reporter);

  // nullopt when no such labeling exists or the reporter was told to stop.
  std::optional<Labels> Find(const std::vector<LabelChain>& chains);

 private:
  // Member `other` of the first chain and the least label distance to it.
  struct GapBound {
    int other;
    int gap;
  };
  enum class Result { Exhausted, Found, Stopped, OutOfBudget };
  // LargestValue branches on the ways to realise the largest missing value unless a vertex has
  // a single label left; FewestChoices branches on a vertex whenever its labels are fewer.
  enum class Strategy { LargestValue, FewestChoices };

  Result Complete();
  void PrepareGapBounds(const std::vector<int>& chain);
  Result CountNode();
  Result Descend();
  Result PlaceRest();
  Result TryVertex(int vertex, int label);
  Result TryEdge(int first, int firstLabel, int second, int secondLabel);
  bool Place(int vertex, int label);
  void Unplace(int vertex);
  bool ChainsFit();
  bool DomainsFit(std::uint32_t missing);
  int ValueOptions(int value) const;
  std::uint32_t Options(int vertex) const { return useDomains_ ? domain_[vertex] : freeLabels_; }

  const SearchGraph& graph_;
  SearchReporter& reporter_;
  const std::vector<LabelChain>* chains_ = nullptr;
  // By position in the first chain: the bounds from members below it and to members above it.
  std::vector<GapBound> gapsFromBelow_[MaxVertices];
  std::vector<GapBound> gapsToAbove_[MaxVertices];
  // Neighbouring members of the first chain, the lower one first.
  std::vector<std::pair<int, int>> neighbourPairs_;
  int label_[MaxVertices + 1] = {};
  int vertexAt_[MaxVertices + 2] = {};
  std::uint32_t valuesAddedBy_[MaxVertices + 1] = {};
  std::uint32_t freeLabels_ = 0;
  std::uint32_t usedValues_ = 0;
  std::uint32_t unplaced_ = 0;
  std::uint32_t allValues_ = 0;
  std::uint32_t domain_[MaxVertices + 1] = {};
  bool useDomains_ = false;
  std::uint32_t ordered_ = 0;
  int low_[MaxVertices + 1] = {};
  int high_[MaxVertices + 1] = {};
  int untilBreath_ = 0;
  static Strategy Other(Strategy s) {
    return s == Strategy::LargestValue ? Strategy::FewestChoices : Strategy::LargestValue;
  }
  Strategy strategy_ = Strategy::LargestValue;
  Strategy preferred_ = Strategy::LargestValue;
  long long nodesLeft_ = 0;
  long long lastUsed_ = 0;
  std::optional<Labels> best_;
};

// The first graceful labeling in candidate order, found without visiting the candidates before it:
// the digits of its candidate number are settled from the most significant one down, each by
// graceful-labeling searches that keep the order of labels the higher digits have fixed.
// nullopt when there is none or the reporter was told to stop.
std::optional<Labels> FirstGracefulLabelingInCandidateOrder(int n, const std::vector<Edge>& edges,
                                                            SearchReporter& reporter);

}  // namespace baseline
