#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tree/TreeModel.h"

struct ProposalHooks {
  // Sets the text of status label 1 or 6 while the comparison runs. Called only when the text
  // changes; may be empty.
  std::function<void(int label, const std::string& text)> setLabelText;
  // Lets the window breathe every few thousand records; false asks the comparison to stop at
  // once. May be empty.
  std::function<bool()> breathe;
};

struct Proposal {
  bool proposed = false;  // false: no labeling was found, or the comparison was stopped
  bool stopped = false;   // breathe() answered false; nothing below is meaningful then
  int BestIndex = 0;      // 1-based index into the labelings; 0 when nothing is proposed
  int BestScore = 0;
  int AgreeCount = 0;
  // The final texts of the status labels.
  std::string Label1;
  std::string Label6;
  std::string Label4;
  std::string Label7;
  std::string Label8;
};

// Compares every stored labeling of a tree of n vertices with the filling in `boxLabels` (0 is
// an empty box and agrees with anything) and proposes the first one with the highest score.
Proposal ProposeSolution(int n, const std::vector<Labels>& labelings, const Labels& boxLabels,
                         const ProposalHooks& hooks);

// " graciózne ohodnotenie", " graciózne ohodnotenia" or " gracióznych ohodnotení" for a count.
std::string CountPhrase(int count);
