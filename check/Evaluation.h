#pragma once

#include <array>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

enum class EdgeStatus { Unlabeled, Unique, Repeated };

struct EdgeResult {
  EdgeStatus status = EdgeStatus::Unlabeled;
  int value = 0;          // |label(a) - label(b)|; 0 when unlabeled
  std::string valueText;  // " 7 " for one digit, "12" for two; empty when unlabeled
};

// Count of labeled edges per value. Sized for any two label bytes, so labels that never passed
// validation (left over by a rejected check) cannot index outside it.
using ValueCounts = std::array<int, 256>;

struct Evaluation {
  ValueCounts counts{};
  std::vector<EdgeResult> edges;  // one per given edge, same order
};

// The label of vertex v, or 0 for a vertex number outside 1..20.
int LabelOf(const Labels& labels, int v);

std::string ValueText(int value);

Evaluation EvaluateEdges(const std::vector<Edge>& edges, const Labels& labels);
