#pragma once

#include <string>
#include <vector>

// Numbers as a Slovak sentence lists them: "4", "4 a 7", "1, 3 a 6".
inline std::string NumberList(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (k > 0) text += k + 1 == numbers.size() ? " a " : ", ";
    text += std::to_string(numbers[k]);
  }
  return text;
}
