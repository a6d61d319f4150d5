#include "check/LabelCheck.h"

#include <algorithm>

#include "tree/IntConversion.h"

BoxReadResult ReadBoxLabels(int n, const BoxTexts& boxTexts, Labels& boxLabels) {
  BoxReadResult result;
  for (int k = 1; k <= MaxVertices; ++k) {
    const std::string& text = boxTexts[k];
    std::int32_t number = 0;
    if (!text.empty()) {
      const std::optional<std::int32_t> converted = ConvertToInt(text);
      if (!converted && k <= n) {
        result.failedText = text;
        return result;
      }
      number = converted.value_or(0);
    }
    result.numbers[k] = number;
    boxLabels[k] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(number) & 0xFFu);
  }
  return result;
}

std::optional<std::string> ValidateBoxLabels(int n, const BoxNumbers& numbers) {
  const int last = std::min(n, MaxVertices);
  for (int i = 1; i <= last; ++i) {
    const std::int32_t x = numbers[i];
    if (x == 0) continue;
    if (x < 1 || x > n) {
      return "Chyba v " + std::to_string(i) + ". vrchole (nepovolené číslo: " + std::to_string(x) + ").";
    }
    // Whole numbers are compared, so 259 in another box is its own range fault, not a twin of 3.
    for (int j = 1; j <= last; ++j) {
      if (j != i && numbers[j] == x) {
        return "Chyba: vrcholy " + std::to_string(i) + " a " + std::to_string(j) +
               " majú rovnaké číslo: " + std::to_string(x) + ".";
      }
    }
  }
  return std::nullopt;
}
