#pragma once

#include <string>
#include <vector>

#include "search/Hint.h"
#include "tests/support/HintAnswer.h"

// The hint read off the store of every graceful labeling in candidate order.
inline std::string StoreHint(int n, const std::vector<Labels>& store, const Labels& filling) {
  if (store.empty()) return "none";
  const auto broken = [&](const Labels& labels) {
    std::vector<int> vertices;
    for (int v = 1; v <= n; ++v) {
      if (filling[v] && filling[v] != labels[v]) vertices.push_back(v);
    }
    return vertices;
  };
  const Labels* closest = &store.front();
  for (const Labels& labels : store) {
    if (broken(labels).size() < broken(*closest).size()) closest = &labels;
  }
  Hint hint;
  hint.changes = broken(*closest);
  if (!hint.changes.empty()) return HintAnswer(Hint{HintKind::Change, hint.changes, 0, 0, {}});
  int firstEmpty = 0;
  for (int v = n; v >= 1; --v) {
    if (!filling[v]) firstEmpty = v;
  }
  if (!firstEmpty) return "graceful";
  for (int v = firstEmpty; v <= n; ++v) {
    bool same = !filling[v];
    for (const Labels& labels : store) same = same && (!broken(labels).empty() || labels[v] == (*closest)[v]);
    if (same) return HintAnswer(Hint{HintKind::Forced, {}, v, (*closest)[v], {}});
  }
  return HintAnswer(Hint{HintKind::Possible, {}, firstEmpty, (*closest)[firstEmpty], {}});
}
