#include "check/Evaluation.h"

#include <cstdlib>

int LabelOf(const Labels& labels, int v) { return v >= 1 && v <= MaxVertices ? labels[v] : 0; }

std::string ValueText(int value) {
  const std::string digits = std::to_string(value);
  return digits.size() == 1 ? " " + digits + " " : digits;
}

Evaluation EvaluateEdges(const std::vector<Edge>& edges, const Labels& labels) {
  Evaluation result;
  result.edges.resize(edges.size());
  for (std::size_t k = 0; k < edges.size(); ++k) {
    const int la = LabelOf(labels, edges[k].a);
    const int lb = LabelOf(labels, edges[k].b);
    if (la == 0 || lb == 0) continue;
    result.edges[k].value = std::abs(la - lb);
    ++result.counts[result.edges[k].value];
  }
  for (std::size_t k = 0; k < edges.size(); ++k) {
    EdgeResult& edge = result.edges[k];
    if (LabelOf(labels, edges[k].a) == 0 || LabelOf(labels, edges[k].b) == 0) continue;
    edge.status = result.counts[edge.value] == 1 ? EdgeStatus::Unique : EdgeStatus::Repeated;
    edge.valueText = ValueText(edge.value);
  }
  return result;
}
