#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// A graph with at most 20 vertices as bitmasks: bit v of Adjacent[v'] is set when v-v' is an edge.
struct SearchGraph {
  int n = 0;
  std::vector<Edge> edges;
  std::uint32_t adjacent[MaxVertices + 1] = {};
  // parent[r][v]: the next vertex on a shortest path from v towards r (0 when unreachable or v = r).
  std::uint8_t parent[MaxVertices + 1][MaxVertices + 1] = {};
  // The vertices of odd degree: the sum of their labels has the parity of n(n-1)/2.
  std::uint32_t oddDegree = 0;
};

// Builds the bitmask form; nullopt when a loop, a repeated edge or parity rules out any graceful
// labeling.
std::optional<SearchGraph> MakeSearchGraph(int n, const std::vector<Edge>& edges);
// The same without the shortest paths (parent stays all zero), which only the gap bounds of a first
// chain of two or more members read: for searches without such a chain, where building the paths
// took a tenth of the time of a small search.
std::optional<SearchGraph> MakeSearchGraphWithoutPaths(int n, const std::vector<Edge>& edges);

// Labels must increase along each chain: members[0] gets the lowest label of its chain.
struct LabelChain {
  std::vector<int> members;
};

// Searches for one graceful labeling that respects every chain. The first chain may come with
// lower bounds on label gaps (distinct edge values along a path on which the chain order rises).
//
// Each node of the search: CountNode() (budget, breathing), then DomainsFit() (per-vertex label
// domains, chain ranges, parity), then a branch: on the ways to realise the largest missing value,
// or on the labels of one vertex. Every check is a property of all graceful labelings respecting
// the chains, so any further requirement (a label a vertex should keep, say) only needs a check of
// its own next to these: in Place() for a placed vertex, in DomainsFit() for a bound on what the
// unplaced vertices can still meet.
//
// The two ways of branching suit different questions, and which one answers a question fast cannot
// be told in advance. A question that outlasts a short first try is raced: a second search object
// (the rival) runs the other way on a thread of its own, and the first answer ends both. Only this
// object's thread calls the reporter.
class ChainedGracefulSearch {
 public:
  ChainedGracefulSearch(const SearchGraph& graph, SearchReporter& reporter);
  ~ChainedGracefulSearch();
  ChainedGracefulSearch(const ChainedGracefulSearch&) = delete;
  ChainedGracefulSearch& operator=(const ChainedGracefulSearch&) = delete;

  // nullopt when no such labeling exists, the reporter was told to stop, or the search gave up
  // after about nodeLimit nodes (a negative limit: never).
  std::optional<Labels> Find(const std::vector<LabelChain>& chains, long long nodeLimit = -1);

  // Whether the last Find() ran out of its node limit without an answer.
  bool GaveUp() const { return gaveUp_; }

  // LargestValue branches on the ways to realise the largest missing value unless a vertex has
  // a single label left; FewestChoices branches on a vertex whenever its labels are fewer.
  enum class Strategy { LargestValue, FewestChoices };

  // The same question with one way of branching, on this thread alone: no first try, no race. For
  // callers that keep every core busy already and restart with the other way themselves.
  std::optional<Labels> FindBy(Strategy strategy, const std::vector<LabelChain>& chains, long long nodeLimit);

  // From now on Find only accepts labelings that break at most maxBroken of the pins: pins[v] is
  // the label vertex v should get, 0 for no pin.
  void SetPins(const Labels& pins, int maxBroken);

  // From now on Find only accepts labelings in which no vertex v has the label forbidden[v] (0: no
  // label is forbidden to v).
  void SetForbiddenLabels(const Labels& forbidden);

 private:
  // Member `other` of the first chain and the least label distance to it.
  struct GapBound {
    int other;
    int gap;
  };
  enum class Result { Exhausted, Found, Stopped, OutOfBudget, Overtaken };

  void Prepare(const std::vector<LabelChain>& chains);
  // One search of the prepared question; Overtaken when `answered_` is set by the other side first.
  Result Run(Strategy strategy, long long nodeLimit);
  Result Race(const std::vector<LabelChain>& chains, long long nodeLimit);
  Result Complete();
  void PrepareGapBounds(const std::vector<int>& chain);
  // Where an unplaced chain member may take its label from.
  enum class LabelSource { FreeLabels, Domains };

  // Counts a node against the budget and breathes now and then; a result when the search must end.
  std::optional<Result> CountNode();
  Result Descend();
  Result PlaceRest();
  Result TryVertex(int vertex, int label);
  Result TryEdge(int first, int firstLabel, int second, int secondLabel);
  bool Place(int vertex, int label);
  void Unplace(int vertex);
  bool NarrowChainRanges(LabelSource source);
  bool DomainsFit(std::uint32_t missing);
  bool ParityFits() const;
  bool PinsFit();
  int ValueOptions(int value) const;
  std::uint32_t Options(int vertex, LabelSource source) const {
    return source == LabelSource::Domains ? domain_[vertex] : freeLabels_;
  }

  const SearchGraph& graph_;
  SearchReporter& reporter_;
  const std::vector<LabelChain>* chains_ = nullptr;
  // By position in the first chain: the bounds from members below it and to members above it.
  std::vector<GapBound> gapsFromBelow_[MaxVertices];
  std::vector<GapBound> gapsToAbove_[MaxVertices];
  // Neighbouring members of the first chain, the lower one first.
  std::vector<std::pair<int, int>> neighbourPairs_;
  // The partial labeling. Place() and Unplace() are the only writers and keep, at every node:
  // - label_[v] = l > 0 exactly when vertexAt_[l] = v; label_[v] = 0 for an unplaced v, and
  //   vertexAt_[l] = 0 for a label nobody has;
  // - bit v of unplaced_ (v = 1..n) set exactly when label_[v] = 0;
  // - bit l of freeLabels_ (l = 1..n) set exactly when vertexAt_[l] = 0, so the two masks have
  //   equally many bits;
  // - usedValues_ = the values |label_[a] - label_[b]| of the edges with both ends placed, all
  //   distinct (Place() refuses a repeat), and valuesAddedBy_[v] = the ones v's placing added.
  // So an edge is open (its value not yet known) exactly when one of its ends is in unplaced_, and
  // the open edges are as many as the values missing from allValues_ (bits 1..n-1).
  int label_[MaxVertices + 1] = {};
  int vertexAt_[MaxVertices + 2] = {};
  std::uint32_t valuesAddedBy_[MaxVertices + 1] = {};
  std::uint32_t freeLabels_ = 0;
  std::uint32_t usedValues_ = 0;
  std::uint32_t unplaced_ = 0;
  std::uint32_t allValues_ = 0;
  // Per unplaced vertex: the free labels that give each placed neighbour a missing value. Valid
  // for the current node only, from DomainsFit() until the next placing.
  std::uint32_t domain_[MaxVertices + 1] = {};
  // Members of any chain.
  std::uint32_t ordered_ = 0;
  // Per chain member: the least and the greatest label it can still get, as NarrowChainRanges()
  // last computed them; Descend() reads them right after DomainsFit().
  int low_[MaxVertices + 1] = {};
  int high_[MaxVertices + 1] = {};
  // Pinned vertices, their pins (0 for one that can never hold), the pinned vertices per label,
  // and how many pins may break. A pin breaks when its vertex takes another label or another vertex
  // takes its label: broken_ holds those of the partial labeling, brokenBy_[v] the ones v's placing
  // broke, both kept by Place() and Unplace(). forced_: the pinned vertices that must take their pin
  // because no more pins may break, valid like domain_.
  std::uint32_t pinned_ = 0;
  int pin_[MaxVertices + 1] = {};
  std::uint32_t pinnedAt_[MaxVertices + 1] = {};
  int maxBroken_ = 0;
  std::uint32_t broken_ = 0;
  std::uint32_t brokenBy_[MaxVertices + 1] = {};
  std::uint32_t forced_ = 0;
  // Per vertex the label it must not take (0: none); kept out of its domain and refused by Place().
  int forbidden_[MaxVertices + 1] = {};
  int untilBreath_ = 0;
  Strategy strategy_ = Strategy::LargestValue;
  long long nodesLeft_ = 0;
  std::optional<Labels> best_;
  bool gaveUp_ = false;
  // During a race: set by whichever side answers first (or is told to stop), read by both.
  std::atomic<bool>* answered_ = nullptr;
  // The rival and its reporter, which never breathes (the window is this thread's alone).
  SearchHooks quietHooks_;
  SearchReporter quietReporter_{quietHooks_};
  std::unique_ptr<ChainedGracefulSearch> rival_;
};
