// Each comparison runs its baseline in the same process and reports the ratio, so a noisy shared
// machine slows both sides alike. After the benchmarks, every tree of the corpora is searched once
// by the engine and once by the frozen baseline (bench/baseline/), and the times are summarised
// per family (per vertex count for a corpus without families).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "bench/AllTreesBench.h"
#include "bench/Quantile.h"
#include "bench/Timing.h"
#include "bench/baseline/BaselineSearch.h"
#include "corpusio/Corpus.h"
#include "search/GracefulSearch.h"
#include "tests/support/PlainEnumeration.h"

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

// The ordered search as it was before its speed-up, for n >= 11.
SearchOutcome BaselineOrdered(int n, const std::vector<Edge>& edges, const SearchHooks& hooks) {
  SearchReporter reporter(hooks);
  SearchOutcome outcome;
  if (auto first = baseline::FirstGracefulLabelingInCandidateOrder(n, edges, reporter)) {
    outcome.solutions.push_back(*first);
  }
  return outcome;
}

// The slowest trees of the corpus for the ordered search: long paths and spiders numbered leg by leg.
BENCHMARK_CAPTURE(Search, Path19_Baseline, BaselineOrdered, 19, Path(19))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Path19_Fast, FindGracefulLabelings, 19, Path(19))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Path20_Baseline, BaselineOrdered, 20, Path(20))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Path20_Fast, FindGracefulLabelings, 20, Path(20))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Spider19_Legs4121433_Baseline, BaselineOrdered, 19, Spider({4, 1, 2, 1, 4, 3, 3}))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Spider19_Legs4121433_Fast, FindGracefulLabelings, 19, Spider({4, 1, 2, 1, 4, 3, 3}))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Search, Spider20_Legs14231143_Baseline, BaselineOrdered, 20,
                  Spider({1, 4, 2, 3, 1, 1, 4, 3}))
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

struct Timing : SearchTiming {
  std::string answer;
};

// The baseline takes minutes on a few trees: it is stopped after this long, which makes its
// figures for those trees (and the ratios) lower bounds.
constexpr double BaselineCapMs = 10000;

// One search, timed, with its answer.
template <typename Search>
Timing Time(const TreeLine& tree, Search search, double capMs = 0) {
  Timing timing;
  static_cast<SearchTiming&>(timing) = TimeSearch(
      [&](const SearchHooks& hooks) { timing.answer = LabelsText(search(tree, hooks), tree.n); }, capMs);
  return timing;
}

std::optional<Labels> Today(const TreeLine& tree, const SearchHooks& hooks) {
  const SearchOutcome outcome = FindGracefulLabelings(tree.n, tree.edges, hooks);
  return outcome.solutions.empty() ? std::nullopt : std::optional<Labels>(outcome.solutions.front());
}

std::optional<Labels> Baseline(const TreeLine& tree, const SearchHooks& hooks) {
  SearchReporter reporter(hooks);
  return baseline::FirstGracefulLabelingInCandidateOrder(tree.n, tree.edges, reporter);
}

struct Group {
  std::vector<double> ms;
  std::vector<double> baselineMs;
  double longestBreathGapMs = 0;
  double slowestMs = 0;
  std::string slowest;
};

// Every tree of the corpus is searched once by the engine and, from 11 vertices on, once by the
// frozen baseline; the two answers must agree. Trees without a family header are grouped by size.
void PrintCorpusStatistics(const std::string& path, bool withBaseline, double limitMs) {
  std::string error;
  const std::vector<CorpusTree> trees = ReadCorpus(path, &error);
  if (!error.empty()) {
    std::printf("%s\n", error.c_str());
    return;
  }
  std::map<std::string, Group> groups;
  std::vector<std::string> order;
  int disagreements = 0;
  int capped = 0;
  std::vector<std::string> overLimit;
  for (const CorpusTree& entry : trees) {
    const TreeLine& tree = entry.tree;
    std::string name = entry.family;
    if (name.empty()) name = tree.n <= 10 ? "n<=10" : "n=" + std::to_string(tree.n);
    if (!groups.count(name)) order.push_back(name);
    Group& group = groups[name];
    const Timing today = Time(tree, Today);
    group.ms.push_back(today.ms);
    group.longestBreathGapMs = std::max(group.longestBreathGapMs, today.longestBreathGapMs);
    if (today.ms > group.slowestMs) {
      group.slowestMs = today.ms;
      group.slowest = entry.text;
    }
    if (today.ms > limitMs) overLimit.push_back(std::to_string(today.ms) + " ms: " + entry.text);
    if (withBaseline && tree.n > 10) {
      const Timing before = Time(tree, Baseline, BaselineCapMs);
      group.baselineMs.push_back(before.ms);
      if (before.capped) {
        ++capped;
      } else if (before.answer != today.answer) {
        ++disagreements;
        std::printf("DIFFERENT ANSWERS for %s: %s, baseline %s\n", entry.text.c_str(), today.answer.c_str(),
                    before.answer.c_str());
      }
    }
  }
  std::printf("\ncorpus %s, each tree searched once (ms):\n", path.c_str());
  std::printf("%-12s %6s %9s %9s %9s %9s | %9s %9s %9s %8s %8s\n", "family", "trees", "median", "p90", "max",
              "breath", "base med", "base p90", "base max", "x median", "x total");
  std::vector<double> all;
  std::vector<double> allOrdered;
  for (const std::string& name : order) {
    const Group& g = groups[name];
    all.insert(all.end(), g.ms.begin(), g.ms.end());
    std::printf("%-12s %6zu %9.3f %9.3f %9.3f %9.3f", name.c_str(), g.ms.size(), Quantile(g.ms, 0.5),
                Quantile(g.ms, 0.9), Quantile(g.ms, 1), g.longestBreathGapMs);
    if (!g.baselineMs.empty()) {
      allOrdered.insert(allOrdered.end(), g.ms.begin(), g.ms.end());
      double total = 0;
      double baselineTotal = 0;
      for (double ms : g.ms) total += ms;
      for (double ms : g.baselineMs) baselineTotal += ms;
      std::printf(" | %9.3f %9.3f %9.3f %8.1f %8.1f", Quantile(g.baselineMs, 0.5),
                  Quantile(g.baselineMs, 0.9), Quantile(g.baselineMs, 1),
                  Quantile(g.baselineMs, 0.5) / Quantile(g.ms, 0.5), baselineTotal / total);
    }
    std::printf("\n");
  }
  std::printf("%-12s %6zu %9.3f %9.3f %9.3f\n", "all", all.size(), Quantile(all, 0.5), Quantile(all, 0.9),
              Quantile(all, 1));
  if (!allOrdered.empty()) {
    std::printf("%-12s %6zu %9.3f %9.3f %9.3f\n", "n>=11", allOrdered.size(), Quantile(allOrdered, 0.5),
                Quantile(allOrdered, 0.9), Quantile(allOrdered, 1));
  }
  for (const std::string& name : order) {
    std::printf("slowest %-12s %s\n", name.c_str(), groups[name].slowest.c_str());
  }
  std::printf("trees over %.0f ms: %zu\n", limitMs, overLimit.size());
  for (const std::string& text : overLimit) std::printf("  %s\n", text.c_str());
  if (withBaseline) {
    std::printf("answers different from the baseline: %d; baseline stopped after %.0f s: %d trees\n",
                disagreements, BaselineCapMs / 1000, capped);
  }
}

}  // namespace

// --corpus_only skips the micro benchmarks, --no_baseline the baseline's corpus runs; --corpus=FILE
// (repeatable) replaces the two default corpora; --all_trees_20 adds the check of every tree of 20
// vertices.
int main(int argc, char** argv) {
  bool micro = true;
  bool corpus = true;
  bool withBaseline = true;
  std::vector<std::string> corpora;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--no_corpus") {
      corpus = false;
    } else if (arg == "--corpus_only") {
      micro = false;
    } else if (arg == "--no_baseline") {
      withBaseline = false;
    } else if (arg == "--all_trees_20") {
      RegisterAllTreesOf20();
    } else if (arg.rfind("--corpus=", 0) == 0) {
      corpora.push_back(arg.substr(9));
    } else {
      args.push_back(argv[i]);
    }
  }
  if (corpora.empty()) corpora = {GRACEFUL_CORPUS_DIR "/trees.txt", GRACEFUL_CORPUS_DIR "/hard-corpus.txt"};
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (micro) {
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    reporter.PrintRatio("Path11_Plain", "Path11_Fast");
    reporter.PrintRatio("Path12_Plain", "Path12_Fast");
    reporter.PrintRatio("Star10_Plain", "Star10_Incremental");
    reporter.PrintRatio("Path10_Plain", "Path10_Incremental");
    reporter.PrintRatio("Path19_Baseline", "Path19_Fast");
    reporter.PrintRatio("Path20_Baseline", "Path20_Fast");
    reporter.PrintRatio("Spider19_Legs4121433_Baseline", "Spider19_Legs4121433_Fast");
    reporter.PrintRatio("Spider20_Legs14231143_Baseline", "Spider20_Legs14231143_Fast");
  }
  if (corpus) {
    for (const std::string& path : corpora) PrintCorpusStatistics(path, withBaseline, 100);
  }
  benchmark::Shutdown();
  return 0;
}
