#pragma once

#include <algorithm>
#include <vector>

// The value below which the share q of the values lie (q = 1: the largest); 0 for no values.
inline double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1,
                         static_cast<std::size_t>(q * static_cast<double>(values.size())))];
}
