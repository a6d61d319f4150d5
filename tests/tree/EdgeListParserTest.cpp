#include <gtest/gtest.h>

#include "tree/EdgeListParser.h"
#include "tree/IntConversion.h"

namespace {

// The message a confirmation of these lines shows, or "" when it is accepted.
std::string Confirm(const std::vector<std::string>& lines, int* n = nullptr) {
  const EdgeListParseResult parsed = ParseEdgeList(lines);
  if (!parsed.list) return InvalidIntegerMessage(parsed.failedField);
  if (n) *n = parsed.list->vertexCount;
  return ValidateEdgeList(*parsed.list).value_or("");
}

std::vector<std::string> Lines(int count, const std::string& line) {
  return std::vector<std::string>(static_cast<std::size_t>(count), line);
}

}  // namespace

TEST(EdgeListParser, MessagesInTheOrderOfTheChecks) {
  const struct {
    std::vector<std::string> lines;
    std::string message;
  } cases[] = {
      {{}, "'' is not a valid integer value."},
      {{""}, "'' is not a valid integer value."},
      {{" 1 2"}, "'' is not a valid integer value."},
      {{"1 2 "}, "'2 ' is not a valid integer value."},
      {{"1-2"}, "'' is not a valid integer value."},
      {{"1 2 3"}, "'2 3' is not a valid integer value."},
      {{"1\t2"}, "'' is not a valid integer value."},
      {{"1 3"}, "Chyba v 1. riadku (nepovolené číslo)."},
      {{"0 1"}, "Chyba v 1. riadku (nepovolené číslo)."},
      {{"258 1"}, "Chyba v 1. riadku (nepovolené číslo)."},
      {{"2 2"}, "Chyba v 1. riadku (nesprávne definovaná hrana)."},
      {{"1 2", "2 1"}, "Chyba: 1. a 2. riadok sú rovnaké."},
      {{"1 2", "2 3", "1 3"}, "Chyba: vrchol č. 4 sa nenachádza v určení grafu."},
      {{"1 2", "5 0", "2 1"}, "Chyba: 1. a 3. riadok sú rovnaké."},
      {{"1 2", "3 4", "2 3", "4 3"}, "Chyba: 2. a 4. riadok sú rovnaké."},
      {Lines(20, "1 2"), "Príliš veľa vrcholov: 21 (maximum je 20)."},
      {Lines(150, "7 7"), "Príliš veľa vrcholov: 151 (maximum je 20)."},
  };
  for (const auto& c : cases) EXPECT_EQ(Confirm(c.lines), c.message) << ::testing::PrintToString(c.lines);
}

TEST(EdgeListParser, EveryLineIsConvertedBeforeTheCountCheck) {
  auto lines = Lines(19, "1 2");
  lines.push_back("x y");
  EXPECT_EQ(Confirm(lines), "'x' is not a valid integer value.");
}

TEST(EdgeListParser, AcceptedListsAndTheirVertexCounts) {
  const struct {
    std::vector<std::string> lines;
    int n;
  } cases[] = {
      {{"1 2"}, 2},
      {{"1 2", "", "2 3"}, 2},
      {{"1  2"}, 2},
      {{"+1 $2"}, 2},
      {{"1 2", "2 3", "3 1", "4 5", "5 6"}, 6},
  };
  for (const auto& c : cases) {
    int n = 0;
    EXPECT_EQ(Confirm(c.lines, &n), "") << ::testing::PrintToString(c.lines);
    EXPECT_EQ(n, c.n);
  }
  std::vector<std::string> path;
  for (int v = 1; v < 20; ++v) path.push_back(std::to_string(v) + " " + std::to_string(v + 1));
  int n = 0;
  EXPECT_EQ(Confirm(path, &n), "");
  EXPECT_EQ(n, 20);
}

TEST(EdgeListParser, KeepsPairsAsTypedInOrder) {
  const auto parsed = ParseEdgeList({"5 3", "1  2", "$4 x1"});
  ASSERT_TRUE(parsed.list);
  EXPECT_EQ(parsed.list->pairs, (std::vector<ParsedPair>{{5, 3}, {1, 2}, {4, 1}}));
}
