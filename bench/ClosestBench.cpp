// The closest labeling on every pair of corpus/closest.txt, one benchmark per kind of filling. Each
// pair is answered once per iteration and the counters give the median, 90th percentile and
// maximum milliseconds, the longest stretch without breathe(), and as a baseline measured in the
// same run the ratio of the median to that of the first-in-order search on the same trees. The
// times are wall-clock times: a hard search works on two threads.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/FillingPairs.h"
#include "bench/Quantile.h"
#include "bench/Timing.h"
#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"

namespace {

void Closest(benchmark::State& state, const std::string& kind) {
  std::string error;
  const std::vector<FillingPair> pairs = PairsOfKind(kind, error);
  if (pairs.empty()) {
    state.SkipWithError(error.empty() ? "no pairs of this kind in corpus/closest.txt" : error.c_str());
    return;
  }
  std::vector<double> closest;
  std::vector<double> first;
  double longestGap = 0;
  for (auto _ : state) {
    closest.clear();
    first.clear();
    for (const FillingPair& p : pairs) {
      const SearchTiming closestRun = TimeSearch([&](const SearchHooks& hooks) {
        benchmark::DoNotOptimize(FindClosestLabeling(p.tree.n, p.tree.edges, p.filling, hooks));
      });
      closest.push_back(closestRun.ms);
      longestGap = std::max(longestGap, closestRun.longestBreathGapMs);
      first.push_back(TimeSearch([&](const SearchHooks& hooks) {
                        benchmark::DoNotOptimize(FindGracefulLabelings(p.tree.n, p.tree.edges, hooks));
                      }).ms);
    }
  }
  state.counters["pairs"] = static_cast<double>(pairs.size());
  state.counters["median_ms"] = Quantile(closest, 0.5);
  state.counters["p90_ms"] = Quantile(closest, 0.9);
  state.counters["max_ms"] = Quantile(closest, 1.0);
  state.counters["max_breathe_gap_ms"] = longestGap;
  state.counters["median_vs_first"] = Quantile(closest, 0.5) / Quantile(first, 0.5);
}

#define CLOSEST_KIND(kind) \
  BENCHMARK_CAPTURE(Closest, kind, std::string(#kind))->Unit(benchmark::kMillisecond)->Iterations(1)

CLOSEST_KIND(empty);
CLOSEST_KIND(few);
CLOSEST_KIND(half);
CLOSEST_KIND(full);
CLOSEST_KIND(subset);
CLOSEST_KIND(changed);
CLOSEST_KIND(random);

}  // namespace
