#pragma once

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "search/GracefulSearch.h"
#include "search/Proposal.h"
#include "tests/search/SearchTestGraphs.h"

inline std::string ClosestText(const ClosestOutcome& outcome, int n) {
  if (!outcome.found) return "none";
  std::string text;
  for (int v = 1; v <= n; ++v) text += (v > 1 ? "," : "") + std::to_string(outcome.labels[v]);
  return text + " " + std::to_string(outcome.differing);
}

// What the proposal over every stored labeling says, in the same form.
inline std::string ProposalText(int n, const std::vector<Labels>& store, const Labels& filling) {
  const Proposal proposal = ProposeSolution(n, store, filling, {});
  ClosestOutcome outcome;
  if (proposal.proposed) outcome = {true, false, store[proposal.BestIndex - 1], n - proposal.BestScore};
  return ClosestText(outcome, n);
}

inline std::vector<Edge> RandomTree(int n, std::mt19937& random) {
  std::vector<int> sequence(n - 2);
  for (int& v : sequence) v = std::uniform_int_distribution<int>(1, n)(random);
  return PruferTreeEdges(n, sequence);
}

// n-1 random edges without loops: mostly cycles and parts apart, sometimes a repeated edge.
inline std::vector<Edge> RandomEdges(int n, std::mt19937& random) {
  std::vector<Edge> edges;
  while (static_cast<int>(edges.size()) < n - 1) {
    const auto a = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
    const auto b = static_cast<std::uint8_t>(std::uniform_int_distribution<int>(1, n)(random));
    if (a != b) edges.push_back({a, b});
  }
  return edges;
}

// Fillings of every kind a student leaves: empty, a few boxes, about half, every box, part of a
// graceful labeling, a graceful labeling with a few boxes changed. `labeling` is a graceful
// labeling of the graph, or all zero when there is none.
inline std::vector<Labels> SampleFillings(int n, const Labels& labeling, std::mt19937& random) {
  std::vector<int> labels(n);
  std::iota(labels.begin(), labels.end(), 1);
  const auto randomFilling = [&](int boxes) {
    std::shuffle(labels.begin(), labels.end(), random);
    std::vector<int> vertices(labels);
    std::shuffle(vertices.begin(), vertices.end(), random);
    Labels filling{};
    for (int k = 0; k < boxes; ++k) filling[vertices[k]] = static_cast<std::uint8_t>(labels[k]);
    return filling;
  };
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  std::vector<Labels> fillings = {Labels{}, randomFilling(pick(1, 3)), randomFilling(n / 2),
                                  randomFilling(n)};
  if (labeling[1]) {
    Labels part{};
    for (int v = 1; v <= n; ++v) part[v] = pick(0, 1) ? labeling[v] : 0;
    fillings.push_back(part);
    Labels changed = labeling;
    for (int k = pick(1, 3); k > 0; --k) std::swap(changed[pick(1, n)], changed[pick(1, n)]);
    fillings.push_back(changed);
  }
  return fillings;
}
