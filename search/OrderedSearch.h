#pragma once

#include <optional>
#include <vector>

#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// The first graceful labeling in candidate order, found without visiting the candidates before it:
// the digits of its candidate number are settled from the most significant one down, each by
// graceful-labeling searches that keep the order of labels the higher digits have fixed.
// nullopt when there is none or the reporter was told to stop.
std::optional<Labels> FirstGracefulLabelingInCandidateOrder(int n, const std::vector<Edge>& edges,
                                                            SearchReporter& reporter);
