#include "search/Proposal.h"

#include <algorithm>

namespace {

constexpr int RecordsPerBreath = 4096;

const char* const FoundOneText = "Našiel som graciózne ohodnotenie grafu,";
const char* const ProgressText = "hľadám najpodobnejšie riešenie ... ";

int Score(int n, const Labels& labeling, const Labels& boxLabels) {
  int score = 0;
  for (int v = 1; v <= n; ++v) {
    if (boxLabels[v] == 0 || boxLabels[v] == labeling[v]) ++score;
  }
  return score;
}

std::string AgreementText(int n, int count, int agree) {
  if (n > 10)
    return agree != 0 ? "pričom toto súhlasí s vyplnením grafu." : "ktoré ale nesúhlasí s vyplnením grafu.";
  std::string phrase;
  if (agree == count) {
    phrase = "všetky súhlasia s vyplnením grafu.";
  } else if (agree == 0) {
    phrase = "žiadne nesúhlasí s vyplnením grafu.";
  } else if (agree >= 2 && agree <= 4) {
    phrase = std::to_string(agree) + " súhlasia s vyplnením grafu.";
  } else {
    phrase = std::to_string(agree) + " súhlasí s vyplnením grafu.";
  }
  return "z toho " + phrase;
}

std::string DifferenceText(int n, int differing) {
  if (differing == n) return "líši vo všetkých vrcholoch.";
  if (differing == 1) return "líši v 1 vrchole.";
  return "líši v " + std::to_string(differing) + " vrcholoch.";
}

}  // namespace

std::string CountPhrase(int count) {
  if (count == 1) return " graciózne ohodnotenie";
  if (count >= 2 && count <= 4) return " graciózne ohodnotenia";
  return " gracióznych ohodnotení";
}

Proposal ProposeSolution(int n, const std::vector<Labels>& labelings, const Labels& boxLabels,
                         const SearchHooks& hooks) {
  Proposal result;
  n = std::clamp(n, 0, MaxVertices);
  const int count = static_cast<int>(labelings.size());
  if (count == 0) {
    result.summary = NoLabelingText;
    return result;
  }

  result.summary =
      n > 10 ? std::string(FoundOneText) : "Graf má " + std::to_string(count) + CountPhrase(count) + ",";
  const auto setStatusText = [&hooks](StatusLine line, const std::string& text) {
    if (hooks.setStatusText) hooks.setStatusText(line, text);
  };
  setStatusText(StatusLine::Summary, result.summary);
  int bestIndex = 1;
  int bestScore = 0;
  int agree = 0;
  int shownPercent = -1;
  for (int i = 1; i <= count; ++i) {
    const int percent = static_cast<int>(static_cast<long long>(i) * 100 / count);
    if (percent != shownPercent) {
      setStatusText(StatusLine::Agreement, ProgressText + std::to_string(percent) + "%");
      shownPercent = percent;
    }
    const int score = Score(n, labelings[i - 1], boxLabels);
    // Strictly better only: among equal scores the labeling found first stays.
    if (score > bestScore) {
      bestIndex = i;
      bestScore = score;
    }
    if (score == n) ++agree;
    if (i % RecordsPerBreath == 0 && hooks.breathe && !hooks.breathe()) {
      result.stopped = true;
      return result;
    }
  }

  result.proposed = true;
  result.BestIndex = bestIndex;
  result.BestScore = bestScore;
  result.AgreeCount = agree;
  result.agreement = AgreementText(n, count, agree);

  result.sentence = MakeProposalSentence(n, labelings[bestIndex - 1], n - bestScore);
  return result;
}

ProposalSentence MakeProposalSentence(int n, const Labels& labeling, int differing) {
  ProposalSentence sentence;
  std::string labels;
  for (int v = 1; v <= n; ++v) labels += " (" + std::to_string(labeling[v]) + ")";
  if (differing == 0) {
    sentence.intro = "Navrhujem doplniť na riešenie:";
    sentence.labels = labels + ".";
  } else {
    sentence.intro = "Navrhujem riešenie:";
    sentence.labels = labels + ", ";
    sentence.difference = "ktoré sa " + DifferenceText(n, differing);
  }
  return sentence;
}
