#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "files/AllTrees.h"
#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// Finds some graceful labeling of one tree; nullopt when it finds none or was told to stop
// (reporter.Stopped()). Called on the worker threads, each with a reporter of its own.
using TreeLabeler = std::function<std::optional<Labels>(const NumberedTree& tree, SearchReporter& reporter)>;

// The default labeler: SomeGracefulLabeling (search/SomeGracefulLabeling.h).
TreeLabeler SomeLabelingOfTree();

struct AllTreesOptions {
  int n = MaxAllTreesVertices;  // kept within 2..20
  int threads = 0;              // worker threads; 0: as many as the machine runs at once
  TreeLabeler labeler;          // empty: SomeLabelingOfTree()
  // Keep every tree's labeling in the result, by index (n = 20: about 18 MB).
  bool keepLabelings = false;
};

struct AllTreesProgress {
  long long done = 0;   // trees settled so far
  long long total = 0;  // trees of n vertices
  double seconds = 0;   // since the start
  bool finished = false;
};

// The seconds the rest will take at the rate so far; nullopt before any tree is done.
std::optional<double> SecondsLeft(const AllTreesProgress& progress);

struct SlowTree {
  NumberedTree tree;
  double ms = 0;
  Labels labeling{};  // the one found
};

struct AllTreesResult {
  int n = 0;
  long long total = 0;
  long long checked = 0;  // trees settled: with a labeling found or reported below
  double seconds = 0;     // wall time of the whole check, generation included
  bool stopped = false;   // cancelled before the last tree
  std::optional<SlowTree> slowest;
  // Trees for which no graceful labeling was found, in index order (a labeler's answer that is no
  // graceful labeling of the tree counts as none). For trees there are none.
  std::vector<NumberedTree> withoutLabeling;
  // With keepLabelings: labelings[index] (all zero for a tree without one or not reached).
  std::vector<Labels> labelings;
};

// A graceful labeling of every tree of n vertices on worker threads of its own. The caller polls
// Progress() from its own thread; the workers never call out, except into the labeler. Each worker
// takes the next chunk of indices and walks a generator of its own to it, so no tree waits for a
// lock. The labelings do not depend on the number of threads.
class AllTreesCheck {
 public:
  explicit AllTreesCheck(AllTreesOptions options);
  // Stops and waits for the workers.
  ~AllTreesCheck();
  AllTreesCheck(const AllTreesCheck&) = delete;
  AllTreesCheck& operator=(const AllTreesCheck&) = delete;

  AllTreesProgress Progress() const;
  // Asks the workers to stop; they leave within a few thousand search nodes.
  void Stop() { stop_ = true; }
  // Waits for the workers and returns the result (once; later calls return the same).
  const AllTreesResult& Wait();

 private:
  struct WorkerResult {
    std::optional<SlowTree> slowest;
    std::vector<NumberedTree> withoutLabeling;
  };
  void Work(WorkerResult& result);
  // One runner less; the last one notes the time.
  void Finish();

  AllTreesOptions options_;
  long long total_ = 0;
  std::chrono::steady_clock::time_point start_;
  std::atomic<bool> stop_{false};
  std::atomic<long long> nextChunk_{0};
  std::atomic<long long> done_{0};
  std::atomic<int> running_{0};
  // Nanoseconds from the start to the end of the last worker; negative while any runs.
  std::atomic<long long> finishedAfter_{-1};
  std::vector<WorkerResult> workerResults_;
  std::vector<std::thread> workers_;
  AllTreesResult result_;
  bool collected_ = false;
};

// The whole check at once: starts it, waits, returns the result.
AllTreesResult CheckAllTrees(const AllTreesOptions& options);
