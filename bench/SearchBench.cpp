// Each comparison runs its baseline in the same process and reports the ratio, so a noisy shared
// machine slows both sides alike. After the benchmarks, every corpus tree is searched once and the
// times are summarised per vertex count.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/TreeLine.h"
#include "search/GracefulSearch.h"

namespace {

std::vector<Edge> Path(int n) {
  std::vector<Edge> edges;
  for (int v = 1; v < n; ++v)
    edges.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v + 1)});
  return edges;
}

std::vector<Edge> Star(int n) {
  std::vector<Edge> edges;
  for (int v = 2; v <= n; ++v) edges.push_back({1, static_cast<std::uint8_t>(v)});
  return edges;
}

// Centre 1, then the legs numbered outward one after another.
std::vector<Edge> Spider(const std::vector<int>& legs) {
  std::vector<Edge> edges;
  int next = 2;
  for (int length : legs) {
    int previous = 1;
    for (int k = 0; k < length; ++k, ++next) {
      edges.push_back({static_cast<std::uint8_t>(previous), static_cast<std::uint8_t>(next)});
      previous = next;
    }
  }
  return edges;
}

using SearchFunction = SearchOutcome (*)(int, const std::vector<Edge>&, const SearchHooks&);

void Search(benchmark::State& state, SearchFunction search, int n, std::vector<Edge> edges) {
  const SearchHooks hooks{nullptr, [] { return true; }};
  std::size_t found = 0;
  for (auto _ : state) {
    const SearchOutcome outcome = search(n, edges, hooks);
    found = outcome.solutions.size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["labelings"] = static_cast<double>(found);
}

BENCHMARK_CAPTURE(Search, Path11_Plain, FindGracefulLabelingsPlain, 11, Path(11))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(Search, Path11_Fast, FindGracefulLabelings, 11, Path(11))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Path12_Plain, FindGracefulLabelingsPlain, 12, Path(12))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(Search, Path12_Fast, FindGracefulLabelings, 12, Path(12))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Star10_Plain, FindGracefulLabelingsPlain, 10, Star(10))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(Search, Star10_Incremental, FindGracefulLabelings, 10, Star(10))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(Search, Path10_Plain, FindGracefulLabelingsPlain, 10, Path(10))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK_CAPTURE(Search, Path10_Incremental, FindGracefulLabelings, 10, Path(10))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// The slowest trees of the corpus for the ordered search: long paths and spiders numbered leg by leg.
BENCHMARK_CAPTURE(Search, Path19_Fast, FindGracefulLabelings, 19, Path(19))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Path20_Fast, FindGracefulLabelings, 20, Path(20))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Spider19_Legs4121433_Fast, FindGracefulLabelings, 19, Spider({4, 1, 2, 1, 4, 3, 3}))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Spider20_Legs14231143_Fast, FindGracefulLabelings, 20,
                  Spider({1, 4, 2, 3, 1, 1, 4, 3}))
    ->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of every benchmark so the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const std::string name = run.benchmark_name();
      seconds_[name.substr(0, name.find("/iterations"))] = run.real_accumulated_time / run.iterations;
    }
  }

  void PrintRatio(const std::string& baseline, const std::string& contender) const {
    const auto a = seconds_.find("Search/" + baseline);
    const auto b = seconds_.find("Search/" + contender);
    if (a == seconds_.end() || b == seconds_.end() || b->second <= 0) return;
    std::printf("%-20s / %-22s = %10.1fx faster\n", baseline.c_str(), contender.c_str(),
                a->second / b->second);
  }

 private:
  std::map<std::string, double> seconds_;
};

void PrintCorpusStatistics(const char* path) {
  std::ifstream in(path);
  if (!in) {
    std::printf("corpus %s not found\n", path);
    return;
  }
  std::map<int, std::vector<double>> millisecondsByN;
  std::map<int, double> longestBreathGapByN;
  std::string line;
  std::string worst;
  double worstMs = 0;
  TreeLine tree;
  while (std::getline(in, line)) {
    if (!ParseTreeLine(line, tree).empty()) continue;
    // The window stays responsive only if breathe() comes often: keep the longest time without it.
    const auto start = std::chrono::steady_clock::now();
    auto lastBreath = start;
    double longestGap = 0;
    const auto noteGap = [&] {
      const auto now = std::chrono::steady_clock::now();
      longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(now - lastBreath).count());
      lastBreath = now;
    };
    const SearchHooks hooks{nullptr, [&] {
                              noteGap();
                              return true;
                            }};
    benchmark::DoNotOptimize(FindGracefulLabelings(tree.n, tree.edges, hooks));
    noteGap();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    millisecondsByN[tree.n].push_back(ms);
    longestBreathGapByN[tree.n] = std::max(longestBreathGapByN[tree.n], longestGap);
    if (ms > worstMs) {
      worstMs = ms;
      worst = line;
    }
  }
  std::printf(
      "\ncorpus %s, the search once per tree:\n   n  trees  median ms     max ms  max breathe gap ms\n",
      path);
  for (auto& [n, ms] : millisecondsByN) {
    std::sort(ms.begin(), ms.end());
    std::printf("%4d %6zu %10.3f %10.3f %19.3f\n", n, ms.size(), ms[ms.size() / 2], ms.back(),
                longestBreathGapByN[n]);
  }
  std::printf("slowest (%.1f ms): %s\n", worstMs, worst.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  bool corpus = true;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strcmp(argv[i], "--no_corpus") == 0) {
      corpus = false;
    } else {
      args.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\n");
  reporter.PrintRatio("Path11_Plain", "Path11_Fast");
  reporter.PrintRatio("Path12_Plain", "Path12_Fast");
  reporter.PrintRatio("Star10_Plain", "Star10_Incremental");
  reporter.PrintRatio("Path10_Plain", "Path10_Incremental");
  if (corpus) PrintCorpusStatistics(GRACEFUL_CORPUS);
  benchmark::Shutdown();
  return 0;
}
