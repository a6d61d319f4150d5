#pragma once

#include <string>
#include <vector>

#include "tree/TreeModel.h"

// Numbers as a Slovak sentence lists them: "4", "4 a 7", "1, 3 a 6".
inline std::string NumberList(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (k > 0) text += k + 1 == numbers.size() ? " a " : ", ";
    text += std::to_string(numbers[k]);
  }
  return text;
}

// Edges as a Slovak text writes them: "1–2, 2–3, 3–4".
inline std::string EdgeNames(const std::vector<Edge>& edges) {
  std::string text;
  for (const Edge& edge : edges) {
    if (!text.empty()) text += ", ";
    text += std::to_string(edge.a) + "–" + std::to_string(edge.b);
  }
  return text;
}
