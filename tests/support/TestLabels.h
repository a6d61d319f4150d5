#pragma once

#include <initializer_list>

#include "tree/TreeModel.h"

// Labels of vertices 1, 2, ... in the order given; the rest unlabeled.
inline Labels MakeLabels(std::initializer_list<int> values) {
  Labels labels{};
  int v = 1;
  for (int x : values) labels[v++] = static_cast<std::uint8_t>(x);
  return labels;
}
