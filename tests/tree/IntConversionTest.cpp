#include <gtest/gtest.h>

#include "tree/IntConversion.h"

TEST(IntConversion, AcceptsDecimalHexSignsAndLeadingBlanks) {
  const struct {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"0", 0},
      {"00", 0},
      {"7", 7},
      {"+1", 1},
      {"-3", -3},
      {"   12", 12},
      {"$2", 2},
      {"x1A", 26},
      {"X1a", 26},
      {"0x10", 16},
      {"0XfF", 255},
      {"-$10", -16},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483648LL},
      {"$7FFFFFFF", 2147483647},
      {"000000000000000000000000000042", 42},
  };
  for (const auto& c : cases) {
    const auto v = ConvertToInt(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(IntConversion, RejectsEverythingElseWithoutOverflow) {
  const char* rejected[] = {"",
                            " ",
                            "+",
                            "-",
                            "$",
                            "0x",
                            "1 ",
                            "2 3",
                            "1-2",
                            "\t1",
                            "1.0",
                            "a",
                            "12a",
                            "2147483648",
                            "-2147483649",
                            "$80000000",
                            "99999999999999999999999",
                            "- 1",
                            "+-1",
                            "x-1",
                            "0x$1",
                            "１"};
  for (const char* text : rejected) EXPECT_FALSE(ConvertToInt(text).has_value()) << '"' << text << '"';
}

TEST(IntConversion, FailureMessageQuotesTheTextAsCut) {
  EXPECT_EQ(InvalidIntegerMessage(""), "'' is not a valid integer value.");
  EXPECT_EQ(InvalidIntegerMessage("2 "), "'2 ' is not a valid integer value.");
}
