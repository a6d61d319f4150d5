// The hint on every pair of corpus/closest.txt, one benchmark per kind of filling, and the next
// labeling: 20 steps from the first labeling of each tree of corpus/trees.txt, one benchmark per
// vertex count. Each runs once; the counters give the median, 90th percentile and maximum
// milliseconds (per pair, per step), the longest stretch without breathe(), how many went over a
// second, and as a baseline measured in the same run the ratio of the median to that of the
// closest labeling (hint) or of the first labeling (next) on the same trees. Wall-clock times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench/FillingPairs.h"
#include "bench/Quantile.h"
#include "bench/Timing.h"
#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "search/Hint.h"
#include "search/NextLabeling.h"

namespace {

constexpr double SlowMs = 1000;

void Report(benchmark::State& state, const std::vector<double>& ms, const std::vector<double>& baseline,
            double longestGap) {
  state.counters["median_ms"] = Quantile(ms, 0.5);
  state.counters["p90_ms"] = Quantile(ms, 0.9);
  state.counters["max_ms"] = Quantile(ms, 1.0);
  state.counters["max_breathe_gap_ms"] = longestGap;
  state.counters["over_1s"] =
      static_cast<double>(std::count_if(ms.begin(), ms.end(), [](double t) { return t > SlowMs; }));
  state.counters["median_vs_baseline"] = Quantile(ms, 0.5) / Quantile(baseline, 0.5);
}

void HintOnFillings(benchmark::State& state, const std::string& kind) {
  std::string error;
  const std::vector<FillingPair> pairs = PairsOfKind(kind, error);
  if (pairs.empty()) {
    state.SkipWithError(error.empty() ? "no pairs of this kind in corpus/closest.txt" : error.c_str());
    return;
  }
  std::vector<double> hint;
  std::vector<double> closest;
  double longestGap = 0;
  for (auto _ : state) {
    for (const FillingPair& p : pairs) {
      const SearchTiming run = TimeSearch([&](const SearchHooks& hooks) {
        SearchReporter reporter(hooks);
        benchmark::DoNotOptimize(FindHint(p.tree.n, p.tree.edges, p.filling, reporter));
      });
      hint.push_back(run.ms);
      longestGap = std::max(longestGap, run.longestBreathGapMs);
      closest.push_back(TimeSearch([&](const SearchHooks& hooks) {
                          benchmark::DoNotOptimize(
                              FindClosestLabeling(p.tree.n, p.tree.edges, p.filling, hooks));
                        }).ms);
    }
  }
  state.counters["pairs"] = static_cast<double>(pairs.size());
  Report(state, hint, closest, longestGap);
}

constexpr int Steps = 20;

void NextSteps(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::string error;
  std::vector<TreeLine> trees;
  for (const CorpusTree& entry : ReadCorpus(GRACEFUL_CORPUS_DIR "/trees.txt", &error)) {
    if (entry.tree.n == n) trees.push_back(entry.tree);
  }
  if (trees.empty()) {
    state.SkipWithError(error.empty() ? "no trees of this size in corpus/trees.txt" : error.c_str());
    return;
  }
  std::vector<double> steps;
  std::vector<double> first;
  double longestGap = 0;
  for (auto _ : state) {
    for (const TreeLine& tree : trees) {
      std::vector<Labels> found;
      first.push_back(TimeSearch([&](const SearchHooks& hooks) {
                        found = FindGracefulLabelings(tree.n, tree.edges, hooks).solutions;
                      }).ms);
      std::optional<Labels> current;
      if (!found.empty()) current = found.front();
      for (int k = 0; current && k < Steps; ++k) {
        const SearchTiming run = TimeSearch([&](const SearchHooks& hooks) {
          SearchReporter reporter(hooks);
          current = NextGracefulLabeling(tree.n, tree.edges, *current, reporter);
        });
        steps.push_back(run.ms);
        longestGap = std::max(longestGap, run.longestBreathGapMs);
      }
    }
  }
  state.counters["trees"] = static_cast<double>(trees.size());
  state.counters["steps"] = static_cast<double>(steps.size());
  Report(state, steps, first, longestGap);
}

#define HINT_KIND(kind) \
  BENCHMARK_CAPTURE(HintOnFillings, kind, std::string(#kind))->Unit(benchmark::kMillisecond)->Iterations(1)

HINT_KIND(empty);
HINT_KIND(few);
HINT_KIND(half);
HINT_KIND(full);
HINT_KIND(subset);
HINT_KIND(changed);
HINT_KIND(random);

BENCHMARK(NextSteps)->ArgName("n")->DenseRange(11, 20)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
