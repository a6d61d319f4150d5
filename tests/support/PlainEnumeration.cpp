#include "tests/support/PlainEnumeration.h"

#include <cstdlib>

#include "search/SearchReporter.h"

namespace {

// How many plain candidates pass between two calls of breathe(): about 0.3 ms of work.
constexpr int PlainCandidatesPerBreath = 4096;

}  // namespace

SearchOutcome FindGracefulLabelingsPlain(int n, const std::vector<Edge>& edges, const SearchHooks& hooks) {
  SearchOutcome outcome;
  if (!IsSearchableGraph(n, edges)) return outcome;
  SearchReporter reporter(hooks);
  if (n > 10) reporter.ShowWaitingTexts();

  int digit[MaxVertices + 2] = {};
  digit[1] = 0;
  for (int i = 2; i <= n; ++i) digit[i] = 1;
  int untilBreath = PlainCandidatesPerBreath;
  for (long long j = 0;; ++j) {
    if (n <= 10 && j % 100 == 0) reporter.SetText(StatusLine::Summary, SearchProgressText(j, n));

    ++digit[1];
    for (int i = 1; i <= n; ++i) {
      if (digit[i] > n - i + 1) {
        ++digit[i + 1];
        for (int k = 1; k <= i; ++k) digit[k] = 1;
      }
    }
    bool last = true;
    for (int i = 1; i <= n; ++i) last = last && digit[i] == n - i + 1;

    Labels labels{};
    int unused[MaxVertices];
    for (int k = 0; k < n; ++k) unused[k] = k + 1;
    for (int i = 1; i <= n; ++i) {
      const int pos = digit[i] - 1;
      labels[i] = static_cast<std::uint8_t>(unused[pos]);
      for (int k = pos; k < n - i; ++k) unused[k] = unused[k + 1];
    }

    bool seen[MaxVertices] = {};
    for (const Edge& e : edges) seen[std::abs(labels[e.a] - labels[e.b])] = true;
    bool graceful = true;
    for (int v = 1; v < n; ++v) graceful = graceful && seen[v];
    if (graceful) {
      outcome.solutions.push_back(labels);
      if (n > 10) return outcome;
    }

    if (--untilBreath == 0) {
      untilBreath = PlainCandidatesPerBreath;
      if (!reporter.Breathe()) {
        outcome.stopped = true;
        return outcome;
      }
    }
    if (last) return outcome;
  }
}
