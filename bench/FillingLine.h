#pragma once

#include <sstream>
#include <string>

#include "bench/TreeLine.h"

// One line of a closest-labeling corpus: `n a-b a-b ... | f1,f2,...,fn` with fk the number in box k
// (0 for an empty box). Whatever follows a second '|' is left to the caller. Fills `tree` and
// `filling` and returns an empty string, or returns what is wrong with the line.
inline std::string ParseFillingLine(const std::string& line, TreeLine& tree, Labels& filling) {
  const std::size_t bar = line.find('|');
  if (bar == std::string::npos) return "expected '|' and the filling after the edges";
  if (std::string error = ParseTreeLine(line.substr(0, bar), tree); !error.empty()) return error;
  const std::size_t end = line.find('|', bar + 1);
  std::istringstream boxes(line.substr(bar + 1, end == std::string::npos ? end : end - bar - 1));
  filling = {};
  std::string box;
  int k = 0;
  while (std::getline(boxes, box, ',')) {
    box.erase(0, box.find_first_not_of(' '));
    box.erase(box.find_last_not_of(' ') + 1);
    const std::optional<int> number = ParseSmallNumber(box);
    if (!number || *number > tree.n)
      return "'" + box + "' is not a number from 0 to " + std::to_string(tree.n);
    if (++k > tree.n) return "more than " + std::to_string(tree.n) + " boxes";
    for (int j = 1; j < k; ++j) {
      if (*number && filling[j] == *number)
        return "boxes " + std::to_string(j) + " and " + std::to_string(k) + " hold the same number";
    }
    filling[k] = static_cast<std::uint8_t>(*number);
  }
  if (k != tree.n) return "expected " + std::to_string(tree.n) + " boxes, found " + std::to_string(k);
  return {};
}
