#pragma once

#include <array>
#include <string>

#include "tree/TreeModel.h"

inline constexpr int HistoryCapacity = 100;

// The texts of the twenty vertex boxes as stored (slot i for vertex i; slot 0 unused).
struct FillingSnapshot {
  std::array<std::string, MaxVertices + 1> boxTexts;
};

struct BackForwardState {
  bool backEnabled = false;
  bool forwardEnabled = false;
};

// The history of checked fillings, a plain undo list of at most 100 snapshots numbered 1..100.
struct FillingHistory {
  std::array<FillingSnapshot, HistoryCapacity + 1> History;  // record 0 unused
  int HistoryPos = 0;
  int HistoryTop = 0;

  // Stores labels 1..n as decimal texts (empty for 0). When the history is full the oldest
  // snapshot is dropped and the rest move down, so the newest 100 fillings stay reachable.
  void Store(const Labels& labels, int n);
  // One step towards older or newer fillings; false (and nothing moves) at either end.
  bool Back();
  bool Forward();
  // A newly confirmed tree: the next stored filling becomes snapshot 1. The records stay.
  void Restart() { HistoryPos = 0; }
  const FillingSnapshot& Current() const { return History[HistoryPos]; }
  BackForwardState Buttons() const;
};
