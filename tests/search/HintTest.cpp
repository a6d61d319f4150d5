#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "search/Hint.h"
#include "tests/search/ClosestCheck.h"
#include "tests/search/HintCheck.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/HintAnswer.h"

namespace {

// The sample fillings, a graceful labeling whole and with one or two boxes emptied.
void ExpectHintsFromTheStore(int n, const std::vector<Edge>& edges, std::mt19937& random,
                             std::map<std::string, int>& kinds) {
  const std::vector<Labels> store = FindGracefulLabelings(n, edges, {}).solutions;
  const Labels labeling = store.empty() ? Labels{} : store[random() % store.size()];
  std::vector<Labels> fillings = SampleFillings(n, labeling, random);
  if (!store.empty()) {
    fillings.push_back(labeling);
    for (int emptied = 1; emptied <= 2; ++emptied) {
      fillings.push_back(fillings.back());
      fillings.back()[1 + random() % n] = 0;
    }
  }
  for (const Labels& filling : fillings) {
    const SearchHooks hooks;
    SearchReporter reporter(hooks);
    const std::string hint = HintAnswer(FindHint(n, edges, filling, reporter));
    ASSERT_EQ(hint, StoreHint(n, store, filling))
        << n << " " << ::testing::PrintToString(LabelList(filling, n));
    ++kinds[hint.substr(0, hint.find(' '))];
  }
}

TEST(Hint, IsTheHintReadOffAllLabelingsOfSmallGraphs) {
  std::mt19937 random(5);
  std::map<std::string, int> kinds;
  for (int n = 2; n <= 7; ++n) {
    for (const std::vector<Edge>& tree : AllLabeledTrees(n)) {
      ExpectHintsFromTheStore(n, tree, random, kinds);
    }
  }
  for (int n = 8; n <= 10; ++n) {
    for (int k = 0; k < (n == 8 ? 40 : n == 9 ? 10 : 3); ++k)
      ExpectHintsFromTheStore(n, RandomTree(n, random), random, kinds);
  }
  for (int k = 0; k < 100; ++k) {
    const int n = std::uniform_int_distribution<int>(4, 8)(random);
    ExpectHintsFromTheStore(n, RandomEdges(n, random), random, kinds);
  }
  for (const char* kind : {"none", "change", "graceful", "forced", "possible"})
    EXPECT_GT(kinds[kind], 20) << kind;
}

TEST(Hint, StatusTexts) {
  const std::vector<std::pair<Hint, HintLines>> cases = {
      {{HintKind::Change, {3}, 0, 0, {}},
       {"Vyplnenie sa nedá doplniť na graciózne ohodnotenie.", "Stačí zmeniť 1 číslo: vo vrchole 3."}},
      {{HintKind::Change, {3, 9}, 0, 0, {}},
       {"Vyplnenie sa nedá doplniť na graciózne ohodnotenie.", "Stačí zmeniť 2 čísla: vo vrcholoch 3 a 9."}},
      {{HintKind::Change, {1, 3, 4, 8}, 0, 0, {}},
       {"Vyplnenie sa nedá doplniť na graciózne ohodnotenie.",
        "Stačí zmeniť 4 čísla: vo vrcholoch 1, 3, 4 a 8."}},
      {{HintKind::Change, {1, 3, 4, 8, 9}, 0, 0, {}},
       {"Vyplnenie sa nedá doplniť na graciózne ohodnotenie.",
        "Stačí zmeniť 5 čísel: vo vrcholoch 1, 3, 4, 8 a 9."}},
      {{HintKind::Graceful, {}, 0, 0, {}}, {"Ohodnotenie je graciózne.", ""}},
      {{HintKind::Forced, {}, 7, 12, {}},
       {"Vrchol 7 musí mať číslo 12,", "inak sa vyplnenie nedá dokončiť."}},
      {{HintKind::Possible, {}, 7, 12, {}}, {"Vrchol 7 môže mať číslo 12,", "ale nie je to jediná možnosť."}},
  };
  for (const auto& [hint, lines] : cases) {
    const HintLines texts = HintTexts(hint);
    EXPECT_EQ(texts.first, lines.first);
    EXPECT_EQ(texts.second, lines.second);
  }
}

// A stop from the window ends the hint without an answer.
TEST(Hint, StopsWhenTheWindowAsksTo) {
  for (int stopAt : {1, 3}) {
    int breaths = 0;
    const SearchHooks hooks{nullptr, [&] { return ++breaths < stopAt; }};
    SearchReporter reporter(hooks);
    EXPECT_FALSE(FindHint(20, PathEdges(20), Labels{}, reporter));
    EXPECT_TRUE(reporter.Stopped());
  }
}

}  // namespace
