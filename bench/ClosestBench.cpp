// The closest labeling on every pair of corpus/closest.txt, one benchmark per kind of filling. Each
// pair is answered once per iteration and the counters give the median, 90th percentile and
// maximum milliseconds, the longest stretch without breathe(), and as a baseline measured in the
// same run the ratio of the median to that of the first-in-order search on the same trees. The
// times are the thread's processor time, so that other work on a shared machine does not inflate them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "bench/Quantile.h"
#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"

namespace {

struct Pair {
  TreeLine tree;
  Labels filling{};
};

std::vector<Pair> PairsOfKind(const std::string& kind) {
  std::ifstream in(GRACEFUL_CORPUS_DIR "/closest.txt");
  std::vector<Pair> pairs;
  std::string line;
  std::string current;
  while (std::getline(in, line)) {
    if (line.rfind("# ", 0) == 0) {
      current = line.substr(2);
    } else if (current == kind) {
      Pair pair;
      if (ParseFillingLine(line, pair.tree, pair.filling).empty()) pairs.push_back(pair);
    }
  }
  return pairs;
}

double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

template <typename Search>
double Milliseconds(Search search, double& longestGap) {
  const double start = ThreadMilliseconds();
  double lastBreath = start;
  const auto noteGap = [&] {
    const double now = ThreadMilliseconds();
    longestGap = std::max(longestGap, now - lastBreath);
    lastBreath = now;
  };
  search(SearchHooks{nullptr, [&] {
                       noteGap();
                       return true;
                     }});
  noteGap();
  return ThreadMilliseconds() - start;
}

void Closest(benchmark::State& state, const std::string& kind) {
  const std::vector<Pair> pairs = PairsOfKind(kind);
  if (pairs.empty()) {
    state.SkipWithError("no pairs of this kind in corpus/closest.txt");
    return;
  }
  std::vector<double> closest;
  std::vector<double> first;
  double longestGap = 0;
  double ignoredGap = 0;
  for (auto _ : state) {
    closest.clear();
    first.clear();
    for (const Pair& p : pairs) {
      closest.push_back(Milliseconds(
          [&](const SearchHooks& hooks) {
            benchmark::DoNotOptimize(FindClosestLabeling(p.tree.n, p.tree.edges, p.filling, hooks));
          },
          longestGap));
      first.push_back(Milliseconds(
          [&](const SearchHooks& hooks) {
            benchmark::DoNotOptimize(FindGracefulLabelings(p.tree.n, p.tree.edges, hooks));
          },
          ignoredGap));
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
