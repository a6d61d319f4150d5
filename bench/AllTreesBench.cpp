// Some graceful labeling of every tree of n vertices (files/AllTreesCheck, generation included), on
// one worker thread: the counters give trees per second per core, the slowest tree's ms and the
// trees left without a labeling. In the same run, the first labeling in candidate order (what the
// window's search button answers from 11 vertices on) on every tree of 16 vertices, through the
// same check on one worker, and its time against the fast question's on the same trees. Wall-clock
// times; the ordered search may race a hard question on a second thread. The trees of 20 vertices
// (about a quarter of a minute on one core, also on two workers) run only with --all_trees_20.
#include "bench/AllTreesBench.h"

#include <benchmark/benchmark.h>

#include "files/AllTreesCheck.h"
#include "search/OrderedSearch.h"

namespace {

AllTreesResult Check(int n, int threads, TreeLabeler labeler = {}) {
  AllTreesOptions options;
  options.n = n;
  options.threads = threads;
  options.labeler = std::move(labeler);
  return CheckAllTrees(options);
}

void Report(benchmark::State& state, const AllTreesResult& result, int threads) {
  state.counters["trees"] = static_cast<double>(result.checked);
  state.counters["trees_per_s_per_core"] = static_cast<double>(result.checked) / result.seconds / threads;
  state.counters["slowest_ms"] = result.slowest ? result.slowest->ms : 0;
  state.counters["without_labeling"] = static_cast<double>(result.withoutLabeling.size());
}

void AllTreesSomeLabeling(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const int threads = static_cast<int>(state.range(1));
  AllTreesResult result;
  for (auto _ : state) result = Check(n, threads);
  Report(state, result, threads);
}

void AllTreesFirstInOrder(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const TreeLabeler ordered = [](const NumberedTree& tree, SearchReporter& reporter) {
    return FirstGracefulLabelingInCandidateOrder(tree.n, tree.edges, reporter);
  };
  AllTreesResult result;
  AllTreesResult some;
  for (auto _ : state) {
    result = Check(n, 1, ordered);
    some = Check(n, 1);
  }
  Report(state, result, 1);
  state.counters["some_trees_per_s"] = static_cast<double>(some.checked) / some.seconds;
  state.counters["time_vs_some"] = result.seconds / some.seconds;
}

BENCHMARK(AllTreesSomeLabeling)
    ->ArgNames({"n", "threads"})
    ->Args({16, 1})
    ->Args({18, 1})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK(AllTreesFirstInOrder)->ArgName("n")->Arg(16)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

void RegisterAllTreesOf20() {
  benchmark::RegisterBenchmark("AllTreesSomeLabeling", AllTreesSomeLabeling)
      ->ArgNames({"n", "threads"})
      ->Args({20, 1})
      ->Args({20, 2})
      ->Unit(benchmark::kSecond)
      ->Iterations(1);
}
