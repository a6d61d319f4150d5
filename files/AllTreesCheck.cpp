#include "files/AllTreesCheck.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "search/SomeGracefulLabeling.h"

namespace {

// Trees a worker takes at a time: a few milliseconds of work, so the last chunks end close together.
constexpr long long ChunkSize = 64;

// Whether labels is a graceful labeling of the tree: labels 1..n, each once, and distinct values.
bool IsGracefulLabeling(const NumberedTree& tree, const Labels& labels) {
  std::uint32_t seenLabels = 0;
  for (int v = 1; v <= tree.n; ++v) {
    const int label = labels[v];
    if (label < 1 || label > tree.n || (seenLabels & (1u << label))) return false;
    seenLabels |= 1u << label;
  }
  std::uint32_t seenValues = 0;
  for (const Edge& e : tree.edges) {
    const int value = std::abs(labels[e.a] - labels[e.b]);
    if (seenValues & (1u << value)) return false;
    seenValues |= 1u << value;
  }
  return true;
}

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

}  // namespace

TreeLabeler SomeLabelingOfTree() {
  return [](const NumberedTree& tree, SearchReporter& reporter) {
    return SomeGracefulLabeling(tree.n, tree.edges, reporter);
  };
}

std::optional<double> SecondsLeft(const AllTreesProgress& progress) {
  if (progress.done <= 0) return std::nullopt;
  if (progress.finished || progress.done >= progress.total) return 0.0;
  return progress.seconds * static_cast<double>(progress.total - progress.done) /
         static_cast<double>(progress.done);
}

AllTreesCheck::AllTreesCheck(AllTreesOptions options) : options_(std::move(options)) {
  options_.n = std::clamp(options_.n, MinAllTreesVertices, MaxAllTreesVertices);
  if (!options_.labeler) options_.labeler = SomeLabelingOfTree();
  int threads =
      options_.threads > 0 ? options_.threads : static_cast<int>(std::thread::hardware_concurrency());
  threads = std::max(threads, 1);
  total_ = FreeTreeCount(options_.n);
  result_.n = options_.n;
  result_.total = total_;
  if (options_.keepLabelings) result_.labelings.assign(static_cast<std::size_t>(total_), Labels{});
  start_ = std::chrono::steady_clock::now();
  // Each worker writes only its own record; made up front so that none moves.
  workerResults_.resize(static_cast<std::size_t>(threads));
  // The constructor counts as running until every worker has started, so that a quick first worker
  // cannot take itself for the last.
  running_ = 1;
  for (int t = 0; t < threads; ++t) {
    ++running_;
    try {
      workers_.emplace_back([this, t] { Work(workerResults_[static_cast<std::size_t>(t)]); });
    } catch (const std::system_error&) {
      // Fewer threads than asked for; with none at all, Wait() does the work itself.
      --running_;
      workerResults_.resize(static_cast<std::size_t>(std::max(t, 1)));
      break;
    }
  }
  if (!workers_.empty()) Finish();
}

AllTreesCheck::~AllTreesCheck() {
  Stop();
  for (std::thread& worker : workers_) worker.join();
}

AllTreesProgress AllTreesCheck::Progress() const {
  AllTreesProgress progress;
  progress.done = done_.load(std::memory_order_relaxed);
  progress.total = total_;
  const long long finishedAfter = finishedAfter_.load();
  progress.finished = finishedAfter >= 0;
  progress.seconds = progress.finished ? static_cast<double>(finishedAfter) * 1e-9
                                       : Seconds(std::chrono::steady_clock::now() - start_);
  return progress;
}

void AllTreesCheck::Work(WorkerResult& result) {
  FreeTreeGenerator generator(options_.n);
  NumberedTree tree;
  // The stop flag is all a worker's search breathes on.
  const SearchHooks hooks{nullptr, [this] { return !stop_.load(std::memory_order_relaxed); }};
  SearchReporter reporter(hooks);
  while (!reporter.Stopped() && !stop_.load(std::memory_order_relaxed)) {
    const long long first = nextChunk_.fetch_add(1) * ChunkSize;
    if (first >= total_) break;
    generator.SkipTo(first);
    for (long long k = 0; k < ChunkSize && generator.Valid(); ++k, generator.Next()) {
      if (stop_.load(std::memory_order_relaxed)) break;
      generator.Fill(tree);
      const auto treeStart = std::chrono::steady_clock::now();
      const std::optional<Labels> labels = options_.labeler(tree, reporter);
      const double ms = Seconds(std::chrono::steady_clock::now() - treeStart) * 1000;
      if (reporter.Stopped()) break;
      if (labels && IsGracefulLabeling(tree, *labels)) {
        if (options_.keepLabelings) result_.labelings[static_cast<std::size_t>(tree.index)] = *labels;
        if (!result.slowest || ms > result.slowest->ms) result.slowest = SlowTree{tree, ms, *labels};
      } else {
        result.withoutLabeling.push_back(tree);
      }
      done_.fetch_add(1, std::memory_order_relaxed);
    }
  }
  Finish();
}

void AllTreesCheck::Finish() {
  if (running_.fetch_sub(1) == 1) {
    finishedAfter_ =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_)
            .count();
  }
}

const AllTreesResult& AllTreesCheck::Wait() {
  if (collected_) return result_;
  // No worker could be started: the constructor's count stands for this thread's work.
  if (workers_.empty()) Work(workerResults_.front());
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
  collected_ = true;
  result_.checked = done_.load();
  result_.stopped = result_.checked < total_;
  result_.seconds = static_cast<double>(finishedAfter_.load()) * 1e-9;
  for (WorkerResult& worker : workerResults_) {
    if (worker.slowest && (!result_.slowest || worker.slowest->ms > result_.slowest->ms)) {
      result_.slowest = std::move(worker.slowest);
    }
    for (NumberedTree& tree : worker.withoutLabeling) result_.withoutLabeling.push_back(std::move(tree));
  }
  std::sort(result_.withoutLabeling.begin(), result_.withoutLabeling.end(),
            [](const NumberedTree& a, const NumberedTree& b) { return a.index < b.index; });
  return result_;
}

AllTreesResult CheckAllTrees(const AllTreesOptions& options) {
  AllTreesCheck check(options);
  return check.Wait();
}
