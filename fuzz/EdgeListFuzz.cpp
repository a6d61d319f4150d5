#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"

namespace {

// A line's two fields: the text before its first blank, and everything after that blank.
std::pair<std::string, std::string> Fields(const std::string& line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string::npos) return {std::string(), line};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

std::pair<int, int> Unordered(const ParsedPair& p) { return std::minmax(p.first, p.second); }

class Rejection {
 public:
  explicit Rejection(const ParsedEdgeList& list) : list_(list), n_(list.vertexCount) {}

  // The message must be one of the known forms, and what it claims must hold: the named line or
  // vertex is faulty in the named way, and nothing checked before it is.
  void Check(const std::string& message) const {
    if (const auto m = fuzz::MatchForm(message, "Príliš veľa vrcholov: # (maximum je 20).")) {
      FUZZ_CHECK(n_ > 20 && (*m)[0] == n_);
      return;
    }
    FUZZ_CHECK(n_ <= 20);
    if (const auto m = fuzz::MatchForm(message, "Chyba v #. riadku (nepovolené číslo).")) {
      const int k = Line((*m)[0]);
      FUZZ_CHECK(!InRange(k) && CleanBefore(k));
    } else if (const auto m = fuzz::MatchForm(message, "Chyba v #. riadku (nesprávne definovaná hrana).")) {
      const int k = Line((*m)[0]);
      FUZZ_CHECK(InRange(k) && Pair(k).first == Pair(k).second && CleanBefore(k));
    } else if (const auto m = fuzz::MatchForm(message, "Chyba: #. a #. riadok sú rovnaké.")) {
      const int k = Line((*m)[0]);
      const int j = Line((*m)[1]);
      FUZZ_CHECK(k < j && InRange(k) && Pair(k).first != Pair(k).second && CleanBefore(k));
      FUZZ_CHECK(Unordered(Pair(k)) == Unordered(Pair(j)));
      for (int other = 1; other < j; ++other)
        FUZZ_CHECK(other == k || Unordered(Pair(other)) != Unordered(Pair(k)));
    } else if (const auto m = fuzz::MatchForm(message, "Chyba: vrchol č. # sa nenachádza v určení grafu.")) {
      const long long v = (*m)[0];
      FUZZ_CHECK(v >= 1 && v <= n_ && CleanBefore(n_));
      const std::set<int> covered = Covered();
      FUZZ_CHECK(!covered.contains(static_cast<int>(v)));
      for (int smaller = 1; smaller < v; ++smaller) FUZZ_CHECK(covered.contains(smaller));
    } else {
      FUZZ_FAIL("unknown message");
    }
  }

 private:
  int Line(long long k) const {
    FUZZ_CHECK(k >= 1 && k <= n_ - 1);
    return static_cast<int>(k);
  }
  const ParsedPair& Pair(int k) const { return list_.pairs[static_cast<std::size_t>(k - 1)]; }
  bool InRange(int k) const {
    const auto [a, b] = Pair(k);
    return a >= 1 && a <= n_ && b >= 1 && b <= n_;
  }
  // Lines 1..k-1 pass every per-line check.
  bool CleanBefore(int k) const {
    for (int j = 1; j < k; ++j) {
      if (!InRange(j) || Pair(j).first == Pair(j).second) return false;
      for (int other = 1; other <= n_ - 1; ++other)
        if (other != j && Unordered(Pair(other)) == Unordered(Pair(j))) return false;
    }
    return true;
  }
  std::set<int> Covered() const {
    std::set<int> covered;
    for (const auto& [a, b] : list_.pairs) covered.insert({a, b});
    return covered;
  }

  const ParsedEdgeList& list_;
  const int n_;
};

void CheckAcceptedTree(const ParsedEdgeList& list) {
  const int n = list.vertexCount;
  FUZZ_CHECK(n >= 2 && n <= 20);
  std::set<std::pair<int, int>> edges;
  std::set<int> covered;
  for (const ParsedPair& p : list.pairs) {
    FUZZ_CHECK(p.first >= 1 && p.first <= n && p.second >= 1 && p.second <= n);
    FUZZ_CHECK(p.first != p.second);
    FUZZ_CHECK(edges.insert(Unordered(p)).second);
    covered.insert({p.first, p.second});
  }
  FUZZ_CHECK(static_cast<int>(covered.size()) == n);
}

}  // namespace

// The input is the text of the edge box; its lines are what the confirmation reads.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines =
      fuzz::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));

  // Line 1 always counts, then every line up to the first empty one.
  std::size_t taken = 1;
  while (taken < lines.size() && !lines[taken].empty()) ++taken;
  std::vector<ParsedPair> expected;
  std::optional<std::string> expectedFailure;
  for (std::size_t k = 0; k < taken && !expectedFailure; ++k) {
    const auto [first, second] = Fields(lines[k]);
    const auto a = fuzz::ReferenceInt(first);
    const auto b = fuzz::ReferenceInt(second);
    if (!a)
      expectedFailure = first;
    else if (!b)
      expectedFailure = second;
    else
      expected.emplace_back(static_cast<std::int32_t>(*a), static_cast<std::int32_t>(*b));
  }

  const EdgeListParseResult parsed = ParseEdgeList(lines);
  if (expectedFailure) {
    FUZZ_CHECK(!parsed.list && parsed.failedField == *expectedFailure);
    FUZZ_CHECK(fuzz::IsInvalidIntegerReport(InvalidIntegerMessage(parsed.failedField), *expectedFailure));
    return 0;
  }
  FUZZ_CHECK(parsed.list.has_value());
  const ParsedEdgeList& list = *parsed.list;
  FUZZ_CHECK(list.pairs == expected);
  FUZZ_CHECK(list.vertexCount == static_cast<int>(taken) + 1);

  const std::optional<std::string> message = ValidateEdgeList(list);
  if (message)
    Rejection(list).Check(*message);
  else
    CheckAcceptedTree(list);
  return 0;
}
