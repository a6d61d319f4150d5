#include <gtest/gtest.h>

#include "check/History.h"
#include "check/LabelCheck.h"
#include "support/TestLabels.h"

namespace {

struct Position {
  int pos, top;
  bool back, forward;
  friend bool operator==(const Position&, const Position&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Position& p) {
    return os << "pos " << p.pos << " top " << p.top << " back " << p.back << " forward " << p.forward;
  }
};

Position Where(const FillingHistory& h) {
  return {h.HistoryPos, h.HistoryTop, h.Buttons().backEnabled, h.Buttons().forwardEnabled};
}

}  // namespace

TEST(History, StoreBackForwardAndTruncation) {
  FillingHistory h;
  h.Store(MakeLabels({1, 0, 3}), 3);
  EXPECT_EQ(Where(h), (Position{1, 1, false, false}));
  h.Store(MakeLabels({2, 1, 3}), 3);
  h.Store(MakeLabels({3, 1, 2}), 3);
  EXPECT_EQ(Where(h), (Position{3, 3, true, false}));

  EXPECT_FALSE(h.Forward());
  EXPECT_TRUE(h.Back());
  EXPECT_TRUE(h.Back());
  EXPECT_FALSE(h.Back());
  EXPECT_EQ(Where(h), (Position{1, 3, false, true}));
  EXPECT_EQ(h.Current().boxTexts[1], "1");
  EXPECT_EQ(h.Current().boxTexts[2], "");
  EXPECT_TRUE(h.Forward());
  EXPECT_EQ(Where(h), (Position{2, 3, true, true}));

  // Storing after stepping back makes the new filling the newest; the third is out of reach.
  EXPECT_TRUE(h.Back());
  h.Store(MakeLabels({1, 3, 2}), 3);
  EXPECT_EQ(Where(h), (Position{2, 2, true, false}));
  EXPECT_EQ(h.Current().boxTexts[2], "3");
}

TEST(History, FullHistoryDropsTheOldestAndStaysInRange) {
  FillingHistory h;
  for (int k = 1; k <= HistoryCapacity + 1; ++k) h.Store(MakeLabels({k % 200}), 1);
  EXPECT_EQ(Where(h), (Position{100, 100, true, false}));
  EXPECT_EQ(h.History[1].boxTexts[1], "2");
  EXPECT_EQ(h.History[100].boxTexts[1], "101");

  // Back to the first of a full history, then store: the later ones are cut off, nothing dropped.
  h.HistoryPos = 1;
  h.Store(MakeLabels({7}), 1);
  EXPECT_EQ(Where(h), (Position{2, 2, true, false}));
  EXPECT_EQ(h.History[1].boxTexts[1], "2");
}

TEST(History, StoresLabelsAsPlainDecimalTexts) {
  BoxTexts boxes;
  boxes[1] = "07";
  boxes[2] = " 5";
  boxes[3] = "+3";
  boxes[4] = "$A";
  boxes[5] = "00";
  Labels labels{};
  ASSERT_FALSE(ReadBoxLabels(6, boxes, labels).failedText);

  FillingHistory h;
  h.History[1].boxTexts[7] = "19";  // left by a larger tree
  h.Store(labels, 6);
  const std::vector<std::string> stored(h.Current().boxTexts.begin() + 1, h.Current().boxTexts.begin() + 8);
  EXPECT_EQ(stored, (std::vector<std::string>{"7", "5", "3", "10", "", "", "19"}));
}
