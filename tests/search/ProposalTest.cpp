#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "search/Proposal.h"
#include "support/TestLabels.h"

namespace {

// The graceful labelings of the path 1-2, 2-3 in the order the search stores them.
const std::vector<Labels> Path3 = {MakeLabels({2, 1, 3}), MakeLabels({3, 1, 2}), MakeLabels({1, 3, 2}),
                                   MakeLabels({2, 3, 1})};

// Graceful labelings in lexicographic order; enough where only the first of a kind matters.
std::vector<Labels> GracefulInLexicographicOrder(int n, const std::vector<Edge>& edges) {
  std::vector<int> labels(n);
  std::iota(labels.begin(), labels.end(), 1);
  std::vector<Labels> found;
  do {
    std::vector<bool> seen(n, false);
    for (const Edge& e : edges) seen[std::abs(labels[e.a - 1] - labels[e.b - 1])] = true;
    if (std::count(seen.begin() + 1, seen.end(), true) == n - 1) {
      Labels l{};
      for (int v = 1; v <= n; ++v) l[v] = static_cast<std::uint8_t>(labels[v - 1]);
      found.push_back(l);
    }
  } while (std::next_permutation(labels.begin(), labels.end()));
  return found;
}

std::string Texts(const Proposal& p) {
  return p.summary + " | " + p.agreement + " | " + p.sentence.intro + " | " + p.sentence.labels + " | " +
         p.sentence.difference;
}

}  // namespace

TEST(Proposal, ReportsAndProposesForTheFilling) {
  const std::vector<Labels> star4 = GracefulInLexicographicOrder(4, {{1, 2}, {1, 3}, {1, 4}});
  ASSERT_EQ(star4.size(), 12u);
  const std::vector<Labels> path11 = {MakeLabels({7, 3, 10, 4, 9, 1, 11, 2, 5, 6, 8})};
  const struct {
    int n;
    const std::vector<Labels>* labelings;
    Labels boxes;
    int best, score, agree;
    std::string texts;
  } cases[] = {
      {3, &Path3, MakeLabels({}), 1, 3, 4,
       "Graf má 4 graciózne ohodnotenia, | z toho všetky súhlasia s vyplnením grafu. | "
       "Navrhujem doplniť na riešenie: |  (2) (1) (3). | "},
      {3, &Path3, MakeLabels({0, 1}), 1, 3, 2,
       "Graf má 4 graciózne ohodnotenia, | z toho 2 súhlasia s vyplnením grafu. | "
       "Navrhujem doplniť na riešenie: |  (2) (1) (3). | "},
      {3, &Path3, MakeLabels({3}), 2, 3, 1,
       "Graf má 4 graciózne ohodnotenia, | z toho 1 súhlasí s vyplnením grafu. | "
       "Navrhujem doplniť na riešenie: |  (3) (1) (2). | "},
      {3, &Path3, MakeLabels({1, 2, 3}), 1, 1, 0,
       "Graf má 4 graciózne ohodnotenia, | z toho žiadne nesúhlasí s vyplnením grafu. | "
       "Navrhujem riešenie: |  (2) (1) (3),  | ktoré sa líši v 2 vrcholoch."},
      {3, &Path3, MakeLabels({0, 2, 1}), 4, 2, 0,
       "Graf má 4 graciózne ohodnotenia, | z toho žiadne nesúhlasí s vyplnením grafu. | "
       "Navrhujem riešenie: |  (2) (3) (1),  | ktoré sa líši v 1 vrchole."},
      {4, &star4, MakeLabels({1}), 1, 4, 6,
       "Graf má 12 gracióznych ohodnotení, | z toho 6 súhlasí s vyplnením grafu. | "
       "Navrhujem doplniť na riešenie: |  (1) (2) (3) (4). | "},
      {4, &star4, MakeLabels({2}), 1, 3, 0,
       "Graf má 12 gracióznych ohodnotení, | z toho žiadne nesúhlasí s vyplnením grafu. | "
       "Navrhujem riešenie: |  (1) (2) (3) (4),  | ktoré sa líši v 1 vrchole."},
      {11, &path11, MakeLabels({}), 1, 11, 1,
       "Našiel som graciózne ohodnotenie grafu, | pričom toto súhlasí s vyplnením grafu. | "
       "Navrhujem doplniť na riešenie: |  (7) (3) (10) (4) (9) (1) (11) (2) (5) (6) (8). | "},
      {11, &path11, MakeLabels({1, 0, 10}), 1, 10, 0,
       "Našiel som graciózne ohodnotenie grafu, | ktoré ale nesúhlasí s vyplnením grafu. | "
       "Navrhujem riešenie: |  (7) (3) (10) (4) (9) (1) (11) (2) (5) (6) (8),  | ktoré sa líši v 1 vrchole."},
  };
  for (const auto& c : cases) {
    const Proposal p = ProposeSolution(c.n, *c.labelings, c.boxes, {});
    EXPECT_TRUE(p.proposed);
    EXPECT_EQ(Texts(p), c.texts);
    EXPECT_EQ(p.BestIndex, c.best) << c.texts;
    EXPECT_EQ(p.BestScore, c.score) << c.texts;
    EXPECT_EQ(p.AgreeCount, c.agree) << c.texts;
  }
}

TEST(Proposal, PluralFormsOfCountsAgreementsAndDifferences) {
  // Only 1 and 2..4 take the singular and the paucal forms; 21 and 0 do not.
  EXPECT_EQ(CountPhrase(21), " gracióznych ohodnotení");
  EXPECT_EQ(CountPhrase(0), " gracióznych ohodnotení");

  // Records that agree with box 1 = 2 and records that do not, in that order.
  const struct {
    int stored, agreeing;
    std::string label1, label6;
  } agreements[] = {
      {1, 1, "Graf má 1 graciózne ohodnotenie,", "z toho všetky súhlasia s vyplnením grafu."},
      {5, 5, "Graf má 5 gracióznych ohodnotení,", "z toho všetky súhlasia s vyplnením grafu."},
      {1, 0, "Graf má 1 graciózne ohodnotenie,", "z toho žiadne nesúhlasí s vyplnením grafu."},
      {5, 1, "Graf má 5 gracióznych ohodnotení,", "z toho 1 súhlasí s vyplnením grafu."},
      {3, 2, "Graf má 3 graciózne ohodnotenia,", "z toho 2 súhlasia s vyplnením grafu."},
      {6, 4, "Graf má 6 gracióznych ohodnotení,", "z toho 4 súhlasia s vyplnením grafu."},
      {7, 5, "Graf má 7 gracióznych ohodnotení,", "z toho 5 súhlasí s vyplnením grafu."},
  };
  for (const auto& c : agreements) {
    std::vector<Labels> labelings(c.agreeing, MakeLabels({2, 1, 3}));
    labelings.resize(c.stored, MakeLabels({1, 3, 2}));
    const Proposal p = ProposeSolution(3, labelings, MakeLabels({2}), {});
    EXPECT_EQ(p.summary, c.label1);
    EXPECT_EQ(p.agreement, c.label6);
  }

  const Proposal allDiffer = ProposeSolution(3, {MakeLabels({2, 1, 3})}, MakeLabels({1, 3, 2}), {});
  EXPECT_EQ(allDiffer.sentence.difference, "ktoré sa líši vo všetkých vrcholoch.");
  EXPECT_EQ(allDiffer.BestIndex, 1);
  EXPECT_EQ(allDiffer.BestScore, 0);
}

TEST(Proposal, NoLabelingFoundMeansNoProposal) {
  int calls = 0;
  const SearchHooks hooks{[&calls](StatusLine, const std::string&) { ++calls; },
                          [&calls] { return ++calls, true; }};
  const Proposal p = ProposeSolution(6, {}, MakeLabels({1}), hooks);
  EXPECT_FALSE(p.proposed);
  EXPECT_EQ(Texts(p), "Graf nemá žiadne graciózne ohodnotenie. |  |  |  | ");
  EXPECT_EQ(p.BestIndex, 0);
  EXPECT_EQ(calls, 0);
}

TEST(Proposal, ProgressTextsOnlyWhenChangedAndBreathsWhileComparing) {
  std::vector<std::string> sent;
  int breaths = 0;
  const SearchHooks hooks{[&sent](StatusLine line, const std::string& text) {
                            sent.push_back((line == StatusLine::Summary ? "1:" : "6:") + text);
                          },
                          [&breaths] { return ++breaths, true; }};

  ProposeSolution(3, Path3, MakeLabels({}), hooks);
  EXPECT_EQ(sent, (std::vector<std::string>{
                      "1:Graf má 4 graciózne ohodnotenia,", "6:hľadám najpodobnejšie riešenie ... 25%",
                      "6:hľadám najpodobnejšie riešenie ... 50%", "6:hľadám najpodobnejšie riešenie ... 75%",
                      "6:hľadám najpodobnejšie riešenie ... 100%"}));

  sent.clear();
  const std::vector<Labels> many(10000, MakeLabels({2, 1, 3}));
  const Proposal p = ProposeSolution(3, many, MakeLabels({}), hooks);
  EXPECT_EQ(p.AgreeCount, 10000);
  ASSERT_EQ(sent.size(), 102u);
  EXPECT_EQ(sent[1], "6:hľadám najpodobnejšie riešenie ... 0%");
  EXPECT_EQ(sent.back(), "6:hľadám najpodobnejšie riešenie ... 100%");
  EXPECT_GE(breaths, 1);
}

TEST(Proposal, StopsWhenTheWindowAsks) {
  int breaths = 0;
  const SearchHooks hooks{{}, [&breaths] { return ++breaths < 2; }};
  const Proposal p =
      ProposeSolution(3, std::vector<Labels>(100000, MakeLabels({2, 1, 3})), MakeLabels({}), hooks);
  EXPECT_TRUE(p.stopped);
  EXPECT_FALSE(p.proposed);
  EXPECT_EQ(breaths, 2);
}
