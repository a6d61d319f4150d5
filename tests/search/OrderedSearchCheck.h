#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "search/OrderedSearch.h"
#include "tests/search/SearchTestGraphs.h"
#include "tests/support/PlainEnumeration.h"

inline std::optional<Labels> Ordered(int n, const std::vector<Edge>& edges) {
  const SearchHooks hooks;
  SearchReporter reporter(hooks);
  return FirstGracefulLabelingInCandidateOrder(n, edges, reporter);
}

// The fast search must give the first labeling the plain enumeration finds, or none when it finds none.
inline void ExpectOrderedMatchesPlain(int n, const std::vector<Edge>& edges) {
  const SearchOutcome plain = FindGracefulLabelingsPlain(n, edges, {});
  const std::optional<Labels> first = Ordered(n, edges);
  ASSERT_EQ(first.has_value(), !plain.solutions.empty()) << n;
  if (first) {
    EXPECT_EQ(LabelList(*first, n), LabelList(plain.solutions.front(), n)) << n;
  }
}
