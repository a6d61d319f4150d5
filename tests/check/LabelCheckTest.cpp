#include <gtest/gtest.h>

#include "check/LabelCheck.h"
#include "tree/IntConversion.h"

namespace {

BoxTexts Boxes(std::initializer_list<std::string> texts) {
  BoxTexts boxes;
  int k = 1;
  for (const std::string& t : texts) boxes[k++] = t;
  return boxes;
}

// What the check reports for these boxes on a tree of n vertices: a message, or "".
std::string Check(int n, const BoxTexts& boxes) {
  Labels labels{};
  const BoxReadResult read = ReadBoxLabels(n, boxes, labels);
  if (read.failedText) return InvalidIntegerMessage(*read.failedText);
  return ValidateBoxLabels(n, read.numbers).value_or("");
}

}  // namespace

TEST(LabelCheck, FirstFaultInVertexOrder) {
  const struct {
    int n;
    BoxTexts boxes;
    std::string message;
  } cases[] = {
      {5, Boxes({}), ""},
      {3, Boxes({"0", "00", " 0"}), ""},
      {5, Boxes({"", "", "", "6"}), "Chyba v 4. vrchole (nepovolené číslo: 6)."},
      {5, Boxes({"", "-3"}), "Chyba v 2. vrchole (nepovolené číslo: -3)."},
      {5, Boxes({"300"}), "Chyba v 1. vrchole (nepovolené číslo: 300)."},
      {5, Boxes({"256"}), "Chyba v 1. vrchole (nepovolené číslo: 256)."},
      {5, Boxes({"5", "3", "5", "3"}), "Chyba: vrcholy 1 a 3 majú rovnaké číslo: 5."},
      {3, Boxes({"2", "30", "2"}), "Chyba: vrcholy 1 a 3 majú rovnaké číslo: 2."},
      {3, Boxes({"30", "2", "2"}), "Chyba v 1. vrchole (nepovolené číslo: 30)."},
      {4, Boxes({"", "4", "1", "$4"}), "Chyba: vrcholy 2 a 4 majú rovnaké číslo: 4."},
      {4, Boxes({"+1", "07", " 3"}), "Chyba v 2. vrchole (nepovolené číslo: 7)."},
      // 259 shares its low eight bits with 3 but is a range fault of its own vertex.
      {5, Boxes({"3", "259"}), "Chyba v 2. vrchole (nepovolené číslo: 259)."},
      {5, Boxes({"259", "3"}), "Chyba v 1. vrchole (nepovolené číslo: 259)."},
      // Boxes beyond n are converted but never validated.
      {3, Boxes({"1", "2", "3", "1", "99", "-5"}), ""},
      {20, Boxes({"1", "1 x", "1"}), "'1 x' is not a valid integer value."},
      // A hidden box the user cannot mend never blocks the check: its bad text counts as empty.
      {10, Boxes({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "ab"}), ""},
      {4, Boxes({"1", "2", "3", "4", "", "ab"}), ""},
      {4, Boxes({"1", "2", "4", "4", "ab"}), "Chyba: vrcholy 3 a 4 majú rovnaké číslo: 4."},
      {4, Boxes({"1", "2", "", "x", "ab"}), "'x' is not a valid integer value."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Check(c.n, c.boxes), c.message)
        << "n = " << c.n << ", boxes " << ::testing::PrintToString(c.boxes);
  }
}

TEST(LabelCheck, ReadingKeepsLowBitsAndStopsAtTheFailedShownBox) {
  BoxTexts boxes = Boxes({"3", "", "-1", "259", "07"});
  boxes[8] = "z";
  boxes[9] = "4";
  Labels labels{};
  labels.fill(9);
  const BoxReadResult read = ReadBoxLabels(8, boxes, labels);
  ASSERT_EQ(read.failedText, "z");
  EXPECT_EQ(read.numbers[3], -1);
  EXPECT_EQ(read.numbers[4], 259);
  const Labels expected = {9, 3, 0, 255, 3, 7, 0, 0, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
  EXPECT_EQ(labels, expected);

  // With box 8 hidden the reading goes on past it and reads it as empty.
  labels.fill(9);
  const BoxReadResult hidden = ReadBoxLabels(7, boxes, labels);
  EXPECT_FALSE(hidden.failedText);
  EXPECT_EQ(hidden.numbers[8], 0);
  const Labels read7 = {9, 3, 0, 255, 3, 7, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(labels, read7);
}
