#pragma once

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "search/GracefulSearch.h"

inline std::string ClosestText(const ClosestOutcome& outcome, int n) {
  if (!outcome.found) return "none";
  std::string text;
  for (int v = 1; v <= n; ++v) text += (v > 1 ? "," : "") + std::to_string(outcome.labels[v]);
  return text + " " + std::to_string(outcome.differing);
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
