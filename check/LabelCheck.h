#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "tree/TreeModel.h"

// The texts of the vertex boxes e01..e20 (index 1..20; index 0 unused).
using BoxTexts = std::array<std::string, MaxVertices + 1>;

// The numbers as converted from the boxes (index 1..20). Kept whole because the messages show
// them as typed (-3, 300), while the labels keep only their low eight bits.
using BoxNumbers = std::array<std::int32_t, MaxVertices + 1>;

struct BoxReadResult {
  BoxNumbers numbers{};                   // entries from the failed box on stay 0
  std::optional<std::string> failedText;  // the box text that did not convert
};

// Reads all twenty boxes in order, also those beyond n: an empty text is 0, any other text is
// converted and its low eight bits go into `boxLabels`. A text in boxes 1..n that does not convert
// stops the reading: the entries before it are written, the others keep what they held. A hidden
// box beyond n counts as empty when its text does not convert, since the user can neither see nor
// mend it.
BoxReadResult ReadBoxLabels(int n, const BoxTexts& boxTexts, Labels& boxLabels);

// The first fault among vertices 1..n (range before duplicates, vertex by vertex), or nothing.
std::optional<std::string> ValidateBoxLabels(int n, const BoxNumbers& numbers);
