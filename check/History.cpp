#include "check/History.h"

#include <algorithm>

void FillingHistory::Store(const Labels& labels, int n) {
  if (HistoryPos >= HistoryCapacity) {
    std::move(History.begin() + 2, History.end(), History.begin() + 1);
    HistoryPos = HistoryCapacity - 1;
  }
  ++HistoryPos;
  HistoryTop = HistoryPos;
  FillingSnapshot& record = History[HistoryPos];
  for (int i = 1; i <= n; ++i) {
    record.boxTexts[i] = labels[i] == 0 ? std::string() : std::to_string(labels[i]);
  }
}

BackForwardState FillingHistory::Buttons() const { return {HistoryPos != 1, HistoryPos != HistoryTop}; }

bool FillingHistory::Back() {
  if (HistoryPos <= 1) return false;
  --HistoryPos;
  return true;
}

bool FillingHistory::Forward() {
  if (HistoryPos >= HistoryTop) return false;
  ++HistoryPos;
  return true;
}
