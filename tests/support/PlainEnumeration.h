#pragma once

#include <vector>

#include "search/GracefulSearch.h"

// The reference the searches are checked and measured against: the literal candidate-by-candidate
// enumeration, decoding each candidate from scratch. Like FindGracefulLabelings, every graceful
// labeling for n <= 10 and the first one for n >= 11. Linked into the tests and the benchmarks only.
SearchOutcome FindGracefulLabelingsPlain(int n, const std::vector<Edge>& edges, const SearchHooks& hooks);
