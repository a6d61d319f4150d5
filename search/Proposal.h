#pragma once

#include <string>
#include <vector>

#include "search/SearchHooks.h"
#include "tree/TreeModel.h"

// The summary line when the graph has no graceful labeling.
inline constexpr const char* NoLabelingText = "Graf nemá žiadne graciózne ohodnotenie.";

// "Navrhujem ... (3) (1) (2), ktoré sa líši v 1 vrchole." split where the window shows it.
struct ProposalSentence {
  std::string intro;
  std::string labels;
  std::string difference;  // empty when the labeling agrees with every filled box
};

// The sentence proposing `labeling` of a tree of n vertices that differs from the filling in
// `differing` vertices.
ProposalSentence MakeProposalSentence(int n, const Labels& labeling, int differing);

struct Proposal {
  bool proposed = false;  // false: no labeling was found, or the comparison was stopped
  bool stopped = false;   // breathe() answered false; nothing below is meaningful then
  int BestIndex = 0;      // 1-based index into the labelings; 0 when nothing is proposed
  int BestScore = 0;
  int AgreeCount = 0;
  // The final status texts: the summary line, the agreement line, and the proposal sentence in
  // its three pieces (introduction, the labels, how much they differ from the filling).
  std::string summary;
  std::string agreement;
  ProposalSentence sentence;
};

// Compares every stored labeling of a tree of n vertices with the filling in `boxLabels` (0 is
// an empty box and agrees with anything) and proposes the first one with the highest score.
Proposal ProposeSolution(int n, const std::vector<Labels>& labelings, const Labels& boxLabels,
                         const SearchHooks& hooks);

// " graciózne ohodnotenie", " graciózne ohodnotenia" or " gracióznych ohodnotení" for a count.
std::string CountPhrase(int count);
