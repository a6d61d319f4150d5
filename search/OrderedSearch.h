#pragma once

#include <optional>
#include <vector>

#include "search/ChainedGracefulSearch.h"
#include "search/SearchReporter.h"
#include "tree/TreeModel.h"

// The first graceful labeling in candidate order, found without visiting the candidates before it:
// the digits of its candidate number are settled from the most significant one down, each by
// graceful-labeling searches that keep the order of labels the higher digits have fixed.
// nullopt when there is none or the reporter was told to stop.
std::optional<Labels> FirstGracefulLabelingInCandidateOrder(int n, const std::vector<Edge>& edges,
                                                            SearchReporter& reporter);

// The chain (labels rising along it) and the leg symmetry for legs free of chain members and of
// `pinned` vertices.
std::vector<LabelChain> OrderConstraints(const SearchGraph& graph, const std::vector<int>& chain,
                                         std::uint32_t pinned);

// The first labeling in candidate order among those `search` accepts, given one it accepted.
// nullopt when the reporter was told to stop.
std::optional<Labels> SettleCandidateOrder(const SearchGraph& graph, ChainedGracefulSearch& search,
                                           Labels witness, std::uint32_t pinned, SearchReporter& reporter);

// The same from a later digit on: `chain` lists the vertices k+1..n (k = n - chain.size()) from the
// lowest label up, and every labeling `search` accepts keeps that order; vertex k goes no lower than
// place `lowest` in it (that many members below it). `witness` is such a labeling.
std::optional<Labels> SettleRemainingDigits(const SearchGraph& graph, ChainedGracefulSearch& search,
                                            Labels witness, std::vector<int> chain, int lowest,
                                            std::uint32_t pinned, SearchReporter& reporter);
