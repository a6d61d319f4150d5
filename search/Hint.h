#pragma once

#include <optional>
#include <string>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

enum class HintKind {
  None,      // the graph has no graceful labeling
  Change,    // no graceful labeling keeps the filling: these filled boxes must change
  Graceful,  // every box is filled and the filling is graceful
  Forced,    // this empty box can hold only this number if the filling is to be completed
  Possible,  // this number in this empty box leads to a graceful labeling, but so do others
};

struct Hint {
  HintKind kind = HintKind::None;
  // Change: the filled boxes the closest labeling contradicts, in increasing order.
  std::vector<int> changes;
  // Forced and Possible: the lowest empty box the hint is about, and its number.
  int vertex = 0;
  int label = 0;
  // The closest graceful labeling, as FindClosestGracefulLabeling gives it (all kinds but None).
  Labels closest{};
};

// What to do next with the filling (filling[v] = the number in box v, 0 = empty; numbers in 1..n,
// none twice): the first kind of HintKind that applies, in the order listed. Forced names the
// lowest empty box whose number is the same in every graceful labeling that keeps the filling;
// Possible the lowest empty box with its number in the closest labeling. nullopt when the reporter
// was told to stop.
std::optional<Hint> FindHint(int n, const std::vector<Edge>& edges, const Labels& filling,
                             SearchReporter& reporter);

inline constexpr const char* CannotCompleteText = "Vyplnenie sa nedá doplniť na graciózne ohodnotenie.";
inline constexpr const char* GracefulFillingText = "Ohodnotenie je graciózne.";
inline constexpr const char* OtherwiseStuckText = "inak sa vyplnenie nedá dokončiť.";
inline constexpr const char* NotTheOnlyChoiceText = "ale nie je to jediná možnosť.";

// The two status lines of a hint, e.g. "Vrchol 7 musí mať číslo 12," and OtherwiseStuckText.
struct HintLines {
  std::string first;
  std::string second;
};

HintLines HintTexts(const Hint& hint);
