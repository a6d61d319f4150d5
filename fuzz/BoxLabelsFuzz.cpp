#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "check/LabelCheck.h"
#include "fuzz/FuzzCheck.h"
#include "tree/IntConversion.h"

namespace {

// Vertex i passes both tests: unlabeled, or labeled in range with no other vertex sharing it.
bool Clean(int n, const BoxNumbers& numbers, int i) {
  const std::int32_t x = numbers[i];
  if (x == 0) return true;
  if (x < 1 || x > n) return false;
  for (int j = 1; j <= n; ++j)
    if (j != i && numbers[j] == x) return false;
  return true;
}

bool CleanBefore(int n, const BoxNumbers& numbers, int i) {
  for (int before = 1; before < i; ++before)
    if (!Clean(n, numbers, before)) return false;
  return true;
}

int Vertex(long long i, int n) {
  FUZZ_CHECK(i >= 1 && i <= n);
  return static_cast<int>(i);
}

void CheckRejection(int n, const BoxNumbers& numbers, const std::string& message) {
  if (const auto m = fuzz::MatchForm(message, "Chyba v #. vrchole (nepovolené číslo: #).")) {
    const int i = Vertex((*m)[0], n);
    const long long x = (*m)[1];
    FUZZ_CHECK(numbers[i] == x && (x < 1 || x > n) && CleanBefore(n, numbers, i));
  } else if (const auto m = fuzz::MatchForm(message, "Chyba: vrcholy # a # majú rovnaké číslo: #.")) {
    const int i = Vertex((*m)[0], n);
    const int j = Vertex((*m)[1], n);
    const long long x = (*m)[2];
    FUZZ_CHECK(i < j && x >= 1 && x <= n && numbers[i] == x && numbers[j] == x && CleanBefore(n, numbers, i));
    for (int other = 1; other < j; ++other) FUZZ_CHECK(other == i || numbers[other] != x);
  } else {
    FUZZ_FAIL("unknown message");
  }
}

void CheckAccepted(int n, const BoxNumbers& numbers) {
  for (int i = 1; i <= n; ++i) {
    if (numbers[i] == 0) continue;
    FUZZ_CHECK(numbers[i] >= 1 && numbers[i] <= n);
    for (int j = i + 1; j <= n; ++j) FUZZ_CHECK(numbers[j] != numbers[i]);
  }
}

}  // namespace

// Line 1 gives n by its first byte ('2'..'9' mean 2..9, so seeds stay readable); lines 2..21 are
// the texts of boxes 1..20, cut to the two characters a box holds.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int n = 2 + (data[0] + 7) % 19;
  const std::vector<std::string> lines =
      fuzz::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  BoxTexts boxes;
  for (int k = 1; k <= MaxVertices && static_cast<std::size_t>(k) < lines.size(); ++k)
    boxes[k] = lines[k].substr(0, 2);

  // What an earlier check left in the labels; a failed reading must keep it beyond the bad box.
  Labels labels;
  labels.fill(0xA5);
  const Labels before = labels;
  const BoxReadResult read = ReadBoxLabels(n, boxes, labels);

  // Only a shown box can fail; a hidden one that does not convert reads as empty.
  int failed = 0;
  for (int k = 1; k <= n && !failed; ++k)
    if (!boxes[k].empty() && !fuzz::ReferenceInt(boxes[k])) failed = k;
  if (failed) {
    FUZZ_CHECK(read.failedText && *read.failedText == boxes[failed]);
    FUZZ_CHECK(fuzz::IsInvalidIntegerReport(InvalidIntegerMessage(*read.failedText), boxes[failed]));
  } else {
    FUZZ_CHECK(!read.failedText);
  }
  FUZZ_CHECK(labels[0] == before[0]);
  for (int k = 1; k <= MaxVertices; ++k) {
    if (failed && k >= failed) {
      FUZZ_CHECK(read.numbers[k] == 0 && labels[k] == before[k]);
      continue;
    }
    const std::int64_t expected = boxes[k].empty() ? 0 : fuzz::ReferenceInt(boxes[k]).value_or(0);
    FUZZ_CHECK(read.numbers[k] == expected);
    FUZZ_CHECK(labels[k] == static_cast<std::uint8_t>(static_cast<std::uint64_t>(expected) & 0xFF));
  }
  if (failed) return 0;

  const std::optional<std::string> message = ValidateBoxLabels(n, read.numbers);
  if (message)
    CheckRejection(n, read.numbers, *message);
  else
    CheckAccepted(n, read.numbers);
  return 0;
}
