#include "search/GracefulSearch.h"

#include <cstdlib>

#include "search/CandidateEnumeration.h"
#include "search/ClosestLabeling.h"
#include "search/OrderedSearch.h"
#include "search/SearchReporter.h"

namespace {

// How many plain candidates pass between two calls of breathe(): about 0.3 ms of work.
constexpr int PlainCandidatesPerBreath = 4096;

bool IsSearchableGraph(int n, const std::vector<Edge>& edges) {
  if (n < 2 || n > MaxVertices || static_cast<int>(edges.size()) != n - 1) return false;
  for (const Edge& e : edges) {
    if (e.a < 1 || e.a > n || e.b < 1 || e.b > n) return false;
  }
  return true;
}

long long Factorial(int n) {
  long long f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

}  // namespace

std::string SearchProgressText(long long j, int n) {
  return "Hľadám riešenia ... " + std::to_string(j * 100 / Factorial(n)) + "%";
}

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

SearchOutcome FindGracefulLabelings(int n, const std::vector<Edge>& edges, const SearchHooks& hooks) {
  SearchOutcome outcome;
  if (!IsSearchableGraph(n, edges)) return outcome;
  SearchReporter reporter(hooks);
  if (n <= 10) {
    outcome.solutions = EnumerateGracefulLabelings(n, edges, reporter);
  } else {
    reporter.ShowWaitingTexts();
    if (auto first = FirstGracefulLabelingInCandidateOrder(n, edges, reporter)) {
      outcome.solutions.push_back(*first);
    }
  }
  outcome.stopped = reporter.Stopped();
  if (outcome.stopped && n > 10) outcome.solutions.clear();
  return outcome;
}

ClosestOutcome FindClosestLabeling(int n, const std::vector<Edge>& edges, const Labels& filling,
                                   const SearchHooks& hooks) {
  ClosestOutcome outcome;
  if (!IsSearchableGraph(n, edges)) return outcome;
  SearchReporter reporter(hooks);
  const std::optional<ClosestLabeling> closest = FindClosestGracefulLabeling(n, edges, filling, reporter);
  outcome.stopped = reporter.Stopped();
  if (closest && !outcome.stopped) {
    outcome.found = true;
    outcome.labels = closest->labels;
    outcome.differing = closest->differing;
  }
  return outcome;
}
