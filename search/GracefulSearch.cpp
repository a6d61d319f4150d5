#include "search/GracefulSearch.h"

#include "search/CandidateEnumeration.h"
#include "search/ClosestLabeling.h"
#include "search/OrderedSearch.h"
#include "search/SearchReporter.h"

namespace {

long long Factorial(int n) {
  long long f = 1;
  for (int i = 2; i <= n; ++i) f *= i;
  return f;
}

}  // namespace

bool IsSearchableGraph(int n, const std::vector<Edge>& edges) {
  if (n < 2 || n > MaxVertices || static_cast<int>(edges.size()) != n - 1) return false;
  for (const Edge& e : edges) {
    if (e.a < 1 || e.a > n || e.b < 1 || e.b > n) return false;
  }
  return true;
}

std::string SearchProgressText(long long j, int n) {
  return "Hľadám riešenia ... " + std::to_string(j * 100 / Factorial(n)) + "%";
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
